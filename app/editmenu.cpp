#include "app/editmenu.h"

#include "app/showcommands.h"
#include "app/showpage.h"
#include "widgets/overviewview.h"

#include <QAction>
#include <QMenu>
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

    // A channel field or spin box with the focus keeps these keys for its
    // own text; elsewhere they act on the shown step.
    actions.copy->setShortcuts(QKeySequence::Copy);
    actions.paste->setShortcuts(QKeySequence::Paste);
    actions.duplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    actions.insertBlank->setShortcut(QKeySequence(Qt::Key_Insert));
    // Only the Delete key: the platform's Delete sequences may include Ctrl+D.
    actions.remove->setShortcut(QKeySequence(Qt::Key_Delete));
    actions.rotateLeft->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left));
    actions.rotateRight->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right));

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
          actions.rotateLeft, actions.rotateRight, actions.compareWithDriver})
        action->setEnabled(page != nullptr);
}
