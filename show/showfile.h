#pragma once

#include "core/safefile.h"
#include "show/scenerecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// Show files: the scenes file (*.scn) and the programs file (*.pgm). Each is
// a Qt 4.8 QDataStream (big-endian length prefixes) of the header text, the
// version text and the table's plain byte image as one byte array. Inside
// the block the records keep their own little-endian fields.
namespace Show {

inline constexpr char ProgramsFileHeader[] = "Lc420 Programs File";
inline constexpr char ScenesFileHeader[] = "Lc420 Scenes File";
inline constexpr char FileVersion[] = "Version 01";
// 4 + 2 * header length, 4 + 20 (version), 4 + the table.
inline constexpr qint64 ProgramsFileSize = 7750;
inline constexpr qint64 ScenesFileSize = 450;

[[nodiscard]] QString fileHeader(Kind kind);
[[nodiscard]] constexpr qint64 fileSize(Kind kind)
{
    return kind == Kind::Programs ? ProgramsFileSize : ScenesFileSize;
}

// Writes the file's three items; false when the table has the wrong size or
// the device refused data.
[[nodiscard]] bool writeFile(QIODevice &device, Kind kind, const QByteArray &table);

// writeFile through SafeFile: the previous file stays intact unless the whole
// new one was written. An empty text on success, else why it failed; stamp,
// when given, receives the written file's stamp.
[[nodiscard]] QString saveFile(const QString &fileName, Kind kind, const QByteArray &table,
                               SafeFile::Stamp *stamp = nullptr);

// The SHA-256 (lower-case hex, as sha256sum prints it) of the show file that
// writeFile makes of table: for a file this program saved, that file's own
// hash. What a file held after its table is not part of it; empty for a table
// of the wrong size.
[[nodiscard]] QByteArray fileSha256(Kind kind, const QByteArray &table);

// What reading a show file found. The checks run in file order and the first
// that fails decides: the header, the version, then a block that holds at
// least the whole table (a block cut short by the end of the file, or
// shorter than the table, is WrongLength). A block longer than the table, and
// anything after the block, are accepted; only the table's bytes are used.
struct FileContents
{
    enum class Error { None, Unreadable, WrongHeader, WrongVersion, WrongLength };
    Error error = Error::Unreadable;
    QString why;           // the system's reason, for Unreadable
    QString header;        // as read; null when it could not be read
    QString version;       // likewise
    qint64 blockSize = -1; // the block's length as read, -1 when it could not be read
    qint64 fileSize = 0;
    QByteArray table; // tableSize(kind) bytes, only when error is None
    // What the file held as it was read (by name only), to tell at the next
    // save whether another program has changed it since.
    SafeFile::Stamp stamp;

    [[nodiscard]] bool ok() const { return error == Error::None; }
};

// What went wrong, as the box tells it ("Wrong file header", ...); empty when
// nothing did. An unreadable file reads as an empty header.
[[nodiscard]] QString describe(const FileContents &contents);

// The file and what is wrong with it, in neutral words that any front end
// can show below the text above, naming the file as given:
// "demo-scenes.scn is a scenes file, not a programs file.", "show.pgm is cut
// short: 7700 of 7750 bytes.", "x.pgm cannot be read: <the system's reason>."
// Empty for a good file. contents was read as kind.
[[nodiscard]] QString describe(const FileContents &contents, const QString &fileName, Kind kind);

// The other kind of show file, when the header read names that one.
[[nodiscard]] std::optional<Kind> otherKind(const FileContents &contents, Kind kind);

// Reads a bounded amount whatever the length fields claim: a block longer
// than the table is skipped over, never read or held.
[[nodiscard]] FileContents readFile(QIODevice &device, Kind kind);
[[nodiscard]] FileContents readFile(const QString &fileName, Kind kind);

// Which table a show file holds, told by its header text alone, whatever its
// name; none when the header is neither (or cannot be read: a file that is
// not a regular one is never opened). Reads the header only, so a file whose
// kind is known may still be damaged further on: readFile has the last word.
[[nodiscard]] std::optional<Kind> fileKind(QIODevice &device);
[[nodiscard]] std::optional<Kind> fileKind(const QString &fileName);

} // namespace Show
