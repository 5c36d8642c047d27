#include "core/safefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace SafeFile {

namespace {

// Qt's words for the commonest system errors (QFileDevice::errorString()),
// worded by our catalogues, so that a file error reads in the user's
// language whether or not Qt's own catalogue is installed.
[[maybe_unused]] constexpr const char *systemErrors[] = {
    QT_TRANSLATE_NOOP("QIODevice", "No such file or directory"),
    QT_TRANSLATE_NOOP("QIODevice", "Permission denied"),
    QT_TRANSLATE_NOOP("QIODevice", "Too many open files"),
    QT_TRANSLATE_NOOP("QIODevice", "No space left on device"),
    QT_TRANSLATE_NOOP("QIODevice", "Unknown error"),
};

QString notRegular(const QString &fileName)
{
    return QCoreApplication::translate("SafeFile", "%1 is not a regular file")
        .arg(QDir::toNativeSeparators(fileName));
}

QByteArray sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

QString cannotSaveThere(const QString &fileName)
{
    // stat() follows symbolic links: a link to a regular file is written
    // through, a link to a device node is refused like the node itself.
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(fileName).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    // Said after describeFailure's "Cannot write FILE: ".
    if (S_ISDIR(info.st_mode))
        return QCoreApplication::translate("SafeFile", "it is a folder, not a file to save to");
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return QCoreApplication::translate("SafeFile", "it is a device, not a file to save to");
    return QCoreApplication::translate("SafeFile",
                                       "it is a pipe or a socket, not a file to save to");
}

QString write(const QString &fileName, const Writer &writer)
{
    if (QString why = cannotSaveThere(fileName); !why.isEmpty())
        return why;

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writer(file) || file.error() != QFileDevice::NoError || !file.flush()) {
        // A write the system cut short (the disk filled up part way) returns
        // a short count and leaves no error behind; one more byte to the
        // temporary file, which is discarded anyway, makes it say why.
        if (file.error() == QFileDevice::NoError)
            file.write("", 1);
        QString why = file.error() != QFileDevice::NoError
                          ? file.errorString()
                          : QCoreApplication::translate("SafeFile", "Could not write %1")
                                .arg(QDir::toNativeSeparators(fileName));
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString write(const QString &fileName, const QByteArray &bytes, Stamp *stamp)
{
    QString why = write(
        fileName, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
    if (why.isEmpty() && stamp) {
        *stamp = Stamp{bytes.size(), QFileInfo(fileName).lastModified(),
                       bytes.size() <= MaxHashedBytes ? sha256(bytes) : QByteArray()};
    }
    return why;
}

QString openForReading(QFile &file)
{
    // A missing file is left to open(), which names the system's reason.
    const QFileInfo source(file.fileName());
    if (source.exists() && !source.isFile())
        return notRegular(file.fileName());
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return {};
}

Stamp stamp(const QFile &file, const QByteArray &contents)
{
    Stamp result;
    result.modified = file.fileTime(QFileDevice::FileModificationTime);
    // What was read is what the stamp stands for, even when the file grew or
    // shrank meanwhile: the next comparison then sees the difference.
    result.size = contents.isNull() ? file.size() : contents.size();
    if (!contents.isNull() && contents.size() <= MaxHashedBytes)
        result.sha256 = sha256(contents);
    return result;
}

Change changeSince(const QString &fileName, const Stamp &stamp)
{
    if (stamp.isNull())
        return Change::None;
    const QFileInfo info(fileName);
    if (!info.exists())
        return Change::Gone;
    if (!info.isFile() || info.size() != stamp.size)
        return Change::Changed;
    if (stamp.sha256.isEmpty())
        return info.lastModified() == stamp.modified ? Change::None : Change::Changed;
    QFile file(fileName);
    if (!openForReading(file).isEmpty())
        return Change::Changed;
    return sha256(file.read(stamp.size + 1)) == stamp.sha256 ? Change::None : Change::Changed;
}

QString describeFailure(const QString &fileName, const QString &why)
{
    return QCoreApplication::translate("SafeFile", "Cannot write %1: %2")
        .arg(QDir::toNativeSeparators(fileName), why);
}

} // namespace SafeFile
