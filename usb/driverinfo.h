#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class USBLC350;

// What the driver tells about itself: its mode, read from the USB serial-number
// string, and the bootloader's two version texts near the top of its area.
namespace DriverInfo {

// The application reports the nine-digit serial, the bootloader the same
// serial followed by "b".
enum class Mode { Application, Bootloader, Unknown };

[[nodiscard]] Mode modeFromSerial(const QByteArray &serial);
// The mode in the user's words: "application", "bootloader" or "unknown".
[[nodiscard]] QString describe(Mode mode);
// What a driver in that mode does, to follow "Driver 261107001": "runs its
// application", "waits in its bootloader", "answers in an unknown mode".
[[nodiscard]] QString describeState(Mode mode);

// The driver's serial-number string up to its first zero byte; empty when the
// device is closed.
[[nodiscard]] QByteArray readSerial(USBLC350 &device);

// The two version texts the bootloader keeps at 0x08003FD0 and 0x08003FE0,
// each up to its first zero byte; nothing when the memory read fails.
struct BootloaderVersions
{
    QByteArray first;
    QByteArray second;
};
[[nodiscard]] std::optional<BootloaderVersions> readBootloaderVersions(USBLC350 &device);

// The text at offset in data, up to its first zero byte and never past the end.
[[nodiscard]] QByteArray textAt(const QByteArray &data, int offset);

} // namespace DriverInfo
