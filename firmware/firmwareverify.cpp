#include "firmware/firmwareverify.h"

#include "core/trace.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QCoreApplication>
#include <QtEndian>

namespace FirmwareCheck {

namespace {

QString translated(const char *text, int n = -1)
{
    return QCoreApplication::translate("FirmwareCheck", text, nullptr, n);
}

constexpr quint32 ApplicationAddress = Upgrade::FlashBase + Upgrade::AppOffset;

// Compares what was read with what the file holds, unit by unit.
void compare(const QByteArray &read, const QByteArray &expected, int unit, quint32 base,
             AreaCheck &check)
{
    for (int offset = 0; offset < read.size(); offset += unit) {
        const int length = qMin(unit, int(read.size()) - offset);
        if (read.mid(offset, length) == expected.mid(offset, length))
            continue;
        if (check.firstDifference < 0) {
            int byte = offset;
            while (read.at(byte) == expected.at(byte))
                ++byte;
            check.firstDifference = qint64(base) + byte;
        }
        ++check.differingUnits;
    }
}

void sumUp(const QByteArray &area, AreaCheck &check)
{
    check.sum = Upgrade::checkWord(area, 0, int(area.size()));
    check.stored = qFromLittleEndian<quint32>(area.constData() + area.size() - 4);
}

Result failed(Result result, Result::Outcome outcome, const USBLC350 &device)
{
    result.outcome = outcome;
    result.connection = device.lastResult();
    // A read that failed and a reconnect that worked still name the read's cause.
    if (result.connection.ok() && device.lastTransferFailure() != Connection::Outcome::Connected)
        result.connection.outcome = device.lastTransferFailure();
    return result;
}

// "0x08004000..0x0801ffff"-style addresses, as the areas are named everywhere.
QString address(qint64 value)
{
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'));
}

} // namespace

std::optional<DriverInfo::CheckWords> imageWords(const QByteArray &plainImage)
{
    const Upgrade::ImageCheck check = Upgrade::checkImage(plainImage);
    if (!check.sizeOk())
        return std::nullopt;
    return DriverInfo::CheckWords{check.appStored, check.extStored};
}

QString describe(const Identity &identity)
{
    if (!identity.driver && !identity.file)
        return {};
    QString onDriver = identity.driver
                           ? translated(QT_TRANSLATE_NOOP("FirmwareCheck", "The driver holds %1."))
                                 .arg(DriverInfo::describe(*identity.driver))
                           : translated(QT_TRANSLATE_NOOP(
                               "FirmwareCheck", "The driver's check words could not be read."));
    if (!identity.file)
        return onDriver;
    if (identity.equal())
        return translated(QT_TRANSLATE_NOOP(
                              "FirmwareCheck",
                              "The driver holds %1, the same as the file: it has this firmware."))
            .arg(DriverInfo::describe(*identity.driver));
    return onDriver + QLatin1Char(' ')
           + translated(QT_TRANSLATE_NOOP("FirmwareCheck", "The file holds %1."))
                 .arg(DriverInfo::describe(*identity.file));
}

Result verify(USBLC350 &device, const std::optional<QByteArray> &plainImage,
              const PercentSink &percent)
{
    Result result;
    result.withFile = plainImage.has_value();
    if (plainImage) {
        result.fileWords = imageWords(*plainImage);
        if (!result.fileWords) {
            result.outcome = Result::Outcome::BadFile;
            return result;
        }
    }
    if (device.connect() != 0)
        return failed(result, Result::Outcome::NoDriver, device);
    result.serial = Connection::plainSerial(DriverInfo::readSerial(device));
    LC420_TRACE() << "Firmware verify of" << result.serial;

    QByteArray application(Upgrade::AppLength, '\0');
    const int chunk = USBLC350::MemoryReadChunk;
    for (int offset = 0; offset < application.size(); offset += chunk) {
        if (device.ReadMemoryFromAddress(application.data() + offset, ApplicationAddress + offset,
                                         quint32(chunk))
            != 0)
            return failed(result, Result::Outcome::ReadFailed, device);
        if (percent)
            percent(Area::Application, 100 * (offset + chunk) / int(application.size()));
    }

    QByteArray external(Upgrade::ExtLength, '\0');
    QMetaObject::Connection progress;
    if (percent)
        // Direct: the device may belong to another thread than the one reading.
        progress = QObject::connect(
            &device, &USBLC350::sendPercentExtFlashRead, &device,
            [&percent](int value) { percent(Area::External, value); }, Qt::DirectConnection);
    const int read
        = device.ReadExternalFlashFromAddress(external.data(), 0, quint32(external.size()));
    QObject::disconnect(progress);
    if (read != 0)
        return failed(result, Result::Outcome::ReadFailed, device);
    decodeWords(external.data(), qint32(external.size()));

    sumUp(application, result.application);
    sumUp(external, result.external);
    if (plainImage) {
        compare(application, plainImage->mid(Upgrade::AppOffset, Upgrade::AppLength),
                Upgrade::PageSize, ApplicationAddress, result.application);
        compare(external, plainImage->mid(Upgrade::ExtOffset, Upgrade::ExtLength), ExternalUnit, 0,
                result.external);
        result.outcome = result.application.sameAsFile() && result.external.sameAsFile()
                             ? Result::Outcome::Equal
                             : Result::Outcome::Differs;
    } else {
        result.outcome = result.application.addsUp() && result.external.addsUp()
                             ? Result::Outcome::AddsUp
                             : Result::Outcome::DoesNotAddUp;
    }
    return result;
}

Result verifyFile(USBLC350 &device, const QString &fileName, const PercentSink &percent)
{
    const Upgrade::FileContents file = Upgrade::readFile(fileName);
    const QByteArray image = Upgrade::unscrambleImage(file.image);
    if (!file.headerMatches() || !file.versionMatches() || !file.complete
        || !Upgrade::checkImage(image).ok()) {
        Result result;
        result.withFile = true;
        result.fileName = fileName;
        result.outcome = Result::Outcome::BadFile;
        return result;
    }
    Result result = verify(device, image, percent);
    result.fileName = fileName;
    return result;
}

QString describe(const Result &result)
{
    using Outcome = Result::Outcome;
    const auto differences = [](const AreaCheck &area, bool application) {
        if (area.sameAsFile())
            return QString();
        return (application
                    ? translated(
                        QT_TRANSLATE_N_NOOP(
                            "FirmwareCheck",
                            "The application differs from the file in %n page(s), first at "
                            "%1."),
                        area.differingUnits)
                    : translated(QT_TRANSLATE_N_NOOP(
                                     "FirmwareCheck",
                                     "The external flash's firmware block differs from the file in "
                                     "%n chunk(s) of 256 bytes, first at %1."),
                                 area.differingUnits))
            .arg(address(area.firstDifference));
    };
    const auto sums = [](const AreaCheck &area, bool application) {
        if (area.addsUp())
            return QString();
        return (application
                    ? translated(QT_TRANSLATE_NOOP(
                        "FirmwareCheck", "The application does not add up to its check word "
                                         "(%1 stored, %2 summed): the bootloader will not start "
                                         "it."))
                    : translated(QT_TRANSLATE_NOOP(
                        "FirmwareCheck", "The external flash's firmware block does not add up to "
                                         "its check word (%1 stored, %2 summed).")))
            .arg(DriverInfo::checkWordText(area.stored), DriverInfo::checkWordText(area.sum));
    };
    const QString words = DriverInfo::describe({result.application.stored, result.external.stored});
    switch (result.outcome) {
    case Outcome::Equal:
        return translated(QT_TRANSLATE_NOOP("FirmwareCheck",
                                            "The firmware of driver %1 is the same as %2 (%3)."))
            .arg(QString::fromLatin1(result.serial), result.fileName, words);
    case Outcome::Differs: {
        QStringList text{
            translated(QT_TRANSLATE_NOOP("FirmwareCheck",
                                         "The firmware of driver %1 is not the same as %2."))
                .arg(QString::fromLatin1(result.serial), result.fileName)};
        for (const QString &line :
             {differences(result.application, true), differences(result.external, false)}) {
            if (!line.isEmpty())
                text.append(line);
        }
        return text.join(QLatin1Char(' '));
    }
    case Outcome::AddsUp:
        return translated(
                   QT_TRANSLATE_NOOP(
                       "FirmwareCheck",
                       "The firmware of driver %1 is intact: both areas add up to their check "
                       "words (%2)."))
            .arg(QString::fromLatin1(result.serial), words);
    case Outcome::DoesNotAddUp: {
        QStringList text{
            translated(QT_TRANSLATE_NOOP("FirmwareCheck", "The firmware of driver %1 is damaged."))
                .arg(QString::fromLatin1(result.serial))};
        for (const QString &line : {sums(result.application, true), sums(result.external, false)}) {
            if (!line.isEmpty())
                text.append(line);
        }
        return text.join(QLatin1Char(' '));
    }
    case Outcome::BadFile:
        return translated(QT_TRANSLATE_NOOP(
                              "FirmwareCheck",
                              "%1 is no usable upgrade file; nothing was read from the driver."))
            .arg(result.fileName);
    case Outcome::NoDriver:
        return Connection::describe(result.connection);
    case Outcome::ReadFailed:
        return translated(QT_TRANSLATE_NOOP("FirmwareCheck",
                                            "Reading the firmware back from the driver failed: %1"))
            .arg(Connection::describe(result.connection));
    }
    return {};
}

} // namespace FirmwareCheck
