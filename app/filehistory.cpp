#include "app/filehistory.h"

#include <QFileInfo>
#include <QSettings>

namespace {

constexpr QLatin1String recentKey("recentFiles");

QString folderKey(Show::Kind kind)
{
    return kind == Show::Kind::Programs ? QStringLiteral("folders/programs")
                                        : QStringLiteral("folders/scenes");
}

} // namespace

namespace FileHistory {

QStringList recentFiles()
{
    QStringList files = QSettings().value(recentKey).toStringList();
    files.removeAll(QString());
    files.removeDuplicates();
    return files.mid(0, MaxRecentFiles);
}

void noteUsed(Show::Kind kind, const QString &fileName)
{
    const QFileInfo file(fileName);
    const QString path = file.absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    QSettings settings;
    settings.setValue(recentKey, files.mid(0, MaxRecentFiles));
    settings.setValue(folderKey(kind), file.absolutePath());
}

void forget(const QString &fileName)
{
    QStringList files = recentFiles();
    if (files.removeAll(fileName) > 0)
        QSettings().setValue(recentKey, files);
}

QString folder(Show::Kind kind)
{
    return QSettings().value(folderKey(kind)).toString();
}

} // namespace FileHistory
