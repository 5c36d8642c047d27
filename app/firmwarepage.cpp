#include "app/firmwarepage.h"

#include "app/driverindicator.h"
#include "core/safefile.h"
#include "core/trace.h"
#include "firmware/bootimage.h"
#include "firmware/upgradefile.h"
#include "firmware/upgrader.h"
#include "service/driverprobe.h"
#include "usb/usblc350.h"
#include "widgets/dialogs/feedback.h"
#include "widgets/dialogs/userdialogs.h"

#include <QDate>
#include <QDir>
#include <QProgressBar>

#include <utility>

namespace {

// The HEX dialog of the upgrade builder starts in the working directory, the
// same place as every other file dialog of the window.
constexpr QLatin1String hexDirectory(".");

} // namespace

FirmwarePage::FirmwarePage(USBLC350 &device, Feedback &feedback,
                           std::function<UserDialogs &()> dialogs, QWidget *window, Widgets widgets,
                           std::function<void(bool)> setDriverActionsEnabled, QObject *parent)
    : QObject(parent)
    , device(device)
    , feedback(feedback)
    , dialogsOf(std::move(dialogs))
    , window(window)
    , widgets(widgets)
    , setDriverActionsEnabled(std::move(setDriverActionsEnabled))
    , upgrader(std::make_unique<Upgrader>(&device))
{
    connectUpgrader();
}

// The worker waits for its run to end when it is destroyed; the device it
// uses is the window's and outlives it.
FirmwarePage::~FirmwarePage() = default;

bool FirmwarePage::upgradeRunning() const
{
    return upgrader->isRunning();
}

void FirmwarePage::followExternalFlash(bool follow)
{
    if (follow) {
        if (upgraded) {
            widgets.externalWrite->setValue(externalWritten);
            widgets.externalRead->setValue(externalRead);
        }
        connect(&device, &USBLC350::sendPercentExtFlashWrite, widgets.externalWrite,
                &QProgressBar::setValue, Qt::UniqueConnection);
        connect(&device, &USBLC350::sendPercentExtFlashRead, widgets.externalRead,
                &QProgressBar::setValue, Qt::UniqueConnection);
        return;
    }
    QObject::disconnect(&device, &USBLC350::sendPercentExtFlashWrite, widgets.externalWrite,
                        &QProgressBar::setValue);
    QObject::disconnect(&device, &USBLC350::sendPercentExtFlashRead, widgets.externalRead,
                        &QProgressBar::setValue);
}

void FirmwarePage::createUpgradeFile()
{
    feedback.clearLog();

    const QString hexFile = dialogs().getOpenFileName(
        window, tr("Open File", "a HEX file to build an upgrade file from"), hexDirectory,
        tr("Hex (*.hex)"));
    if (hexFile.isEmpty())
        return;

    // Both reads of a faulty HEX file are reported, and nothing built from it
    // is offered for saving: a file cut short or damaged would otherwise
    // become an upgrade file whose check words agree with the damage.
    const Upgrade::ImageBuild build = Upgrade::buildImage(hexFile);
    for (const int result : {build.appResult, build.extResult}) {
        if (result == 0)
            continue;
        const QString text = tr("HexToBin error: %1)").arg(result);
        feedback.logLine(text);
        feedback.errorBox(tr("Error"), text);
    }
    if (!build.readWhole())
        return;
    if (const QString warning = build.ignoredWarning(hexFile); !warning.isEmpty())
        feedback.logLine(warning);
    if (!build.hasApplication()) {
        const QString text = tr("No application data (0x08004000..0x0801FFFB) in %1; "
                                "no upgrade file written.")
                                 .arg(QDir::toNativeSeparators(hexFile));
        feedback.logLine(text);
        feedback.errorBox(tr("Error"), text);
        return;
    }

    const QString upgFile = dialogs().getSaveFileName(
        window, tr("Save File", "the upgrade file built from a HEX file"), QStringLiteral("."),
        tr("Upg (*.upg)"));
    if (upgFile.isEmpty())
        return;
    const QString why = Upgrade::saveFile(upgFile, build.image);
    if (!why.isEmpty())
        feedback.errorBox(tr("File error"), SafeFile::describeFailure(upgFile, why));
}

void FirmwarePage::createBootImages()
{
    feedback.logLine(QStringLiteral("Lc420_bootloader::slotpushButtonCreateBootBin(bool t)"));

    const QString hexFile = dialogs().getOpenFileName(
        window, tr("Open File", "a HEX file to build bootloader images from"), QStringLiteral("."),
        tr("Hex (*.hex)"));
    if (hexFile.isEmpty())
        return;

    const QDate today = QDate::currentDate();
    bool ok = false;
    const QString year = dialogs().getItem(window, tr("Production year"), tr("Year(YY)"),
                                           Boot::yearChoices(), today.year() % 100, false, &ok);
    if (!ok)
        return;
    const QString month = dialogs().getItem(window, tr("Production mont"), tr("Month(MM)"),
                                            Boot::monthChoices(), today.month() - 1, false, &ok);
    if (!ok)
        return;
    const QString day = dialogs().getItem(window, tr("Production day"), tr("Day(DD)"),
                                          Boot::dayChoices(), today.day() - 1, false, &ok);
    if (!ok)
        return;
    const int number = dialogs().getInt(window, tr("Production number"), tr("Number(NNN)"), 1, 0,
                                        Boot::MaxNumber, 1, &ok);
    if (!ok)
        return;
    // At number 999 the range 1..0 collapses to the single value 1, as the
    // integer dialog would make it; passing it collapsed says so.
    const int count = dialogs().getInt(window, tr("Counter"), tr("Counter"), 1, 1,
                                       qMax(1, Boot::MaxNumber - number), 1, &ok);
    if (!ok)
        return;

    const QList<Boot::Outcome> outcomes
        = Boot::writeImages(hexFile, year + month + day, number, count, QDir::currentPath());
    for (const Boot::Outcome &outcome : outcomes) {
        feedback.logLine(outcome.serial);
        if (outcome.hexResult != 0) {
            const QString text = tr("HexToBin error: %1)").arg(outcome.hexResult);
            feedback.logLine(text);
            feedback.errorBox(tr("Error"), text);
            return;
        }
        if (!outcome.writeError.isEmpty()) {
            feedback.errorBox(tr("File error"),
                              SafeFile::describeFailure(outcome.absolutePath, outcome.writeError));
            return;
        }
        feedback.logLine(outcome.absolutePath);
        feedback.logLine(tr("New bootloader + serial:"));
        feedback.logLine(outcome.fileName);
    }
}

