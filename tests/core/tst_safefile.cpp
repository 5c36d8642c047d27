#include "core/safefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(SafeFile::Change)

class tst_SafeFile : public QObject
{
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
    void refusesWhatIsNoRegularFile_data();
    void refusesWhatIsNoRegularFile();
    void stampTellsAChangeOnDisk_data();
    void stampTellsAChangeOnDisk();
    void fullDiskLeavesOldFile_data();
    void fullDiskLeavesOldFile();

private:
    QTemporaryDir m_dir;
};

void tst_SafeFile::writes_data()
{
    QTest::addColumn<QByteArray>("previous");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("new file") << QByteArray() << QByteArray(16384, 'x');
    QTest::newRow("replaces a longer file") << QByteArray(100, 'a') << QByteArray("short");
    QTest::newRow("empty data") << QByteArray("old") << QByteArray();
}

void tst_SafeFile::writes()
{
    QFETCH(QByteArray, previous);
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath(QTest::currentDataTag());
    if (!previous.isEmpty()) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(previous);
    }
    QCOMPARE(SafeFile::write(path, bytes), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
}

void tst_SafeFile::refusesWhatIsNoRegularFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("what"); // "it is <what>, not a file to save to"
    QTest::newRow("folder") << m_dir.path() << "a folder";
    QTest::newRow("device node") << QStringLiteral("/dev/null") << "a device";
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("fifo") << fifo << "a pipe or a socket";
    const QString link = m_dir.filePath(QStringLiteral("link-to-full"));
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), link));
    QTest::newRow("link to a device") << link << "a device";
}

void tst_SafeFile::refusesWhatIsNoRegularFile()
{
    QFETCH(QString, path);
    QFETCH(QString, what);
    // Saving names the cause, not what the rename over it would have said.
    QCOMPARE(SafeFile::write(path, QByteArray("data")),
             QStringLiteral("it is %1, not a file to save to").arg(what));
    QCOMPARE(SafeFile::cannotSaveThere(path), SafeFile::write(path, QByteArray("data")));
    // Reading refuses it before the open, which blocks on a FIFO.
    QFile file(path);
    QCOMPARE(SafeFile::openForReading(file), QStringLiteral("%1 is not a regular file").arg(path));
    QVERIFY(!file.isOpen());
    struct stat info
    {
    };
    QCOMPARE(stat(QFile::encodeName(path).constData(), &info), 0);
    QVERIFY(!S_ISREG(info.st_mode));
}

// What Save asks before it overwrites: whether the file still holds what
// was written (or read) there. A file only touched is unchanged; one of the
// same size with other bytes is changed, whatever its time says.
void tst_SafeFile::stampTellsAChangeOnDisk_data()
{
    QTest::addColumn<qint64>("size");       // written first
    QTest::addColumn<QByteArray>("change"); // "touch", "rewrite", "grow", "delete", "fifo", "none"
    QTest::addColumn<SafeFile::Change>("expected");

    constexpr qint64 small = 7750;
    constexpr qint64 large = SafeFile::MaxHashedBytes + 1;
    QTest::newRow("untouched") << small << QByteArray("none") << SafeFile::Change::None;
    QTest::newRow("touched, same bytes") << small << QByteArray("touch") << SafeFile::Change::None;
    QTest::newRow("same size, other bytes, old time")
        << small << QByteArray("rewrite") << SafeFile::Change::Changed;
    QTest::newRow("grown") << small << QByteArray("grow") << SafeFile::Change::Changed;
    QTest::newRow("deleted") << small << QByteArray("delete") << SafeFile::Change::Gone;
    QTest::newRow("replaced by a FIFO") << small << QByteArray("fifo") << SafeFile::Change::Changed;
    QTest::newRow("large file untouched") << large << QByteArray("none") << SafeFile::Change::None;
    QTest::newRow("large file touched: known by its time alone")
        << large << QByteArray("touch") << SafeFile::Change::Changed;
}

void tst_SafeFile::stampTellsAChangeOnDisk()
{
    QFETCH(qint64, size);
    QFETCH(QByteArray, change);
    QFETCH(SafeFile::Change, expected);
    const QString path = m_dir.filePath(QStringLiteral("stamped-") + QTest::currentDataTag());
    const QByteArray bytes(size, 's');
    SafeFile::Stamp stamp;
    QCOMPARE(SafeFile::write(path, bytes, &stamp), QString());
    QCOMPARE(stamp.size, size);
    QCOMPARE(stamp.sha256.isEmpty(), size > SafeFile::MaxHashedBytes);
    // Reading the file gives the stamp writing it gave.
    QFile read(path);
    QVERIFY(read.open(QIODevice::ReadOnly));
    const SafeFile::Stamp readStamp
        = SafeFile::stamp(read, size <= SafeFile::MaxHashedBytes ? read.readAll() : QByteArray());
    QCOMPARE(readStamp.sha256, stamp.sha256);
    QCOMPARE(readStamp.modified, stamp.modified);

    const QDateTime later = stamp.modified.addSecs(10);
    QFile file(path);
    if (change == "touch" || change == "rewrite") {
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (change == "rewrite")
            QCOMPARE(file.write(QByteArray(size, 'o')), size);
        // The other program keeps the time: only the bytes can tell.
        QVERIFY(file.setFileTime(change == "touch" ? later : stamp.modified,
                                 QFileDevice::FileModificationTime));
    } else if (change == "grow") {
        QVERIFY(file.open(QIODevice::Append) && file.write("x") == 1);
    } else if (change == "delete" || change == "fifo") {
        QVERIFY(file.remove());
        if (change == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    file.close();
    QCOMPARE(SafeFile::changeSince(path, stamp), expected);
}

void tst_SafeFile::fullDiskLeavesOldFile_data()
{
    QTest::addColumn<QByteArray>("previous");
    QTest::newRow("no previous file") << QByteArray();
    QTest::newRow("previous file kept") << QByteArray("previous contents");
}

// The disk fills up part way through: a child process writes under a file
// size limit of 4 KiB, which the kernel enforces like a full disk.
void tst_SafeFile::fullDiskLeavesOldFile()
{
    QFETCH(QByteArray, previous);
    const QString path = m_dir.filePath(QStringLiteral("full-%1").arg(QTest::currentDataTag()));
    if (!previous.isEmpty()) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(previous);
    }

    int channel[2];
    QCOMPARE(pipe(channel), 0);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        close(channel[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const QByteArray why = SafeFile::write(path, QByteArray(16384, 'n')).toUtf8();
        (void)!write(channel[1], why.constData(), size_t(why.size()));
        _exit(0);
    }
    close(channel[1]);
    QByteArray why;
    char chunk[256];
    for (ssize_t n; (n = read(channel[0], chunk, sizeof chunk)) > 0;)
        why.append(chunk, n);
    close(channel[0]);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);

    QCOMPARE(QString::fromUtf8(why), QStringLiteral("File too large"));
    QFile file(path);
    QCOMPARE(file.exists(), !previous.isEmpty());
    if (file.exists()) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), previous);
    }
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter(QStringLiteral("full-")).size(),
             previous.isEmpty() ? 0 : 1);
}

QTEST_GUILESS_MAIN(tst_SafeFile)
#include "tst_safefile.moc"
