#include "show/stepoperations.h"

#include <algorithm>

namespace Show {

namespace {

bool fits(const QByteArray &table, Kind kind)
{
    return table.size() == tableSize(kind);
}

char *recordBytes(QByteArray &table, int index)
{
    return table.data() + qsizetype(index) * RecordSize;
}

} // namespace

RecordGroup recordGroup(Kind kind, int index)
{
    const int size = kind == Kind::Programs ? StepsPerProgram : SceneCount;
    if (index < 0 || index >= tableSize(kind) / RecordSize)
        return {};
    return {index - index % size, size};
}

bool duplicateRecord(QByteArray &table, Kind kind, int index)
{
    const RecordGroup group = recordGroup(kind, index);
    if (group.count == 0 || !fits(table, kind))
        return false;
    const int last = group.first + group.count - 1;
    if (index < last) {
        // Records index..last-1 move one along; the copy lands at index + 1.
        char *from = recordBytes(table, index);
        std::copy_backward(from, recordBytes(table, last), recordBytes(table, last + 1));
    }
    return true;
}

bool insertBlankRecord(QByteArray &table, Kind kind, int index)
{
    const RecordGroup group = recordGroup(kind, index);
    if (group.count == 0 || !fits(table, kind))
        return false;
    const int last = group.first + group.count - 1;
    std::copy_backward(recordBytes(table, index), recordBytes(table, last),
                       recordBytes(table, last + 1));
    std::fill_n(recordBytes(table, index), RecordSize, '\0');
    return true;
}

bool deleteRecord(QByteArray &table, Kind kind, int index)
{
    const RecordGroup group = recordGroup(kind, index);
    if (group.count == 0 || !fits(table, kind))
        return false;
    const int end = group.first + group.count;
    std::copy(recordBytes(table, index + 1), recordBytes(table, end), recordBytes(table, index));
    std::fill_n(recordBytes(table, end - 1), RecordSize, '\0');
    return true;
}

bool rotateLamps(QByteArray &table, Kind kind, int index, Rotation rotation)
{
    if (recordGroup(kind, index).count == 0 || !fits(table, kind))
        return false;
    char *lamps = recordBytes(table, index);
    if (rotation == Rotation::Left)
        std::rotate(lamps, lamps + BytesPerLamp, lamps + LampBytes);
    else
        std::rotate(lamps, lamps + LampBytes - BytesPerLamp, lamps + LampBytes);
    return true;
}

bool setLampColours(QByteArray &table, Kind kind, const QList<LampCell> &cells, Rgb colour)
{
    if (!fits(table, kind))
        return false;
    bool any = false;
    for (const LampCell &cell : cells) {
        if (recordGroup(kind, cell.record).count == 0 || cell.lamp < 0 || cell.lamp >= LampCount)
            continue;
        char *lamp = recordBytes(table, cell.record) + qsizetype(BytesPerLamp) * cell.lamp;
        lamp[0] = char(colour.red);
        lamp[1] = char(colour.green);
        lamp[2] = char(colour.blue);
        any = true;
    }
    return any;
}

RecordClip copyRecords(const QByteArray &table, Kind kind, const QList<int> &indices)
{
    RecordClip clip;
    clip.hasEndMarker = kind == Kind::Programs;
    if (!fits(table, kind))
        return clip;
    for (int index : indices) {
        if (recordGroup(kind, index).count != 0)
            clip.records.append(table.mid(qsizetype(index) * RecordSize, RecordSize));
    }
    return clip;
}

int pasteRecords(QByteArray &table, Kind kind, int index, const RecordClip &clip)
{
    const RecordGroup group = recordGroup(kind, index);
    if (group.count == 0 || !fits(table, kind) || clip.count() == 0)
        return -1;
    const int room = group.first + group.count - index;
    const int pasted = std::min(room, clip.count());
    const bool takeEndMarker = clip.hasEndMarker && kind == Kind::Programs;
    for (int i = 0; i < pasted; ++i) {
        const char *from = clip.records.constData() + qsizetype(i) * RecordSize;
        char *to = recordBytes(table, index + i);
        std::copy_n(from, EndMarkerOffset, to);
        if (takeEndMarker)
            to[EndMarkerOffset] = from[EndMarkerOffset];
        if (clip.hasReserved)
            std::copy_n(from + ReservedOffset, ReservedSize, to + ReservedOffset);
    }
    return clip.count() - pasted;
}

} // namespace Show
