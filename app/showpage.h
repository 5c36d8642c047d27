#pragma once

#include "app/showbinder.h"
#include "show/scenerecord.h"
#include "show/showtransfer.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class Feedback;
class OverviewView;
class QAbstractButton;
class QThread;
class QSpinBox;
class QUndoGroup;
class QUndoStack;
class QWidget;
class USBLC350;
class UserDialogs;
enum class TableChange;

namespace Show {
class OverviewModel;
class ShowDocument;
} // namespace Show

// One show tab, Programs or Scenes: its lamp editors and spin boxes bound to
// the shown step, its overview grid, its undo history, and the moves of its
// whole table between the show document, the driver and files. The window's
// slots hand their work here in a line; the rules (record layout, transfer,
// file format) live in show/. Texts belong to the window's translation
// context, as the window's own slots wrote them.
class ShowPage : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(Lc460_bootloader)

public:
    // The tab's widgets, children of the window's form.
    struct Widgets
    {
        QWidget *tab = nullptr;
        OverviewView *overview = nullptr;
        QSpinBox *program = nullptr; // the Programs tab only
        QSpinBox *number = nullptr;  // the step or the scene
        ShowBinder::Controls controls;
        // The buttons that use the driver; off while another job holds it.
        QList<QAbstractButton *> driverButtons;
    };

    // What the page reports through and works on; all of it outlives the page.
    struct Services
    {
        USBLC350 *device = nullptr;
        Feedback *feedback = nullptr;
        std::function<UserDialogs &()> dialogs;
        QWidget *window = nullptr;
        // Tells the user and answers true while the driver is busy elsewhere.
        std::function<bool()> refuseBusy;
        // Told when a job on the driver starts (true) and when it has ended.
        std::function<void(bool)> setBusy;
    };

    ShowPage(Show::Kind kind, Widgets widgets, Services services, QUndoGroup *undoGroup,
             QObject *parent);
    // Waits for a running job: it uses the window's device.
    ~ShowPage() override;

    // True while a Get, Set or comparison runs on its worker thread.
    [[nodiscard]] bool jobRunning() const { return job != nullptr; }

    [[nodiscard]] Show::Kind kind() const { return tableKind; }
    [[nodiscard]] QWidget *tab() const { return widgets.tab; }
    [[nodiscard]] QUndoStack &undoStack() { return *undo; }

    // Shows and edits shown from now on; the history of the document before
    // stays behind. A document with unsaved changes stays unsaved even when
    // its first edit here is undone.
    void bind(Show::ShowDocument &shown);
    // The document has left with a language switch: nothing here touches it
    // any more.
    void unbind();

    // The tab's lamp editors, for a page made before they were built (the
    // window builds a tab's editors when it is first needed).
    void setLampEditors(const QList<SuperRGB *> &editors);

    // The step (or scene) the spin boxes name becomes the shown one.
    void showSelected();
    // The record shown: program * 20 + step, or the scene.
    [[nodiscard]] int shownRecord() const;
    // Makes the record of that index (programs: program * 20 + step) the
    // shown one, scrolled into view.
    void showRecord(int index);

    // The buttons of the tab. Load and Save open their dialogs in the
    // working directory with no name proposed, whatever was used before.
    void getFromDriver();
    void setInDriver();
    void loadFromFile();
    // False when the user cancelled the dialog or the file was not written.
    bool saveToFile();

    // The File menu. open() loads a file whose header says it holds this
    // tab's table, asking first when unsaved changes would go; false when
    // nothing was loaded. save() writes the table back to its file, without
    // a dialog; a table without a file is saved as saveAs() does, whose
    // dialog opens in the folder last used for this kind of file and
    // proposes the current file's name. Both false when nothing was written.
    // save() asks first when another program has changed the file since it
    // was loaded or saved here (Overwrite, Save As…, Cancel), and says so
    // when the file has been deleted meanwhile and is written anew.
    bool open(const QString &fileName);
    bool save();
    bool saveAs();
    // Reads the driver's table without replacing the page's, lists where
    // the two differ and frames those steps in the overview.
    void compareWithDriver();

    // The Edit menu, on the shown step.
    void changeTable(TableChange change);
    void copySelected();
    void paste();
    // Asks for a colour and gives it to the cells selected in the overview.
    void setColour();
    // The Fill Steps dialog on the shown program (or the scenes), previewed
    // in the overview; OK applies it as one undo step, Cancel changes nothing.
    void fillSteps();

    // True when the table holds no unsaved changes, or the user agreed to
    // discard them.
    [[nodiscard]] bool mayReplace();

private:
    // What a job on the driver hands back: its outcome and, after a read,
    // the driver's table.
    struct JobOutcome
    {
        Show::TransferResult result;
        QByteArray table;
    };
    // Runs work on a thread of its own, with the tab's editing off, and hands
    // its outcome to done on this thread. The requests keep their order:
    // lock, transfer, release last.
    void startJob(std::function<JobOutcome()> work, std::function<void(const JobOutcome &)> done);
    enum class Action { Get, Set, Compare };
    // The box after a transfer that did not complete: the cause, what the
    // driver may hold and its lock (the core's words), what the editor kept,
    // and what to do next.
    [[nodiscard]] QString failureText(const Show::TransferResult &result, Show::Direction direction,
                                      Action action) const;
    [[nodiscard]] UserDialogs &dialogs() { return services.dialogs(); }
    [[nodiscard]] Feedback &feedback() { return *services.feedback; }
    [[nodiscard]] bool programs() const { return tableKind == Show::Kind::Programs; }
    // Replaces the whole table (a Get or a Load) as one undo step, and marks
    // it unchanged.
    void replaceTable(const QByteArray &table, TableChange change, const QString &fileName = {});
    // Reads fileName and shows its table; a file that cannot be loaded is
    // reported and changes nothing. With askFirst, unsaved changes are only
    // dropped once the file has been read and the user agreed.
    bool load(const QString &fileName, bool askFirst);
    // The save dialog, opening at start; then the table goes to the file.
    bool saveThroughDialog(const QString &start);
    // done: the status bar's word on success, "Saved <name>." when empty.
    bool writeTo(const QString &fileName, const QString &done = {});
    // A file was loaded or saved: the recent files take it, and done goes to
    // the status bar.
    void noteUsed(const QString &path, const QString &done);
    // A transfer that completed but may have left the driver locked: the box
    // that says so and how to release it; true when it was shown.
    bool warnIfLocked(const Show::TransferResult &result, Show::Direction direction);
    void reportTransfer(const Show::TransferResult &result, Show::Direction direction);
    void reportWrite(const Show::TransferResult &result);
    void reportComparison(const Show::TransferResult &result, const QByteArray &driverTable);
    void markDifferences();
    void forgetDifferences();

    const Show::Kind tableKind;
    Widgets widgets;
    const Services services;
    QUndoStack *undo; // in the window's undo group, which owns it
    QPointer<Show::ShowDocument> document;
    // Children of the page, made anew for each document.
    ShowBinder *binder = nullptr;
    Show::OverviewModel *model = nullptr;
    // The records that differed at the last comparison with the driver;
    // forgotten at the table's next change.
    QList<int> differences;
    QThread *job = nullptr; // a child of the page while it runs
};
