#include "core/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

} // namespace

QString write(const QString &fileName, const Writer &writer)
{
    const QFileInfo target(fileName);
    // QFileInfo follows symbolic links: a link to a regular file is written
    // through, a link to a device node is refused like the node itself.
    if (target.exists() && !target.isFile())
        return notRegular(fileName);

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

QString write(const QString &fileName, const QByteArray &bytes)
{
    return write(fileName,
                 [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
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

QString describeFailure(const QString &fileName, const QString &why)
{
    return QCoreApplication::translate("SafeFile", "Cannot write %1: %2")
        .arg(QDir::toNativeSeparators(fileName), why);
}

} // namespace SafeFile
