#pragma once

#include "show/scenerecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Comparing two show tables record by record: a file against the driver, the
// window against the driver, or what a Set sent against what it read back.
namespace Show {

// One record that differs between two tables, and how. Lamp numbers are
// zero-based; a record's reserved bytes count as a difference too, since
// they travel with the show data and a driver holding other bytes there is
// not holding the same table.
struct RecordDifference
{
    int record = 0; // index in the table: program * StepsPerProgram + step, or the scene
    SceneRecord first;
    SceneRecord second;

    [[nodiscard]] QList<int> lamps() const;
    [[nodiscard]] bool riseTimeDiffers() const { return first.riseTime != second.riseTime; }
    [[nodiscard]] bool staticTimeDiffers() const { return first.staticTime != second.staticTime; }
    [[nodiscard]] bool endMarkerDiffers() const { return first.endMarker != second.endMarker; }
    [[nodiscard]] bool reservedDiffers() const { return first.reserved != second.reserved; }
};

// The records that differ between first and second, in table order; empty
// when the tables are equal. Both tables must hold tableSize(kind) bytes: a
// table of another size compares as if its missing records were all zero.
[[nodiscard]] QList<RecordDifference> compareTables(Kind kind, const QByteArray &first,
                                                    const QByteArray &second);

// Where a record of the table is, for people: "program 2, step 5" or "scene 3"
// (counted from 1, as the editors count).
[[nodiscard]] QString recordPosition(Kind kind, int record);

// One difference in a line, its first table's values before the arrow:
// "program 2, step 5: lamp 3 #ff0000 → #000000; XFade 20 → 25". Translated.
[[nodiscard]] QString describeDifference(Kind kind, const RecordDifference &difference);

} // namespace Show
