#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>

// The production record of lc420-cli --log FILE.csv: one CSV line per driver
// a command was run on, whether it succeeded or failed, appended and flushed
// to the disk the moment that driver's work ends, so a crash or a power cut
// later in the run loses no finished unit. Lines from several threads or
// processes never mix, and a log that several runs create at once gets one
// header (each holds a file lock while it appends). The columns:
//
//     time,serial,command,file,check,result
//
// time is UTC in ISO 8601 ("2026-12-07T13:45:12Z"); check is the upgrade
// file's two check words or the SHA-256 of a show file as sent (its header,
// version and table), both taken from the one reading of the file whose
// bytes were sent; serial is empty when no driver
// answered and --serial named none; result is "ok" or, for a failure,
// "failed: " and why.
namespace Cli {

class ProductionLog
{
public:
    struct Entry
    {
        QByteArray serial;
        QString command; // "upgrade", "programs set", ...
        QString fileName;
        QString check;
        QString result;
    };

    ProductionLog() = default;
    ~ProductionLog();
    ProductionLog(const ProductionLog &) = delete;
    ProductionLog &operator=(const ProductionLog &) = delete;

    // Opens fileName for appending, creating it with the header line when it
    // does not exist. Anything that exists and is no regular file (a folder, a
    // FIFO, a device) is refused without waiting on it. An empty text on
    // success, else why not.
    [[nodiscard]] QString open(const QString &fileName);
    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    [[nodiscard]] QString fileName() const { return m_fileName; }

    // Appends one line stamped with the time now and syncs it to the disk.
    // Thread safe. An empty text on success, else why it was not recorded.
    [[nodiscard]] QString append(const Entry &entry);

    // One CSV field, quoted when it holds a comma, a quote or a line break
    // (RFC 4180).
    [[nodiscard]] static QString field(const QString &text);

private:
    [[nodiscard]] QString writeLine(const QByteArray &line);

    QMutex m_mutex;
    int m_fd = -1;
    QString m_fileName;
};

// The --log file of this run; not open without --log.
ProductionLog &productionLog();

// What the log records of an upgrade file: its image's two check words.
[[nodiscard]] QString upgradeFileCheck(const QByteArray &plainImage);

// Records entry in the --log file, when there is one. Empty when recorded (or
// when there is no log), else the message that says why not.
[[nodiscard]] QString logUnit(const ProductionLog::Entry &entry);

} // namespace Cli
