#include "core/clock.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <memory>
#include <vector>

using Sleeps = QList<QList<int>>;
using Times = QList<QList<qint64>>;

class tst_Clock : public QObject
{
    Q_OBJECT

private slots:
    void participantsShareOneTimeLine_data();
    void participantsShareOneTimeLine();
};

void tst_Clock::participantsShareOneTimeLine_data()
{
    // Per thread: its sleeps in ms (-1: it waits, outside the clock, until
    // thread 0 has woken once), and the virtual time it sees after each sleep.
    QTest::addColumn<Sleeps>("sleeps");
    QTest::addColumn<Times>("wakes");
    QTest::newRow("one sleeper alone") << Sleeps{{200, 300}} << Times{{200, 500}};
    QTest::newRow("two equal sleeps at once overlap")
        << Sleeps{{200}, {200}} << Times{{200}, {200}};
    QTest::newRow("each wakes at its own deadline")
        << Sleeps{{200, 100}, {300}, {50}} << Times{{200, 300}, {300}, {50}};
    QTest::newRow("one held up outside the clock does not stop the others")
        << Sleeps{{200}, {-1, 100}} << Times{{200}, {300}};
}

void tst_Clock::participantsShareOneTimeLine()
{
    QFETCH(Sleeps, sleeps);
    QFETCH(Times, wakes);
    Clock::setVirtual(true);
    QSemaphore registered, start, threadZeroWoke;
    Times seen(sleeps.size());
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < sleeps.size(); ++t) {
        threads.emplace_back(QThread::create([&, t] {
            Clock::Participant participant;
            registered.release();
            start.acquire();
            for (const int ms : sleeps.at(t)) {
                if (ms < 0) {
                    threadZeroWoke.acquire();
                    continue;
                }
                Clock::sleepMs(ms);
                seen[t].append(Clock::nowMs());
                if (t == 0)
                    threadZeroWoke.release();
            }
        }));
        threads.back()->start();
    }
    // Every participant is counted before the first one sleeps.
    registered.acquire(int(sleeps.size()));
    start.release(int(sleeps.size()));
    for (auto &thread : threads)
        QVERIFY(thread->wait(10000));
    Clock::setVirtual(false);
    QCOMPARE(seen, wakes);
}

QTEST_GUILESS_MAIN(tst_Clock)
#include "tst_clock.moc"
