#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>

class QFile;
class QIODevice;

// Every file the program writes goes through here. The data goes to a
// temporary file beside the target, unbuffered so that a short write (a full
// disk, a file-size limit) is seen at the write that failed; it is then
// synced and renamed over the target. Until that rename the target keeps its
// old contents, and a failed write leaves nothing behind. A target that
// exists but is no regular file (a folder, a device node, a FIFO) is refused
// rather than replaced.
namespace SafeFile {

// Writes into the device it is given; false when it could not write
// everything it meant to.
using Writer = std::function<bool(QIODevice &)>;

// What a file held when the program last read or wrote it, to tell later
// whether another program has changed it since. Files up to MaxHashedBytes
// carry the SHA-256 of their whole contents; a larger one is known by its
// size and modification time alone.
struct Stamp
{
    qint64 size = -1;
    QDateTime modified;
    QByteArray sha256; // empty for a file above MaxHashedBytes
    [[nodiscard]] bool isNull() const { return size < 0; }
};
inline constexpr qint64 MaxHashedBytes = qint64(1) << 20;

// An empty text on success, else why the file was not written, in the
// system's own words where the system said why. The bytes overload can hand
// back the stamp of the file it wrote.
[[nodiscard]] QString write(const QString &fileName, const Writer &writer);
[[nodiscard]] QString write(const QString &fileName, const QByteArray &bytes,
                            Stamp *stamp = nullptr);

// "Cannot write FILE: why", the one sentence every front end shows for a
// file that write() refused.
[[nodiscard]] QString describeFailure(const QString &fileName, const QString &why);

// Opens `file` (its name already set) read-only, but only when the name leads
// to a regular file: opening a FIFO blocks until some writer comes, and a
// device node (/dev/zero, /dev/urandom) never ends. The check comes before
// the open. An empty text on success, else why, as write() says it.
[[nodiscard]] QString openForReading(QFile &file);

// Why nothing can be saved at fileName when it exists and is no regular file
// (a device, a folder, a FIFO or a socket: "it is a device, not a file to
// save to", for describeFailure); empty for a regular file or a name not
// taken.
[[nodiscard]] QString cannotSaveThere(const QString &fileName);

// The stamp of a file open for reading whose whole contents are `contents`
// (a null array when it was not read whole, or is above MaxHashedBytes).
[[nodiscard]] Stamp stamp(const QFile &file, const QByteArray &contents);

enum class Change {
    None,    // the file holds what the stamp recorded (or the stamp is null)
    Changed, // another size, other contents, or no longer a regular file
    Gone,    // there is no file by that name any more
};
// Compares the file on disk with its stamp: by the hash when the stamp has
// one (a file touched but not changed is unchanged), else by size and time.
// Reads at most the stamp's size and one byte more.
[[nodiscard]] Change changeSince(const QString &fileName, const Stamp &stamp);

} // namespace SafeFile
