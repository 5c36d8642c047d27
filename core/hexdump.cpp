#include "core/hexdump.h"

#include <QString>

namespace {

constexpr int RowLength = 16;

char printable(unsigned char byte)
{
    return (byte >= 0x20 && byte <= 0x7F) ? static_cast<char>(byte) : '.';
}

void appendRow(QByteArray &out, const unsigned char *row, int offset, int count)
{
    static const char digits[] = "0123456789abcdef";
    out += QString::asprintf("\n0x%04x:", offset).toLatin1();
    for (int i = 0; i < count; ++i) {
        const char hex[] = {' ', digits[row[i] >> 4], digits[row[i] & 0x0F]};
        out.append(hex, sizeof hex);
    }
    const int missing = RowLength - count;
    out.append(qsizetype(3) * missing, ' ');
    out += " < ";
    for (int i = 0; i < count; ++i)
        out += printable(row[i]);
    out.append(missing, ' ');
    out += " >";
}

} // namespace

QByteArray hexDump(const void *data, int length)
{
    const auto *bytes = static_cast<const unsigned char *>(data);
    // The address is the buffer's own, as a developer sees it in a debugger.
    QByteArray out
        = QString::asprintf("\n src address: 0x%08llx",
                            static_cast<unsigned long long>(reinterpret_cast<quintptr>(data)))
              .toLatin1();
    if (length <= 0)
        return out;
    out.reserve(out.size() + (qsizetype(length) / RowLength + 1) * 80);
    for (int offset = 0; offset < length; offset += RowLength)
        appendRow(out, bytes + offset, offset, qMin(RowLength, length - offset));
    return out;
}
