#include "firmware/upgradeprocedure.h"

#include "core/clock.h"
#include "core/hexdump.h"
#include "core/trace.h"
#include "firmware/upgradefile.h"
#include "usb/driverinfo.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QCoreApplication>

namespace {

constexpr int ConnectAttempts = 4;
constexpr int BootloaderPolls = 10;
constexpr int RetryWaitMs = 200;
constexpr int ResetWaitMs = 2000;
constexpr int AfterDisconnectWaitMs = 500;
constexpr int StartWaitMs = 1000;
constexpr quint32 ApplicationAddress = Upgrade::FlashBase + Upgrade::AppOffset;
constexpr quint32 ExternalFlashAddress = 0;

QString translated(const char *text)
{
    return QCoreApplication::translate("Upgrader", text);
}

bool bootloaderSerial(const QByteArray &serial)
{
    return serial.size() >= 10 && serial.at(9) == 'b';
}

} // namespace

UpgradeProcedure::UpgradeProcedure(USBLC350 &device, TextSink text, PercentSink percent)
    : m_device(device)
    , m_text(std::move(text))
    , m_percent(std::move(percent))
{}

void UpgradeProcedure::send(const char *text)
{
    m_text(translated(text));
}

// "Serial:" and the serial string as the driver reports it now.
void UpgradeProcedure::sendSerial()
{
    m_text(translated(QT_TRANSLATE_NOOP("Upgrader", "Serial:"))
           + QString::fromLatin1(DriverInfo::readSerial(m_device)));
}

UpgradeProcedure::Outcome UpgradeProcedure::run(const QString &fileName)
{
    if (fileName.isNull())
        return Outcome::NoFile;

    LC420_TRACE() << "Start firmware upgrade";
    m_text(fileName);

    const Upgrade::FileContents file = Upgrade::readFile(fileName);
    if (!file.headerMatches()) {
        send(QT_TRANSLATE_NOOP("Upgrader", "Wrong file header"));
        return Outcome::BadFile;
    }
    if (!file.versionMatches()) {
        send(QT_TRANSLATE_NOOP("Upgrader", "Wrong file version"));
        return Outcome::BadFile;
    }
    // The image is checked before the driver is touched: a file that was cut
    // short or damaged must never become firmware.
    const QByteArray image = Upgrade::unscrambleImage(file.image);
    if (!file.complete || !Upgrade::checkImage(image).ok()) {
        send(QT_TRANSLATE_NOOP("Upgrader", "Damaged upgrade file"));
        return Outcome::BadFile;
    }

    m_percent(0);

    m_device.disconnect();
    bool connected = m_device.connect() == 0;
    for (int attempt = 1; !connected && attempt < ConnectAttempts; ++attempt) {
        LC420_TRACE() << "usb->connect()\nmssleep(200)";
        Clock::sleepMs(RetryWaitMs);
        connected = m_device.connect() == 0;
    }
    if (!connected) {
        send(QT_TRANSLATE_NOOP("Upgrader", "USB Timeout\nCheck USB Cable"));
        return Outcome::NoDriver;
    }

    const QByteArray serial = DriverInfo::readSerial(m_device);
    m_text(QString::fromLatin1(serial));

    const auto versions = DriverInfo::readBootloaderVersions(m_device);
    if (!versions) {
        send(QT_TRANSLATE_NOOP("Upgrader", "Bootloader Version Read Error"));
        return Outcome::DriverRefused;
    }
    m_text(QString::fromLatin1(versions->first));
    m_text(QString::fromLatin1(versions->second));

    switch (DriverInfo::modeFromSerial(serial)) {
    case DriverInfo::Mode::Application:
        if (const auto stop = bringIntoBootloader())
            return *stop;
        break;
    case DriverInfo::Mode::Bootloader:
        send(QT_TRANSLATE_NOOP("Upgrader", "Bootloader mode"));
        break;
    case DriverInfo::Mode::Unknown:
        sendSerial();
        return Outcome::DriverRefused;
    }

    send(QT_TRANSLATE_NOOP("Upgrader", "Writting firmware ... "));
    if (const auto stop = writeInternalFlash(image.mid(Upgrade::AppOffset, Upgrade::AppLength)))
        return *stop;
    return writeExternalFlashAndStart(image.mid(Upgrade::ExtOffset, Upgrade::ExtLength));
}

