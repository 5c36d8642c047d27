#include "core/workerjob.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>

class TestWorkerJob : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workOffTheThreadReportOnIt();
    void reportMayStartTheNextJob();
    void destructionWaitsAndDropsTheReport();
};

// The work runs on a thread of its own, the report on the context's thread,
// after the busy mark is off again.
void TestWorkerJob::workOffTheThreadReportOnIt()
{
    QObject context;
    QStringList busy;
    WorkerJob job(&context, [&busy](bool on) { busy.append(on ? "on" : "off"); });
    QThread *worker = nullptr;
    QThread *reporter = nullptr;
    job.start([&]() -> WorkerJob::Report {
        worker = QThread::currentThread();
        return [&] {
            reporter = QThread::currentThread();
            busy.append(job.running() ? "report while running" : "report");
        };
    });
    QVERIFY(job.running());
    QTRY_VERIFY(!job.running());
    QVERIFY(worker != nullptr);
    QVERIFY(worker != QThread::currentThread());
    QCOMPARE(reporter, QThread::currentThread());
    QCOMPARE(busy, (QStringList{"on", "off", "report"}));
}

// A look at the driver, a question, then the write: the second job starts
// from the first one's report.
void TestWorkerJob::reportMayStartTheNextJob()
{
    QObject context;
    QStringList steps;
    WorkerJob job(&context, [&steps](bool on) { steps.append(on ? "on" : "off"); });
    job.start([&]() -> WorkerJob::Report {
        return [&] {
            steps.append("asked");
            job.start([&]() -> WorkerJob::Report { return [&] { steps.append("written"); }; });
        };
    });
    QTRY_COMPARE(steps, (QStringList{"on", "off", "asked", "on", "off", "written"}));
}

void TestWorkerJob::destructionWaitsAndDropsTheReport()
{
    QSemaphore release;
    bool reported = false;
    bool worked = false;
    {
        QObject context;
        WorkerJob job(&context, {});
        job.start([&]() -> WorkerJob::Report {
            release.acquire();
            worked = true;
            return [&reported] { reported = true; };
        });
        release.release();
    }
    QVERIFY(worked);
    QCoreApplication::processEvents();
    QVERIFY(!reported);
}

QTEST_GUILESS_MAIN(TestWorkerJob)
#include "tst_workerjob.moc"
