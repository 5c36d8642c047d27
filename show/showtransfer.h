#pragma once

#include "show/scenerecord.h"
#include "show/showcompare.h"
#include "usb/connection.h"
#include "usb/drivermap.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class USBLC350;

// The show tables between memory and the driver's external flash. Each table
// is stored as one block scrambled from key index 0 at its first word, right
// after the firmware's block. Every transfer holds the driver's status lock
// (bit 0): taken before, and released after it whatever the outcome.
//
// Neither direction trusts a single transfer: a Set reads the table back and
// compares, a Get reads until two reads agree, both under the same lock and
// after the handshake and first transfer, so the release stays the last
// request of every transfer.
namespace Show {

// A Get reads the table at most this often looking for two consecutive reads
// that agree.
inline constexpr int MaxGetReads = 4;
// A Set writes the table at most this often before calling its read-back a
// mismatch.
inline constexpr int MaxSetWrites = 2;

inline constexpr quint32 ProgramTableAddress = Driver::ProgramTableAddress;
inline constexpr quint32 SceneTableAddress = Driver::SceneTableAddress;

[[nodiscard]] constexpr quint32 flashAddress(Kind kind)
{
    return kind == Kind::Programs ? ProgramTableAddress : SceneTableAddress;
}

struct TransferResult
{
    enum class Error {
        None,
        Handshake, // the status bit could not be set: nothing else was sent
        // A read of the table failed; for a Set, reading it back after a
        // complete write.
        Read,
        Write, // a write of the table failed
        // Set: the table read back after the last of MaxSetWrites writes still
        // differs from the table sent, so the driver holds something else
        // (differences says where and how).
        Verify,
        // Get: no two consecutive of MaxGetReads reads agreed, so the driver's
        // answers cannot be trusted and nothing was taken.
        Unstable,
    };
    Error error = Error::None;
    // The status bit was cleared after the transfer (false after a failed
    // handshake, when no release is sent).
    bool released = false;
    // How the transfer that ended it failed: TimedOut (the driver stopped
    // answering), Unplugged (it left the bus, or came back as another one)
    // or Refused; Connected when none failed. After a failed release one
    // more connect to the same driver tells a driver that left from one that
    // is there but silent.
    Connection::Outcome cause = Connection::Outcome::Connected;
    // Status bit 0 as the driver last told it: clear after a release, read
    // back after a failed one where the driver still answers; nothing when
    // it could not be asked.
    std::optional<bool> locked;
    // The serial of the driver the transfer was fixed to; empty when none
    // was reached.
    QByteArray serial;
    // Verify: the last read-back against the table sent, sent values first.
    QList<RecordDifference> differences;

    // Done, and the driver's lock is known to be clear.
    [[nodiscard]] bool ok() const { return error == Error::None && locked.has_value() && !*locked; }
    [[nodiscard]] bool disconnected() const { return cause == Connection::Outcome::Unplugged; }
    // The driver's status bit 0 may still be set: nothing released it. The
    // bit keeps the driver's show stopped, even across a power cut, until a
    // status clear releases it.
    [[nodiscard]] bool mayLeaveLocked() const { return locked.value_or(true); }
};

enum class Direction { Read, Write };

// The outcome of a Get (Read) or a Set (Write) in neutral translated words
// that any front end can show: what happened, what the driver holds, why it
// failed, and whether its status bit 0 is (or may still be) set. It names no
// button and no command: a front end adds its own next step (mayLeaveLocked()
// says when a release is one). The serial names the driver in a success;
// without one it says "the driver".
[[nodiscard]] QString describe(const TransferResult &result, Kind kind, Direction direction,
                               const QByteArray &serial = {});

// Reads the table from the driver, twice or more until two consecutive reads
// agree (at most MaxGetReads). table is replaced only by a table read whole
// and confirmed that way (error None; the release may still have failed); it
// keeps its contents on any other outcome.
[[nodiscard]] TransferResult readTable(USBLC350 &device, Kind kind, QByteArray &table);

// Writes the table (tableSize(kind) bytes) to the driver and reads it back;
// on a mismatch it writes and reads back once more (MaxSetWrites), then fails
// with Verify. afterHandshake runs
// once the status bit is held and before table is read, so a caller can bring
// the table up to date under the lock; it does not run when the handshake
// fails.
[[nodiscard]] TransferResult writeTable(USBLC350 &device, Kind kind, const QByteArray &table,
                                        const std::function<void()> &afterHandshake = {});

} // namespace Show