// Tells the running application to reset into the bootloader and waits until
// the driver is back on the bus reporting its bootloader serial.
std::optional<UpgradeProcedure::Outcome> UpgradeProcedure::bringIntoBootloader()
{
    send(QT_TRANSLATE_NOOP("Upgrader", "Apllication mode"));
    send(QT_TRANSLATE_NOOP("Upgrader", "Reset device"));
    m_device.RunApplication();
    LC420_TRACE() << "usb->RunApplication()";
    Clock::sleepMs(ResetWaitMs);
    m_device.disconnect();
    LC420_TRACE() << "usb->disconnect()";
    Clock::sleepMs(AfterDisconnectWaitMs);

    bool found = false;
    for (int poll = 0; poll < BootloaderPolls && !found; ++poll) {
        found = m_device.connect() == 0 && bootloaderSerial(m_device.read_serial_string());
        if (!found)
            Clock::sleepMs(RetryWaitMs);
    }
    if (!found) {
        send(QT_TRANSLATE_NOOP("Upgrader", "USB timout\nCheck USB cable"));
        return Outcome::NoDriver;
    }

    send(QT_TRANSLATE_NOOP("Upgrader", "Disconnect"));
    m_device.disconnect();
    send(QT_TRANSLATE_NOOP("Upgrader", "Connect"));
    m_device.connect();
    sendSerial();
    return std::nullopt;
}

// Writes the application area page by page, reading every page back. A page
// that reads back wrong is reported and the remaining pages are still written,
// but the run then stops in the bootloader.
std::optional<UpgradeProcedure::Outcome>
UpgradeProcedure::writeInternalFlash(const QByteArray &application)
{
    const quint32 pageSize = USBLC350::PageSize;
    const quint32 total = quint32(application.size());
    QByteArray page(int(pageSize), '\0');
    QByteArray readBack(int(pageSize), '\0');
    bool verified = true;

    quint32 offset = 0;
    quint32 remaining = total;
    while (remaining > 0) {
        const quint32 n = qMin(pageSize, remaining);
        page.fill(char(0xFF));
        memcpy(page.data(), application.constData() + offset, n);
        const QByteArray plain = page;
        const quint32 address = ApplicationAddress + offset;

        if (m_device.WritePageToAddress(page.data(), address) != 0) {
            LC420_TRACE() << "page write ERROR";
            send(QT_TRANSLATE_NOOP("Upgrader", "ERROR"));
            return Outcome::DriverRefused;
        }
        LC420_TRACE() << "page write OK";

        readBack.fill(char(0xFF));
        if (m_device.ReadMemoryFromAddress(readBack.data(), address, pageSize) == 0) {
            if (readBack != plain) {
                send(QT_TRANSLATE_NOOP("Upgrader", "ERROR"));
                verified = false;
            }
        } else {
            LC420_TRACE() << "page read ERROR";
            verified = false;
        }

        offset += pageSize;
        remaining -= n;
        m_percent(int(quint64(total - remaining) * 100 / total));
    }

    if (!verified) {
        send(QT_TRANSLATE_NOOP("Upgrader", "ERROR"));
        return Outcome::VerifyFailed;
    }
    send(QT_TRANSLATE_NOOP("Upgrader", "OK"));
    return std::nullopt;
}

UpgradeProcedure::Outcome UpgradeProcedure::writeExternalFlashAndStart(const QByteArray &external)
{
    const int length = int(external.size());
    if (length == 0 || length % 4 != 0) {
        LC420_TRACE() << "length error" << length;
        return Outcome::BadFile;
    }

    QByteArray scrambled = external;
    encodeWords(scrambled.data(), length);
    send(QT_TRANSLATE_NOOP("Upgrader", "Writting External Flash ... "));
    if (m_device.WriteExternalFlashToAddress(scrambled.constData(), ExternalFlashAddress,
                                             quint32(length))
        != 0) {
        send(QT_TRANSLATE_NOOP("Upgrader", "Error"));
        return Outcome::DriverRefused;
    }
    send(QT_TRANSLATE_NOOP("Upgrader", "OK"));
    send(QT_TRANSLATE_NOOP("Upgrader", "Verify External Flash ...  "));

    QByteArray readBack(length, '\0');
    if (m_device.ReadExternalFlashFromAddress(readBack.data(), ExternalFlashAddress,
                                              quint32(length))
        != 0) {
        send(QT_TRANSLATE_NOOP("Upgrader", "Error"));
        return Outcome::DriverRefused;
    }
    decodeWords(readBack.data(), length);

    if (readBack != external) {
        send(QT_TRANSLATE_NOOP("Upgrader", "Error"));
        send(QT_TRANSLATE_NOOP("Upgrader", "read_buffer"));
        m_text(QString::fromLatin1(hexDump(readBack.constData(), length)));
        send(QT_TRANSLATE_NOOP("Upgrader", "ext_datas.data()"));
        m_text(QString::fromLatin1(hexDump(external.constData(), length)));
        return Outcome::VerifyFailed;
    }

    send(QT_TRANSLATE_NOOP("Upgrader", "OK"));
    m_device.RunApplication();
    Clock::sleepMs(StartWaitMs);
    m_device.disconnect();
    return Outcome::Started;
}
