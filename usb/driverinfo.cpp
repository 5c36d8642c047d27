#include "usb/driverinfo.h"

#include "usb/usblc350.h"

#include <QCoreApplication>

namespace DriverInfo {

namespace {

constexpr quint32 VersionTextsAddress = Driver::VersionTextsAddress;
constexpr int VersionTextsLength = 32;
constexpr int SecondVersionTextOffset = Driver::VersionTextLength;

} // namespace

Mode modeFromSerial(const QByteArray &serial)
{
    if (serial.size() == 9)
        return Mode::Application;
    if (serial.size() == 10 && serial.at(9) == 'b')
        return Mode::Bootloader;
    return Mode::Unknown;
}

QString describe(Mode mode)
{
    switch (mode) {
    case Mode::Application:
        return QCoreApplication::translate("DriverInfo", "application");
    case Mode::Bootloader:
        return QCoreApplication::translate("DriverInfo", "bootloader");
    case Mode::Unknown:
        break;
    }
    return QCoreApplication::translate("DriverInfo", "unknown");
}

QString describeState(Mode mode)
{
    switch (mode) {
    case Mode::Application:
        return QCoreApplication::translate("DriverInfo", "runs its application");
    case Mode::Bootloader:
        return QCoreApplication::translate("DriverInfo", "waits in its bootloader");
    case Mode::Unknown:
        break;
    }
    return QCoreApplication::translate("DriverInfo", "answers in an unknown mode");
}

QByteArray readSerial(USBLC350 &device)
{
    return textAt(device.read_serial_string(), 0);
}

std::optional<BootloaderVersions> readBootloaderVersions(USBLC350 &device)
{
    QByteArray texts(VersionTextsLength, '\0');
    if (device.ReadMemoryFromAddress(texts.data(), VersionTextsAddress, quint32(texts.size())) != 0)
        return std::nullopt;
    return BootloaderVersions{textAt(texts, 0), textAt(texts, SecondVersionTextOffset)};
}

QByteArray textAt(const QByteArray &data, int offset)
{
    if (offset < 0 || offset >= data.size())
        return {};
    const QByteArray rest = data.mid(offset);
    const qsizetype zero = rest.indexOf('\0');
    return zero < 0 ? rest : rest.left(zero);
}

} // namespace DriverInfo
