#pragma once

#include "usb/drivermap.h"

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

// The two check words a driver holds, which together name the firmware it
// has: the application's last word (0x0801FFFC) and the last word of the
// external flash's firmware block (0x13FFC), plain. An upgrade writes both
// from its file, so they equal the file's after an upgrade that took.
struct CheckWords
{
    quint32 application = 0;
    quint32 external = 0;

    [[nodiscard]] bool operator==(const CheckWords &other) const
    {
        return application == other.application && external == other.external;
    }
    [[nodiscard]] bool operator!=(const CheckWords &other) const { return !(*this == other); }
};

// The external word is read with the 128 bytes that end the block: the block
// is stored scrambled from key index 0 at its first word, and 128 bytes are
// one round of the key, so these bytes unscramble from key index 0 too.
inline constexpr quint32 ExternalCheckTailAddress = Driver::ExternalFirmwareSize - 128;
inline constexpr int ExternalCheckTailLength = 128;

// The plain check word in the stored tail of the external block (its last
// ExternalCheckTailLength bytes as read); 0 for a tail of another length.
[[nodiscard]] quint32 externalCheckWord(const QByteArray &storedTail);

// Reads both words (two short transfers); nothing when either read fails
// (the device's lastResult() says why).
[[nodiscard]] std::optional<CheckWords> readCheckWords(USBLC350 &device);

// "0x1a2b3c4d", as every front end prints a check word.
[[nodiscard]] QString checkWordText(quint32 word);

// "application 0x1a2b3c4d, external flash 0x5e6f7a8b". Translated.
[[nodiscard]] QString describe(const CheckWords &words);

// The text at offset in data, up to its first zero byte and never past the end.
[[nodiscard]] QByteArray textAt(const QByteArray &data, int offset);

} // namespace DriverInfo
