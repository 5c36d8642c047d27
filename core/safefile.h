#pragma once

#include <QByteArray>
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

// An empty text on success, else why the file was not written, in the
// system's own words where the system said why.
[[nodiscard]] QString write(const QString &fileName, const Writer &writer);
[[nodiscard]] QString write(const QString &fileName, const QByteArray &bytes);

// "Cannot write FILE: why", the one sentence every front end shows for a
// file that write() refused.
[[nodiscard]] QString describeFailure(const QString &fileName, const QString &why);

// Opens `file` (its name already set) read-only, but only when the name leads
// to a regular file: opening a FIFO blocks until some writer comes, and a
// device node (/dev/zero, /dev/urandom) never ends. The check comes before
// the open. An empty text on success, else why, as write() says it.
[[nodiscard]] QString openForReading(QFile &file);

} // namespace SafeFile
