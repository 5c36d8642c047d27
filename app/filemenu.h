#pragma once

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class Feedback;
class QAction;
class QMainWindow;
class QMenu;
class QTabWidget;
class ShowPage;
class UserDialogs;

namespace Show {
class ShowDocument;
}

// The File menu's show files: Open… (Ctrl+O), Recent Files, Save (Ctrl+S)
// and Save As… (Ctrl+Shift+S), the window's title that names the current
// tab's file, and show files dropped on the window. A file opens on the tab
// of the table its header names, whatever the file is called; Save and Save
// As work on the current tab's table (app/showpage.h does the work).
class FileMenu : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(Lc460_bootloader)

public:
    // menu: the form's File menu; the entries go before its entry `before`.
    // feedback tells of settings that cannot be kept.
    FileMenu(QMenu *menu, QAction *before, QTabWidget *tabs, QList<ShowPage *> pages,
             std::function<UserDialogs &()> dialogs, Feedback &feedback, QMainWindow *window);

    // A recent file's path as its menu entry shows it: at most about
    // MaxEntryChars wide in the menu's font, shortened in the middle, so the
    // file's own name stays in view.
    static constexpr int MaxEntryChars = 60;

    // The title follows shown from now on.
    void bind(Show::ShowDocument &shown);
    // After a change of tab, or when a job starts or ends: Save and Save As
    // work on the current page while it runs no job.
    void update();
    // Opens fileName on the tab its header names; a file that is no show file
    // is reported as the current tab's Load reports it. False when nothing
    // was loaded.
    bool open(const QString &fileName);

protected:
    // Show files dragged over the window and dropped on it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] ShowPage *currentPage() const;
    void chooseAndOpen();
    void fillRecentFiles();
    void updateTitle();
    void reportSettingsProblem();

    QTabWidget *tabs;
    const QList<ShowPage *> pages;
    std::function<UserDialogs &()> dialogs;
    Feedback &feedback;
    QMainWindow *window;
    QPointer<Show::ShowDocument> document;
    QMenu *recentMenu = nullptr; // a child of the File menu
    QAction *saveAction = nullptr;
    QAction *saveAsAction = nullptr;
    bool dragHoldsShowFiles = false; // the drag in progress brings show files
};
