#pragma once

#include "show/scenerecord.h"

#include <QByteArray>
#include <QList>

// Operations on the records of one table, as the Edit menu offers them. Each
// works on the table's bytes in place and returns whether it could run; the
// window applies one to a copy of the document's table and hands the result
// to the undo stack.
//
// A record is addressed by its index in its table (program * StepsPerProgram
// + step, or the scene number). Records shift only within their group: the
// 20 steps of one program, or the 8 scenes; the group keeps its size. A record
// that moves keeps every one of its 48 bytes, the three reserved ones too.
namespace Show {

// The group a record belongs to: its first index and its size.
struct RecordGroup
{
    int first = 0;
    int count = 0;
};
// An empty group (count 0) for an index outside the table.
[[nodiscard]] RecordGroup recordGroup(Kind kind, int index);

// Inserts a copy of the record after it; the group's last record falls off.
[[nodiscard]] bool duplicateRecord(QByteArray &table, Kind kind, int index);
// Inserts a zero record before it; the group's last record falls off.
[[nodiscard]] bool insertBlankRecord(QByteArray &table, Kind kind, int index);
// Removes the record; the following ones move up and a zero record enters at
// the group's end.
[[nodiscard]] bool deleteRecord(QByteArray &table, Kind kind, int index);

enum class Rotation { Left, Right };
// Moves the twelve lamp colours one lamp along: Left gives lamp n the colour
// of lamp n + 1 and lamp 11 that of lamp 0; Right the other way round.
[[nodiscard]] bool rotateLamps(QByteArray &table, Kind kind, int index, Rotation rotation);

// One lamp of one record: a cell of the overview grid.
struct LampCell
{
    int record = 0; // index in the table
    int lamp = 0;   // 0..11

    friend bool operator==(const LampCell &a, const LampCell &b)
    {
        return a.record == b.record && a.lamp == b.lamp;
    }
};
// Gives every cell the colour; times, End Marker and reserved bytes stay.
// Cells outside the table are skipped. Returns false, with nothing changed,
// when no cell is inside the table.
[[nodiscard]] bool setLampColours(QByteArray &table, Kind kind, const QList<LampCell> &cells,
                                  Rgb colour);

// Records taken from a table for pasting elsewhere.
struct RecordClip
{
    QByteArray records; // whole records, RecordSize bytes each
    // Only a program step has an End Marker. Records copied from the scenes
    // (or typed without one) leave each target record's own End Marker byte
    // as it is; so does any paste into the scenes, where the byte is not
    // edited. An End Marker therefore survives program -> program only.
    bool hasEndMarker = true;
    // Reserved bytes travel with records copied from a table; records read
    // from text have none, and the targets keep their own.
    bool hasReserved = true;

    [[nodiscard]] int count() const { return int(records.size() / RecordSize); }
};

// The records at the given indices, in the order given; indices outside the
// table are skipped.
[[nodiscard]] RecordClip copyRecords(const QByteArray &table, Kind kind, const QList<int> &indices);

// Overwrites records from index on, within its group. Returns how many
// records of the clip did not fit and were dropped, or -1 (nothing changed)
// for an index outside the table or a clip without records.
[[nodiscard]] int pasteRecords(QByteArray &table, Kind kind, int index, const RecordClip &clip);

} // namespace Show
