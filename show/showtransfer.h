#pragma once

#include "show/scenerecord.h"

#include <QByteArray>
#include <QString>

#include <functional>

class USBLC350;

// The show tables between memory and the driver's external flash. Each table
// is stored as one block scrambled from key index 0 at its first word, right
// after the firmware's block. Every transfer holds the driver's status lock
// (bit 0): taken before, and released after it whatever the outcome.
namespace Show {

inline constexpr quint32 ProgramTableAddress = 0x14000;
inline constexpr quint32 SceneTableAddress = 0x15E00;

[[nodiscard]] constexpr quint32 flashAddress(Kind kind)
{
    return kind == Kind::Programs ? ProgramTableAddress : SceneTableAddress;
}

struct TransferResult
{
    enum class Error {
        None,
        Handshake, // the status bit could not be set: nothing else was sent
        Read,
        Write,
    };
    Error error = Error::None;
    // The status bit was cleared after the transfer (false after a failed
    // handshake, when no release is sent).
    bool released = false;

    [[nodiscard]] bool ok() const { return error == Error::None && released; }
};

enum class Direction { Read, Write };

// The outcome of a Get (Read) or a Set (Write) in one translated sentence:
// what happened, what was kept and what to do next. The serial names the
// driver in a success; without one it says "the driver".
[[nodiscard]] QString describe(const TransferResult &result, Kind kind, Direction direction,
                               const QByteArray &serial = {});

// Reads the table from the driver. table is replaced only when the whole
// block was read; it keeps its contents on any failure.
[[nodiscard]] TransferResult readTable(USBLC350 &device, Kind kind, QByteArray &table);

// Writes the table (tableSize(kind) bytes) to the driver. afterHandshake runs
// once the status bit is held and before table is read, so a caller can bring
// the table up to date under the lock; it does not run when the handshake
// fails.
[[nodiscard]] TransferResult writeTable(USBLC350 &device, Kind kind, const QByteArray &table,
                                        const std::function<void()> &afterHandshake = {});

} // namespace Show
