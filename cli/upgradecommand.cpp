#include "cli/alldrivers.h"
#include "cli/cli.h"
#include "cli/productionlog.h"
#include "firmware/upgradefile.h"
#include "firmware/upgradeprocedure.h"
#include "usb/usblc350.h"

#include <QObject>
#include <QTextStream>

#include <memory>

namespace Cli {

namespace {

// One progress bar at a time: a new phase or a log line closes the open bar.
class PhaseProgress
{
public:
    void show(const QString &phase, int percent)
    {
        if (m_phase != phase) {
            m_bar = std::make_unique<Progress>(phase);
            m_phase = phase;
        }
        m_bar->setPercent(percent);
    }
    void close()
    {
        m_bar.reset();
        m_phase.clear();
    }

private:
    std::unique_ptr<Progress> m_bar;
    QString m_phase;
};

// The command that runs the same upgrade again, on the same driver.
QString upgradeAgainHint(const QString &fileName)
{
    return tr("To run the upgrade again: %1")
        .arg(suggestion({QStringLiteral("upgrade"), fileName}));
}

int upgrade(const Command &command, const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usage(command, tr("expected one upgrade file"));
    if (globalOptions().all)
        return upgradeAllDrivers(arguments.first());

    Device device;
    PhaseProgress progress;
    // Declared after the bar, so the connections end before it does.
    const QObject context;
    QObject::connect(&device, &USBLC350::sendPercentExtFlashWrite, &context,
                     [&](int percent) { progress.show(tr("External flash write"), percent); });
    QObject::connect(&device, &USBLC350::sendPercentExtFlashRead, &context,
                     [&](int percent) { progress.show(tr("External flash verify"), percent); });

    UpgradeProcedure procedure(
        device,
        [&](const QString &text) {
            progress.close();
            out() << text << Qt::endl;
        },
        [&](int percent) {
            // 0 % resets the window's bar before the driver is touched; a
            // terminal has no bar to reset, the first page opens one.
            if (percent > 0)
                progress.show(tr("Flash"), percent);
        });

    // Read once: the driver gets these bytes, and the log their check words.
    const Upgrade::FileContents file = Upgrade::readFile(arguments.first());
    const UpgradeProcedure::Result result = procedure.runAndConfirm(arguments.first(), file);
    progress.close();

    // The summary line, on standard error when the upgrade failed, with the
    // command that tries again when the driver was changed or not reached.
    const QString summary = describe(result);
    if (!summary.isEmpty())
        (result.succeeded() ? out() : err()) << summary << Qt::endl;
    if (!result.succeeded() && result.outcome != UpgradeProcedure::Outcome::BadFile
        && result.outcome != UpgradeProcedure::Outcome::NoFile)
        err() << upgradeAgainHint(arguments.first()) << Qt::endl;
    if (result.outcome == UpgradeProcedure::Outcome::BadFile
        || result.outcome == UpgradeProcedure::Outcome::NoFile) {
        if (const QString hint = hexFileHint(arguments.first()); !hint.isEmpty())
            err() << hint << Qt::endl;
    }
    const int exit = [&] {
        switch (result.outcome) {
        case UpgradeProcedure::Outcome::Running:
            return Success;
        case UpgradeProcedure::Outcome::NoFile:
        case UpgradeProcedure::Outcome::BadFile:
            return FileError;
        case UpgradeProcedure::Outcome::Started:
        case UpgradeProcedure::Outcome::NotBack:
        case UpgradeProcedure::Outcome::NoDriver:
        case UpgradeProcedure::Outcome::DriverRefused:
        case UpgradeProcedure::Outcome::VerifyFailed:
            break;
        }
        return DeviceFailure;
    }();
    // A damaged file touched no driver; every other attempt has its line, with
    // an empty serial when no driver answered and --serial named none.
    QByteArray serial = result.serial;
    if (serial.isEmpty())
        serial = globalOptions().serial;
    if (exit != FileError) {
        const QString why = logUnit({serial, QStringLiteral("upgrade"), arguments.first(),
                                     upgradeFileCheck(Upgrade::unscrambleImage(file.image)),
                                     upgradeResult(result)});
        if (!why.isEmpty()) {
            err() << why << Qt::endl;
            return exit == Success ? FileError : exit;
        }
    }
    return exit;
}

} // namespace

QList<Command> upgradeCommands()
{
    return {makeCommand(QStringLiteral("upgrade"), tr("upgrade FILE.upg"),
                        tr("upgrade the driver's firmware from an upgrade file"), upgrade,
                        UsesDriver | AllDrivers | Logged)};
}

} // namespace Cli
