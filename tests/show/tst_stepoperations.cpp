#include "show/recordclipboard.h"
#include "show/stepoperations.h"

#include <QTest>

using namespace Show;

class TestStepOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operations_data();
    void operations();
    void text_data();
    void text();
    void mimeKeepsRawRecords();
};

namespace {

// Every record different in every byte, with its own End Marker (programs
// alternate 0 and 1, scenes carry 0x40 + k) and reserved bytes.
QByteArray sampleTable(Kind kind)
{
    QByteArray table(tableSize(kind), '\0');
    for (int r = 0; r < table.size() / RecordSize; ++r) {
        char *b = table.data() + r * RecordSize;
        for (int j = 0; j < 44; ++j)
            b[j] = char(kind == Kind::Programs ? r + j * 3 : 0x80 + r * 5 + j);
        b[44] = char(kind == Kind::Programs ? r % 2 : 0x40 + r);
        b[45] = char(0xA0 + r), b[46] = char(0xB0 + r), b[47] = char(0xC0 + r);
    }
    return table;
}

// "p3": program record 3 as it was, "s2": scene 2, "z": a zero record;
// ":e" keeps the target's End Marker, ":L"/":R" rotates the lamps.
QByteArray expectedRecord(const QString &token, const QByteArray &target)
{
    const QStringList parts = token.split(QLatin1Char(':'));
    const QString base = parts[0];
    const int n = base.mid(1).toInt();
    QByteArray record(RecordSize, '\0');
    if (base != QLatin1String("z"))
        record = sampleTable(base[0] == QLatin1Char('p') ? Kind::Programs : Kind::Scenes)
                     .mid(n * RecordSize, RecordSize);
    const QString modifier = parts.value(1);
    if (modifier == QLatin1String("e"))
        record[44] = target[44];
    QByteArray lamps = record.left(36);
    if (modifier == QLatin1String("L"))
        record.replace(0, 36, lamps.mid(3) + lamps.left(3));
    if (modifier == QLatin1String("R"))
        record.replace(0, 36, lamps.right(3) + lamps.left(33));
    return record;
}

} // namespace

void TestStepOperations::operations_data()
{
    QTest::addColumn<bool>("scenes");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("clipFromScenes");
    QTest::addColumn<QList<int>>("clipIndices");
    QTest::addColumn<int>("groupFirst");
    QTest::addColumn<QStringList>("group"); // the expected records from groupFirst on
    QTest::addColumn<int>("dropped");

    auto run = [](int first, int count) {
        QStringList tokens;
        for (int i = first; i < first + count; ++i)
            tokens << QStringLiteral("p%1").arg(i);
        return tokens;
    };
    QTest::newRow("duplicate first step of program 2")
        << false << "duplicate" << 20 << false << QList<int>() << 20
        << QStringList{"p20", "p20"} + run(21, 18) << 0;
    QTest::newRow("duplicate last step leaves the program")
        << false << "duplicate" << 39 << false << QList<int>() << 20 << run(20, 20) << 0;
    QTest::newRow("insert blank before first step")
        << false << "blank" << 40 << false << QList<int>() << 40 << QStringList{"z"} + run(40, 19)
        << 0;
    QTest::newRow("delete first step") << false << "delete" << 0 << false << QList<int>() << 0
                                       << run(1, 19) + QStringList{"z"} << 0;
    QTest::newRow("delete last step of last program")
        << false << "delete" << 159 << false << QList<int>() << 159 << QStringList{"z"} << 0;
    QTest::newRow("rotate left") << false << "left" << 45 << false << QList<int>() << 45
                                 << QStringList{"p45:L"} << 0;
    QTest::newRow("rotate right, last step")
        << false << "right" << 159 << false << QList<int>() << 159 << QStringList{"p159:R"} << 0;
    QTest::newRow("delete scene 4")
        << true << "delete" << 3 << true << QList<int>() << 0
        << QStringList{"s0", "s1", "s2", "s4", "s5", "s6", "s7", "z"} << 0;
    QTest::newRow("insert blank before scene 1")
        << true << "blank" << 0 << true << QList<int>() << 0
        << QStringList{"z", "s0", "s1", "s2", "s3", "s4", "s5", "s6"} << 0;
    QTest::newRow("long paste into step 20 drops the rest")
        << false << "paste" << 19 << false << QList<int>{40, 41, 42, 43, 44} << 0
        << run(0, 19) + QStringList{"p40"} << 4;
    QTest::newRow("paste into another program carries the end marker")
        << false << "paste" << 100 << false << QList<int>{1} << 100 << QStringList{"p1"} << 0;
    QTest::newRow("scenes pasted into a program keep the steps' end markers")
        << false << "paste" << 25 << true << QList<int>{1, 2} << 24
        << QStringList{"p24", "s1:e", "s2:e", "p27"} << 0;
    QTest::newRow("steps pasted into the scenes keep the scenes' byte")
        << true << "paste" << 6 << false << QList<int>{3, 4, 5} << 5
        << QStringList{"s5", "p3:e", "p4:e"} << 1;
}

