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
// After the start the driver resets and comes back on the bus running the new
// application; how long to look for it before calling the upgrade failed.
constexpr int ConfirmPolls = 20;
constexpr int ConfirmWaitMs = 250;
constexpr quint32 ApplicationAddress = Upgrade::FlashBase + Upgrade::AppOffset;
constexpr quint32 ExternalFlashAddress = 0;

QString translated(const char *text)
{
    return QCoreApplication::translate("Upgrader", text);
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

UpgradeProcedure::Outcome UpgradeProcedure::run(const QString &fileName)
{
    return run(fileName, fileName.isNull() ? Upgrade::FileContents() : Upgrade::readFile(fileName));
}

UpgradeProcedure::Outcome UpgradeProcedure::run(const QString &fileName,
                                                const Upgrade::FileContents &file)
{
    m_serial.clear();
    m_left = DriverLeft::Untouched;
    if (fileName.isNull())
        return Outcome::NoFile;

    LC420_TRACE() << "Start firmware upgrade";
    m_text(fileName);

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

    m_serial = DriverInfo::readSerial(m_device);
    m_text(QString::fromLatin1(m_serial));

    const auto versions = DriverInfo::readBootloaderVersions(m_device);
    if (!versions) {
        send(QT_TRANSLATE_NOOP("Upgrader", "Bootloader Version Read Error"));
        return Outcome::DriverRefused;
    }
    m_text(QString::fromLatin1(versions->first));
    m_text(QString::fromLatin1(versions->second));

    switch (DriverInfo::modeFromSerial(m_serial)) {
    case DriverInfo::Mode::Application:
        if (const auto stop = bringIntoBootloader())
            return *stop;
        break;
    case DriverInfo::Mode::Bootloader:
        m_left = DriverLeft::InBootloader;
        send(QT_TRANSLATE_NOOP("Upgrader", "Bootloader mode"));
        break;
    case DriverInfo::Mode::Unknown:
        m_text(translated(QT_TRANSLATE_NOOP("Upgrader", "Serial:"))
               + QString::fromLatin1(DriverInfo::readSerial(m_device)));
        return Outcome::DriverRefused;
    }

    send(QT_TRANSLATE_NOOP("Upgrader", "Writting firmware ... "));
    const QByteArray application = image.mid(Upgrade::AppOffset, Upgrade::AppLength);
    if (const auto stop = writeInternalFlash(application))
        return *stop;
    if (const auto stop = writeExternalFlash(image.mid(Upgrade::ExtOffset, Upgrade::ExtLength)))
        return *stop;
    return writeCheckWordPageAndStart(application);
}

// Tells the running application to reset into the bootloader and waits until
// the same driver is back on the bus reporting its bootloader serial. A
// resetting controller often leaves the bus before it completes the reset
// request; that transfer then fails, which is part of a normal reset.
std::optional<UpgradeProcedure::Outcome> UpgradeProcedure::bringIntoBootloader()
{
    send(QT_TRANSLATE_NOOP("Upgrader", "Apllication mode"));
    send(QT_TRANSLATE_NOOP("Upgrader", "Reset device"));
    m_left = DriverLeft::Resetting;
    m_device.RunApplication();
    LC420_TRACE() << "usb->RunApplication()";
    Clock::sleepMs(ResetWaitMs);
    m_device.disconnect();
    LC420_TRACE() << "usb->disconnect()";
    Clock::sleepMs(AfterDisconnectWaitMs);

    // Only the driver that was reset may be written: with several drivers on the
    // bus, another one (already in its bootloader) may answer first.
    const QByteArray expected = m_serial + 'b';
    QByteArray other;
    bool found = false;
    for (int poll = 0; poll < BootloaderPolls && !found; ++poll) {
        if (m_device.connect() == 0) {
            const QByteArray serial = DriverInfo::readSerial(m_device);
            found = serial == expected;
            if (!found && !serial.startsWith(m_serial))
                other = serial;
        }
        if (!found)
            Clock::sleepMs(RetryWaitMs);
    }
    if (!found) {
        if (!other.isEmpty())
            return anotherDriverAnswered(other);
        send(QT_TRANSLATE_NOOP("Upgrader", "USB timout\nCheck USB cable"));
        return Outcome::NoDriver;
    }

    m_left = DriverLeft::InBootloader;
    send(QT_TRANSLATE_NOOP("Upgrader", "Disconnect"));
    m_device.disconnect();
    send(QT_TRANSLATE_NOOP("Upgrader", "Connect"));
    const bool reconnected = m_device.connect() == 0;
    const QByteArray serial = DriverInfo::readSerial(m_device);
    m_text(translated(QT_TRANSLATE_NOOP("Upgrader", "Serial:")) + QString::fromLatin1(serial));
    // A failed connect reads an empty serial: that is no other driver.
    if (!reconnected) {
        send(QT_TRANSLATE_NOOP("Upgrader", "No driver answered after the reset."));
        return Outcome::NoDriver;
    }
    if (serial != expected)
        return anotherDriverAnswered(serial);
    return std::nullopt;
}

std::optional<UpgradeProcedure::Outcome>
UpgradeProcedure::anotherDriverAnswered(const QByteArray &serial)
{
    m_text(translated(QT_TRANSLATE_NOOP("Upgrader", "Another driver answered: %1"))
               .arg(QString::fromLatin1(serial)));
    send(QT_TRANSLATE_NOOP("Upgrader", "USB Timeout\nCheck USB Cable"));
    return Outcome::NoDriver;
}

// Writes one 1024-byte page and reads it back.
UpgradeProcedure::PageResult UpgradeProcedure::writePage(const char *contents, quint32 address)
{
    const int pageSize = int(USBLC350::PageSize);
    const QByteArray plain(contents, pageSize);
    QByteArray page = plain; // WritePageToAddress scrambles it in place
    if (m_device.WritePageToAddress(page.data(), address) != 0) {
        LC420_TRACE() << "page write ERROR";
        return PageResult::WriteFailed;
    }
    LC420_TRACE() << "page write OK";

    QByteArray readBack(pageSize, char(0xFF));
    if (m_device.ReadMemoryFromAddress(readBack.data(), address, quint32(pageSize)) != 0) {
        LC420_TRACE() << "page read ERROR";
        return PageResult::ReadFailed;
    }
    return readBack == plain ? PageResult::Verified : PageResult::Differs;
}

// Erases the check-word page, then writes every other application page,
// reading each back. A page that reads back wrong is reported and the
// remaining pages are still written, but the run then stops in the bootloader.
// Progress counts the pages of the whole area: the last step, 100, comes with
// the check-word page at the end of the upgrade.
std::optional<UpgradeProcedure::Outcome>
UpgradeProcedure::writeInternalFlash(const QByteArray &application)
{
    const quint32 pageSize = USBLC350::PageSize;
    const quint32 total = quint32(application.size()); // whole pages (checked with the file)
    const quint32 lastPage = total - pageSize;
    bool verified = true;
    const auto check = [&](PageResult result) {
        if (result == PageResult::WriteFailed) {
            send(QT_TRANSLATE_NOOP("Upgrader", "ERROR"));
            return false;
        }
        if (result == PageResult::Differs)
            send(QT_TRANSLATE_NOOP("Upgrader", "ERROR"));
        if (result != PageResult::Verified)
            verified = false;
        return true;
    };

    // Until its last page is written again the application cannot start, even
    // where the pages before it already hold the same code as the new image.
    const QByteArray erased(int(pageSize), char(0xFF));
    if (!check(writePage(erased.constData(), ApplicationAddress + lastPage)))
        return Outcome::DriverRefused;

    for (quint32 offset = 0; offset < lastPage; offset += pageSize) {
        if (!check(writePage(application.constData() + offset, ApplicationAddress + offset)))
            return Outcome::DriverRefused;
        m_percent(int(quint64(offset + pageSize) * 100 / total));
    }

    if (!verified) {
        send(QT_TRANSLATE_NOOP("Upgrader", "ERROR"));
        return Outcome::VerifyFailed;
    }
    send(QT_TRANSLATE_NOOP("Upgrader", "OK"));
    return std::nullopt;
}

std::optional<UpgradeProcedure::Outcome>
UpgradeProcedure::writeExternalFlash(const QByteArray &external)
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
    return std::nullopt;
}

