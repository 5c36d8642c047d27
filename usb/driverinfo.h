#pragma once

#include <QByteArray>

// What the driver tells about itself: its mode, read from the USB serial-number
// string, and the bootloader's two version texts near the top of its area.
namespace DriverInfo {

// The application reports the nine-digit serial, the bootloader the same
// serial followed by "b".
enum class Mode { Application, Bootloader, Unknown };

[[nodiscard]] Mode modeFromSerial(const QByteArray &serial);

constexpr quint32 VersionTextsAddress = 0x08003FD0;
constexpr int VersionTextsLength = 32;
constexpr int SecondVersionTextOffset = 16;

// The text at offset in data, up to its first zero byte and never past the end.
[[nodiscard]] QByteArray textAt(const QByteArray &data, int offset);

// The serial string up to its first zero byte.
[[nodiscard]] QByteArray printableSerial(const QByteArray &serial);

} // namespace DriverInfo
