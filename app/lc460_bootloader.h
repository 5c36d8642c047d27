#pragma once

#include "show/scenerecord.h"
#include "show/showdocument.h"
#include "show/showtransfer.h"
#include "widgets/dialogs/feedback.h"
#include "widgets/dialogs/userdialogs.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QtGlobal>

#include <memory>
#include <optional>

class QByteArray;
class QCloseEvent;
class ArthurStyle;
class OverviewView;
class QUndoGroup;
class QUndoStack;
class ShowBinder;
enum class TableChange;

namespace Show {
class OverviewModel;
}
class QHBoxLayout;
class QPushButton;
class SuperRGB;
class Upgrader;
class USBLC350;

namespace Ui {
class Lc460_bootloaderClass;
}

// The program's single window. A language choice ends the event loop with
// ExitCodePolish or ExitCodeEnglish; the entry function then throws the window
// away and builds a new one under the chosen translation (see app/startup.h).
class Lc460_bootloader : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int ExitCodePolish = -11;
    static constexpr int ExitCodeEnglish = -12;

    explicit Lc460_bootloader(QWidget *parent = nullptr);
    ~Lc460_bootloader() override;

    // Every standard dialog and message box the slots show goes through this
    // object; tests install a scripted one.
    void setUserDialogs(std::unique_ptr<UserDialogs> dialogs);
    [[nodiscard]] UserDialogs &dialogs();

    // Where the slots tell the user what came of an action: the log, the
    // status bar, and boxes and questions through dialogs().
    [[nodiscard]] Feedback &feedback() { return *userFeedback; }

    // The driver, shared by the slots and the upgrade worker.
    [[nodiscard]] USBLC350 &usbDevice() { return *device; }

    // True while the firmware upgrade runs: every action that uses the driver
    // is refused then (its slot returns without touching the device).
    [[nodiscard]] bool upgradeInProgress() const;

    // The show being edited: both tables and their unsaved state.
    [[nodiscard]] Show::ShowDocument &document() { return *showDocument; }

    // What a language switch carries into the window it builds: the show
    // (with its unsaved state), the window's place and size, its tab and the
    // shown records. The undo history stays behind.
    struct Handover
    {
        std::unique_ptr<Show::ShowDocument> document;
        QByteArray geometry;
        int tab = 0;
        int programNumber = 1;
        int stepNumber = 1;
        int sceneNumber = 1;
    };
    // Leaves the window without a show: only its destruction may follow.
    [[nodiscard]] Handover handOver();
    // Right after construction, before the window is shown.
    void takeOver(Handover handover);

    // The Language menu marks the language the window's texts are in.
    void markLanguage(bool polish);

    // Shows and enables the service console's buttons (lc420 --service), for
    // technicians; the window hides and disables them otherwise.
    void showServiceButtons();