// Everything else has verified: the check-word page makes the new application
// startable, and the bootloader is told to start it.
UpgradeProcedure::Outcome
UpgradeProcedure::writeCheckWordPageAndStart(const QByteArray &application)
{
    const quint32 lastPage = quint32(application.size()) - USBLC350::PageSize;
    switch (writePage(application.constData() + lastPage, ApplicationAddress + lastPage)) {
    case PageResult::Verified:
        break;
    case PageResult::WriteFailed:
        send(QT_TRANSLATE_NOOP("Upgrader", "ERROR"));
        return Outcome::DriverRefused;
    case PageResult::Differs:
    case PageResult::ReadFailed:
        send(QT_TRANSLATE_NOOP("Upgrader", "ERROR"));
        return Outcome::VerifyFailed;
    }
    m_percent(100);

    m_left = DriverLeft::Started;
    m_device.RunApplication();
    Clock::sleepMs(StartWaitMs);
    m_device.disconnect();
    return Outcome::Started;
}

QByteArray UpgradeProcedure::applicationSerial() const
{
    QByteArray serial = m_serial;
    if (DriverInfo::modeFromSerial(serial) == DriverInfo::Mode::Bootloader)
        serial.chop(1);
    return serial;
}

// Whether the driver that was upgraded (and no other on the bus) came back
// running its application; else whether its bootloader answered meanwhile.
UpgradeProcedure::Answer UpgradeProcedure::comesBackRunning()
{
    const QByteArray expected = applicationSerial();
    Answer answer = Answer::Nothing;
    for (int poll = 0; poll < ConfirmPolls && answer != Answer::Application; ++poll) {
        if (m_device.connect() == 0) {
            const QByteArray serial = DriverInfo::readSerial(m_device);
            if (serial == expected)
                answer = Answer::Application;
            else if (serial == expected + 'b')
                answer = Answer::Bootloader;
        }
        if (answer != Answer::Application)
            Clock::sleepMs(ConfirmWaitMs);
    }
    m_device.disconnect();
    return answer;
}

