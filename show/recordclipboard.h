#pragma once

#include "show/stepoperations.h"

#include <QMimeData>
#include <QString>

#include <memory>
#include <optional>

// Records on the clipboard: our own type with the raw records, for pasting
// back into this program (reserved bytes and all), and plain text for a text
// editor or a spreadsheet, which can be pasted back too.
namespace Show {

// The payload: one byte of flags (bit 0: the records carry their End Marker,
// bit 1: they carry their reserved bytes), then the records, RecordSize bytes
// each.
inline constexpr char RecordsMimeType[] = "application/x-lc420-records";

// One line per record, fields separated by a tab: the twelve lamp colours as
// #rrggbb, the XFade, the Scene Time in ms and the End Marker (0 or 1; "-"
// for records without one, the scenes). The times are written as the editors
// show them, limited to their ranges, so that every line reads back.
[[nodiscard]] QString recordsToText(const RecordClip &clip);

// The most records a text may hold: a whole programs table.
inline constexpr int MaxTextRecords = ProgramTableSize / RecordSize; // 160
// The longest line read, line end excluded; a record written above takes
// about 110 characters.
inline constexpr int MaxTextLineLength = 512;

// Reads text as written above; blank lines are skipped, any run of blanks or
// tabs separates fields, a line may end in CRLF. The whole text is refused
// (nullopt) for a line with a wrong field count, a colour that is not
// #rrggbb, a number that is not plain ASCII digits (no sign) or lies outside
// the editors' range, an End Marker other than 0, 1 or "-", a mix of "-" and
// 0/1, any character that is not printable ASCII, a blank or a tab (a NUL, a
// byte-order mark, a no-break space), a line longer than MaxTextLineLength,
// or more than MaxTextRecords records (found without reading further, and a
// text longer than that many full lines is refused unread); likewise for
// text without a record. The records carry no reserved bytes.
[[nodiscard]] std::optional<RecordClip> recordsFromText(const QString &text);

// Both forms, for QClipboard::setMimeData (which takes ownership).
[[nodiscard]] std::unique_ptr<QMimeData> recordsToMimeData(const RecordClip &clip);

// Our own type when present and well formed, else the plain text; nullopt
// when neither gives records.
[[nodiscard]] std::optional<RecordClip> recordsFromMimeData(const QMimeData *mime);

} // namespace Show
