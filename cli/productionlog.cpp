#include "cli/productionlog.h"

#include "firmware/upgradefile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Cli {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// An exclusive flock() on the log for as long as it lives. Every process that
// appends to the log holds it for its header check and for each line, so two
// runs that create the same log at once write one header between them, and
// their lines never mix.
class FileLock
{
public:
    explicit FileLock(int fd)
        : m_fd(fd)
    {
        while ((m_error = ::flock(m_fd, LOCK_EX) == 0 ? 0 : errno) == EINTR) {
        }
    }
    ~FileLock()
    {
        if (m_error == 0)
            ::flock(m_fd, LOCK_UN);
    }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    [[nodiscard]] int error() const { return m_error; }

private:
    int m_fd;
    int m_error = 0;
};

// Writes line whole at the end of the log and syncs it to the disk.
QString writeAll(int fd, const QByteArray &line)
{
    qsizetype done = 0;
    while (done < line.size()) {
        const ssize_t written = ::write(fd, line.constData() + done, size_t(line.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return systemError(written < 0 ? errno : ENOSPC);
        done += written;
    }
    if (::fsync(fd) != 0 && errno != EINVAL)
        return systemError(errno);
    return {};
}

} // namespace

ProductionLog::~ProductionLog()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString ProductionLog::open(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate("Cli", "not a regular file");
    // O_NONBLOCK: a FIFO put there after the check would otherwise hold the
    // open until a reader comes; it is refused below like any file that is
    // not regular.
    const int fd = ::open(QFile::encodeName(fileName).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0)
        return systemError(errno);
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return QCoreApplication::translate("Cli", "not a regular file");
    }
    ::fcntl(fd, F_SETFL, O_APPEND); // blocking again for the writes

    // The size is looked at under the lock: another process may be creating
    // the same log this very moment, and only the first writes the header.
    QMutexLocker threads(&m_mutex);
    QString why = [fd, &status] {
        const FileLock lock(fd);
        if (lock.error() != 0)
            return systemError(lock.error());
        if (::fstat(fd, &status) != 0)
            return systemError(errno);
        if (status.st_size == 0)
            return writeAll(fd, "time,serial,command,file,check,result\n");
        // A line cut short by an earlier crash must not swallow the next one.
        char last = '\n';
        if (::pread(fd, &last, 1, status.st_size - 1) == 1 && last != '\n')
            return writeAll(fd, "\n");
        return QString();
    }();
    if (!why.isEmpty()) {
        ::close(fd);
        return why;
    }
    m_fd = fd;
    m_fileName = fileName;
    return {};
}

QString ProductionLog::field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString value = text;
    return QLatin1Char('"') + value.replace(QLatin1Char('"'), QLatin1String("\"\""))
           + QLatin1Char('"');
}

QString ProductionLog::append(const Entry &entry)
{
    const QString time = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    const QStringList fields{time,          QString::fromLatin1(entry.serial),
                             entry.command, entry.fileName,
                             entry.check,   entry.result};
    QStringList quoted;
    for (const QString &text : fields)
        quoted.append(field(text));
    return writeLine(quoted.join(QLatin1Char(',')).toUtf8() + '\n');
}

QString ProductionLog::writeLine(const QByteArray &line)
{
    // The mutex keeps this process's threads apart (they share one open file,
    // so flock() alone would not), the file lock other processes.
    QMutexLocker threads(&m_mutex);
    if (m_fd < 0)
        return QCoreApplication::translate("Cli", "the log is not open");
    const FileLock lock(m_fd);
    if (lock.error() != 0)
        return systemError(lock.error());
    return writeAll(m_fd, line);
}

ProductionLog &productionLog()
{
    static ProductionLog log;
    return log;
}

QString upgradeFileCheck(const QByteArray &plainImage)
{
    const Upgrade::ImageCheck check = Upgrade::checkImage(plainImage);
    const auto hex32
        = [](quint32 value) { return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0')); };
    return QStringLiteral("app %1 ext %2").arg(hex32(check.appStored), hex32(check.extStored));
}

QString logUnit(const ProductionLog::Entry &entry)
{
    ProductionLog &log = productionLog();
    if (!log.isOpen())
        return {};
    const QString why = log.append(entry);
    if (why.isEmpty())
        return {};
    return QStringLiteral("lc420-cli: ")
           + QCoreApplication::translate("Cli", "cannot record %1 in %2: %3")
                 .arg(QString::fromLatin1(entry.serial), log.fileName(), why);
}

} // namespace Cli
