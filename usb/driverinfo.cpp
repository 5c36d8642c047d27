#include "usb/driverinfo.h"

#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QCoreApplication>
#include <QtEndian>

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

quint32 externalCheckWord(const QByteArray &storedTail)
{
    if (storedTail.size() != ExternalCheckTailLength)
        return 0;
    QByteArray plain = storedTail;
    decodeWords(plain.data(), qint32(plain.size()));
    return qFromLittleEndian<quint32>(plain.constData() + plain.size() - 4);
}

std::optional<CheckWords> readCheckWords(USBLC350 &device)
{
    uchar application[4] = {};
    if (device.ReadMemoryFromAddress(application, Driver::ApplicationCheckWordAddress,
                                     sizeof application)
        != 0)
        return std::nullopt;
    // One transfer, outside the external-flash reads that drive progress bars.
    QByteArray tail(ExternalCheckTailLength, '\0');
    if (device.control_receive(Driver::ReadExternal, quint16(ExternalCheckTailAddress & 0xFFFF),
                               quint16(ExternalCheckTailAddress >> 16), tail.data(),
                               int(tail.size()))
        != int(tail.size()))
        return std::nullopt;
    return CheckWords{qFromLittleEndian<quint32>(application), externalCheckWord(tail)};
}

QString checkWordText(quint32 word)
{
    return QStringLiteral("0x%1").arg(word, 8, 16, QLatin1Char('0'));
}

QString describe(const CheckWords &words)
{
    return QCoreApplication::translate("DriverInfo", "application %1, external flash %2")
        .arg(checkWordText(words.application), checkWordText(words.external));
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
