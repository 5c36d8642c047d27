#include "show/programwalk.h"

#include <QTest>

using namespace Show;

class TestProgramWalk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void walk_data();
    void walk();
    void editWhilePlaying();
};

namespace {

// Program `program` of an otherwise busy table: each word of `steps` is one
// step from step 1 on, its Scene Time in ms and an "E" for its End Marker.
// Steps not named hold Scene Time 0 and no End Marker.
QByteArray programTable(int program, const QString &steps)
{
    QByteArray table(ProgramTableSize, '\0');
    // Other programs end nowhere and hold long times: a walk that strays
    // into them shows.
    for (int record = 0; record < ProgramCount * StepsPerProgram; ++record) {
        SceneRecord other;
        other.staticTime = 999;
        setRecordAt(table, record * RecordSize, other);
    }
    const QStringList words = steps.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int step = 0; step < StepsPerProgram; ++step) {
        SceneRecord record;
        const QString word = words.value(step, QStringLiteral("0"));
        record.endMarker = word.endsWith(QLatin1Char('E')) ? 7 : 0;
        record.staticTime = QString(word).remove(QLatin1Char('E')).toInt();
        setRecordAt(table, programRecordOffset(program, step), record);
    }
    return table;
}

} // namespace

void TestProgramWalk::walk_data()
{
    QTest::addColumn<int>("program");
    QTest::addColumn<QString>("steps");
    // "time:step" in the order the clock reads them; the step from 1.
    QTest::addColumn<QString>("clock");
    // Read every frame in between too, as the window's timer does.
    QTest::addColumn<bool>("ticking");
    QTest::addColumn<int>("played"); // the steps of one round

    QTest::newRow("the End Marker of step 3 leads back to step 1")
        << 0 << "100 200 100E 500"
        << "0:1 99:1 100:2 299:2 300:3 400:1 500:2" << true << 3;
    QTest::newRow("a Scene Time of 0 shows one frame")
        << 2 << "100 0 100E"
        << "0:1 100:2 139:2 140:3 240:1" << true << 3;
    QTest::newRow("a Scene Time under a frame shows one frame too")
        << 2 << "10 10E"
        << "0:1 10:1 40:2 80:1" << true << 2;
    QTest::newRow("without End Marker step 20 is the last")
        << 7 << "50 50 50 50 50 50 50 50 50 50 50 50 50 50 50 50 50 50 50 50"
        << "0:1 949:19 950:20 999:20 1000:1" << true << 20;
    QTest::newRow("End Marker on step 20 plays all twenty")
        << 1 << "50 50 50 50 50 50 50 50 50 50 50 50 50 50 50 50 50 50 50 50E"
        << "950:20 1000:1" << true << 20;
    QTest::newRow("End Marker on step 1: step 1 alone, again and again")
        << 3 << "300E 100"
        << "0:1 299:1 300:1 650:1" << true << 1;
    QTest::newRow("a negative Scene Time is held as 0") << 5 << "-500 100E"
                                                        << "0:1 40:2" << true << 2;
    QTest::newRow("a reading late by more than a frame shows the next step from then on")
        << 0 << "100 100 100 100E"
        << "250:2 300:2 310:3 410:4 510:1" << false << 4;
}

void TestProgramWalk::walk()
{
    QFETCH(int, program);
    QFETCH(QString, steps);
    QFETCH(QString, clock);
    QFETCH(bool, ticking);
    QFETCH(int, played);

    const QByteArray table = programTable(program, steps);
    QCOMPARE(playedStepCount(table, program), played);
    ProgramWalk walk;
    walk.start(program, 0);
    QCOMPARE(walk.step(), 0);
    int shown = 0;
    qint64 last = 0;
    for (const QString &reading : clock.split(QLatin1Char(' '))) {
        const qint64 now = reading.section(QLatin1Char(':'), 0, 0).toLongLong();
        const int expected = reading.section(QLatin1Char(':'), 1).toInt();
        bool moved = false;
        for (qint64 tick = last + PreviewFrameMs; ticking && tick < now; tick += PreviewFrameMs)
            moved = walk.advanceTo(table, tick) || moved;
        last = now;
        moved = walk.advanceTo(table, now) || moved;
        QCOMPARE(walk.program(), program);
        if (walk.step() + 1 != expected)
            QFAIL(qPrintable(QStringLiteral("at %1 ms: step %2, expected %3")
                                 .arg(now)
                                 .arg(walk.step() + 1)
                                 .arg(expected)));
        if (walk.step() != shown)
            QVERIFY(moved);
        shown = walk.step();
    }
}

// The walk reads the table at every move: a Scene Time shortened and an End
// Marker set while step 4 plays count at once.
void TestProgramWalk::editWhilePlaying()
{
    QByteArray table = programTable(0, QStringLiteral("100 100 100 100000 100 100"));
    ProgramWalk walk;
    walk.start(0, 0);
    for (qint64 now : {100, 200, 300})
        QVERIFY(walk.advanceTo(table, now));
    QCOMPARE(walk.step(), 3);
    QVERIFY(!walk.advanceTo(table, 5000));

    SceneRecord record = recordAt(table, programRecordOffset(0, 1));
    record.endMarker = 1;
    setRecordAt(table, programRecordOffset(0, 1), record);
    record = recordAt(table, programRecordOffset(0, 3));
    record.staticTime = 200;
    setRecordAt(table, programRecordOffset(0, 3), record);
    // Step 4 now lies past the end: after it the program starts again.
    QVERIFY(walk.advanceTo(table, 5001));
    QCOMPARE(walk.step(), 0);
    QVERIFY(walk.advanceTo(table, 5100));
    QCOMPARE(walk.step(), 1);
    QVERIFY(walk.advanceTo(table, 5200));
    QCOMPARE(walk.step(), 0);
}

QTEST_GUILESS_MAIN(TestProgramWalk)
#include "tst_programwalk.moc"