// One look at the bus after a failure: a driver that went away during a
// transfer must not be reported as waiting in its bootloader.
UpgradeProcedure::Answer UpgradeProcedure::askDriver()
{
    const QByteArray expected = applicationSerial();
    Answer answer = Answer::Nothing;
    if (!expected.isEmpty() && m_device.connect() == 0) {
        const QByteArray serial = DriverInfo::readSerial(m_device);
        if (serial == expected)
            answer = Answer::Application;
        else if (serial == expected + 'b')
            answer = Answer::Bootloader;
    }
    m_device.disconnect();
    return answer;
}

UpgradeProcedure::Result UpgradeProcedure::runAndConfirm(const QString &fileName)
{
    return runAndConfirm(fileName,
                         fileName.isNull() ? Upgrade::FileContents() : Upgrade::readFile(fileName));
}

UpgradeProcedure::Result UpgradeProcedure::runAndConfirm(const QString &fileName,
                                                         const Upgrade::FileContents &file)
{
    Result result;
    result.outcome = run(fileName, file);
    if (result.outcome == Outcome::Started) {
        result.answer = comesBackRunning();
        result.outcome = result.answer == Answer::Application ? Outcome::Running : Outcome::NotBack;
    } else if (m_left != DriverLeft::Untouched) {
        result.transfer = m_device.lastTransferFailure();
        result.answer = askDriver();
    }
    result.driver = m_left;
    result.serial = applicationSerial();
    return result;
}

namespace {

// Why a run that had changed the driver stopped, as the middle of a sentence.
QString failureCause(const UpgradeProcedure::Result &result)
{
    using Outcome = UpgradeProcedure::Outcome;
    if (result.answer == UpgradeProcedure::Answer::Nothing) {
        if (result.transfer == Connection::Outcome::TimedOut)
            return translated(QT_TRANSLATE_NOOP("Upgrader", "the driver stopped answering during "
                                                            "the transfer"));
        return translated(QT_TRANSLATE_NOOP("Upgrader", "the driver was disconnected during the "
                                                        "transfer"));
    }
    switch (result.outcome) {
    case Outcome::VerifyFailed:
        return translated(QT_TRANSLATE_NOOP("Upgrader", "what was written did not read back the "
                                                        "same"));
    case Outcome::NoDriver:
        return translated(QT_TRANSLATE_NOOP("Upgrader", "the driver did not answer in time "
                                                        "after its reset"));
    default:
        break;
    }
    return translated(QT_TRANSLATE_NOOP("Upgrader", "the driver refused a transfer"));
}

} // namespace

