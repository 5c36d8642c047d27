#include "show/overviewmodel.h"
#include "show/showdocument.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Show;

class TestOverviewModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsDocument_data();
    void followsDocument();
    void reportsChangesByRange_data();
    void reportsChangesByRange();
};

void TestOverviewModel::followsDocument_data()
{
    QTest::addColumn<bool>("scenes");
    QTest::addColumn<int>("program");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("lamp");
    QTest::addColumn<uint>("rgb");
    QTest::addColumn<int>("endMarker");
    QTest::addColumn<int>("firstChanged"); // -1: no signal
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("firstDimmed"); // -1: none

    QTest::newRow("step colour and accessible text")
        << false << 1 << 24 << 2 << 0xff8000u << 0 << 4 << "Step 5, lamp 3: #ff8000" << -1;
    QTest::newRow("end marker dims the steps after it")
        << false << 0 << 2 << 0 << 0x0000ffu << 1 << 2 << "Step 3, lamp 1: #0000ff" << 3;
    QTest::newRow("end marker on the last step dims nothing")
        << false << 7 << 159 << 11 << 0xffffffu << 1 << 19 << "Step 20, lamp 12: #ffffff" << -1;
    QTest::newRow("a scene's end marker byte dims nothing")
        << true << 0 << 6 << 11 << 0x010203u << 5 << 6 << "Scene 7, lamp 12: #010203" << -1;
    QTest::newRow("another program's step leaves the grid alone")
        << false << 0 << 45 << 0 << 0xff0000u << 1 << -1 << "Step 6, lamp 1: #000000" << -1;
}

void TestOverviewModel::followsDocument()
{
    QFETCH(bool, scenes);
    QFETCH(int, program);
    QFETCH(int, index);
    QFETCH(int, lamp);
    QFETCH(uint, rgb);
    QFETCH(int, endMarker);
    QFETCH(int, firstChanged);
    QFETCH(QString, text);
    QFETCH(int, firstDimmed);

    const Kind kind = scenes ? Kind::Scenes : Kind::Programs;
    ShowDocument document;
    OverviewModel model(&document, kind);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setProgram(program);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    SceneRecord record;
    record.lamps[lamp] = {quint8(rgb >> 16), quint8(rgb >> 8), quint8(rgb)};
    record.endMarker = quint8(endMarker);
    document.setRecord(kind, index, record);

    QCOMPARE(changed.size(), firstChanged < 0 ? 0 : 1);
    if (firstChanged >= 0)
        QCOMPARE(changed.first().at(0).toModelIndex().column(), firstChanged);
    const QModelIndex cell = model.index(lamp, index % model.columnCount());
    QCOMPARE(cell.data(OverviewModel::ColorRole).toUInt(),
             firstChanged < 0 ? 0xff000000u : 0xff000000u | rgb);
    QCOMPARE(cell.data(Qt::AccessibleTextRole).toString(), text);
    for (int column = 0; column < model.columnCount(); ++column)
        QCOMPARE(model.index(0, column).data(OverviewModel::DimmedRole).toBool(),
                 firstDimmed >= 0 && column >= firstDimmed);

    QSignalSpy reset(&model, &QAbstractItemModel::modelAboutToBeReset);
    QVERIFY(document.setTable(kind, QByteArray(tableSize(kind), '\0')));
    QCOMPARE(reset.size(), 0);
    QCOMPARE(model.index(lamp, cell.column()).data(OverviewModel::ColorRole).toUInt(), 0xff000000u);
}

// A whole table written (a step operation, Paste, Get, Load, an undo of any)
// or another program shown: the grid learns which columns changed and is
// never reset, so a view keeps its current cell and selection.
void TestOverviewModel::reportsChangesByRange_data()
{
    QTest::addColumn<bool>("scenes");
    QTest::addColumn<int>("program");
    QTest::addColumn<QList<int>>("changedRecords"); // records whose lamp 0 turns red
    QTest::addColumn<int>("showProgram");           // -1: stays
    QTest::addColumn<int>("first");                 // -1: no signal
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("runs"); // recordsChanged signals of the document

    QTest::newRow("rotate on step 5 of program 2: step 5 and the dimming after it")
        << false << 1 << QList<int>{24} << -1 << 4 << 19 << 1;
    QTest::newRow("paste over steps 3 and 4 of program 1")
        << false << 0 << QList<int>{2, 3} << -1 << 2 << 19 << 1;
    QTest::newRow("load changing programs 1 and 3, program 3 shown")
        << false << 2 << QList<int>{0, 45} << -1 << 5 << 19 << 2;
    QTest::newRow("get changing only another program")
        << false << 0 << QList<int>{25} << -1 << -1 << -1 << 1;
    QTest::newRow("get of the same table") << false << 0 << QList<int>{} << -1 << -1 << -1 << 0;
    QTest::newRow("scenes 3 to 5") << true << 0 << QList<int>{2, 3, 4} << -1 << 2 << 4 << 1;
    QTest::newRow("another program shown") << false << 0 << QList<int>{} << 5 << 0 << 19 << 0;
}

void TestOverviewModel::reportsChangesByRange()
{
    QFETCH(bool, scenes);
    QFETCH(int, program);
    QFETCH(QList<int>, changedRecords);
    QFETCH(int, showProgram);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, runs);

    const Kind kind = scenes ? Kind::Scenes : Kind::Programs;
    ShowDocument document;
    OverviewModel model(&document, kind);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setProgram(program);
    QSignalSpy changed(&document, &ShowDocument::recordsChanged);
    QSignalSpy data(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy header(&model, &QAbstractItemModel::headerDataChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy layout(&model, &QAbstractItemModel::layoutAboutToBeChanged);

    QByteArray table = document.table(kind);
    for (int record : changedRecords)
        table[record * RecordSize] = '\xff';
    QVERIFY(document.setTable(kind, table));
    if (showProgram >= 0)
        model.setProgram(showProgram);

    QCOMPARE(changed.size(), runs);
    QCOMPARE(reset.size(), 0);
    QCOMPARE(layout.size(), 0);
    QCOMPARE(data.size(), first < 0 ? 0 : 1);
    QCOMPARE(header.size(), first < 0 ? 0 : 1);
    if (first < 0)
        return;
    QCOMPARE(data.first().at(0).toModelIndex(), model.index(0, first));
    QCOMPARE(data.first().at(1).toModelIndex(), model.index(LampCount - 1, last));
    QCOMPARE(header.first().at(0).value<Qt::Orientation>(), Qt::Horizontal);
    QCOMPARE(header.first().at(1).toInt(), first);
    QCOMPARE(header.first().at(2).toInt(), last);
    for (int record : changedRecords) {
        const int column = record - (scenes ? 0 : model.program() * StepsPerProgram);
        if (column >= 0 && column < model.columnCount())
            QCOMPARE(model.index(0, column).data(OverviewModel::ColorRole).toUInt(), 0xffff0000u);
    }
}

QTEST_GUILESS_MAIN(TestOverviewModel)
#include "tst_overviewmodel.moc"
