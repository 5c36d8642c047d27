#include "firmware/hextobin.h"

#include "core/safefile.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

// The longest record the format allows (255 data bytes) is 521 characters;
// what a line holds beyond this cannot belong to a record.
constexpr int MaxLineLength = 1024;
constexpr qint64 ChunkSize = qint64(64) * 1024;

constexpr std::array<qint16, 256> makeDigitTable()
{
    std::array<qint16, 256> table{};
    for (auto &entry : table)
        entry = -1;
    for (int c = '0'; c <= '9'; ++c)
        table[c] = qint16(c - '0');
    for (int c = 'a'; c <= 'f'; ++c)
        table[c] = qint16(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c)
        table[c] = qint16(c - 'A' + 10);
    return table;
}
constexpr std::array<qint16, 256> DigitValue = makeDigitTable();

// One line of the file at a time, without its line end. LF, CR and CRLF all
// end a line, so a file from any system (or one damaged by a transfer in
// text mode) is read as the lines it holds, never as one long line. A line
// that lies whole in the chunk read is handed out where it lies; only one
// that runs across two chunks is copied.
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
        m_overlong = false;
        endLength = 0;
        const char *begin = m_chunk.data() + m_at;
        const char *stop = m_chunk.data() + m_filled;
        const char *end = findLineEnd(begin, stop);
        if (end != stop && !(*end == '\r' && end + 1 == stop)) {
            m_data = begin;
            m_length = int(qMin<qint64>(end - begin, MaxLineLength));
            m_overlong = end - begin > MaxLineLength;
            m_at = end - m_chunk.data() + 1;
            endLength = 1;
            if (*end == '\r' && end[1] == '\n') {
                endLength = 2;
                ++m_at;
            }
            return true;
        }
        // The line runs on into the next chunk (or ends in a CR whose LF may
        // stand there): gather it in m_line.
        m_data = m_line.data();
        m_length = 0;
        bool any = false;
        for (;;) {
            any = any || end != begin;
            append(begin, end);
            if (end != stop) {
                m_at = end - m_chunk.data() + 1;
                endLength = 1;
                if (*end == '\r' && peekLf()) {
                    endLength = 2;
                    ++m_at;
                }
                return true;
            }
            if (!refill())
                return any;
            begin = m_chunk.data();
            stop = begin + m_filled;
            end = findLineEnd(begin, stop);
        }
    }

    [[nodiscard]] const char *data() const { return m_data; }
    [[nodiscard]] int length() const { return m_length; }
    [[nodiscard]] bool overlong() const { return m_overlong; }
    int endLength = 0;

private:
    // The first CR or LF, or stop. Two memchr passes beat one loop that
    // tests every byte twice.
    static const char *findLineEnd(const char *from, const char *stop)
    {
        const auto *lf = static_cast<const char *>(std::memchr(from, '\n', size_t(stop - from)));
        const char *end = lf ? lf : stop;
        const auto *cr = static_cast<const char *>(std::memchr(from, '\r', size_t(end - from)));
        return cr ? cr : end;
    }

    void append(const char *from, const char *to)
    {
        const qint64 room = MaxLineLength - m_length;
        const qint64 take = qMin<qint64>(to - from, room);
        std::copy(from, from + take, m_line.data() + m_length);
        m_length += int(take);
        m_overlong = m_overlong || to - from > room;
    }

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
    const char *m_data = nullptr;
    int m_length = 0;
    bool m_overlong = false;
};

// The byte that two hex digits spell, or -1.
inline int hexByte(const char *digits)
{
    const int high = DigitValue[uchar(digits[0])];
    const int low = DigitValue[uchar(digits[1])];
    return (high | low) < 0 ? -1 : (high << 4) | low;
}

bool onlyBlanks(const char *text, int length)
{
    for (int i = 0; i < length; ++i)
        if (text[i] != ' ' && text[i] != '\t')
            return false;
    return true;
}

// The number of data bytes each record type must carry, or -1 for any.
int requiredCount(int type)
{
    switch (type) {
    case 0x01:
        return 0;
    case 0x02:
    case 0x04:
        return 2;
    case 0x03:
    case 0x05:
        return 4;
    default:
        return -1;
    }
}