void TestStepOperations::operations()
{
    QFETCH(bool, scenes);
    QFETCH(QString, operation);
    QFETCH(int, index);
    QFETCH(bool, clipFromScenes);
    QFETCH(QList<int>, clipIndices);
    QFETCH(int, groupFirst);
    QFETCH(QStringList, group);
    QFETCH(int, dropped);

    const Kind kind = scenes ? Kind::Scenes : Kind::Programs;
    const QByteArray before = sampleTable(kind);
    QByteArray table = before;
    bool ran = false;
    if (operation == QLatin1String("duplicate"))
        ran = duplicateRecord(table, kind, index);
    else if (operation == QLatin1String("blank"))
        ran = insertBlankRecord(table, kind, index);
    else if (operation == QLatin1String("delete"))
        ran = deleteRecord(table, kind, index);
    else if (operation == QLatin1String("left") || operation == QLatin1String("right"))
        ran = rotateLamps(table, kind, index,
                          operation == QLatin1String("left") ? Rotation::Left : Rotation::Right);
    if (operation == QLatin1String("paste")) {
        const Kind from = clipFromScenes ? Kind::Scenes : Kind::Programs;
        const RecordClip clip = copyRecords(sampleTable(from), from, clipIndices);
        QCOMPARE(pasteRecords(table, kind, index, clip), dropped);
    } else {
        QVERIFY(ran);
    }

    QByteArray expected = before;
    for (int i = 0; i < group.size(); ++i) {
        const int at = (groupFirst + i) * RecordSize;
        expected.replace(at, RecordSize, expectedRecord(group[i], before.mid(at, RecordSize)));
    }
    QCOMPARE(table.toHex(' '), expected.toHex(' '));
}

void TestStepOperations::text_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("records"); // -1: refused

    const QString lamps = QStringLiteral("#ff8000\t#000000\t#0a0b0c\t#ffffff\t#010203\t#00ff00\t"
                                         "#0000ff\t#800000\t#008000\t#000080\t#123456\t#abcdef\t");
    QTest::newRow("program steps read back") << lamps + "100000\t900000\t1\n" + lamps + "0\t0\t0\n"
                                             << 2;
    QTest::newRow("scenes read back without end marker") << lamps + "5\t2000\t-\n" << 1;
    QTest::newRow("eleven colours refused") << QString(lamps).remove(0, 8) + "5\t2000\t1\n" << -1;
    QTest::newRow("colour without hash refused") << QString(lamps).remove(0, 1) + "5\t2\t1\n" << -1;
    QTest::newRow("XFade above range refused") << lamps + "100001\t0\t0\n" << -1;
    QTest::newRow("negative scene time refused") << lamps + "0\t-1\t0\n" << -1;
    QTest::newRow("end marker 2 refused") << lamps + "0\t0\t2\n" << -1;
    QTest::newRow("scene mixed with step refused") << lamps + "0\t0\t-\n" + lamps + "0\t0\t1\n"
                                                   << -1;
    QTest::newRow("blank text refused") << QStringLiteral("\n \n") << -1;
}

void TestStepOperations::text()
{
    QFETCH(QString, text);
    QFETCH(int, records);

    const std::optional<RecordClip> clip = recordsFromText(text);
    QCOMPARE(clip ? clip->count() : -1, records);
    if (!clip)
        return;
    QCOMPARE(recordsToText(*clip), text);
    // Text has no reserved bytes: the step pasted over keeps its own.
    QByteArray table = sampleTable(Kind::Programs);
    QCOMPARE(pasteRecords(table, Kind::Programs, 0, *clip), 0);
    QCOMPARE(table.mid(45, 3).toHex(), QByteArray("a0b0c0"));
}

void TestStepOperations::mimeKeepsRawRecords()
{
    const RecordClip clip = copyRecords(sampleTable(Kind::Scenes), Kind::Scenes, {7, 0});
    const std::optional<RecordClip> back = recordsFromMimeData(recordsToMimeData(clip).get());
    QVERIFY(back);
    QCOMPARE(back->records.toHex(), clip.records.toHex());
    QCOMPARE(back->hasEndMarker, false);
    QCOMPARE(back->hasReserved, true);
}

QTEST_GUILESS_MAIN(TestStepOperations)
#include "tst_stepoperations.moc"
