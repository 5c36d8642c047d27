#include "show/recordclipboard.h"

#include <QRegularExpression>
#include <QStringList>
#include <QStringView>

#include <algorithm>

namespace Show {

namespace {

constexpr char HasEndMarker = 0x01;
constexpr char HasReserved = 0x02;
constexpr int FieldCount = LampCount + 3;

QString colourText(const Rgb &rgb)
{
    return QStringLiteral("#%1%2%3")
        .arg(rgb.red, 2, 16, QLatin1Char('0'))
        .arg(rgb.green, 2, 16, QLatin1Char('0'))
        .arg(rgb.blue, 2, 16, QLatin1Char('0'));
}

std::optional<Rgb> colourFromText(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    const uint value = QStringView(text).mid(1).toUInt(nullptr, 16);
    return Rgb{quint8(value >> 16), quint8(value >> 8), quint8(value)};
}

// Plain decimal digits only: no sign, no blanks, no digits of other scripts.
// Leading zeros are allowed ("0000000005" is 5); the value is checked
// against the maximum at every digit, so no count of digits can overflow it.
std::optional<int> numberFromText(QStringView text, int maximum)
{
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > maximum)
            return std::nullopt;
    }
    return value;
}

// What a line may hold: printable ASCII, blanks and tabs. Anything else (a
// NUL, a byte-order mark, a no-break space) is not part of text we write and
// must not be quietly dropped or cut at.
bool plainLine(QStringView line)
{
    return std::all_of(line.cbegin(), line.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x20 && u <= 0x7E) || u == u'\t';
    });
}

std::optional<EditorValues> valuesFromLine(QStringView line, bool &hasEnd)
{
    QStringView fields[FieldCount];
    int count = 0;
    for (qsizetype at = 0; at < line.size();) {
        if (line[at] == QLatin1Char(' ') || line[at] == QLatin1Char('\t')) {
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < line.size() && line[end] != QLatin1Char(' ') && line[end] != QLatin1Char('\t'))
            ++end;
        if (count == FieldCount)
            return std::nullopt;
        fields[count++] = line.mid(at, end - at);
        at = end;
    }
    if (count != FieldCount)
        return std::nullopt;
    EditorValues values;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        const std::optional<Rgb> colour = colourFromText(fields[lamp].toString());
        if (!colour)
            return std::nullopt;
        values.lamps[lamp] = *colour;
    }
    const std::optional<int> rise = numberFromText(fields[LampCount], MaxRiseTime);
    const std::optional<int> still = numberFromText(fields[LampCount + 1], MaxStaticTime);
    const QStringView end = fields[LampCount + 2];
    hasEnd = end != QLatin1String("-");
    const std::optional<int> marker = hasEnd ? numberFromText(end, 1) : 0;
    if (!rise || !still || !marker)
        return std::nullopt;
    values.riseTime = *rise;
    values.staticTime = *still;
    values.endMarker = *marker;
    return values;
}

} // namespace

QString recordsToText(const RecordClip &clip)
{
    QString text;
    for (int i = 0; i < clip.count(); ++i) {
        const SceneRecord record
            = SceneRecord::fromBytes(clip.records.constData() + qsizetype(i) * RecordSize);
        const EditorValues values = editorValues(record);
        QStringList fields;
        for (const Rgb &lamp : values.lamps)
            fields << colourText(lamp);
        fields << QString::number(values.riseTime) << QString::number(values.staticTime)
               << (clip.hasEndMarker ? QString::number(values.endMarker) : QStringLiteral("-"));
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

std::optional<RecordClip> recordsFromText(const QString &text)
{
    // Refused before any line is read: no table holds that many lines of
    // that length, and a huge paste must not cost its size in work.
    if (text.size() > qsizetype(MaxTextRecords) * MaxTextLineLength)
        return std::nullopt;
    RecordClip clip;
    clip.hasReserved = false;
    std::optional<bool> endMarkers;
    const QStringView all(text);
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = all.size();
        QStringView line = all.mid(start, end - start);
        start = end + 1;
        // A CRLF line end, as spreadsheets on Windows write it.
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.size() > MaxTextLineLength || !plainLine(line))
            return std::nullopt;
        if (line.trimmed().isEmpty())
            continue;
        if (clip.count() == MaxTextRecords)
            return std::nullopt;
        bool hasEnd = false;
        const std::optional<EditorValues> values = valuesFromLine(line, hasEnd);
        if (!values || endMarkers.value_or(hasEnd) != hasEnd)
            return std::nullopt;
        endMarkers = hasEnd;

        SceneRecord record;
        commitEditorValues(record, *values, Kind::Programs);
        QByteArray bytes(RecordSize, '\0');
        record.toBytes(bytes.data());
        clip.records += bytes;
    }
    if (clip.count() == 0)
        return std::nullopt;
    clip.hasEndMarker = *endMarkers;
    return clip;
}

std::unique_ptr<QMimeData> recordsToMimeData(const RecordClip &clip)
{
    auto mime = std::make_unique<QMimeData>();
    QByteArray payload(
        1, char((clip.hasEndMarker ? HasEndMarker : 0) | (clip.hasReserved ? HasReserved : 0)));
    payload += clip.records;
    mime->setData(QLatin1String(RecordsMimeType), payload);
    mime->setText(recordsToText(clip));
    return mime;
}

std::optional<RecordClip> recordsFromMimeData(const QMimeData *mime)
{
    if (mime == nullptr)
        return std::nullopt;
    const QByteArray payload = mime->data(QLatin1String(RecordsMimeType));
    const qsizetype recordBytes = payload.size() - 1;
    if (recordBytes > 0 && recordBytes % RecordSize == 0
        && (payload[0] & ~(HasEndMarker | HasReserved)) == 0) {
        RecordClip clip;
        clip.hasEndMarker = payload[0] & HasEndMarker;
        clip.hasReserved = payload[0] & HasReserved;
        clip.records = payload.mid(1);
        return clip;
    }
    if (mime->hasText())
        return recordsFromText(mime->text());
    return std::nullopt;
}

} // namespace Show