public Q_SLOTS:
    void slotpushButtonConnect(bool t);
    void slotpushButtonDisconnect(bool t);
    void slotpushButtonRead(bool t);
    void slotpushButtonWrite(bool t);
    void slotpushButtonWritePage(bool t);
    void slotpushButtonWriteExtFlashBin(bool t);
    void slotpushButtonRunApplication(bool t);
    void slotpushButtonWriteExternalFlash(bool t);
    void slotpushButtonReadExternalFlash(bool t);
    void slotpushButtonCreateUpg(bool t);
    void slotpushButtonCreateBootBin(bool t);
    void slotpushButtonStatusGet(bool t);
    void slotpushButtonStatusSet(bool t);
    void slotpushButtonStatusClr(bool t);
    void slotpushButtonCHF(bool t);
    void slotUpdateProgramScene(int i);
    void slotpushButtonGetProgramsFromLc460(bool t);
    void slotpushButtonSetProgramsInLc460(bool t);
    void slotUpdateScene(int i);
    void slotpushButtonGetScenesFromLc460(bool t);
    void slotpushButtonSetScenesInLc460(bool t);
    void slotpushButtonLoadScenesFromFile(bool t);
    void slotpushButtonLoadProgramsFromFile(bool t);
    void slotpushButtonSaveScenesToFile(bool t);
    void slotpushButtonSaveProgramsToFile(bool t);
    void slotShowInfo(bool t);
    void slotTabChange(int index);
    // File > Compare With Driver: the current tab's table against the driver's.
    void slotCompareWithDriver(bool t);
    void slotPolish(bool t);
    void slotEnglish(bool t);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Refuses a device action or a window change while the upgrade runs:
    // tells the user and returns true.
    bool refuseDuringUpgrade();
    // Asks about unsaved show data before the window closes.
    [[nodiscard]] bool mayClose();
    // Connects the service console's buttons to their slots (service/).
    void connectServiceButtons();
    // "Lc420 ver. " and the version: the title of an unchanged window.
    [[nodiscard]] QString versionTitle() const;
    // Clears the log pane and shows a hex dump of bytes in it.
    void showDump(const QByteArray &bytes);
    void setDeviceActionsEnabled(bool enabled);
    void connectUpgrader();
    void connectExternalFlashProgress();
    void disconnectExternalFlashProgress();
    // Fills one tab's row with lamp editors 0..11 and makes their marked
    // sliders move together.
    void addLampEditors(QList<SuperRGB *> &editors, QHBoxLayout *row);

    // Show data (app/showslots.cpp).
    void setUpShowData();
    void bindDocument(std::unique_ptr<Show::ShowDocument> document);
    [[nodiscard]] ShowBinder &binder(Show::Kind kind);
    [[nodiscard]] int selectedRecord(Show::Kind kind) const;
    // Replaces a whole table (a Get or a Load) as one undo step, and marks
    // it unchanged; the tab shows it at once.
    void replaceTable(Show::Kind kind, const QByteArray &table, TableChange change);
    // True when the table holds no unsaved changes, or the user agreed to
    // discard them.
    [[nodiscard]] bool mayReplace(Show::Kind kind);
    // Reads a table from the driver into table under the wait cursor; a
    // failure is shown, and gives nothing (table as it was).
    [[nodiscard]] std::optional<Show::TransferResult> readDriverTable(Show::Kind kind,
                                                                      QByteArray &table);
    void getTable(Show::Kind kind);
    void setTable(Show::Kind kind);
    void loadTable(Show::Kind kind);
    // False when the user cancelled the dialog or the file was not written.
    bool saveTable(Show::Kind kind);
    // The Edit menu and the overview grids' context menus (app/editslots.cpp).
    void setUpEditMenu();
    void updateEditActions();
    // The tab's table the Edit menu works on; none on the Settings tab.
    [[nodiscard]] std::optional<Show::Kind> editedKind() const;
    [[nodiscard]] QUndoStack &undoStack(Show::Kind kind);
    [[nodiscard]] OverviewView &overview(Show::Kind kind);
    void changeTable(TableChange change);
    void copyRecords();
    void pasteRecords();
    void showOverviewColumn(Show::Kind kind, int column);
    // Large enough for the overview and all twelve lamp editors, where the
    // screen allows.
    void fitFirstSize();

    // Frames the steps that differed at the last comparison with the driver
    // in the overview of the shown program (or the scenes).
    void markDifferences(Show::Kind kind);
    void showTransferError(const QString &text);
    void reportTransfer(const Show::TransferResult &result, Show::Kind kind,
                        Show::Direction direction);
    void showModified();

    // Declared before the worker, so the worker (which waits for its run to
    // end) is destroyed first and never touches a deleted device.
    std::unique_ptr<USBLC350> device;
    std::unique_ptr<Upgrader> upgrader;
    std::unique_ptr<UserDialogs> userDialogs;
    std::unique_ptr<Feedback> userFeedback;
    std::unique_ptr<Ui::Lc460_bootloaderClass> ui;
    // The window's style, also given to every lamp editor. A child of the
    // window: the widgets that use it are destroyed before it.
    ArthurStyle *arthurStyle = nullptr;

    // The twelve lamp editors of the Programs tab and of the Scenes tab, lamp
    // 0 first; children of their tab (the window's widget tree owns them).
    QList<SuperRGB *> programEditors;
    QList<SuperRGB *> sceneEditors;

    std::unique_ptr<Show::ShowDocument> showDocument;
    // Children of the window; each binds one tab's editors to the document.
    ShowBinder *programBinder = nullptr;
    ShowBinder *sceneBinder = nullptr;
    Show::OverviewModel *programOverview = nullptr;
    Show::OverviewModel *sceneOverview = nullptr;
    // One undo stack per tab; the group follows the current tab, so the Edit
    // menu's Undo and Redo act on it. Children of the window.
    QUndoGroup *undoGroup = nullptr;
    QUndoStack *programUndo = nullptr;
    QUndoStack *sceneUndo = nullptr;
    // The records that differed at the last comparison with the driver, per
    // tab; forgotten at the table's next change.
    QList<int> programDifferences;
    QList<int> sceneDifferences;
    bool accessProblemShown = false; // the log told about a driver this user may not open
    // The last upgrade's outcome, said once its worker thread has ended.
    QString upgradeSummary;
    bool upgradeSucceeded = false;
};
