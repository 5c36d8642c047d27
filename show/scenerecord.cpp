#include "show/scenerecord.h"

#include <QtEndian>

namespace Show {

namespace {

bool holdsRecord(const QByteArray &table, int offset)
{
    return offset >= 0 && qsizetype(offset) + RecordSize <= table.size();
}

} // namespace

SceneRecord SceneRecord::fromBytes(const char *bytes)
{
    const auto *b = reinterpret_cast<const uchar *>(bytes);
    SceneRecord record;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        const uchar *rgb = b + std::ptrdiff_t(BytesPerLamp) * lamp;
        record.lamps[lamp] = {rgb[0], rgb[1], rgb[2]};
    }
    record.riseTime = qFromLittleEndian<qint32>(b + RiseTimeOffset);
    record.staticTime = qFromLittleEndian<qint32>(b + StaticTimeOffset);
    record.endMarker = b[EndMarkerOffset];
    for (int i = 0; i < ReservedSize; ++i)
        record.reserved[i] = b[ReservedOffset + i];
    return record;
}

void SceneRecord::toBytes(char *bytes) const
{
    auto *b = reinterpret_cast<uchar *>(bytes);
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        uchar *rgb = b + std::ptrdiff_t(BytesPerLamp) * lamp;
        rgb[0] = lamps[lamp].red;
        rgb[1] = lamps[lamp].green;
        rgb[2] = lamps[lamp].blue;
    }
    qToLittleEndian<qint32>(riseTime, b + RiseTimeOffset);
    qToLittleEndian<qint32>(staticTime, b + StaticTimeOffset);
    b[EndMarkerOffset] = endMarker;
    for (int i = 0; i < ReservedSize; ++i)
        b[ReservedOffset + i] = reserved[i];
}

SceneRecord recordAt(const QByteArray &table, int offset)
{
    if (!holdsRecord(table, offset))
        return {};
    return SceneRecord::fromBytes(table.constData() + offset);
}

void setRecordAt(QByteArray &table, int offset, const SceneRecord &record)
{
    if (holdsRecord(table, offset))
        record.toBytes(table.data() + offset);
}

EditorValues editorValues(const SceneRecord &record)
{
    EditorValues values;
    values.lamps = record.lamps;
    values.riseTime = qBound(0, int(record.riseTime), MaxRiseTime);
    values.staticTime = qBound(0, int(record.staticTime), MaxStaticTime);
    values.endMarker = record.endMarker != 0 ? 1 : 0;
    return values;
}

void commitEditorValues(SceneRecord &record, const EditorValues &values, Kind kind)
{
    record.lamps = values.lamps;
    record.riseTime = values.riseTime;
    record.staticTime = values.staticTime;
    if (kind == Kind::Programs)
        record.endMarker = quint8(values.endMarker & 0xFF);
}

} // namespace Show
