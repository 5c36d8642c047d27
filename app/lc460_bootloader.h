#pragma once

#include "show/showdocument.h"
#include "widgets/dialogs/feedback.h"
#include "widgets/dialogs/userdialogs.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>

#include <memory>

class ArthurStyle;
class DriverIndicator;
class EditMenu;
class FileMenu;
class FirmwarePage;
class ProgramPlayer;
class HelpMenu;
class QCloseEvent;
class QShowEvent;
class QUndoGroup;
class ServiceConsole;
class SuperRGB;
class WorkerJob;
class ShowPage;
class USBLC350;

namespace Ui {
class Lc460_bootloaderClass;
}

// The program's single window: a shell over its pages. Each slot hands its
// work to the page that owns it: the show pages (app/showpage.h, one per show
// tab), the firmware page (app/firmwarepage.h) and the service console
// (service/serviceconsole.h); the Edit menu routes to the current show page
// (app/editmenu.h), the File menu's show files to the show pages
// (app/filemenu.h). A language choice ends the event loop with ExitCodePolish
// or ExitCodeEnglish; the entry function then throws the window away and
// builds a new one under the chosen translation (see app/startup.h).
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

    // The status bar's word on the driver; it chooses the driver the device
    // talks to. Startup starts it (with --serial pinned).
    [[nodiscard]] DriverIndicator &driverIndicator() { return *indicator; }

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
        QByteArray driver; // the chosen serial; empty when none was chosen
    };
    // Leaves the window without a show: only its destruction may follow.
    [[nodiscard]] Handover handOver();
    // Right after construction, before the window is shown.
    void takeOver(Handover handover);

    // The Language menu marks the language the window's texts are in.
    void markLanguage(bool polish);

    // Builds what the window leaves until it is first needed: the lamp
    // editors of both show tabs, which showing a tab builds too.
    void ensureBuilt();

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
    // Verify Firmware…: the driver's firmware read back, against a file or its check words.
    void slotpushButtonVerifyFirmware(bool t);
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
    void showEvent(QShowEvent *event) override;

private:
    // The tab's lamp editors in place of their stand-ins, once.
    void buildLampEditors(Show::Kind kind);
    // Refuses a device action or a window change while the upgrade or a
    // job on the driver runs: tells the user and returns true.
    bool refuseWhileBusy();
    // A show transfer or a service command runs on its worker.
    [[nodiscard]] bool jobRunning() const;
    // Shows and edits document on both show tabs from now on.
    void bindDocument(std::unique_ptr<Show::ShowDocument> document);

    // Declared before everything that uses it, so the pages (and the upgrade
    // worker, which waits for its run to end) are destroyed first and never
    // touch a deleted device.
    std::unique_ptr<USBLC350> device;
    std::unique_ptr<UserDialogs> userDialogs;
    std::unique_ptr<Feedback> userFeedback;
    std::unique_ptr<Ui::Lc460_bootloaderClass> ui;
    // Before the device goes, its monitor stops.
    std::unique_ptr<DriverIndicator> indicator;
    // The window's style, also given to every lamp editor. A child of the
    // window: the widgets that use it are destroyed before it.
    ArthurStyle *arthurStyle = nullptr;
    std::unique_ptr<Show::ShowDocument> showDocument;
    // One undo stack per show tab, in one group that follows the current
    // tab, so the Edit menu's Undo and Redo act on it. A child of the window.
    QUndoGroup *undoGroup = nullptr;
    // The pages the slots hand their work to.
    std::unique_ptr<ShowPage> programsPage;
    std::unique_ptr<ShowPage> scenesPage;
    std::unique_ptr<FirmwarePage> firmwarePage;
    std::unique_ptr<ServiceConsole> serviceConsole;
    EditMenu *editMenu = nullptr;     // a child of the window
    FileMenu *fileMenu = nullptr;     // a child of the window
    ProgramPlayer *player = nullptr;  // a child of the window
    HelpMenu *helpMenu = nullptr;     // a child of the window
    QList<SuperRGB *> programEditors; // empty until the tab is first shown
    QList<SuperRGB *> sceneEditors;   // empty until the tab is first shown
    QSize formSize;                   // the window's size in its form
    bool sizeChosen = false;          // the first size is set: fitted at a show, or handed over
    bool accessProblemShown = false;  // the log told about a driver this user may not open
    bool closeAfterJob = false;       // the user closed the window during a show transfer
    // The service console's, the firmware question's and the lock release's
    // work on the driver, one job at a time. Declared last, so a running job
    // ends before anything it uses is destroyed.
    std::unique_ptr<WorkerJob> driverJob;
};
