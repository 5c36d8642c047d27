#include "cli/cli.h"
#include "usb/driverinfo.h"
#include "usb/usblc350.h"

#include <QTextStream>

namespace Cli {

namespace {

QString binary32(quint32 value)
{
    return QStringLiteral("%1").arg(value, 32, 2, QLatin1Char('0'));
}

QString modeName(DriverInfo::Mode mode)
{
    switch (mode) {
    case DriverInfo::Mode::Application:
        return QStringLiteral("application");
    case DriverInfo::Mode::Bootloader:
        return QStringLiteral("bootloader");
    case DriverInfo::Mode::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

int info(const Command &command, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usage(command, QStringLiteral("info takes no arguments"));

    USBLC350 device;
    if (device.connect() != 0) {
        err() << "No Lc420 driver found (USB Timeout, check the USB cable)." << Qt::endl;
        return DeviceFailure;
    }
    const QByteArray serial = DriverInfo::readSerial(device);
    out() << "Serial:      " << serial << '\n'
          << "Mode:        " << modeName(DriverInfo::modeFromSerial(serial)) << '\n';

    int result = Success;
    if (const auto versions = DriverInfo::readBootloaderVersions(device)) {
        out() << "Bootloader:  " << versions->first << '\n'
              << "             " << versions->second << '\n';
    } else {
        out() << "Bootloader:  Bootloader Version Read Error\n";
        result = DeviceFailure;
    }

    quint32 status = 0;
    if (device.StatusGet(status) == 0) {
        out() << "Status:      " << binary32(status) << '\n';
    } else {
        out() << "Status:      ERROR\n";
        result = DeviceFailure;
    }
    out().flush();
    device.disconnect();
    return result;
}

int status(const Command &command, const QStringList &arguments)
{
    const QString action = arguments.value(0, QStringLiteral("get"));
    if (arguments.size() > 1
        || (action != QLatin1String("get") && action != QLatin1String("set")
            && action != QLatin1String("clear")))
        return usage(command, QStringLiteral("expected get, set or clear"));

    USBLC350 device;
    if (action == QLatin1String("get")) {
        quint32 word = 0;
        if (device.StatusGet(word) != 0) {
            out() << "Status: ERROR" << Qt::endl;
            return DeviceFailure;
        }
        out() << "Status: " << binary32(word) << Qt::endl;
        return Success;
    }
    // Bit 0 is the only bit this tool sets or clears.
    constexpr quint32 Bit0 = 1;
    if (action == QLatin1String("set")) {
        if (device.StatusSet(Bit0) != 0) {
            out() << "StatusSet() ERROR" << Qt::endl;
            return DeviceFailure;
        }
        out() << "StatusSet(" << binary32(Bit0) << ")" << Qt::endl;
        return Success;
    }
    if (device.StatusClr(Bit0) != 0) {
        out() << "StatusClr() ERROR" << Qt::endl;
        return DeviceFailure;
    }
    out() << "StatusClr(" << binary32(Bit0) << ")" << Qt::endl;
    return Success;
}

} // namespace

QList<Command> deviceCommands()
{
    return {
        makeCommand(QStringLiteral("info"), QStringLiteral("info"),
                    QStringLiteral("serial, mode, bootloader version texts and status word"), info),
        makeCommand(QStringLiteral("status"), QStringLiteral("status [get|set|clear]"),
                    QStringLiteral("show the status word, or set or clear its bit 0"), status),
    };
}

} // namespace Cli