QString describe(const UpgradeProcedure::Result &result)
{
    using Outcome = UpgradeProcedure::Outcome;
    using Left = UpgradeProcedure::DriverLeft;
    using Answer = UpgradeProcedure::Answer;
    const QString serial = result.serial.isEmpty()
                               ? translated(QT_TRANSLATE_NOOP("Upgrader", "the driver"))
                               : translated(QT_TRANSLATE_NOOP("Upgrader", "driver %1"))
                                     .arg(QString::fromLatin1(result.serial));
    switch (result.outcome) {
    case Outcome::NoFile:
        return {};
    case Outcome::Running:
        return translated(QT_TRANSLATE_NOOP("Upgrader",
                                            "Upgrade finished: driver %1 runs the new firmware."))
            .arg(QString::fromLatin1(result.serial));
    case Outcome::Started:
        // run() alone: the new firmware was started, but nobody looked whether
        // the driver came back running it.
        return translated(QT_TRANSLATE_NOOP("Upgrader",
                                            "The new firmware was written, verified and started; "
                                            "whether the driver came back running it was not "
                                            "checked."));
    case Outcome::NotBack:
        if (result.answer == Answer::Bootloader)
            return translated(QT_TRANSLATE_NOOP(
                                  "Upgrader",
                                  "The new firmware was written and verified, but %1 came back in "
                                  "its bootloader and waits there (it answers in bootloader "
                                  "mode). Its programs and scenes are kept. Choose the same file "
                                  "again to finish the upgrade."))
                .arg(serial);
        return translated(QT_TRANSLATE_NOOP(
                              "Upgrader",
                              "The new firmware was written and verified, but no driver answered "
                              "after the reset. Plug %1 in again, then choose the same file "
                              "again."))
            .arg(serial);
    case Outcome::BadFile:
        return translated(QT_TRANSLATE_NOOP("Upgrader",
                                            "The upgrade did not start: the file is not a usable "
                                            "upgrade file. Nothing on the driver was changed."));
    case Outcome::NoDriver:
    case Outcome::DriverRefused:
    case Outcome::VerifyFailed:
        break;
    }
    if (result.driver == Left::Untouched) {
        if (result.outcome == Outcome::NoDriver)
            return translated(QT_TRANSLATE_NOOP("Upgrader",
                                                "The upgrade did not start: no driver answered. "
                                                "Nothing was changed; check the USB cable and try "
                                                "again."));
        return translated(QT_TRANSLATE_NOOP("Upgrader",
                                            "The upgrade did not start: the driver did not "
                                            "answer as expected. Nothing on it was changed."));
    }
    if (result.driver == Left::Resetting) {
        switch (result.answer) {
        case Answer::Bootloader:
            return translated(QT_TRANSLATE_NOOP(
                                  "Upgrader",
                                  "The upgrade did not start: %1 came back in its bootloader too "
                                  "late and waits there (it answers in bootloader mode). Its "
                                  "firmware, programs and scenes are unchanged. Choose the same "
                                  "file again to upgrade it."))
                .arg(serial);
        case Answer::Application:
            return translated(QT_TRANSLATE_NOOP(
                                  "Upgrader",
                                  "The upgrade did not start: %1 did not start its bootloader and "
                                  "runs its old firmware. Nothing on it was changed; try again."))
                .arg(serial);
        case Answer::NotAsked:
        case Answer::Nothing:
            break;
        }
        return translated(QT_TRANSLATE_NOOP(
                              "Upgrader",
                              "The upgrade did not start: %1 was told to start its bootloader, and "
                              "no driver answered after the reset. Its firmware, programs and "
                              "scenes are unchanged. Plug it in again, then choose the same file "
                              "again."))
            .arg(serial);
    }
    const QString cause = failureCause(result);
    switch (result.answer) {
    case Answer::Bootloader:
        return translated(QT_TRANSLATE_NOOP(
                              "Upgrader",
                              "The upgrade did not finish: %1. The driver waits in its bootloader "
                              "(it answers in bootloader mode); its programs and scenes are kept. "
                              "Choose the same file again to finish the upgrade."))
            .arg(cause);
    case Answer::Application:
        return translated(QT_TRANSLATE_NOOP(
                              "Upgrader",
                              "The upgrade did not finish: %1. The driver runs firmware again, "
                              "which may not be the new one. Choose the same file again."))
            .arg(cause);
    case Answer::NotAsked:
    case Answer::Nothing:
        break;
    }
    return translated(QT_TRANSLATE_NOOP("Upgrader",
                                        "The upgrade did not finish: %1, and no driver answered "
                                        "afterwards. Plug %2 in again, then choose the same file "
                                        "again."))
        .arg(cause, serial);
}
