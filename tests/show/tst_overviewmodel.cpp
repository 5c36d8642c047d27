#include "show/overviewmodel.h"
#include "show/showdocument.h"

#include <QSignalSpy>
#include <QTest>

using namespace Show;

class TestOverviewModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsDocument_data();
    void followsDocument();
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

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QVERIFY(document.setTable(kind, QByteArray(tableSize(kind), '\0')));
    QCOMPARE(reset.size(), 1);
    QCOMPARE(model.index(lamp, cell.column()).data(OverviewModel::ColorRole).toUInt(), 0xff000000u);
}

QTEST_GUILESS_MAIN(TestOverviewModel)
#include "tst_overviewmodel.moc"
