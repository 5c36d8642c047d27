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

// The release is the last request of a transfer. When even that failed, one
// more connect, to the same driver only, tells a driver that went away from
// one that is still there: the failed transfer closed the device, so the
// connect looks at the bus anew. A driver that answers is asked for its
// status bit, so what is said about the lock is what the driver holds.
void release(USBLC350 &device, TransferResult &result)
{
    if (result.error != Error::None)
        result.cause = device.lastTransferFailure();
    result.released = device.StatusRelease() == 0;
    if (result.released) {
        result.locked = false;
        return;
    }
    if (result.cause == Connection::Outcome::Connected)
        result.cause = device.lastTransferFailure();
    if (device.connect() != 0) {
        const Connection::Outcome now = device.lastResult().outcome;
        if (now != Connection::Outcome::TimedOut)
            result.cause = Connection::Outcome::Unplugged;
        else if (result.cause != Connection::Outcome::Unplugged)
            result.cause = now;
        return;
    }
    if (quint32 status = 0; device.StatusGet(status) == 0)
        result.locked = (status & 1) != 0;
}

// The handshake, on the driver the command is fixed to from here on.
TransferResult handshake(USBLC350 &device)
{
    TransferResult result;
    if (device.StatusSetAndWait() != 0) {
        result.error = Error::Handshake;
        result.cause = device.lastResult().outcome;
    }
    result.serial = device.commandSerial();
    return result;
}

} // namespace

// Every transfer stays on the driver it started on: a reconnect after a
// failed chunk never opens another driver that arrived meanwhile.
TransferResult readTable(USBLC350 &device, Kind kind, QByteArray &table)
{
    const UsbDevice::Command command(device);
    TransferResult result = handshake(device);
    if (result.error == Error::Handshake)
        return result;
    result.error = readConfirmed(device, kind, table);
    release(device, result);
    return result;
}

TransferResult writeTable(USBLC350 &device, Kind kind, const QByteArray &table,
                          const std::function<void()> &afterHandshake)
{
    const UsbDevice::Command command(device);
    TransferResult result = handshake(device);
    if (result.error == Error::Handshake)
        return result;
    if (afterHandshake)
        afterHandshake();
    // A table of the wrong size is refused rather than sent short or read
    // past its end; the lock is still released.
    if (table.size() != tableSize(kind))
        result.error = Error::Write;
    else
        result.error = writeVerified(device, kind, table, result.differences);
    release(device, result);
    return result;
}

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Show", text);
}

QString pick(Kind kind, const char *programs, const char *scenes)
{
    return tr(kind == Kind::Programs ? programs : scenes);
}

// What happened to the tables, before anything about the lock.
QString failure(const TransferResult &result, Kind kind, Direction direction)
{
    using Error = TransferResult::Error;
    const bool reading = direction == Direction::Read;
    if (result.disconnected() && result.error != Error::None) {
        return reading ? pick(kind,
                              QT_TRANSLATE_NOOP("Show", "The driver was disconnected during the "
                                                        "transfer, so no programs were taken."),
                              QT_TRANSLATE_NOOP("Show", "The driver was disconnected during the "
                                                        "transfer, so no scenes were taken."))
                       : pick(kind,
                              QT_TRANSLATE_NOOP("Show", "The driver was disconnected during the "
                                                        "transfer; it may hold the programs only "
                                                        "in part."),
                              QT_TRANSLATE_NOOP("Show", "The driver was disconnected during the "
                                                        "transfer; it may hold the scenes only in "
                                                        "part."));
    }
    switch (result.error) {
    case Error::None:
        break;
    case Error::Handshake:
        return tr("The driver did not answer, so nothing was transferred.");
    case Error::Read:
        if (!reading)
            return pick(kind,
                        QT_TRANSLATE_NOOP("Show", "The programs were written, but reading them "
                                                  "back from the driver failed, so it may hold "
                                                  "them only in part."),
                        QT_TRANSLATE_NOOP("Show", "The scenes were written, but reading them back "
                                                  "from the driver failed, so it may hold them "
                                                  "only in part."));
        return pick(kind,
                    QT_TRANSLATE_NOOP("Show", "Reading the programs from the driver failed, so "
                                              "none were taken."),
                    QT_TRANSLATE_NOOP("Show", "Reading the scenes from the driver failed, so none "
                                              "were taken."));
    case Error::Write:
        return pick(kind,
                    QT_TRANSLATE_NOOP("Show", "Writing the programs to the driver failed; it may "
                                              "hold them only in part."),
                    QT_TRANSLATE_NOOP("Show", "Writing the scenes to the driver failed; it may "
                                              "hold them only in part."));
    case Error::Verify:
        return pick(kind,
                    QT_TRANSLATE_NOOP("Show", "The driver holds other programs than were written "
                                              "to it, even after a second write (first at %1)."),
                    QT_TRANSLATE_NOOP("Show", "The driver holds other scenes than were written to "
                                              "it, even after a second write (first at %1)."))
            .arg(result.differences.isEmpty()
                     ? QStringLiteral("?")
                     : recordPosition(kind, result.differences.first().record));
    case Error::Unstable:
        return tr("The driver answered the same read differently each time, so nothing was "
                  "taken.");
    }
    if (reading)
        return pick(kind, QT_TRANSLATE_NOOP("Show", "The programs were read."),
                    QT_TRANSLATE_NOOP("Show", "The scenes were read."));
    return pick(kind, QT_TRANSLATE_NOOP("Show", "The programs were written."),
                QT_TRANSLATE_NOOP("Show", "The scenes were written."));
}

} // namespace

QString describe(const TransferResult &result, Kind kind, Direction direction,
                 const QByteArray &serial)
{
    if (!result.ok()) {
        using Error = TransferResult::Error;
        QStringList sentences{failure(result, kind, direction)};
        // Why it failed, where the sentence before did not say it already.
        if (result.error != Error::None && result.error != Error::Handshake
            && result.cause != Connection::Outcome::Connected && !result.disconnected())
            sentences << Connection::describe({result.cause, result.serial, {}, {}, 0});
        if (result.error == Error::Handshake)
            sentences << tr("Its status bit 0 may have been left set.");
        else if (result.disconnected() && result.error == Error::None)
            sentences << tr("Then the driver was disconnected before it could be "
                            "unlocked: its status bit 0 may still be set.");
        else if (result.error == Error::None && result.locked.value_or(false))
            sentences << tr("The driver could not be unlocked afterwards: its status bit 0 is "
                            "still set.");
        else if (result.error == Error::None)
            sentences << tr("The driver could not be unlocked afterwards: its "
                            "status bit 0 may still be set.");
        else if (!result.locked)
            sentences << tr("Its status bit 0 may still be set.");
        else if (*result.locked)
            sentences << tr("Its status bit 0 is still set.");
        else
            sentences << tr("Its status bit 0 was cleared again.");
        return sentences.join(QLatin1Char(' '));
    }
    const bool programs = kind == Kind::Programs;
    const bool reading = direction == Direction::Read;
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
