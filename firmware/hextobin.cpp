#include "firmware/hextobin.h"

#include <QByteArray>
#include <QFile>

#include <array>

namespace {

// The longest record the format allows (255 data bytes) is 521 characters
// before its line end; a limit well above that keeps a corrupt file without
// line ends from being read into memory whole.
constexpr qint64 MaxLineLength = 1024;

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Parses `digits` hex digits at `pos`; false when the line ends first or a
// character is not a hex digit.
bool parseHex(const QByteArray &line, qsizetype pos, int digits, quint32 &value)
{
    if (pos + digits > line.size())
        return false;
    quint32 result = 0;
    for (int i = 0; i < digits; ++i) {
        const int digit = hexDigit(line.at(pos + i));
        if (digit < 0)
            return false;
        result = (result << 4) | quint32(digit);
    }
    value = result;
    return true;
}

// One line, line end included. Characters beyond MaxLineLength belong to no
// record (the checksum has been passed long before), so they are skipped up to
// the line end instead of being taken for the next line.
QByteArray readLine(QFile &file)
{
    QByteArray line = file.readLine(MaxLineLength);
    if (!line.isEmpty() && !line.endsWith('\n')) {
        while (!file.atEnd()) {
            const QByteArray rest = file.readLine(MaxLineLength);
            if (rest.isEmpty() || rest.endsWith('\n'))
                break;
        }
    }
    return line;
}

} // namespace

int HexToBin(const QString &fileName, void *buffer, quint32 lo, quint32 hi)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Hex::CannotOpen;

    auto *out = static_cast<uchar *>(buffer);
    quint32 upper = 0;
    std::array<uchar, 255> data{};

    for (;;) {
        const QByteArray line = readLine(file);
        if (line.isEmpty())
            return Hex::Ok;
        if (line.size() < 11)
            return Hex::ShortLine;
        if (line.at(0) != ':')
            return Hex::NoColon;

        quint32 count = 0;
        quint32 address = 0;
        quint32 type = 0;
        if (!parseHex(line, 1, 2, count))
            return Hex::BadCount;
        if (!parseHex(line, 3, 4, address))
            return Hex::BadAddress;
        if (!parseHex(line, 7, 2, type))
            return Hex::BadType;
        if (type != 0x00 && type != 0x01 && type != 0x04 && type != 0x05)
            return Hex::BadRecord;

        quint32 extended = 0;
        if (type == 0x04 && !parseHex(line, 9, 4, extended))
            return Hex::BadRecord;

        quint32 sum = count + (address >> 8) + (address & 0xFF) + type;
        for (quint32 i = 0; i < count; ++i) {
            quint32 byte = 0;
            if (!parseHex(line, 9 + 2 * qsizetype(i), 2, byte))
                return Hex::BadData;
            data[i] = uchar(byte);
            sum += byte;
        }
        quint32 checksum = 0;
        if (!parseHex(line, 9 + 2 * qsizetype(count), 2, checksum))
            return Hex::BadData;
        if (((sum + checksum) & 0xFF) != 0)
            return Hex::BadChecksum;

        switch (type) {
        case 0x01:
            return Hex::Ok;
        case 0x00:
            // 32-bit addresses: a record that runs past a 64 KiB boundary
            // continues in the next segment rather than wrapping.
            for (quint32 i = 0; i < count; ++i) {
                const quint32 absolute = upper + address + i;
                if (absolute >= lo && absolute <= hi)
                    out[absolute - lo] = data[i];
            }
            break;
        case 0x04:
            upper = extended << 16;
            break;
        default: // 0x05, the start address, means nothing for an image
            break;
        }
    }
}
