#pragma once

#include <QCoreApplication>
#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QTabWidget;
class QUndoGroup;
class ShowPage;

// The Edit menu: Undo and Redo of the current tab's history, and the step
// operations, Copy and Paste on its shown step, Set Colour on the cells
// selected in the overview, and Fill Steps. Its keys work wherever the
// focus is on a show tab: a focused field never keeps them. Also the context menu of
// each tab's overview grid. On the Settings tab everything but the history
// of no tab is off.
class EditMenu : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(Lc460_bootloader)

public:
    // The form's actions of the Edit and File menus that act on a show tab.
    struct Actions
    {
        QMenu *menu = nullptr;
        QAction *copy = nullptr;
        QAction *paste = nullptr;
        QAction *duplicate = nullptr;
        QAction *insertBlank = nullptr;
        QAction *remove = nullptr;
        QAction *rotateLeft = nullptr;
        QAction *rotateRight = nullptr;
        QAction *compareWithDriver = nullptr;
    };

    EditMenu(Actions actions, QTabWidget *tabs, QUndoGroup *undoGroup, QList<ShowPage *> pages,
             QObject *parent);

    // The page of the current tab; none on the Settings tab.
    [[nodiscard]] ShowPage *currentPage() const;
    // After a change of tab, or when a job starts or ends: the entries work
    // on the current page while it runs no job.
    void update();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const Actions actions;
    QTabWidget *tabs;
    QUndoGroup *undoGroup;
    const QList<ShowPage *> pages;
    QAction *setColour = nullptr; // children of the window
    QAction *fillSteps = nullptr;
};
