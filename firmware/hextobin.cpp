#include "firmware/hextobin.h"

#include <QFile>

#include <array>
#include <vector>

namespace {

// The longest record the format allows (255 data bytes) is 521 characters;
// what a line holds beyond this cannot belong to a record.
constexpr int MaxLineLength = 1024;
constexpr qint64 ChunkSize = 64 * 1024;

constexpr std::array<qint8, 256> makeDigitTable()
{
    std::array<qint8, 256> table{};
    for (auto &entry : table)
        entry = -1;
    for (int c = '0'; c <= '9'; ++c)
        table[c] = qint8(c - '0');
    for (int c = 'a'; c <= 'f'; ++c)
        table[c] = qint8(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c)
        table[c] = qint8(c - 'A' + 10);
    return table;
}
constexpr std::array<qint8, 256> DigitValue = makeDigitTable();

// One line of the file at a time, without its line end. LF, CR and CRLF all
// end a line, so a file from any system (or one damaged by a transfer in
// text mode) is read as the lines it holds, never as one long line.
class LineReader
{
public:
    explicit LineReader(QFile &file)
        : m_file(file)
        , m_chunk(ChunkSize)
    {}

    // False at the end of the file. `endLength` is 0 for a last line without
    // a line end, else the number of line-end characters (1 or 2).
    bool next()
    {
        m_length = 0;
        m_overlong = false;
        endLength = 0;
        bool any = false;
        for (;;) {
            if (m_at == m_filled && !refill())
                return any;
            const char c = m_chunk[size_t(m_at++)];
            if (c == '\n' || c == '\r') {
                endLength = 1;
                if (c == '\r' && peekLf()) {
                    endLength = 2;
                    ++m_at;
                }
                return true;
            }
            any = true;
            if (m_length < MaxLineLength)
                m_line[size_t(m_length++)] = c;
            else
                m_overlong = true;
        }
    }

    [[nodiscard]] const char *data() const { return m_line.data(); }
    [[nodiscard]] int length() const { return m_length; }
    [[nodiscard]] bool overlong() const { return m_overlong; }
    int endLength = 0;

private:
    bool refill()
    {
        const qint64 n = m_file.read(m_chunk.data(), ChunkSize);
        m_at = 0;
        m_filled = n > 0 ? n : 0;
        return m_filled > 0;
    }

    bool peekLf()
    {
        if (m_at == m_filled && !refill())
            return false;
        return m_chunk[size_t(m_at)] == '\n';
    }

    QFile &m_file;
    std::vector<char> m_chunk;
    qint64 m_at = 0;
    qint64 m_filled = 0;
    std::array<char, MaxLineLength> m_line{};
    int m_length = 0;
    bool m_overlong = false;
};

// Parses `digits` hex digits at `pos`; false when the line ends first or a
// character is not a hex digit.
bool parseHex(const char *line, int length, int pos, int digits, quint32 &value)
{
    if (pos + digits > length)
        return false;
    quint32 result = 0;
    for (int i = 0; i < digits; ++i) {
        const int digit = DigitValue[uchar(line[pos + i])];
        if (digit < 0)
            return false;
        result = (result << 4) | quint32(digit);
    }
    value = result;
    return true;
}

bool onlyBlanks(const char *text, int length)
{
    for (int i = 0; i < length; ++i)
        if (text[i] != ' ' && text[i] != '\t')
            return false;
    return true;
}

// The number of data bytes each record type must carry, or -1 for any.
int requiredCount(quint32 type)
{
    switch (type) {
    case 0x01:
        return 0;
    case 0x04:
        return 2;
    case 0x05:
        return 4;
    default:
        return -1;
    }
}

} // namespace

namespace Hex {

QString describe(int result)
{
    switch (result) {
    case Ok:
        return QStringLiteral("read");
    case ShortLine:
        return QStringLiteral("line too short for a record");
    case NoColon:
        return QStringLiteral("line does not begin with ':'");
    case BadCount:
        return QStringLiteral("byte count is not hexadecimal");
    case BadAddress:
        return QStringLiteral("address is not hexadecimal");
    case BadType:
        return QStringLiteral("record type is not hexadecimal");
    case BadData:
        return QStringLiteral("the record does not match its line");
    case BadRecord:
        return QStringLiteral("unsupported record type, or a byte count that does not fit it");
    case BadChecksum:
        return QStringLiteral("checksum mismatch");
    case CannotOpen:
        return QStringLiteral("cannot open the file");
    case NoEndRecord:
        return QStringLiteral("no end-of-file record: the file is cut short");
    default:
        return QStringLiteral("unknown error");
    }
}

} // namespace Hex

int HexToBin(const QString &fileName, void *buffer, quint32 lo, quint32 hi, Hex::Report *report)
{
    Hex::Report local;
    Hex::Report &found = report ? *report : local;
    found = Hex::Report();

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Hex::CannotOpen;

    auto *out = static_cast<uchar *>(buffer);
    quint32 upper = 0;
    std::array<uchar, 255> data{};
    LineReader reader(file);

    for (int lineNumber = 1;; ++lineNumber) {
        found.line = lineNumber;
        if (!reader.next())
            return Hex::NoEndRecord;
        const char *line = reader.data();
        const int length = reader.length();

        if (length + reader.endLength < 11)
            return Hex::ShortLine;
        if (line[0] != ':')
            return Hex::NoColon;

        quint32 count = 0;
        quint32 address = 0;
        quint32 type = 0;
        if (!parseHex(line, length, 1, 2, count))
            return Hex::BadCount;
        if (!parseHex(line, length, 3, 4, address))
            return Hex::BadAddress;
        if (!parseHex(line, length, 7, 2, type))
            return Hex::BadType;
        if (type != 0x00 && type != 0x01 && type != 0x04 && type != 0x05)
            return Hex::BadRecord;
        const int required = requiredCount(type);
        if (required >= 0 && count != quint32(required))
            return Hex::BadRecord;

        quint32 extended = 0;
        if (type == 0x04 && !parseHex(line, length, 9, 4, extended))
            return Hex::BadRecord;

        quint32 sum = count + (address >> 8) + (address & 0xFF) + type;
        for (quint32 i = 0; i < count; ++i) {
            quint32 byte = 0;
            if (!parseHex(line, length, 9 + 2 * int(i), 2, byte))
                return Hex::BadData;
            data[i] = uchar(byte);
            sum += byte;
        }
        const int checksumAt = 9 + 2 * int(count);
        quint32 checksum = 0;
        if (!parseHex(line, length, checksumAt, 2, checksum))
            return Hex::BadData;
        // A second record joined onto this line, or anything else after the
        // checksum, means the line is not the record it claims to be.
        if (reader.overlong() || !onlyBlanks(line + checksumAt + 2, length - checksumAt - 2))
            return Hex::BadData;
        if (((sum + checksum) & 0xFF) != 0)
            return Hex::BadChecksum;

        switch (type) {
        case 0x01:
            found.line = 0;
            return Hex::Ok;
        case 0x00:
            // 32-bit addresses: a record that runs past a 64 KiB boundary
            // continues in the next segment rather than wrapping.
            for (quint32 i = 0; i < count; ++i) {
                const quint32 absolute = upper + address + i;
                if (absolute >= lo && absolute <= hi) {
                    out[absolute - lo] = data[i];
                    ++found.stored;
                    found.lowestStored = qMin(found.lowestStored, absolute);
                }
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
