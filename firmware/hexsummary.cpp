#include "firmware/hexsummary.h"

#include "core/safefile.h"

#include <QFile>

#include <algorithm>

namespace Hex {

namespace {

// The longest line a record can have: ':' and 255 data bytes with count,
// address, type and checksum as hex digits, and blanks after it.
constexpr qint64 MaxLine = 1 + 2 * (4 + 255 + 1) + 256;

bool hexValue(const QByteArray &line, int at, int digits, quint32 &value)
{
    if (line.size() < at + digits)
        return false;
    bool ok = false;
    value = line.mid(at, digits).toUInt(&ok, 16);
    return ok;
}

QList<Range> merged(QList<Range> ranges)
{
    std::sort(ranges.begin(), ranges.end(),
              [](const Range &a, const Range &b) { return a.first < b.first; });
    QList<Range> result;
    for (const Range &range : ranges) {
        if (!result.isEmpty() && range.first <= result.last().last + 1)
            result.last().last = qMax(result.last().last, range.last);
        else
            result.append(range);
    }
    return result;
}

} // namespace

Summary summarise(const QString &fileName)
{
    Summary summary;
    QFile file(fileName);
    if (!SafeFile::openForReading(file).isEmpty())
        return summary;
    quint64 base = 0;
    QList<Range> ranges;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(MaxLine).trimmed();
        if (line.isEmpty())
            continue;
        quint32 count = 0;
        quint32 address = 0;
        quint32 type = 0;
        if (!line.startsWith(':') || !hexValue(line, 1, 2, count) || !hexValue(line, 3, 4, address)
            || !hexValue(line, 7, 2, type))
            return summary;
        ++summary.records;
        quint32 value = 0;
        switch (type) {
        case 0x00:
            ++summary.dataRecords;
            if (count > 0)
                ranges.append({base + address, base + address + count - 1});
            break;
        case 0x01:
            summary.ranges = merged(ranges);
            summary.read = true;
            return summary;
        case 0x02:
            if (!hexValue(line, 9, 4, value))
                return summary;
            base = quint64(value) * 16;
            break;
        case 0x04:
            if (!hexValue(line, 9, 4, value))
                return summary;
            base = quint64(value) << 16;
            break;
        default:
            break; // start addresses
        }
        // Thousands of small records merge into a few ranges as they come.
        if (ranges.size() > 4096)
            ranges = merged(ranges);
    }
    return summary; // no end-of-file record
}

QList<Range> inside(const Range &range, quint64 lo, quint64 hi)
{
    if (range.last < lo || range.first > hi)
        return {};
    return {{qMax(range.first, lo), qMin(range.last, hi)}};
}

QList<Range> outside(const Range &range, quint64 lo, quint64 hi)
{
    QList<Range> parts;
    if (range.first < lo)
        parts.append({range.first, qMin(range.last, lo - 1)});
    if (range.last > hi)
        parts.append({qMax(range.first, hi + 1), range.last});
    return parts;
}

} // namespace Hex
