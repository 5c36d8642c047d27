#include "show/showcompare.h"

#include <QTest>

using namespace Show;

class TestShowCompare : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void differences_data();
    void differences();
};

void TestShowCompare::differences_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QList<int>>("changed"); // bytes of the second table raised by one
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("equal") << Kind::Programs << QList<int>{} << QStringList{};
    // Program 2, step 5 is record 24 at byte 1152: lamps 3 and 4 are bytes
    // 6..11, XFade starts at 36.
    QTest::newRow("lamps and XFade")
        << Kind::Programs << QList<int>{1152 + 7, 1152 + 9, 1152 + 36}
        << QStringList{QStringLiteral("program 2, step 5: lamp 3 #000000 → #000100; lamp 4 "
                                      "#000000 → #010000; XFade 20 → 21")};
    QTest::newRow("scene time, end marker and reserved bytes, two scenes")
        << Kind::Scenes << QList<int>{40, 44, 47, 7 * 48 + 35}
        << QStringList{
               QStringLiteral("scene 1: Scene Time 1000 → 1001; End Marker 0 → 1; reserved bytes"),
               QStringLiteral("scene 8: lamp 12 #000000 → #000001")};
}

void TestShowCompare::differences()
{
    QFETCH(Kind, kind);
    QFETCH(QList<int>, changed);
    QFETCH(QStringList, expected);

    SceneRecord record;
    record.riseTime = 20;
    record.staticTime = 1000;
    QByteArray first(tableSize(kind), '\0');
    for (int offset = 0; offset < first.size(); offset += RecordSize)
        setRecordAt(first, offset, record);
    QByteArray second = first;
    for (int at : changed)
        ++second[at];

    QStringList described;
    for (const RecordDifference &difference : compareTables(kind, first, second))
        described.append(describeDifference(kind, difference));
    QCOMPARE(described, expected);
}

QTEST_GUILESS_MAIN(TestShowCompare)
#include "tst_showcompare.moc"