// Which bytes of the window a record has stored: one bit each, an eighth of
// the window's own size, so a second record for the same address is found
// without keeping the records.
class WrittenBytes
{
public:
    explicit WrittenBytes(quint64 size)
        : m_words((size + 63) / 64)
    {}
    [[nodiscard]] bool test(quint32 offset) const
    {
        return (m_words[offset / 64] >> (offset % 64)) & 1;
    }
    // Whether any of the count bits from offset on is set, a word at a time.
    [[nodiscard]] bool anyIn(quint32 offset, int count) const
    {
        bool any = false;
        forWords(offset, count, [&any](quint64 word, quint64 mask) { any = any || (word & mask); });
        return any;
    }
    void setRange(quint32 offset, int count)
    {
        forWords(offset, count, [](quint64 &word, quint64 mask) { word |= mask; });
    }

private:
    template<typename Words, typename F>
    static void forWords(Words &words, quint32 offset, int count, F f)
    {
        for (quint32 bit = offset, end = offset + quint32(count); bit < end;) {
            const quint32 low = bit % 64;
            const quint32 take = qMin<quint32>(64 - low, end - bit);
            const quint64 ones = take == 64 ? ~quint64(0) : (quint64(1) << take) - 1;
            f(words[bit / 64], ones << low);
            bit += take;
        }
    }
    template<typename F> void forWords(quint32 offset, int count, F f)
    {
        forWords(m_words, offset, count, f);
    }
    template<typename F> void forWords(quint32 offset, int count, F f) const
    {
        forWords(m_words, offset, count, f);
    }
    std::vector<quint64> m_words;
};

// A run of a record's bytes at consecutive addresses (none past the end of
// the address space): its first address, where its bytes begin in the
// record's data, and how many there are.
struct Span
{
    quint32 address = 0;
    int dataAt = 0;
    int count = 0;

    // The part of the span in the window [lo, lo + size), the parts below and
    // above it; each may be empty.
    [[nodiscard]] Span within(quint32 lo, quint64 size) const
    {
        return part(qMax<quint64>(address, lo), qMin<quint64>(end(), lo + size));
    }
    [[nodiscard]] Span below(quint32 lo) const { return part(address, qMin<quint64>(end(), lo)); }
    [[nodiscard]] Span above(quint32 lo, quint64 size) const
    {
        return part(qMax<quint64>(address, lo + size), end());
    }

private:
    [[nodiscard]] quint64 end() const { return quint64(address) + quint64(qMax(count, 0)); }
    [[nodiscard]] Span part(quint64 from, quint64 to) const
    {
        if (from >= to)
            return {quint32(from), dataAt, 0};
        return {quint32(from), dataAt + int(from - address), int(to - from)};
    }
};

// The values that records gave bytes outside the window, kept sparsely in
// 4 KiB pages, so that records there that disagree are found too. A file can
// spread its data over the whole 4 GiB, so only the first MaxPages pages are
// followed.
class IgnoredBytes
{
public:
    // Keeps count bytes from address on (not past the end of the address
    // space). Returns how many of them an earlier record gave another value;
    // first is then the index of the first such byte.
    int put(quint32 address, const uchar *data, int count, int *first)
    {
        int conflicts = 0;
        for (int i = 0; i < count;) {
            const quint32 at = (address + quint32(i)) % PageSize;
            const int n = int(qMin<quint32>(PageSize - at, quint32(count - i)));
            Page *page = pageOf((address + quint32(i)) / PageSize);
            if (page && page->firstTime(at, n)) {
                // The usual case, records that do not overlap: no byte to compare.
                std::copy(data + i, data + i + n, page->value.data() + at);
                page->mark(at, n);
            } else if (page) {
                for (int k = 0; k < n; ++k) {
                    const quint32 offset = at + quint32(k);
                    quint64 &seen = page->seen[offset / 64];
                    const quint64 bit = quint64(1) << (offset % 64);
                    if (!(seen & bit)) {
                        seen |= bit;
                        page->value[offset] = data[i + k];
                    } else if (page->value[offset] != data[i + k] && conflicts++ == 0) {
                        *first = i + k;
                    }
                }
            }
            i += n;
        }
        return conflicts;
    }

private:
    static constexpr quint32 PageSize = 4096;
    static constexpr std::size_t MaxPages = 4096; // 16 MiB of addresses
    struct Page
    {
        std::array<uchar, PageSize> value{};
        std::array<quint64, PageSize / 64> seen{};

        // Calls f(word, mask) for the words of seen that hold bits at..at+n-1.
        template<typename F> void forWords(quint32 at, int n, F f)
        {
            for (quint32 bit = at, end = at + quint32(n); bit < end;) {
                const quint32 low = bit % 64;
                const quint32 take = qMin<quint32>(64 - low, end - bit);
                const quint64 ones = take == 64 ? ~quint64(0) : (quint64(1) << take) - 1;
                f(seen[bit / 64], ones << low);
                bit += take;
            }
        }
        bool firstTime(quint32 at, int n)
        {
            bool any = false;
            forWords(at, n, [&any](quint64 word, quint64 mask) { any = any || (word & mask); });
            return !any;
        }
        void mark(quint32 at, int n)
        {
            forWords(at, n, [](quint64 &word, quint64 mask) { word |= mask; });
        }
    };

