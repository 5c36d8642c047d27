#pragma once

#include <QString>
#include <QtGlobal>

#include <limits>
#include <vector>

// Result codes of HexToBin. Negative codes name the first fault found; the
// buffer then holds what the records before the faulty one stored.
namespace Hex {
enum Result : int {
    Ok = 0,              // the end-of-file record was read
    ShortLine = -1,      // a line shorter than 11 characters (line end counted)
    NoColon = -2,        // a line that does not begin with ':'
    BadCount = -3,       // byte-count field not hexadecimal
    BadAddress = -4,     // address field not hexadecimal
    BadType = -5,        // record-type field not hexadecimal
    BadData = -6,        // the record does not match its line: a data byte or the
                         // checksum missing or not hexadecimal, or more than blanks
                         // after the checksum
    BadRecord = -7,      // record type above 05; a byte count, or an address field other
                         // than 0000, that does not fit the type; a second start
                         // address (type 03 or 05); a bad type-02 or type-04 value
    BadChecksum = -8,    // the record's bytes do not sum to zero with its checksum
    CannotOpen = -9,     // the file could not be opened, or is no regular file
    NoEndRecord = -10,   // the file ended without an end-of-file record: cut short
    Overlap = -11,       // a record gives a byte of the window another value than an
                         // earlier record gave it: the file says two things
    CheckWordData = -12, // not HexToBin's own: the upgrade builder found data on a
                         // check word that differs from the word it computes
};

// What a reading found besides its result.
struct Report
{
    int line = 0;            // 1-based line of the fault; for NoEndRecord the line after the last
    quint32 address = 0;     // for Overlap and CheckWordData: the first address at fault
    int firstStoredLine = 0; // the line of the first record that stored a byte in the window
    qint64 stored = 0;       // bytes stored in the window
    quint32 lowestStored = std::numeric_limits<quint32>::max(); // when stored > 0
    qint64 ignored = 0; // data bytes outside the window, read and dropped
    quint32 lowestIgnored = std::numeric_limits<quint32>::max(); // when ignored > 0
    quint32 highestIgnored = 0;                                  // likewise
    // Ignored bytes that a record gave another value than an earlier record
    // gave them: the file says two things there too. Followed for the first
    // 16 MiB of addresses that hold ignored data.
    qint64 ignoredConflicts = 0;
    quint32 firstIgnoredConflict = 0; // when ignoredConflicts > 0
    int firstIgnoredConflictLine = 0; // likewise: the line of the later record
};

// A range [lo, hi] of the window whose first storing record is wanted:
// HexToBin sets firstLine to that record's line, or leaves it 0 when no
// record stored a byte there.
struct Watch
{
    quint32 lo = 0;
    quint32 hi = 0;
    int firstLine = 0;
};

// A short description of a result code, for command-line messages (translated).
[[nodiscard]] QString describe(int result);
} // namespace Hex

// Reads the Intel HEX file and copies every data byte whose absolute address A
// lies in [lo, hi] to buffer[A - lo]; bytes outside the window are read,
// counted in the report and discarded, buffer bytes that no record covers
// keep their value. The buffer must hold hi - lo + 1 bytes. LF, CRLF and a
// lone CR each end a line. Records of type 04 set the base address to their
// value x 65536, type 02 to their value x 16; the start addresses (type 03
// or 05, at most one) are skipped; anything after the end-of-file record is
// never read; a file without one is refused, since it was cut short. A
// record's bytes are stored only once its checksum has been verified and it
// contradicts no byte an earlier record stored in the window (the same value
// twice is fine). Returns Hex::Ok or a negative Hex::Result; `report`, when
// given, says where the fault is and what was stored and ignored; `watches`,
// when given, which record first stored a byte in each of their ranges.
[[nodiscard]] int HexToBin(const QString &fileName, void *buffer, quint32 lo, quint32 hi,
                           Hex::Report *report = nullptr,
                           std::vector<Hex::Watch> *watches = nullptr);
