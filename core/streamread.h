#pragma once

#include <QtGlobal>

#include <optional>

class QDataStream;
class QIODevice;
class QString;

// Reading the length-prefixed items of a Qt 4.8 QDataStream from a file that
// may lie. QDataStream itself follows a text's length field as far as the
// file reaches, so a 2 GB file that claims a 2 GB header costs gigabytes
// before its header can be refused; here every length is checked first.
namespace StreamRead {

// Far above any header or version text the program writes.
inline constexpr quint32 MaxTextBytes = 1024;
// The length field of a null QString or QByteArray.
inline constexpr quint32 NullLength = 0xFFFFFFFF;

// The next four bytes as a big-endian length, without consuming them; none
// when the device ends first.
[[nodiscard]] std::optional<quint32> peekLength(QIODevice &device);

enum class TextResult {
    Ok,
    NoLength,    // the device ended before the length field
    WrongLength, // odd, or above the cap: nothing was read
    CutShort,    // the device ended inside the text
};

// Reads one QString whose length field is at most maxBytes (or null). On any
// result but Ok, `text` is unchanged; `claimed` is the length field as found.
[[nodiscard]] TextResult readText(QDataStream &stream, QString &text, quint32 &claimed,
                                  quint32 maxBytes = MaxTextBytes);

} // namespace StreamRead