    // Null once MaxPages are followed and number is not among them.
    Page *pageOf(quint32 number)
    {
        if (m_last != nullptr && number == m_lastNumber)
            return m_last;
        auto it = m_pages.find(number);
        if (it == m_pages.end()) {
            if (m_pages.size() >= MaxPages)
                return nullptr;
            it = m_pages.emplace(number, std::make_unique<Page>()).first;
        }
        m_last = it->second.get();
        m_lastNumber = number;
        return m_last;
    }
    std::unordered_map<quint32, std::unique_ptr<Page>> m_pages;
    Page *m_last = nullptr; // records run on in one page
    quint32 m_lastNumber = 0;
};

// Counts a span outside the window as ignored and follows what it says there.
void ignore(Hex::Report &found, IgnoredBytes &ignored, const Span &span, const uchar *data,
            int lineNumber)
{
    found.ignored += span.count;
    found.lowestIgnored = qMin(found.lowestIgnored, span.address);
    found.highestIgnored = qMax(found.highestIgnored, span.address + quint32(span.count - 1));
    int conflict = 0;
    if (const int conflicts
        = ignored.put(span.address, data + span.dataAt, span.count, &conflict)) {
        if (found.ignoredConflicts == 0) {
            found.firstIgnoredConflict = span.address + quint32(conflict);
            found.firstIgnoredConflictLine = lineNumber;
        }
        found.ignoredConflicts += conflicts;
    }
}

} // namespace

namespace Hex {

QString describe(int result)
{
    switch (result) {
    case Ok:
        return QCoreApplication::translate("Hex", "read");
    case ShortLine:
        return QCoreApplication::translate("Hex", "line too short for a record");
    case NoColon:
        return QCoreApplication::translate("Hex", "line does not begin with ':'");
    case BadCount:
        return QCoreApplication::translate("Hex", "byte count is not hexadecimal");
    case BadAddress:
        return QCoreApplication::translate("Hex", "address is not hexadecimal");
    case BadType:
        return QCoreApplication::translate("Hex", "record type is not hexadecimal");
    case BadData:
        return QCoreApplication::translate("Hex", "the record does not match its line");
    case BadRecord:
        return QCoreApplication::translate(
            "Hex", "unsupported record type, a byte count or address that does not fit "
                   "it, or a second start address");
    case BadChecksum:
        return QCoreApplication::translate("Hex", "checksum mismatch");
    case CannotOpen:
        return QCoreApplication::translate("Hex", "cannot open the file");
    case NoEndRecord:
        return QCoreApplication::translate("Hex", "no end-of-file record: the file is cut short");
    case Overlap:
        return QCoreApplication::translate(
            "Hex", "this record gives an address a different value than an earlier "
                   "record");
    case CheckWordData:
        return QCoreApplication::translate(
            "Hex", "this record's data on a check word differs from the word "
                   "computed");
    default:
        return QCoreApplication::translate("Hex", "unknown error");
    }
}

} // namespace Hex

