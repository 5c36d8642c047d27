#pragma once

#include "usb/drivermap.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <optional>

class USBLC350;

// The service console's commands on the driver, shared by the window's service
// buttons and lc420-cli. Dialogs and output stay with the callers; what a
// result says to the user is worded here once (describe), for both.
namespace Service {

// The page the fill-pattern command writes, and the test block of request 2.
constexpr quint32 PageAddress = 0x08005000;
constexpr int PageSize = Driver::PageSize;
constexpr int TestBlockSize = Driver::TestBlockSize;
// The value StatusSet and StatusClr send: bit 0.
constexpr quint32 StatusBit = Driver::StatusBit;
// Largest length the read and write commands take (the whole external flash).
constexpr int MaxLength = Driver::ExternalFlashSize;

// A 32-bit hexadecimal number with or without a leading "0x" or "0X";
// nothing when the text is no such number (empty, other characters, too big).
[[nodiscard]] std::optional<quint32> parseHex(const QString &text);

// The status word as 32 binary digits, most significant first.
[[nodiscard]] QString binary32(quint32 value);

// The test block of request 2: byte i is i mod 256.
[[nodiscard]] QByteArray testBlock();
// Sends the test block; true when all of it went out.
[[nodiscard]] bool sendTestBlock(USBLC350 &device);

// Writes a page filled with pattern to PageAddress (the driver's bootloader
// writes pages; the application refuses them).
[[nodiscard]] bool writePage(USBLC350 &device, quint8 pattern);

// Controller memory, plain; nothing when a transfer failed or came back short.
[[nodiscard]] std::optional<QByteArray> readMemory(USBLC350 &device, quint32 address,
                                                   quint32 length);

// External flash, decoded as one buffer (key index 0 at its first byte);
// nothing when the transfer failed.
[[nodiscard]] std::optional<QByteArray> readExternal(USBLC350 &device, quint32 address,
                                                     quint32 length);

// length bytes of value, encoded as one buffer: what WriteExternalFlash sends.
[[nodiscard]] QByteArray encodedFill(quint8 value, int length);

// Writes bytes exactly as given; true on success.
[[nodiscard]] bool writeExternal(USBLC350 &device, quint32 address, const QByteArray &bytes);

// A raw image written to the start of the external flash and read back.
enum class ImageResult {
    Written,     // stored and read back equal
    TooLarge,    // larger than the external flash: nothing sent
    BadLength,   // empty, or not a multiple of 4: nothing sent
    WriteFailed, // WriteExternalFlashToAddress failed
    ReadFailed,  // ReadExternalFlashFromAddress failed
    Mismatch,    // read back different from the image
};
constexpr int ExternalFlashSize = MaxLength;
[[nodiscard]] ImageResult writeExternalImage(USBLC350 &device, const QByteArray &image);
// plain written to the external flash at address, encoded as one buffer, and
// read back: Written, WriteFailed, ReadFailed or Mismatch.
[[nodiscard]] ImageResult writeExternalChecked(USBLC350 &device, quint32 address,
                                               const QByteArray &plain);
// The translated sentence of a result.
[[nodiscard]] QString describe(ImageResult result);
// What a write that was read back equal did: how many bytes, where.
[[nodiscard]] QString describeWritten(int bytes, quint32 address);
// What the fill-pattern command did when the driver took the page.
[[nodiscard]] QString describePageWritten(quint8 pattern);

// The commands above that failed, and the connect before them.
enum class Failure {
    Connect,
    TestBlock,
    PageWrite,
    ReadMemory,
    ReadExternal,
    WriteExternal,
    StatusGet,
    StatusSet,
    StatusClear,
};
// The translated sentence of a failure.
[[nodiscard]] QString describe(Failure failure);

} // namespace Service
