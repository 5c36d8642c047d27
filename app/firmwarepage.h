#pragma once

#include "firmware/upgradeprocedure.h"
#include "usb/connection.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class Feedback;
class QAbstractButton;
class QProgressBar;
class QWidget;
class Upgrader;
class USBLC350;
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
    // the upgrade runs and on again after it. device outlives the page.
    FirmwarePage(USBLC350 &device, Feedback &feedback, std::function<UserDialogs &()> dialogs,
                 QWidget *window, Widgets widgets,
                 std::function<void(bool)> setDriverActionsEnabled, QObject *parent);
    // Waits for a running upgrade to end.
    ~FirmwarePage() override;

    [[nodiscard]] bool upgradeRunning() const;
    // The driver the window's commands go to, as the driver monitor sees it:
    // Firmware Change is refused before its file dialog when none may be
    // upgraded (several attached and none chosen, or the chosen one gone).
    void setDriverChoice(std::function<Connection::Result()> choice);

    void changeFirmware();
    void createUpgradeFile();
    void createBootImages();

    // The external-flash bars follow the device only while the Settings tab
    // is shown: transfers made from the show tabs move no bar.
    void followExternalFlash(bool follow);

private:
    [[nodiscard]] UserDialogs &dialogs() { return dialogsOf(); }
    void connectUpgrader();
    // Asks whether the driver attached now is to be upgraded with fileName;
    // true also when no driver answers.
    [[nodiscard]] bool confirmUpgrade(const QString &fileName);

    USBLC350 &device;
    Feedback &feedback;
    std::function<UserDialogs &()> dialogsOf;
    QWidget *window;
    const Widgets widgets;
    std::function<void(bool)> setDriverActionsEnabled;
    std::function<Connection::Result()> driverChoice;
    std::unique_ptr<Upgrader> upgrader;
    // The last upgrade's outcome, said once its worker thread has ended.
    QString upgradeSummary;
    bool upgradeSucceeded = false;
    // Where the last upgrade's external-flash work stands (or ended), for the
    // bars when the Settings tab is shown again.
    bool upgrading = false;
    bool upgraded = false;
    int externalWritten = 0;
    int externalRead = 0;
};
