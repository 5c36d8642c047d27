#pragma once

#include <QString>
#include <QtGlobal>

#include <limits>

// Result codes of HexToBin. Negative codes name the first fault found; the
// buffer then holds what the records before the faulty one stored.
namespace Hex {
enum Result : int {
    Ok = 0,            // the end-of-file record was read
    ShortLine = -1,    // a line shorter than 11 characters (line end counted)
    NoColon = -2,      // a line that does not begin with ':'
    BadCount = -3,     // byte-count field not hexadecimal
    BadAddress = -4,   // address field not hexadecimal
    BadType = -5,      // record-type field not hexadecimal
    BadData = -6,      // the record does not match its line: a data byte or the
                       // checksum missing or not hexadecimal, or more than blanks
                       // after the checksum
    BadRecord = -7,    // record type other than 00, 01, 04, 05, a byte count that
                       // does not fit the type, or a bad type-04 value
    BadChecksum = -8,  // the record's bytes do not sum to zero with its checksum
    CannotOpen = -9,   // the file could not be opened
    NoEndRecord = -10, // the file ended without an end-of-file record: cut short
};

// What a reading found besides its result.
struct Report
{
    int line = 0;      // 1-based line of the fault; for NoEndRecord the line after the last
    qint64 stored = 0; // bytes stored in the window
    quint32 lowestStored = std::numeric_limits<quint32>::max(); // when stored > 0
};

// A short English description of a result code, for command-line messages.
[[nodiscard]] QString describe(int result);
} // namespace Hex

// Reads the Intel HEX file and copies every data byte whose absolute address A
// lies in [lo, hi] to buffer[A - lo]; bytes outside the window are read and
// discarded, buffer bytes that no record covers keep their value. The buffer
// must hold hi - lo + 1 bytes. LF, CRLF and a lone CR each end a line. Records
// of type 04 set the upper 16 address bits, type 05 is skipped, anything after
// the end-of-file record is never read; a file without one is refused, since
// it was cut short. A record's bytes are stored only once its checksum has
// been verified. Returns Hex::Ok or a negative Hex::Result; `report`, when
// given, says where the fault is and what was stored.
[[nodiscard]] int HexToBin(const QString &fileName, void *buffer, quint32 lo, quint32 hi,
                           Hex::Report *report = nullptr);
