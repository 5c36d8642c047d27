#include "core/safefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class tst_SafeFile : public QObject
{
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
    void refusesWhatIsNoRegularFile_data();
    void refusesWhatIsNoRegularFile();
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
    QTest::newRow("folder") << m_dir.path();
    QTest::newRow("device node") << QStringLiteral("/dev/null");
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QTest::newRow("fifo") << fifo;
}

void tst_SafeFile::refusesWhatIsNoRegularFile()
{
    QFETCH(QString, path);
    const QString why = SafeFile::write(path, QByteArray("data"));
    QCOMPARE(why, QStringLiteral("%1 is not a regular file").arg(path));
    // Reading refuses it before the open, which blocks on a FIFO.
    QFile file(path);
    QCOMPARE(SafeFile::openForReading(file), why);
    QVERIFY(!file.isOpen());
    struct stat info
    {
    };
    QCOMPARE(stat(QFile::encodeName(path).constData(), &info), 0);
    QVERIFY(!S_ISREG(info.st_mode));
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
