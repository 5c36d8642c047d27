#pragma once

#include <QString>
#include <QtGlobal>

// Result codes of HexToBin. Negative codes name the first fault found; the
// buffer then holds what the records before the faulty one stored.
namespace Hex {
enum Result : int {
    Ok = 0,           // an end-of-file record was read, or the file ended
    ShortLine = -1,   // a line shorter than 11 characters (line end counted)
    NoColon = -2,     // a line that does not begin with ':'
    BadCount = -3,    // byte-count field not hexadecimal
    BadAddress = -4,  // address field not hexadecimal
    BadType = -5,     // record-type field not hexadecimal
    BadData = -6,     // a data byte or the checksum missing or not hexadecimal
    BadRecord = -7,   // record type other than 00, 01, 04, 05, or a bad type-04 value
    BadChecksum = -8, // the record's bytes do not sum to zero with its checksum
    CannotOpen = -9,  // the file could not be opened
};
} // namespace Hex

// Reads the Intel HEX file and copies every data byte whose absolute address A
// lies in [lo, hi] to buffer[A - lo]; bytes outside the window are read and
// discarded, buffer bytes that no record covers keep their value. The buffer
// must hold hi - lo + 1 bytes. Records of type 04 set the upper 16 address
// bits, type 05 is skipped, anything after the end-of-file record is never
// read. A record's bytes are stored only once its checksum has been verified.
// Returns Hex::Ok or a negative Hex::Result.
[[nodiscard]] int HexToBin(const QString &fileName, void *buffer, quint32 lo, quint32 hi);
