#pragma once

#include "show/scenerecord.h"
#include "widgets/dialogs/feedback.h"
#include "widgets/dialogs/userdialogs.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QtGlobal>

#include <memory>

class QByteArray;
class QCloseEvent;
class ArthurStyle;
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

    // The driver's show data as it is held in memory, in the byte layout of
    // its external flash (unscrambled): 8 programs of 20 steps (7680 bytes),
    // and 8 scenes (384 bytes).
    QByteArray programTable;
    QByteArray sceneTable;

    // Copy the editors and spin boxes of a tab into the record its spin boxes
    // select (the shown indices stay as they are).
    void commitShownProgramStep();
    void commitShownScene();

    // The show data a language switch carries into the new window: both
    // tables with the shown records committed, the selected numbers, and
    // whether anything is unsaved.
    struct ShowState
    {
        QByteArray programTable;
        QByteArray sceneTable;
        int programNumber = 1;
        int stepNumber = 1;
        int sceneNumber = 1;
        bool programsChanged = false;
        bool scenesChanged = false;
    };
    [[nodiscard]] ShowState takeShowState();
    void restoreShowState(const ShowState &state);

    // Programs or scenes changed since the last Get, Set, Load or Save.
    [[nodiscard]] bool showChanged() const;

    // The twelve lamp editors of the Programs tab and of the Scenes tab, lamp
    // 0 first; children of their tab (the window's widget tree owns them).
    QList<SuperRGB *> programEditors;
    QList<SuperRGB *> sceneEditors;

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
    void slotPolish(bool t);
    void slotEnglish(bool t);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Refuses a device action or a window change while the upgrade runs:
    // tells the user and returns true.
    bool refuseDuringUpgrade();
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
    [[nodiscard]] QByteArray &table(Show::Kind kind);
    [[nodiscard]] int selectedRecordOffset(Show::Kind kind) const;
    void commitRecord(Show::Kind kind, int offset);
    void showRecord(Show::Kind kind, int offset);
    void reloadShownRecord(Show::Kind kind);
    void getTable(Show::Kind kind);
    void setTable(Show::Kind kind);
    void loadTable(Show::Kind kind);
    void saveTable(Show::Kind kind);
    void showTransferError(const QString &text);
    void markShowChanged(Show::Kind kind);
    void setShowChanged(Show::Kind kind, bool changed);

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

    // The program step and the scene shown in the lamp editors; -1 only
    // while the window is being built.
    int shownProgram = -1;
    int shownProgramScene = -1;
    int shownScene = -1;
    bool loadingRecord = false; // a record is being shown: editor signals are no edits
    bool programsChanged = false;
    bool scenesChanged = false;
    bool accessProblemShown = false; // the log told about a driver this user may not open
    // The last upgrade's outcome, said once its worker thread has ended.
    QString upgradeSummary;
    bool upgradeSucceeded = false;
};
