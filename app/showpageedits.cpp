// The show page's Edit menu work on the shown step and the selected cells:
// the step operations, Copy and Paste, Set Colour and Fill Steps. Each change
// goes to the tab's undo stack as one command.

#include "app/showcommands.h"
#include "app/showpage.h"
#include "show/overviewmodel.h"
#include "show/patterns.h"
#include "show/recordclipboard.h"
#include "show/showdocument.h"
#include "show/stepoperations.h"
#include "widgets/dialogs/feedback.h"
#include "widgets/dialogs/fillstepsdialog.h"
#include "widgets/dialogs/userdialogs.h"
#include "widgets/overviewview.h"

#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QSpinBox>
#include <QUndoStack>

void ShowPage::changeTable(TableChange change)
{
    QByteArray table = document->table(tableKind);
    const int index = binder->shownIndex();
    bool changed = false;
    switch (change) {
    case TableChange::Duplicate:
        changed = Show::duplicateRecord(table, tableKind, index);
        break;
    case TableChange::InsertBlank:
        changed = Show::insertBlankRecord(table, tableKind, index);
        break;
    case TableChange::Delete:
        changed = Show::deleteRecord(table, tableKind, index);
        break;
    case TableChange::RotateLampsLeft:
        changed = Show::rotateLamps(table, tableKind, index, Show::Rotation::Left);
        break;
    case TableChange::RotateLampsRight:
        changed = Show::rotateLamps(table, tableKind, index, Show::Rotation::Right);
        break;
    default:
        return;
    }
    if (!changed)
        return;
    undo->push(new TableCommand(document, tableKind, table, change));
    // The copy is shown next, so that the next key press works on it: a
    // chase grows by Duplicate and Rotate, two presses a step.
    if (change == TableChange::Duplicate)
        widgets.overview->setShownColumn(
            std::min(widgets.overview->shownColumn() + 1, model->columnCount() - 1));
}

void ShowPage::copySelected()
{
    QList<int> indices;
    for (int column : widgets.overview->selectedColumns())
        indices.append(model->recordIndex(column));
    const Show::RecordClip clip = Show::copyRecords(document->table(tableKind), tableKind, indices);
    if (clip.count() == 0)
        return;
    QGuiApplication::clipboard()->setMimeData(Show::recordsToMimeData(clip).release());
    feedback().statusMessage(
        (programs() ? tr("Steps copied: %1.") : tr("Scenes copied: %1.")).arg(clip.count()));
}

// From the shown step on; what would land past the last step is dropped,
// and the status bar says how much.
void ShowPage::paste()
{
    const std::optional<Show::RecordClip> clip
        = Show::recordsFromMimeData(QGuiApplication::clipboard()->mimeData());
    if (!clip) {
        feedback().statusMessage(tr("Nothing pasted: the clipboard holds no steps or scenes."));
        return;
    }
    QByteArray table = document->table(tableKind);
    const int dropped = Show::pasteRecords(table, tableKind, binder->shownIndex(), *clip);
    if (dropped < 0)
        return;
    undo->push(new TableCommand(document, tableKind, table, TableChange::Paste));
    if (dropped > 0)
        feedback().statusMessage(
            tr("Records dropped by the paste, since they did not fit after the last step: %1 of "
               "%2.")
                .arg(dropped)
                .arg(clip->count()));
}

void ShowPage::setColour()
{
    const QList<Show::LampCell> cells = widgets.overview->selectedLampCells();
    if (cells.isEmpty())
        return;
    const Show::LampCell &first = cells.first();
    const Show::Rgb initial = document->record(tableKind, first.record).lamps.at(first.lamp);
    const QColor chosen
        = dialogs().getColor(QColor(initial.red, initial.green, initial.blue), services.window);
    if (!chosen.isValid())
        return;
    QByteArray table = document->table(tableKind);
    const Show::Rgb colour{quint8(chosen.red()), quint8(chosen.green()), quint8(chosen.blue())};
    if (Show::setLampColours(table, tableKind, cells, colour))
        undo->push(new TableCommand(document, tableKind, table, TableChange::SetColour));
}

// The overview shows the pattern while the dialog is open: the preview goes
// into the document without the undo stack, and the table as it was comes
// back before OK pushes the filled one as one undo step.
void ShowPage::fillSteps()
{
    const int program = programs() ? widgets.program->value() - 1 : 0;
    FillStepsDialog dialog(document->table(tableKind), tableKind, program, dialogs(),
                           services.window);
    dialog.setObjectName(QStringLiteral("FillStepsDialog"));
    // The overview shows the preview; the document changes only by the undo
    // command that OK pushes.
    connect(&dialog, &FillStepsDialog::previewChanged, model, &Show::OverviewModel::setPreview);
    const bool accepted = dialogs().exec(dialog) == QDialog::Accepted;
    const QByteArray filled = dialog.filledTable();
    model->setPreview({});
    if (accepted)
        undo->push(new TableCommand(document, tableKind, filled, TableChange::FillSteps));
}
