#pragma once

#include "firmware/firmwareverify.h"
#include "firmware/upgradeprocedure.h"
#include "service/driverprobe.h"
#include "usb/connection.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Feedback;
class QAbstractButton;
class QProgressBar;
class QThread;
class QWidget;
class Upgrader;
class USBLC350;
class WorkerJob;
class UserDialogs;

// The Settings tab's firmware work: Firmware Change (the upgrade on its
// worker thread, with its log lines and bars) and the two production
// functions, the upgrade-file builder and the bootloader images with serial
// numbers. Texts belong to the window's translation context.
class FirmwarePage : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(Lc460_bootloader)

public:
    struct Widgets
    {
        QProgressBar *flash = nullptr;
        QProgressBar *externalWrite = nullptr;
        QProgressBar *externalRead = nullptr;
    };

    // setDriverActionsEnabled turns the window's driver buttons off while
    // the upgrade runs and on again after it. device outlives the page; job
    // (the look at the driver before the question) ends before the page does.
    FirmwarePage(USBLC350 &device, Feedback &feedback, std::function<UserDialogs &()> dialogs,
                 QWidget *window, Widgets widgets,
                 std::function<void(bool)> setDriverActionsEnabled, WorkerJob &job,
                 QObject *parent);
    // Waits for a running upgrade or verify to end.
    ~FirmwarePage() override;

    [[nodiscard]] bool upgradeRunning() const;
    // True while Verify Firmware reads the driver back on its worker thread.
    [[nodiscard]] bool verifyRunning() const { return verifyJob != nullptr; }
    // The driver the window's commands go to, as the driver monitor sees it:
    // Firmware Change is refused before its file dialog when none may be
    // upgraded (several attached and none chosen, or the chosen one gone).
    void setDriverChoice(std::function<Connection::Result()> choice);

    void changeFirmware();
    // Verify Firmware: asks for an upgrade file (or none), then reads the
    // driver's firmware back as a job and says whether it is the file's (or
    // adds up to its check words).
    void verifyFirmware();
    void createUpgradeFile();
    void createBootImages();

    // The external-flash bars follow the device only while the Settings tab
    // is shown: transfers made from the show tabs move no bar.
    void followExternalFlash(bool follow);

private:
    [[nodiscard]] UserDialogs &dialogs() { return dialogsOf(); }
    void connectUpgrader();
    // Looks at the driver attached now on the job's worker, then asks
    // whether it is to be upgraded with fileName and starts the upgrade if
    // so; starts it without a question when no driver answers.
    void confirmUpgrade(const QString &fileName);
    void startUpgrade(const QString &fileName);
    [[nodiscard]] bool askUpgrade(const QString &fileName, const DriverProbe::Probe &found);
    void reportVerify(const FirmwareCheck::Result &result);
    // With several drivers and none chosen, or the chosen one gone: says so
    // and how to choose, and returns true, before any dialog.
    [[nodiscard]] bool refuseUnchosenDriver();

    USBLC350 &device;
    Feedback &feedback;
    std::function<UserDialogs &()> dialogsOf;
    QWidget *window;
    const Widgets widgets;
    std::function<void(bool)> setDriverActionsEnabled;
    std::function<Connection::Result()> driverChoice;
    WorkerJob &job;
    std::unique_ptr<Upgrader> upgrader;
    // The last upgrade's outcome, said once its worker thread has ended.
    QString upgradeSummary;
    QString upgradeIdentity; // the check words on the driver against the file's
    bool upgradeSucceeded = false;
    QThread *verifyJob = nullptr; // a child of the page while it runs
    // Where the last upgrade's external-flash work stands (or ended), for the
    // bars when the Settings tab is shown again.
    bool upgrading = false;
    bool upgraded = false;
    int externalWritten = 0;
    int externalRead = 0;
};
