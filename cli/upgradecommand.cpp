#include "cli/cli.h"
#include "core/clock.h"
#include "firmware/upgradeprocedure.h"
#include "usb/driverinfo.h"
#include "usb/usblc350.h"

#include <QObject>
#include <QTextStream>

#include <memory>

namespace Cli {

namespace {

// After the start of the new application the driver resets and comes back on
// the bus; how long to look for it before calling the upgrade failed.
constexpr int ConfirmPolls = 20;
constexpr int ConfirmWaitMs = 250;

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

// Whether the driver that was upgraded (and no other on the bus) came back
// running its application. upgradedSerial is what it reported at the start,
// in either mode.
bool runsApplication(USBLC350 &device, QByteArray upgradedSerial)
{
    if (DriverInfo::modeFromSerial(upgradedSerial) == DriverInfo::Mode::Bootloader)
        upgradedSerial.chop(1);
    for (int poll = 0; poll < ConfirmPolls; ++poll) {
        if (device.connect() == 0) {
            const QByteArray serial = DriverInfo::readSerial(device);
            if (serial == upgradedSerial) {
                out() << "Driver " << serial << " runs the new firmware." << Qt::endl;
                return true;
            }
        }
        Clock::sleepMs(ConfirmWaitMs);
    }
    return false;
}

int upgrade(const Command &command, const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usage(command, QStringLiteral("expected one upgrade file"));

    Device device;
    PhaseProgress progress;
    QObject::connect(&device, &USBLC350::sendPercentExtFlashWrite, [&](int percent) {
        progress.show(QStringLiteral("External flash write"), percent);
    });
    QObject::connect(&device, &USBLC350::sendPercentExtFlashRead, [&](int percent) {
        progress.show(QStringLiteral("External flash verify"), percent);
    });

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
                progress.show(QStringLiteral("Flash"), percent);
        });

    const UpgradeProcedure::Outcome outcome = procedure.run(arguments.first());
    progress.close();

    switch (outcome) {
    case UpgradeProcedure::Outcome::Started:
        if (runsApplication(device, procedure.driverSerial()))
            return Success;
        err() << "The driver did not come back running the new firmware." << Qt::endl;
        return DeviceFailure;
    case UpgradeProcedure::Outcome::NoFile:
    case UpgradeProcedure::Outcome::BadFile:
        return FileError;
    case UpgradeProcedure::Outcome::NoDriver:
    case UpgradeProcedure::Outcome::DriverRefused:
    case UpgradeProcedure::Outcome::VerifyFailed:
        break;
    }
    return DeviceFailure;
}

} // namespace

QList<Command> upgradeCommands()
{
    return {makeCommand(QStringLiteral("upgrade"), QStringLiteral("upgrade FILE.upg"),
                        QStringLiteral("upgrade the driver's firmware from an upgrade file"),
                        upgrade, UsesDriver)};
}

} // namespace Cli
