#include "app/filehistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <QVariantMap>

#include <utility>

namespace {

constexpr QLatin1String recentKey("recentFiles");

QString folderKey(Show::Kind kind)
{
    return kind == Show::Kind::Programs ? QStringLiteral("folders/programs")
                                        : QStringLiteral("folders/scenes");
}

// Where QSettings keeps the user's settings of this program, by its own rules
// (~/.config/lc420/lc420.conf), found without opening anything.
QString settingsPath()
{
    QString organization = QCoreApplication::organizationName();
    if (organization.isEmpty())
        organization = QCoreApplication::organizationDomain();
    if (organization.isEmpty())
        organization = QStringLiteral("Unknown Organization");
    const QString application = QCoreApplication::applicationName();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                           + QLatin1Char('/') + organization;
    return application.isEmpty()
               ? folder + QStringLiteral(".conf")
               : folder + QLatin1Char('/') + application + QStringLiteral(".conf");
}

// The settings of one settings file. QSettings opens its file with a plain
// open(), which waits forever on a FIFO and never ends on a device, so the
// file is read only while it is a regular file (or none yet). Once it is not
// one, or cannot be written, the values live here until the program ends.
struct Store
{
    bool inMemory = false;
    QVariantMap values; // while inMemory
    QString problem;    // to be told once
};

Store &storeFor(const QString &path)
{
    // By path: a test (or a user) who points the configuration folder
    // elsewhere gets a fresh start.
    static QHash<QString, Store> stores;
    return stores[path];
}

void keepInMemory(Store &store, const QString &problem)
{
    store.inMemory = true;
    store.problem = problem;
}

// Whether the file may be opened now; notes the problem when not.
bool fileUsable(Store &store, const QString &path)
{
    if (store.inMemory)
        return false;
    const QFileInfo file(path);
    // QFileInfo follows symbolic links, so a link to /dev/zero is refused too.
    if (!file.exists() || file.isFile())
        return true;
    keepInMemory(store, QCoreApplication::translate(
                            "FileHistory",
                            "The settings file %1 is not a regular file and was left alone; recent "
                            "files are kept only until the program ends.")
                            .arg(QDir::toNativeSeparators(path)));
    return false;
}

QVariant value(const QString &key)
{
    const QString path = settingsPath();
    Store &store = storeFor(path);
    if (!fileUsable(store, path))
        return store.values.value(key);
    return QSettings(path, QSettings::IniFormat).value(key);
}

void setValues(const QVariantMap &values)
{
    const QString path = settingsPath();
    Store &store = storeFor(path);
    if (fileUsable(store, path)) {
        QSettings settings(path, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        if (settings.status() != QSettings::AccessError)
            return;
        // What the file held, and the values it refused, go on from here.
        for (const QString &key : settings.allKeys())
            store.values.insert(key, settings.value(key));
        keepInMemory(store, QCoreApplication::translate(
                                "FileHistory", "The settings cannot be saved in %1; recent "
                                               "files are kept only until the program ends.")
                                .arg(QDir::toNativeSeparators(path)));
    }
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        store.values.insert(it.key(), it.value());
}

} // namespace

namespace FileHistory {

QStringList recentFiles()
{
    QStringList files = value(recentKey).toStringList();
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
    setValues({{recentKey, files.mid(0, MaxRecentFiles)}, {folderKey(kind), file.absolutePath()}});
}

void forget(const QString &fileName)
{
    QStringList files = recentFiles();
    if (files.removeAll(fileName) > 0)
        setValues({{recentKey, files}});
}

QString folder(Show::Kind kind)
{
    return value(folderKey(kind)).toString();
}

QString takeProblem()
{
    Store &store = storeFor(settingsPath());
    return std::exchange(store.problem, QString());
}

} // namespace FileHistory
