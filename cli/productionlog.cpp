#include "cli/productionlog.h"

#include "firmware/upgradefile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Cli {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
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
        return QStringLiteral("not a regular file");
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
        return QStringLiteral("not a regular file");
    }
    ::fcntl(fd, F_SETFL, O_APPEND); // blocking again for the writes
    m_fd = fd;
    m_fileName = fileName;

    QByteArray start;
    if (status.st_size == 0) {
        start = "time,serial,command,file,check,result\n";
    } else {
        // A line cut short by an earlier crash must not swallow the next one.
        char last = '\n';
        if (::pread(fd, &last, 1, status.st_size - 1) == 1 && last != '\n')
            start = "\n";
    }
    return start.isEmpty() ? QString() : writeLine(start);
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
    QMutexLocker lock(&m_mutex);
    if (m_fd < 0)
        return QStringLiteral("the log is not open");
    // One write per line: with O_APPEND it lands whole at the end even when
    // another process appends to the same log.
    qsizetype done = 0;
    while (done < line.size()) {
        const ssize_t written = ::write(m_fd, line.constData() + done, size_t(line.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return systemError(written < 0 ? errno : ENOSPC);
        done += written;
    }
    if (::fsync(m_fd) != 0 && errno != EINVAL)
        return systemError(errno);
    return {};
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

QString sha256Of(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString logUnit(const ProductionLog::Entry &entry)
{
    ProductionLog &log = productionLog();
    if (!log.isOpen())
        return {};
    const QString why = log.append(entry);
    if (why.isEmpty())
        return {};
    return QStringLiteral("lc420-cli: cannot record %1 in %2: %3")
        .arg(QString::fromLatin1(entry.serial), log.fileName(), why);
}

} // namespace Cli
