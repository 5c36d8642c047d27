#include "cli/cli.h"
#include "usb/driverinfo.h"
#include "usb/servicecommands.h"
#include "usb/usblc350.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

#include <optional>

namespace Cli {

namespace {

QString binary32(quint32 value)
{
    return QStringLiteral("%1").arg(value, 32, 2, QLatin1Char('0'));
}

QJsonValue orNull(bool present, const QJsonValue &value)
{
    return present ? value : QJsonValue();
}

// A driver's check words as info and list --json give them, in the shape
// inspect gives a file's: {"app": {"checkWord": ...}, "extFlash": {...}}.
void insertCheckWords(QJsonObject &json, const std::optional<DriverInfo::CheckWords> &words)
{
    const auto area = [&words](quint32 word) {
        return words ? QJsonValue(
                   QJsonObject{{QStringLiteral("checkWord"), DriverInfo::checkWordText(word)}})
                     : QJsonValue();
    };
    json.insert(QStringLiteral("app"), area(words ? words->application : 0));
    json.insert(QStringLiteral("extFlash"), area(words ? words->external : 0));
}

// The check words of one listed driver, read through a device pinned to it:
// a connect and two short reads.
std::optional<DriverInfo::CheckWords> listedCheckWords(const UsbDevice::Found &driver)
{
    if (driver.outcome != UsbDevice::Found::Outcome::Connected || driver.serial.isEmpty())
        return std::nullopt;
    USBLC350 device;
    device.setSerialFilter(driver.serial);
    const auto words = DriverInfo::readCheckWords(device);
    device.disconnect();
    return words;
}

QString stateName(UsbDevice::Found::Outcome outcome)
{
    switch (outcome) {
    case UsbDevice::Found::Outcome::Connected:
    case UsbDevice::Found::Outcome::OtherSerial:
        break;
    case UsbDevice::Found::Outcome::AccessDenied:
        return QStringLiteral("no access");
    case UsbDevice::Found::Outcome::WrongId:
        return QStringLiteral("wrong identification");
    case UsbDevice::Found::Outcome::Failed:
        return QStringLiteral("cannot be opened");
    }
    return QStringLiteral("ok");
}

// info's labels, padded to one column in any language, with at least one
// space after the longest.
QString infoLabel(const QString &label)
{
    qsizetype width = 13;
    for (const QString &each : {tr("Serial:"), tr("Mode:"), tr("Bootloader:"), tr("Status:")})
        width = qMax(width, each.size() + 1);
    return label.leftJustified(width);
}

int list(const Command &command, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usage(command, tr("list takes no arguments"));
    USBLC350 device;
    const QList<UsbDevice::Found> drivers = device.listDrivers(true);
    if (globalOptions().json) {
        QJsonArray array;
        for (const UsbDevice::Found &driver : drivers) {
            const bool identified = driver.outcome == UsbDevice::Found::Outcome::Connected;
            QJsonObject entry{
                {QStringLiteral("bus"), QString::fromLatin1(driver.bus)},
                {QStringLiteral("device"), QString::fromLatin1(driver.device)},
                {QStringLiteral("serial"), orNull(identified, QString::fromLatin1(driver.serial))},
                {QStringLiteral("mode"),
                 orNull(identified, modeName(DriverInfo::modeFromSerial(driver.serial)))},
                {QStringLiteral("state"), stateName(driver.outcome)},
                {QStringLiteral("locked"),
                 orNull(driver.status.has_value(),
                        driver.status && (*driver.status & Driver::StatusBit) != 0)},
            };
            insertCheckWords(entry, listedCheckWords(driver));
            array.append(entry);
        }
        printJson(QJsonObject{{QStringLiteral("drivers"), array}});
    } else if (!drivers.isEmpty()) {
        printDrivers(out(), drivers);
    }
    if (drivers.isEmpty()) {
        reportConnection(Connection::Result{Connection::Outcome::NoDriver, {}, {}, {}, 0});
        return DeviceFailure;
    }
    const QString problem = UsbDevice::accessProblem(drivers);
    if (!problem.isEmpty()) {
        err() << problem << Qt::endl;
        return DeviceFailure;
    }
    return Success;
}

int info(const Command &command, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usage(command, tr("info takes no arguments"));

    Device device;
    if (device.connect() != 0) {
        reportConnection(device);
        return DeviceFailure;
    }
    const QByteArray serial = DriverInfo::readSerial(device);
    const QString mode = modeName(DriverInfo::modeFromSerial(serial));
    const auto versions = DriverInfo::readBootloaderVersions(device);
    const auto words = DriverInfo::readCheckWords(device);
    quint32 status = 0;
    const bool statusRead = device.StatusGet(status) == 0;
    device.disconnect();

    if (globalOptions().json) {
        QJsonObject json{
            {QStringLiteral("serial"), QString::fromLatin1(serial)},
            {QStringLiteral("mode"), mode},
            {QStringLiteral("bootloader"),
             orNull(versions.has_value(), versions
                                              ? QJsonArray{QString::fromLatin1(versions->first),
                                                           QString::fromLatin1(versions->second)}
                                              : QJsonArray())},
            {QStringLiteral("status"), orNull(statusRead, binary32(status))},
            {QStringLiteral("locked"), orNull(statusRead, (status & Driver::StatusBit) != 0)},
        };
        insertCheckWords(json, words);
        printJson(json);
    } else {
        out() << infoLabel(tr("Serial:")) << serial << '\n'
              << infoLabel(tr("Mode:")) << DriverInfo::describe(DriverInfo::modeFromSerial(serial))
              << '\n';
        if (versions) {
            out() << infoLabel(tr("Bootloader:")) << versions->first << '\n'
                  << infoLabel(QString()) << versions->second << '\n';
        } else {
            out() << infoLabel(tr("Bootloader:")) << tr("the version texts could not be read")
                  << '\n';
        }
        // The firmware the driver holds, as inspect names a file's.
        if (words)
            out() << infoLabel(tr("Firmware:"))
                  << tr("application check word %1")
                         .arg(DriverInfo::checkWordText(words->application))
                  << '\n'
                  << infoLabel(QString())
                  << tr("external flash check word %1")
                         .arg(DriverInfo::checkWordText(words->external))
                  << '\n';
        else
            out() << infoLabel(tr("Firmware:")) << tr("the check words could not be read") << '\n';
        if (statusRead)
            out() << infoLabel(tr("Status:")) << binary32(status) << '\n'
                  << infoLabel(QString()) << lockText(status, serial) << '\n';
        else
            out() << infoLabel(tr("Status:")) << tr("could not be read") << '\n';
        out().flush();
    }
    return versions && words && statusRead ? Success : DeviceFailure;
}

int status(const Command &command, const QStringList &arguments)
{
    const QString action = arguments.value(0, QStringLiteral("get"));
    if (arguments.size() > 1
        || (action != QLatin1String("get") && action != QLatin1String("set")
            && action != QLatin1String("clear")))
        return usage(command, tr("expected get, set or clear"));

    Device device;
    const bool json = globalOptions().json;
    if (action == QLatin1String("get")) {
        quint32 word = 0;
        const bool ok = device.StatusGet(word) == 0;
        if (json)
            printJson({{QStringLiteral("status"), orNull(ok, binary32(word))}});
        else
            (ok ? out() : err()) << (ok ? tr("Status:") + QLatin1Char(' ') + binary32(word)
                                        : Service::describe(Service::Failure::StatusGet))
                                 << Qt::endl;
        return ok ? Success : DeviceFailure;
    }
    // Bit 0 is the only bit this tool sets or clears.
    constexpr quint32 Bit0 = 1;
    const bool set = action == QLatin1String("set");
    const bool ok = (set ? device.StatusSet(Bit0) : device.StatusClr(Bit0)) == 0;
    if (json) {
        printJson(
            {{QLatin1String(set ? "set" : "clear"), binary32(Bit0)}, {QStringLiteral("ok"), ok}});
    } else if (ok) {
        out()
            << (set ? tr("Status bits set: %1") : tr("Status bits cleared: %1")).arg(binary32(Bit0))
            << Qt::endl;
    } else {
        err() << Service::describe(set ? Service::Failure::StatusSet
                                       : Service::Failure::StatusClear)
              << Qt::endl;
    }
    return ok ? Success : DeviceFailure;
}

} // namespace

QList<Command> deviceCommands()
{
    return {
        makeCommand(QStringLiteral("list"), QStringLiteral("list"),
                    tr("every attached driver: bus, device, serial and mode"), list, Json),
        makeCommand(QStringLiteral("info"), QStringLiteral("info"),
                    tr("serial, mode, bootloader version texts, firmware check words and status "
                       "word"),
                    info, UsesDriver | Json),
        makeCommand(QStringLiteral("status"), QStringLiteral("status [get|set|clear]"),
                    tr("show the status word, or set or clear its bit 0"), status,
                    UsesDriver | Json),
    };
}

} // namespace Cli