// Firmware Change: the upgrade runs on the worker thread; the window only
// hands it the file and shows what it reports. Before a chosen file is
// flashed, the user confirms which driver is upgraded with what.
void FirmwarePage::setDriverChoice(std::function<Connection::Result()> choice)
{
    driverChoice = std::move(choice);
}

void FirmwarePage::changeFirmware()
{
    if (upgradeRunning())
        return;
    if (driverChoice) {
        const Connection::Result chosen = driverChoice();
        if (chosen.outcome == Connection::Outcome::SeveralNoneChosen
            || chosen.outcome == Connection::Outcome::ChosenGone) {
            feedback.errorBox(tr("Error"), Connection::describe(chosen) + QLatin1Char('\n')
                                               + DriverIndicator::chooseStep());
            return;
        }
    }

    const QString fileName = dialogs().getOpenFileName(
        nullptr, tr("Open File", "the upgrade file for Firmware Change"), QStringLiteral("."),
        tr("Upg (*.upg)"));
    // A cancelled dialog still starts the worker, which ends at once.
    if (!fileName.isEmpty() && !confirmUpgrade(fileName))
        return;

    widgets.flash->setValue(0);
    widgets.externalWrite->setValue(0);
    widgets.externalRead->setValue(0);
    upgrader->slotSetFileName(fileName);
    setDriverActionsEnabled(false);
    upgrading = true;
    upgraded = true;
    externalWritten = 0;
    externalRead = 0;
    upgrader->start();
}

// A short look at the driver on the GUI thread (a connect, its serial and 32
// bytes of memory) names it in the question. With no driver attached there is
// nothing to confirm: the upgrade runs and says itself that no driver answered.
bool FirmwarePage::confirmUpgrade(const QString &fileName)
{
    const DriverProbe::Probe found = DriverProbe::probe(device, true);
    device.disconnect();
    if (!found.answered)
        return true;

    QString versions;
    if (found.versions)
        versions = QString::fromLatin1(found.versions->first) + QLatin1Char('\n')
                   + QString::fromLatin1(found.versions->second);
    else
        versions = tr("(could not be read)");
    const QString mode = DriverInfo::describeState(found.mode);
    const QString text = tr("Upgrade the firmware of driver %1 with %2?\n\n"
                            "The driver %3. Its bootloader version:\n%4\n\n"
                            "Do not unplug the driver until the upgrade has ended.")
                             .arg(DriverProbe::serialForUser(found.serial),
                                  QDir::toNativeSeparators(fileName), mode, versions);
    if (feedback.question(tr("Firmware Change"), text, QMessageBox::Ok | QMessageBox::Cancel,
                          QMessageBox::Cancel)
        == QMessageBox::Ok)
        return true;
    feedback.logLine(tr("Firmware Change cancelled: nothing was sent to driver %1.")
                         .arg(DriverProbe::serialForUser(found.serial)));
    return false;
}

// The worker's lines and bar while it runs; its outcome is kept until the
// thread has ended, then said once: a summary line in the log and, after a
// failure, the same sentence in a box.
void FirmwarePage::connectUpgrader()
{
    // Queued from the worker, so they arrive before its end does.
    connect(&device, &USBLC350::sendPercentExtFlashWrite, this, [this](int percent) {
        if (upgrading)
            externalWritten = percent;
    });
    connect(&device, &USBLC350::sendPercentExtFlashRead, this, [this](int percent) {
        if (upgrading)
            externalRead = percent;
    });
    connect(upgrader.get(), &Upgrader::sendText, this,
            [this](const QString &text) { feedback.logLine(text); });
    connect(upgrader.get(), &Upgrader::sendPercent, widgets.flash, &QProgressBar::setValue);
    connect(upgrader.get(), &Upgrader::upgradeEnded, this,
            [this](const UpgradeProcedure::Result &result) {
                upgradeSummary = describe(result);
                upgradeSucceeded = result.succeeded();
            });
    connect(upgrader.get(), &QThread::finished, this, [this] {
        upgrading = false;
        setDriverActionsEnabled(true);
        const QString summary = std::exchange(upgradeSummary, QString());
        if (summary.isEmpty())
            return;
        feedback.logLine(summary);
        if (!upgradeSucceeded)
            feedback.errorBox(tr("Error"), summary);
    });
}
