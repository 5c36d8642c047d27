#include "show/showtransfer.h"

#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QCoreApplication>

namespace Show {

TransferResult readTable(USBLC350 &device, Kind kind, QByteArray &table)
{
    TransferResult result;
    if (device.StatusSetAndWait() != 0) {
        result.error = TransferResult::Error::Handshake;
        return result;
    }
    const int length = tableSize(kind);
    QByteArray buffer(length, '\0');
    if (device.ReadExternalFlashFromAddress(buffer.data(), flashAddress(kind), quint32(length))
        == 0) {
        decodeWords(buffer.data(), length);
        table = buffer;
    } else {
        result.error = TransferResult::Error::Read;
    }
    result.released = device.StatusRelease() == 0;
    return result;
}

TransferResult writeTable(USBLC350 &device, Kind kind, const QByteArray &table,
                          const std::function<void()> &afterHandshake)
{
    TransferResult result;
    if (device.StatusSetAndWait() != 0) {
        result.error = TransferResult::Error::Handshake;
        return result;
    }
    if (afterHandshake)
        afterHandshake();
    const int length = tableSize(kind);
    // A table of the wrong size is refused rather than sent short or read
    // past its end; the lock is still released.
    if (table.size() != length) {
        result.error = TransferResult::Error::Write;
    } else {
        QByteArray buffer = table;
        encodeWords(buffer.data(), length);
        if (device.WriteExternalFlashToAddress(buffer.constData(), flashAddress(kind),
                                               quint32(length))
            != 0)
            result.error = TransferResult::Error::Write;
    }
    result.released = device.StatusRelease() == 0;
    return result;
}

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Show", text);
}

} // namespace

QString describe(const TransferResult &result, Kind kind, Direction direction,
                 const QByteArray &serial)
{
    const bool programs = kind == Kind::Programs;
    const bool reading = direction == Direction::Read;
    using Error = TransferResult::Error;
    switch (result.error) {
    case Error::Handshake:
        return tr("The driver did not answer, so nothing was transferred. Check the USB cable "
                  "and try again.");
    case Error::Read:
        return programs ? tr("Reading the programs from the driver failed. The editor still shows "
                             "what it showed before.")
                        : tr("Reading the scenes from the driver failed. The editor still shows "
                             "what it showed before.");
    case Error::Write:
        return programs ? tr("Writing the programs to the driver failed. The editor keeps them; "
                             "press Set again.")
                        : tr("Writing the scenes to the driver failed. The editor keeps them; "
                             "press Set again.");
    case Error::None:
        break;
    }
    if (!result.released) {
        if (reading)
            return programs ? tr("The programs were read, but the driver could not be unlocked "
                                 "afterwards. Unplug it and plug it in again.")
                            : tr("The scenes were read, but the driver could not be unlocked "
                                 "afterwards. Unplug it and plug it in again.");
        return programs ? tr("The programs were written, but the driver could not be unlocked "
                             "afterwards. Unplug it and plug it in again.")
                        : tr("The scenes were written, but the driver could not be unlocked "
                             "afterwards. Unplug it and plug it in again.");
    }
    const QString driver = QString::fromLatin1(serial);
    if (driver.isEmpty()) {
        if (reading)
            return programs ? tr("Read 8 programs from the driver.")
                            : tr("Read 8 scenes from the driver.");
        return programs ? tr("Wrote 8 programs to the driver.")
                        : tr("Wrote 8 scenes to the driver.");
    }
    if (reading)
        return (programs ? tr("Read 8 programs from driver %1.")
                         : tr("Read 8 scenes from driver %1."))
            .arg(driver);
    return (programs ? tr("Wrote 8 programs to driver %1.") : tr("Wrote 8 scenes to driver %1."))
        .arg(driver);
}

} // namespace Show
