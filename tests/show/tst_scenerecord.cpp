#include "show/scenerecord.h"

#include <QTest>

using namespace Show;

class TestSceneRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldBytes_data();
    void fieldBytes();
    void editorValues_data();
    void editorValues();
    void commitKeepsWhatTheTabDoesNotEdit_data();
    void commitKeepsWhatTheTabDoesNotEdit();
};

void TestSceneRecord::fieldBytes_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("field");

    // Lamp 3 (the fourth, title "L: 4") is bytes 9, 10, 11.
    QTest::newRow("fourth lamp red") << 9 << QByteArray("\xFF\x00\x00", 3) << QByteArray("lamp3");
    QTest::newRow("riseTime little-endian")
        << 36 << QByteArray("\x40\x0D\x03\x00", 4) << QByteArray("rise");
    QTest::newRow("staticTime little-endian")
        << 40 << QByteArray("\xA0\xBB\x0D\x00", 4) << QByteArray("static");
    QTest::newRow("endMarker") << 44 << QByteArray("\x07", 1) << QByteArray("end");
    QTest::newRow("reserved bytes")
        << 45 << QByteArray("\xAB\xCD\xEF", 3) << QByteArray("reserved");
}

void TestSceneRecord::fieldBytes()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, field);

    QByteArray image(RecordSize, '\0');
    image.replace(offset, bytes.size(), bytes);
    const SceneRecord record = SceneRecord::fromBytes(image.constData());
    if (field == "lamp3")
        QCOMPARE(record.lamps[3], (Rgb{255, 0, 0}));
    else if (field == "rise")
        QCOMPARE(record.riseTime, 200000);
    else if (field == "static")
        QCOMPARE(record.staticTime, 900000);
    else if (field == "end")
        QCOMPARE(record.endMarker, quint8(7));
    else
        QCOMPARE(record.reserved, (std::array<quint8, 3>{0xAB, 0xCD, 0xEF}));

    QByteArray back(RecordSize, '\x55');
    record.toBytes(back.data());
    QCOMPARE(back.toHex(), image.toHex());
}

void TestSceneRecord::editorValues_data()
{
    QTest::addColumn<int>("riseTime");
    QTest::addColumn<int>("staticTime");
    QTest::addColumn<int>("endMarker");
    QTest::addColumn<int>("shownRise");
    QTest::addColumn<int>("shownStatic");
    QTest::addColumn<int>("shownEnd");
    QTest::newRow("in range") << 5 << 1000 << 1 << 5 << 1000 << 1;
    QTest::newRow("endMarker 7 shows 1") << 0 << 0 << 7 << 0 << 0 << 1;
    QTest::newRow("riseTime 200000 shows 100000") << 200000 << 0 << 0 << 100000 << 0 << 0;
    QTest::newRow("staticTime beyond 900000") << 0 << 2000000 << 0 << 0 << 900000 << 0;
    QTest::newRow("negative times show 0") << -5 << -1 << 0 << 0 << 0 << 0;
}

void TestSceneRecord::editorValues()
{
    QFETCH(int, riseTime);
    QFETCH(int, staticTime);
    QFETCH(int, endMarker);
    QFETCH(int, shownRise);
    QFETCH(int, shownStatic);
    QFETCH(int, shownEnd);

    SceneRecord record;
    record.riseTime = riseTime;
    record.staticTime = staticTime;
    record.endMarker = quint8(endMarker);
    const EditorValues shown = Show::editorValues(record);
    QCOMPARE(shown.riseTime, shownRise);
    QCOMPARE(shown.staticTime, shownStatic);
    QCOMPARE(shown.endMarker, shownEnd);

    // Committing what is shown stores the limited values.
    commitEditorValues(record, shown, Kind::Programs);
    QCOMPARE(record.riseTime, shownRise);
    QCOMPARE(record.staticTime, shownStatic);
    QCOMPARE(int(record.endMarker), shownEnd);
}

void TestSceneRecord::commitKeepsWhatTheTabDoesNotEdit_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("endMarkerAfter");
    QTest::newRow("programs tab writes the end marker") << Kind::Programs << 1;
    QTest::newRow("scenes tab leaves the end marker") << Kind::Scenes << 9;
}

void TestSceneRecord::commitKeepsWhatTheTabDoesNotEdit()
{
    QFETCH(Kind, kind);
    QFETCH(int, endMarkerAfter);

    SceneRecord record;
    record.endMarker = 9;
    record.reserved = {1, 2, 3};
    EditorValues values;
    values.lamps[11] = {7, 8, 9};
    values.riseTime = 5;
    values.staticTime = 6;
    values.endMarker = 1;
    commitEditorValues(record, values, kind);
    QCOMPARE(record.lamps[11], (Rgb{7, 8, 9}));
    QCOMPARE(record.riseTime, 5);
    QCOMPARE(record.staticTime, 6);
    QCOMPARE(int(record.endMarker), endMarkerAfter);
    QCOMPARE(record.reserved, (std::array<quint8, 3>{1, 2, 3}));
}

QTEST_GUILESS_MAIN(TestSceneRecord)
#include "tst_scenerecord.moc"
