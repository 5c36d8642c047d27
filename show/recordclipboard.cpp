#include "show/recordclipboard.h"

#include <QRegularExpression>
#include <QStringList>

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

std::optional<int> numberFromText(const QString &text, int maximum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0 || value > maximum)
        return std::nullopt;
    return value;
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
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    RecordClip clip;
    clip.hasReserved = false;
    std::optional<bool> endMarkers;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QStringList fields = line.trimmed().split(blanks, Qt::SkipEmptyParts);
        if (fields.isEmpty())
            continue;
        if (fields.size() != FieldCount)
            return std::nullopt;
        EditorValues values;
        for (int lamp = 0; lamp < LampCount; ++lamp) {
            const std::optional<Rgb> colour = colourFromText(fields[lamp]);
            if (!colour)
                return std::nullopt;
            values.lamps[lamp] = *colour;
        }
        const std::optional<int> rise = numberFromText(fields[LampCount], MaxRiseTime);
        const std::optional<int> still = numberFromText(fields[LampCount + 1], MaxStaticTime);
        const QString &end = fields[LampCount + 2];
        const bool hasEnd = end != QLatin1String("-");
        const std::optional<int> marker = hasEnd ? numberFromText(end, 1) : 0;
        if (!rise || !still || !marker || endMarkers.value_or(hasEnd) != hasEnd)
            return std::nullopt;
        endMarkers = hasEnd;
        values.riseTime = *rise;
        values.staticTime = *still;
        values.endMarker = *marker;

        SceneRecord record;
        commitEditorValues(record, values, Kind::Programs);
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
