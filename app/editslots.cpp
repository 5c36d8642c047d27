// The Edit menu: undo and redo per tab, and the step operations on the shown
// step of the current tab. The operations themselves live in show/; each
// change goes to the tab's undo stack as one command.

#include "app/lc460_bootloader.h"
#include "app/showbinder.h"
#include "app/showcommands.h"
#include "show/overviewmodel.h"
#include "show/recordclipboard.h"
#include "show/stepoperations.h"
#include "ui_lc460_bootloader.h"
#include "widgets/overviewview.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QUndoGroup>
#include <QUndoStack>

void Lc460_bootloader::setUpEditMenu()
{
    undoGroup = new QUndoGroup(this);
    programUndo = new QUndoStack(undoGroup);
    sceneUndo = new QUndoStack(undoGroup);

    // The group's actions name what they will undo or redo: "Undo Delete".
    QAction *undo = undoGroup->createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction *redo = undoGroup->createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    ui->menuEdit->insertActions(ui->actionCopy, {undo, redo});
    ui->menuEdit->insertSeparator(ui->actionCopy);

    // A channel field or spin box with the focus keeps these keys for its
    // own text; elsewhere they act on the shown step.
    ui->actionCopy->setShortcuts(QKeySequence::Copy);
    ui->actionPaste->setShortcuts(QKeySequence::Paste);
    ui->actionDuplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    ui->actionInsertBlank->setShortcut(QKeySequence(Qt::Key_Insert));
    // Only the Delete key: the platform's Delete sequences may include Ctrl+D.
    ui->actionDelete->setShortcut(QKeySequence(Qt::Key_Delete));
    ui->actionRotateLampsLeft->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left));
    ui->actionRotateLampsRight->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right));

    connect(ui->actionCopy, &QAction::triggered, this, &Lc460_bootloader::copyRecords);
    connect(ui->actionPaste, &QAction::triggered, this, &Lc460_bootloader::pasteRecords);
    for (auto [action, change] :
         {std::pair{ui->actionDuplicate, TableChange::Duplicate},
          std::pair{ui->actionInsertBlank, TableChange::InsertBlank},
          std::pair{ui->actionDelete, TableChange::Delete},
          std::pair{ui->actionRotateLampsLeft, TableChange::RotateLampsLeft},
          std::pair{ui->actionRotateLampsRight, TableChange::RotateLampsRight}}) {
        connect(action, &QAction::triggered, this,
                [this, change = change] { changeTable(change); });
    }

    for (OverviewView *view : {ui->overviewPrograms, ui->overviewScenes}) {
        view->addActions(ui->menuEdit->actions());
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &Lc460_bootloader::updateEditActions);
    updateEditActions();
}

std::optional<Show::Kind> Lc460_bootloader::editedKind() const
{
    if (ui->tabWidget->currentWidget() == ui->tabPrograms)
        return Show::Kind::Programs;
    if (ui->tabWidget->currentWidget() == ui->tabScenes)
        return Show::Kind::Scenes;
    return std::nullopt;
}

QUndoStack &Lc460_bootloader::undoStack(Show::Kind kind)
{
    return kind == Show::Kind::Programs ? *programUndo : *sceneUndo;
}

OverviewView &Lc460_bootloader::overview(Show::Kind kind)
{
    return kind == Show::Kind::Programs ? *ui->overviewPrograms : *ui->overviewScenes;
}

void Lc460_bootloader::updateEditActions()
{
    const std::optional<Show::Kind> kind = editedKind();
    undoGroup->setActiveStack(kind ? &undoStack(*kind) : nullptr);
    for (QAction *action : {ui->actionCopy, ui->actionPaste, ui->actionDuplicate,
                            ui->actionInsertBlank, ui->actionDelete, ui->actionRotateLampsLeft,
                            ui->actionRotateLampsRight, ui->actionCompareWithDriver})
        action->setEnabled(kind.has_value());
}

void Lc460_bootloader::changeTable(TableChange change)
{
    const std::optional<Show::Kind> kind = editedKind();
    if (!kind)
        return;
    QByteArray table = showDocument->table(*kind);
    const int index = binder(*kind).shownIndex();
    bool changed = false;
    switch (change) {
    case TableChange::Duplicate:
        changed = Show::duplicateRecord(table, *kind, index);
        break;
    case TableChange::InsertBlank:
        changed = Show::insertBlankRecord(table, *kind, index);
        break;
    case TableChange::Delete:
        changed = Show::deleteRecord(table, *kind, index);
        break;
    case TableChange::RotateLampsLeft:
        changed = Show::rotateLamps(table, *kind, index, Show::Rotation::Left);
        break;
    case TableChange::RotateLampsRight:
        changed = Show::rotateLamps(table, *kind, index, Show::Rotation::Right);
        break;
    default:
        return;
    }
    if (!changed)
        return;
    undoStack(*kind).push(new TableCommand(showDocument.get(), *kind, table, change));
    // The copy is shown next, so that the next key press works on it: a
    // chase grows by Duplicate and Rotate, two presses a step.
    if (change == TableChange::Duplicate) {
        QSpinBox *number
            = *kind == Show::Kind::Programs ? ui->spinBoxSceneNumber : ui->spinBoxSceneSceneNumber;
        number->setValue(number->value() + 1);
    }
}

void Lc460_bootloader::copyRecords()
{
    const std::optional<Show::Kind> kind = editedKind();
    if (!kind)
        return;
    const Show::OverviewModel &model
        = *(*kind == Show::Kind::Programs ? programOverview : sceneOverview);
    QList<int> indices;
    for (int column : overview(*kind).selectedColumns())
        indices.append(model.recordIndex(column));
    const Show::RecordClip clip = Show::copyRecords(showDocument->table(*kind), *kind, indices);
    if (clip.count() == 0)
        return;
    QGuiApplication::clipboard()->setMimeData(Show::recordsToMimeData(clip).release());
    feedback().statusMessage(
        (*kind == Show::Kind::Programs ? tr("Steps copied: %1.") : tr("Scenes copied: %1."))
            .arg(clip.count()));
}

// From the shown step on; what would land past the last step is dropped,
// and the status bar says how much.
void Lc460_bootloader::pasteRecords()
{
    const std::optional<Show::Kind> kind = editedKind();
    if (!kind)
        return;
    const std::optional<Show::RecordClip> clip
        = Show::recordsFromMimeData(QGuiApplication::clipboard()->mimeData());
    if (!clip) {
        feedback().statusMessage(tr("Nothing pasted: the clipboard holds no steps or scenes."));
        return;
    }
    QByteArray table = showDocument->table(*kind);
    const int dropped = Show::pasteRecords(table, *kind, binder(*kind).shownIndex(), *clip);
    if (dropped < 0)
        return;
    undoStack(*kind).push(new TableCommand(showDocument.get(), *kind, table, TableChange::Paste));
    if (dropped > 0)
        feedback().statusMessage(
            tr("Records dropped by the paste, since they did not fit after the last step: %1 of "
               "%2.")
                .arg(dropped)
                .arg(clip->count()));
}
