#include "show/showtransfer.h"

#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QCoreApplication>

namespace Show {

namespace {

using Error = TransferResult::Error;

// One read of the whole table, unscrambled; false when the read failed.
bool readOnce(USBLC350 &device, Kind kind, QByteArray &table)
{
    const int length = tableSize(kind);
    table = QByteArray(length, '\0');
    if (device.ReadExternalFlashFromAddress(table.data(), flashAddress(kind), quint32(length)) != 0)
        return false;
    decodeWords(table.data(), length);
    return true;
}

// One write of the whole table, scrambled in a copy; false when it failed.
bool writeOnce(USBLC350 &device, Kind kind, const QByteArray &table)
{
    QByteArray buffer = table;
    encodeWords(buffer.data(), int(buffer.size()));
    return device.WriteExternalFlashToAddress(buffer.constData(), flashAddress(kind),
                                              quint32(buffer.size()))
           == 0;
}

// A single read can bring back a byte the driver does not hold, so a table is
// taken only when two reads in a row agree.
Error readConfirmed(USBLC350 &device, Kind kind, QByteArray &table)
{
    QByteArray previous;
    for (int read = 1; read <= MaxGetReads; ++read) {
        QByteArray current;
        if (!readOnce(device, kind, current))
            return Error::Read;
        if (read > 1 && current == previous) {
            table = current;
            return Error::None;
        }
        previous = std::move(current);
    }
    return Error::Unstable;
}

// A write that every chunk acknowledged can still have stored a wrong byte:
// what counts is what the driver gives back.
Error writeVerified(USBLC350 &device, Kind kind, const QByteArray &table,
                    QList<RecordDifference> &differences)
{
    for (int write = 1; write <= MaxSetWrites; ++write) {
        differences.clear();
        if (!writeOnce(device, kind, table))
            return Error::Write;
        QByteArray back;
        if (!readOnce(device, kind, back))
            return Error::Read;
        differences = compareTables(kind, table, back);
        if (differences.isEmpty())
            return Error::None;
    }
    return Error::Verify;
}

} // namespace

TransferResult readTable(USBLC350 &device, Kind kind, QByteArray &table)
{
    TransferResult result;
    if (device.StatusSetAndWait() != 0) {
        result.error = Error::Handshake;
        return result;
    }
    result.error = readConfirmed(device, kind, table);
    result.released = device.StatusRelease() == 0;
    return result;
}

TransferResult writeTable(USBLC350 &device, Kind kind, const QByteArray &table,
                          const std::function<void()> &afterHandshake)
{
    TransferResult result;
    if (device.StatusSetAndWait() != 0) {
        result.error = Error::Handshake;
        return result;
    }
    if (afterHandshake)
        afterHandshake();
    // A table of the wrong size is refused rather than sent short or read
    // past its end; the lock is still released.
    if (table.size() != tableSize(kind))
        result.error = Error::Write;
    else
        result.error = writeVerified(device, kind, table, result.differences);
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
        if (!reading)
            return programs ? tr("The programs were written, but reading them back from the "
                                 "driver failed. The editor keeps them; press Set again.")
                            : tr("The scenes were written, but reading them back from the driver "
                                 "failed. The editor keeps them; press Set again.");
        return programs ? tr("Reading the programs from the driver failed. The editor still shows "
                             "what it showed before.")
                        : tr("Reading the scenes from the driver failed. The editor still shows "
                             "what it showed before.");
    case Error::Verify:
        return programs ? tr("The driver holds other programs than were written to it. The editor "
                             "keeps them; press Set again, and if this repeats, have the driver "
                             "checked.")
                        : tr("The driver holds other scenes than were written to it. The editor "
                             "keeps them; press Set again, and if this repeats, have the driver "
                             "checked.");
    case Error::Unstable:
        return tr("The driver answered the same read differently each time, so nothing was "
                  "taken. The editor still shows what it showed before; check the USB cable and "
                  "try again.");
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
