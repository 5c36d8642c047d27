#pragma once

#include "firmware/hextobin.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// What an Intel HEX file holds, for a person deciding whether it is the
// firmware to build an upgrade file from: its records and the address ranges
// their data covers, read after HexToBin has accepted the file.
namespace Hex {

struct Range
{
    quint64 first = 0; // absolute addresses, inclusive; 64 bits so that a
    quint64 last = 0;  // record at the top of the address space cannot wrap
    [[nodiscard]] quint64 size() const { return last - first + 1; }
};

struct Summary
{
    int records = 0;     // every record up to and with the end-of-file record
    int dataRecords = 0; // type 00
    QList<Range> ranges; // the data's addresses, merged where they touch, in order
    bool read = false;   // false when the file could not be read as a HEX file
};

// Reads the records of fileName up to its end-of-file record. Checksums and
// conflicts are HexToBin's business; a line this reader cannot take makes
// the summary unread.
[[nodiscard]] Summary summarise(const QString &fileName);

// The parts of range inside [lo, hi], and outside it (up to two).
[[nodiscard]] QList<Range> inside(const Range &range, quint64 lo, quint64 hi);
[[nodiscard]] QList<Range> outside(const Range &range, quint64 lo, quint64 hi);

} // namespace Hex
