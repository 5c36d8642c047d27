// The production functions of the Settings tab: the upgrade-file builder and
// the bootloader images with serial numbers. The buttons are hidden in the
// delivered configuration; the slots stay connected.

#include "app/lc460_bootloader.h"
#include "core/trace.h"
#include "firmware/bootimage.h"
#include "firmware/upgradefile.h"
#include "firmware/upgrader.h"
#include "ui_lc460_bootloader.h"

#include <QDate>
#include <QDir>

#include <utility>

namespace {

// The HEX dialog of the upgrade builder starts in the working directory, the
// same place as every other file dialog of the window.
const QString hexDirectory = QStringLiteral(".");

} // namespace

void Lc460_bootloader::slotpushButtonCreateUpg(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonCreateUpg(bool t)";
    ui->txt->clear();

    const QString hexFile = dialogs().getOpenFileName(
        this, tr("Open File", "a HEX file to build an upgrade file from"), hexDirectory,
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
        feedback().logLine(text);
        feedback().errorBox(tr("Error"), text);
    }
    if (!build.readWhole())
        return;
    if (const QString warning = build.ignoredWarning(hexFile); !warning.isEmpty())
        ui->txt->append(warning);
    if (!build.hasApplication()) {
        const QString text = tr("No application data (0x08004000..0x0801FFFB) in %1; "
                                "no upgrade file written.")
                                 .arg(QDir::toNativeSeparators(hexFile));
        feedback().logLine(text);
        feedback().errorBox(tr("Error"), text);
        return;
    }

    const QString upgFile
        = dialogs().getSaveFileName(this, tr("Save File", "the upgrade file built from a HEX file"),
                                    QStringLiteral("."), tr("Upg (*.upg)"));
    if (upgFile.isEmpty())
        return;
    const QString why = Upgrade::saveFile(upgFile, build.image);
    if (!why.isEmpty())
        feedback().errorBox(tr("File error"),
                            tr("Cannot write %1:\n%2").arg(QDir::toNativeSeparators(upgFile), why));
}

void Lc460_bootloader::slotpushButtonCreateBootBin(bool)
{
    feedback().logLine(QStringLiteral("Lc420_bootloader::slotpushButtonCreateBootBin(bool t)"));

    const QString hexFile = dialogs().getOpenFileName(
        this, tr("Open File", "a HEX file to build bootloader images from"), QStringLiteral("."),
        tr("Hex (*.hex)"));
    if (hexFile.isEmpty())
        return;

    const QDate today = QDate::currentDate();
    bool ok = false;
    const QString year = dialogs().getItem(this, tr("Production year"), tr("Year(YY)"),
                                           Boot::yearChoices(), today.year() % 100, false, &ok);
    if (!ok)
        return;
    const QString month = dialogs().getItem(this, tr("Production mont"), tr("Month(MM)"),
                                            Boot::monthChoices(), today.month() - 1, false, &ok);
    if (!ok)
        return;
    const QString day = dialogs().getItem(this, tr("Production day"), tr("Day(DD)"),
                                          Boot::dayChoices(), today.day() - 1, false, &ok);
    if (!ok)
        return;
    const int number = dialogs().getInt(this, tr("Production number"), tr("Number(NNN)"), 1, 0,
                                        Boot::MaxNumber, 1, &ok);
    if (!ok)
        return;
    // At number 999 the range 1..0 collapses to the single value 1, as the
    // integer dialog would make it; passing it collapsed says so.
    const int count = dialogs().getInt(this, tr("Counter"), tr("Counter"), 1, 1,
                                       qMax(1, Boot::MaxNumber - number), 1, &ok);
    if (!ok)
        return;

    const QList<Boot::Outcome> outcomes
        = Boot::writeImages(hexFile, year + month + day, number, count, QDir::currentPath());
    for (const Boot::Outcome &outcome : outcomes) {
        feedback().logLine(outcome.serial);
        if (outcome.hexResult != 0) {
            const QString text = tr("HexToBin error: %1)").arg(outcome.hexResult);
            feedback().logLine(text);
            feedback().errorBox(tr("Error"), text);
            return;
        }
        if (!outcome.writeError.isEmpty()) {
            feedback().errorBox(
                tr("File error"),
                tr("Cannot write %1:\n%2")
                    .arg(QDir::toNativeSeparators(outcome.absolutePath), outcome.writeError));
            return;
        }
        feedback().logLine(outcome.absolutePath);
        feedback().logLine(tr("New bootloader + serial:"));
        feedback().logLine(outcome.fileName);
    }
}

// Firmware Change: the upgrade runs on the worker thread; the window only
// hands it the file and shows what it reports.
void Lc460_bootloader::slotpushButtonCHF(bool)
{
    LC420_TRACE() << "Lc460_bootloader::slotpushButtonCHF(bool t)";
    if (!upgrader || upgradeInProgress())
        return;

    ui->progressBarFlash->setValue(0);
    ui->progressBarExtFlashWr->setValue(0);
    ui->progressBarExtFlashRd->setValue(0);

    const QString fileName = dialogs().getOpenFileName(
        nullptr, tr("Open File", "the upgrade file for Firmware Change"), QStringLiteral("."),
        tr("Upg (*.upg)"));
    // A cancelled dialog still starts the worker, which ends at once.
    upgrader->slotSetFileName(fileName);
    setDeviceActionsEnabled(false);
    upgrader->start();
}

// The worker's lines and bar while it runs; its outcome is kept until the
// thread has ended, then said once: a summary line in the log and, after a
// failure, the same sentence in a box.
void Lc460_bootloader::connectUpgrader()
{
    connect(upgrader.get(), &Upgrader::sendText, this,
            [this](const QString &text) { feedback().logLine(text); });
    connect(upgrader.get(), &Upgrader::sendPercent, ui->progressBarFlash, &QProgressBar::setValue);
    connect(upgrader.get(), &Upgrader::upgradeEnded, this,
            [this](const UpgradeProcedure::Result &result) {
                upgradeSummary = describe(result);
                upgradeSucceeded = result.succeeded();
            });
    connect(upgrader.get(), &QThread::finished, this, [this] {
        setDeviceActionsEnabled(true);
        const QString summary = std::exchange(upgradeSummary, QString());
        if (summary.isEmpty())
            return;
        feedback().logLine(summary);
        if (!upgradeSucceeded)
            feedback().errorBox(tr("Error"), summary);
    });
}

// The actions that use the driver, and that must wait while the upgrade runs.
// The service buttons stay disabled as the window built them.
void Lc460_bootloader::setDeviceActionsEnabled(bool enabled)
{
    ui->pushButtonCHF->setEnabled(enabled);
    ui->pushButtonGetProgramsFormLc460->setEnabled(enabled);
    ui->pushButtonSetProgramsInLc460->setEnabled(enabled);
    ui->pushButtonGetScenesFormLc460->setEnabled(enabled);
    ui->pushButtonSetScenesInLc460->setEnabled(enabled);
}
