#include "core/hexdump.h"

#include <QString>

#include <array>
#include <cstring>

namespace {

constexpr int RowLength = 16;
// The longest row: "\n0x", up to eight offset digits, ":", 16 x " hh", " < ",
// 16 characters, " >".
constexpr qsizetype MaxRowText = 3 + 8 + 1 + 3 * RowLength + 3 + RowLength + 2;

constexpr char Digits[] = "0123456789abcdef";

// Per byte value: its two hex digits, and how it shows in the character
// column (0x20..0x7F as itself, everything else as ".").
struct ByteText
{
    std::array<std::array<char, 2>, 256> hex{};
    std::array<char, 256> character{};
};

constexpr ByteText makeByteText()
{
    ByteText text;
    for (int byte = 0; byte < 256; ++byte) {
        text.hex[byte] = {Digits[byte >> 4], Digits[byte & 0x0F]};
        text.character[byte] = (byte >= 0x20 && byte <= 0x7F) ? char(byte) : '.';
    }
    return text;
}

constexpr ByteText byteText = makeByteText();

// "\n0x%04x:" without a format parser in the loop.
char *putOffset(char *at, quint32 offset)
{
    int digits = 4;
    while (digits < 8 && (offset >> (4 * digits)) != 0)
        ++digits;
    *at++ = '\n';
    *at++ = '0';
    *at++ = 'x';
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        *at++ = Digits[(offset >> shift) & 0x0F];
    *at++ = ':';
    return at;
}

// One row of count (1..16) bytes; a short row is padded so that its columns
// line up with the full rows.
char *putRow(char *at, const unsigned char *row, quint32 offset, int count)
{
    at = putOffset(at, offset);
    for (int i = 0; i < count; ++i) {
        *at++ = ' ';
        *at++ = byteText.hex[row[i]][0];
        *at++ = byteText.hex[row[i]][1];
    }
    const int missing = RowLength - count;
    const std::size_t padding = std::size_t(3) * std::size_t(missing);
    std::memset(at, ' ', padding);
    at += padding;
    *at++ = ' ';
    *at++ = '<';
    *at++ = ' ';
    for (int i = 0; i < count; ++i)
        *at++ = byteText.character[row[i]];
    std::memset(at, ' ', size_t(missing));
    at += missing;
    *at++ = ' ';
    *at++ = '>';
    return at;
}

} // namespace

namespace {

// The rows after prefix, in one buffer sized for the longest rows and cut to
// what was written.
QByteArray rowsAfter(const QByteArray &prefix, const void *data, int length, quint32 first = 0)
{
    if (length <= 0)
        return prefix;
    const auto *bytes = static_cast<const unsigned char *>(data);
    const qsizetype rows = (qsizetype(length) + RowLength - 1) / RowLength;
    QByteArray out(prefix.size() + rows * MaxRowText, Qt::Uninitialized);
    std::memcpy(out.data(), prefix.constData(), size_t(prefix.size()));
    char *at = out.data() + prefix.size();
    for (qsizetype offset = 0; offset < length; offset += RowLength)
        at = putRow(at, bytes + offset, first + quint32(offset),
                    int(qMin<qsizetype>(RowLength, length - offset)));
    out.truncate(at - out.constData());
    return out;
}

} // namespace

QByteArray hexDump(const void *data, int length)
{
    // The address is the buffer's own, as a developer sees it in a debugger.
    const QByteArray header
        = QString::asprintf("\n src address: 0x%08llx",
                            static_cast<unsigned long long>(reinterpret_cast<quintptr>(data)))
              .toLatin1();
    return rowsAfter(header, data, length);
}

QByteArray hexDumpAt(const void *data, int length, quint32 address)
{
    const QByteArray header = QString::asprintf("\n src address: 0x%08x", address).toLatin1();
    return rowsAfter(header, data, length, address);
}

QByteArray hexDumpRows(const void *data, int length, quint32 address)
{
    QByteArray rows = rowsAfter({}, data, length, address);
    return rows.isEmpty() ? rows : rows.mid(1);
}
