#include "app/editmenu.h"

#include "app/showcommands.h"
#include "app/showpage.h"
#include "widgets/overviewview.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QTabWidget>
#include <QUndoGroup>
#include <QUndoStack>

EditMenu::EditMenu(Actions actions, QTabWidget *tabs, QUndoGroup *undoGroup,
                   QList<ShowPage *> pages, QObject *parent)
    : QObject(parent)
    , actions(actions)
    , tabs(tabs)
    , undoGroup(undoGroup)
    , pages(std::move(pages))
{
    // The group's actions name what they will undo or redo: "Undo Delete".
    // Like the form's actions, they belong to the window.
    QAction *undo = undoGroup->createUndoAction(parent, tr("Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction *redo = undoGroup->createRedoAction(parent, tr("Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    actions.menu->insertActions(actions.copy, {undo, redo});
    actions.menu->insertSeparator(actions.copy);

    // Set Colour and Fill Steps belong to the window, like the form's actions.
    setColour = new QAction(tr("Set Colour…"), parent);
    setColour->setObjectName(QStringLiteral("actionSetColour"));
    fillSteps = new QAction(tr("Fill Steps…"), parent);
    fillSteps->setObjectName(QStringLiteral("actionFillSteps"));
    actions.menu->addSeparator();
    actions.menu->addActions({setColour, fillSteps});

    // None of these is a text-editing key of a channel field or spin box, so
    // they act on the shown step wherever the focus is on the tab.
    actions.copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    actions.paste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    actions.duplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    actions.insertBlank->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Insert));
    actions.remove->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    actions.rotateLeft->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_BracketLeft));
    actions.rotateRight->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_BracketRight));
    setColour->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    fillSteps->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    connect(setColour, &QAction::triggered, this, [this] {
        if (ShowPage *page = currentPage())
            page->setColour();
    });
    connect(fillSteps, &QAction::triggered, this, [this] {
        if (ShowPage *page = currentPage())
            page->fillSteps();
    });
    // A focused field would take these keys for itself; on a show tab the
    // window's actions win.
    qApp->installEventFilter(this);

    connect(actions.copy, &QAction::triggered, this, [this] {
        if (ShowPage *page = currentPage())
            page->copySelected();
    });
    connect(actions.paste, &QAction::triggered, this, [this] {
        if (ShowPage *page = currentPage())
            page->paste();
    });
    for (auto [action, change] : {std::pair{actions.duplicate, TableChange::Duplicate},
                                  std::pair{actions.insertBlank, TableChange::InsertBlank},
                                  std::pair{actions.remove, TableChange::Delete},
                                  std::pair{actions.rotateLeft, TableChange::RotateLampsLeft},
                                  std::pair{actions.rotateRight, TableChange::RotateLampsRight}}) {
        connect(action, &QAction::triggered, this, [this, change = change] {
            if (ShowPage *page = currentPage())
                page->changeTable(change);
        });
    }

    for (ShowPage *page : this->pages) {
        OverviewView *view = page->tab()->findChild<OverviewView *>();
        view->addActions(actions.menu->actions());
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
        // The grid itself also takes the usual keys of a table.
        for (const auto &[key, action] :
             {std::pair{QKeySequence(QKeySequence::Copy), actions.copy},
              std::pair{QKeySequence(QKeySequence::Paste), actions.paste},
              std::pair{QKeySequence(Qt::Key_Delete), actions.remove}}) {
            auto *shortcut
                = new QShortcut(key, view, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
            // Help › Keyboard Shortcuts lists it under this text.
            shortcut->setWhatsThis(action->text().remove(QLatin1Char('&')));
            connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
        }
    }
    connect(tabs, &QTabWidget::currentChanged, this, &EditMenu::update);
    update();
}

ShowPage *EditMenu::currentPage() const
{
    for (ShowPage *page : pages) {
        if (tabs->currentWidget() == page->tab())
            return page;
    }
    return nullptr;
}

void EditMenu::update()
{
    ShowPage *page = currentPage();
    if (page && page->jobRunning())
        page = nullptr;
    undoGroup->setActiveStack(page ? &page->undoStack() : nullptr);
    for (QAction *action :
         {actions.copy, actions.paste, actions.duplicate, actions.insertBlank, actions.remove,
          actions.rotateLeft, actions.rotateRight, actions.compareWithDriver, setColour, fillSteps})
        action->setEnabled(page != nullptr);
}

bool EditMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    ShowPage *page = currentPage();
    if (page == nullptr || !page->tab()->isAncestorOf(widget))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QKeySequence pressed(key->keyCombination());
    for (QAction *action : actions.menu->actions()) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            // Not accepted: the shortcut goes to the window's action.
            key->ignore();
            return true;
        }
    }
    return false;
}