int HexToBin(const QString &fileName, void *buffer, quint32 lo, quint32 hi, Hex::Report *report,
             std::vector<Hex::Watch> *watches)
{
    std::vector<Hex::Watch> none;
    std::vector<Hex::Watch> &watched = watches ? *watches : none;
    for (Hex::Watch &watch : watched)
        watch.firstLine = 0;
    Hex::Report local;
    Hex::Report &found = report ? *report : local;
    found = Hex::Report();

    QFile file(fileName);
    if (!SafeFile::openForReading(file).isEmpty())
        return Hex::CannotOpen;

    auto *out = static_cast<uchar *>(buffer);
    const quint64 windowSize = hi >= lo ? quint64(hi) - lo + 1 : 0;
    WrittenBytes written(windowSize);
    IgnoredBytes ignored;
    quint32 base = 0;
    bool startSeen = false;
    std::array<uchar, 255> data{};
    LineReader reader(file);

    for (int lineNumber = 1;; ++lineNumber) {
        found.line = lineNumber;
        if (!reader.next())
            return Hex::NoEndRecord;
        const char *line = reader.data();
        const int length = reader.length();

        // 11 characters with the line end make at least 9 before it, so the
        // fields up to the record type are all there.
        if (length + reader.endLength < 11)
            return Hex::ShortLine;
        if (line[0] != ':')
            return Hex::NoColon;
        const int count = hexByte(line + 1);
        if (count < 0)
            return Hex::BadCount;
        const int addressHigh = hexByte(line + 3);
        const int addressLow = hexByte(line + 5);
        if (addressHigh < 0 || addressLow < 0)
            return Hex::BadAddress;
        const quint32 address = quint32(addressHigh << 8 | addressLow);
        const int type = hexByte(line + 7);
        if (type < 0)
            return Hex::BadType;
        if (type > 0x05)
            return Hex::BadRecord;
        const int required = requiredCount(type);
        if (required >= 0 && count != required)
            return Hex::BadRecord;
        // Only data records place themselves; the others carry their value in
        // the data field, and an address there means the record is not what
        // it claims to be. A file has one start address at most.
        if (type >= 0x02 && address != 0)
            return Hex::BadRecord;
        const bool start = type == 0x03 || type == 0x05;
        if (start && startSeen)
            return Hex::BadRecord;

        quint32 extended = 0;
        if (type == 0x02 || type == 0x04) {
            const int high = length >= 13 ? hexByte(line + 9) : -1;
            const int low = length >= 13 ? hexByte(line + 11) : -1;
            if (high < 0 || low < 0)
                return Hex::BadRecord;
            extended = quint32(high << 8 | low);
        }

        const int checksumAt = 9 + 2 * count;
        if (checksumAt + 2 > length)
            return Hex::BadData;
        quint32 sum = quint32(count) + (address >> 8) + (address & 0xFF) + quint32(type);
        for (int i = 0; i < count; ++i) {
            const int byte = hexByte(line + 9 + std::ptrdiff_t(2) * i);
            if (byte < 0)
                return Hex::BadData;
            data[size_t(i)] = uchar(byte);
            sum += quint32(byte);
        }
        const int checksum = hexByte(line + checksumAt);
        if (checksum < 0)
            return Hex::BadData;
        // A second record joined onto this line, or anything else after the
        // checksum, means the line is not the record it claims to be.
        if (reader.overlong() || !onlyBlanks(line + checksumAt + 2, length - checksumAt - 2))
            return Hex::BadData;
        if (((sum + quint32(checksum)) & 0xFF) != 0)
            return Hex::BadChecksum;

        switch (type) {
        case 0x01:
            found.line = 0;
            return Hex::Ok;
        case 0x00: {
            // 32-bit addresses: a record that runs past a 64 KiB boundary
            // continues in the next segment rather than wrapping; one that
            // runs past the end of the address space goes on at 0. The
            // record is checked against what earlier ones stored before any
            // of its bytes lands, so a refused record leaves the window as it
            // was.
            const quint32 first = base + address;
            const int head = int(qMin<quint64>(quint64(count), (quint64(1) << 32) - first));
            const Span spans[2] = {{first, 0, head}, {0, head, count - head}};
            for (const Span &span : spans) {
                const Span inside = span.within(lo, windowSize);
                if (inside.count > 0 && written.anyIn(inside.address - lo, inside.count)) {
                    for (int i = 0; i < inside.count; ++i) {
                        const quint32 offset = inside.address - lo + quint32(i);
                        if (written.test(offset)
                            && out[offset] != data[size_t(inside.dataAt) + size_t(i)]) {
                            found.address = inside.address + quint32(i);
                            return Hex::Overlap;
                        }
                    }
                }
            }
            // Bookkeeping per run of bytes on one side of the window, in
            // address order within each span.
            for (const Span &span : spans) {
                const Span inside = span.within(lo, windowSize);
                const Span below = span.below(lo);
                const Span above = span.above(lo, windowSize);
                if (below.count > 0)
                    ignore(found, ignored, below, data.data(), lineNumber);
                if (inside.count > 0) {
                    const quint32 offset = inside.address - lo;
                    const uchar *bytes = data.data() + inside.dataAt;
                    std::copy(bytes, bytes + inside.count, out + offset);
                    written.setRange(offset, inside.count);
                    if (found.stored == 0)
                        found.firstStoredLine = lineNumber;
                    found.stored += inside.count;
                    found.lowestStored = qMin(found.lowestStored, inside.address);
                    for (Hex::Watch &watch : watched) {
                        if (watch.firstLine == 0 && inside.address <= watch.hi
                            && inside.address + quint32(inside.count - 1) >= watch.lo)
                            watch.firstLine = lineNumber;
                    }
                }
                if (above.count > 0)
                    ignore(found, ignored, above, data.data(), lineNumber);
            }
            break;
        }
        case 0x02: // extended segment address: the value names 16-byte paragraphs
            base = extended << 4;
            break;
        case 0x04: // extended linear address: the upper 16 bits
            base = extended << 16;
            break;
        default: // 0x03, 0x05: a start address means nothing for an image
            startSeen = true;
            break;
        }
    }
}
