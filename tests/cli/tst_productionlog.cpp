// The --log file when several writers create and append to it at once: each
// thread here opens the log on its own, as separate processes do.

#include "cli/productionlog.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

class TestProductionLog : public QObject
{
    Q_OBJECT

private slots:
    void oneHeaderWhenManyCreateTheLog();
    void writersWaitForTheLock();
};

namespace {

Cli::ProductionLog::Entry entry(int writer)
{
    return {QByteArray::number(261107000 + writer), QStringLiteral("programs set"),
            QStringLiteral("a.pgm"), QStringLiteral("00"), QStringLiteral("ok")};
}

// The log holds one header and then one whole line per writer.
void checkLog(const QString &fileName, int writers)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 1 + writers + 1); // the last is empty: every line ends
    QCOMPARE(lines.first(), QByteArray("time,serial,command,file,check,result"));
    QVERIFY(lines.last().isEmpty());
    for (qsizetype i = 1; i <= writers; ++i)
        QVERIFY2(lines.at(i).endsWith(",programs set,a.pgm,00,ok"), lines.at(i).constData());
}

} // namespace

void TestProductionLog::oneHeaderWhenManyCreateTheLog()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    constexpr int Rounds = 10;
    constexpr int Writers = 8;
    for (int round = 0; round < Rounds; ++round) {
        const QString fileName = dir.filePath(QStringLiteral("log-%1.csv").arg(round));
        std::atomic<int> ready{0};
        std::atomic<int> failures{0};
        std::vector<std::unique_ptr<QThread>> threads;
        for (int writer = 0; writer < Writers; ++writer) {
            threads.emplace_back(QThread::create([&, writer] {
                Cli::ProductionLog log;
                // All start together, so the log is created under contention.
                ++ready;
                while (ready.load() < Writers) {
                }
                if (!log.open(fileName).isEmpty() || !log.append(entry(writer)).isEmpty())
                    ++failures;
            }));
            threads.back()->start();
        }
        for (auto &thread : threads)
            QVERIFY(thread->wait(10000));
        QCOMPARE(failures.load(), 0);

        checkLog(fileName, Writers);
    }
}

// Another process that holds the log's lock (here the test itself) keeps
// every writer waiting, header check included: none of them may decide that
// the log is empty while someone else is about to write its header.
void TestProductionLog::writersWaitForTheLock()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fileName = dir.filePath(QStringLiteral("log.csv"));
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::flock(fd, LOCK_EX), 0);

    constexpr int Writers = 4;
    std::atomic<int> failures{0};
    std::vector<std::unique_ptr<QThread>> threads;
    for (int writer = 0; writer < Writers; ++writer) {
        threads.emplace_back(QThread::create([&, writer] {
            Cli::ProductionLog log;
            if (!log.open(fileName).isEmpty() || !log.append(entry(writer)).isEmpty())
                ++failures;
        }));
        threads.back()->start();
    }
    QThread::msleep(300);
    QCOMPARE(QFileInfo(fileName).size(), 0);
    ::flock(fd, LOCK_UN);
    ::close(fd);
    for (auto &thread : threads)
        QVERIFY(thread->wait(10000));
    QCOMPARE(failures.load(), 0);
    checkLog(fileName, Writers);
}

QTEST_GUILESS_MAIN(TestProductionLog)
#include "tst_productionlog.moc"
