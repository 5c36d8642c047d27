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
    void leadingZeros_data();
    void leadingZeros();
    void setLampColours_data();
    void setLampColours();
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
    QTest::addColumn<QString>("operation"); // for "paste": the clip, e.g. "p40 p41" or "s1 s2"
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("groupFirst");
    QTest::addColumn<QString>("group"); // the expected records from groupFirst on
    QTest::addColumn<int>("dropped");

    const auto run = [](int first, int count) {
        QStringList tokens;
        for (int i = first; i < first + count; ++i)
            tokens << QStringLiteral("p%1").arg(i);
        return tokens.join(' ');
    };
    QTest::newRow("duplicate first step of program 2")
        << false << "duplicate" << 20 << 20 << "p20 " + run(20, 19) << 0;
    QTest::newRow("duplicate last step leaves the program")
        << false << "duplicate" << 39 << 20 << run(20, 20) << 0;
    QTest::newRow("insert blank before first step")
        << false << "blank" << 40 << 40 << "z " + run(40, 19) << 0;
    QTest::newRow("delete first step") << false << "delete" << 0 << 0 << run(1, 19) + " z" << 0;
    QTest::newRow("delete last step of last program")
        << false << "delete" << 159 << 159 << "z" << 0;
    QTest::newRow("rotate left") << false << "left" << 45 << 45 << "p45:L" << 0;
    QTest::newRow("rotate right, last step") << false << "right" << 159 << 159 << "p159:R" << 0;
    QTest::newRow("delete scene 4") << true << "delete" << 3 << 0 << "s0 s1 s2 s4 s5 s6 s7 z" << 0;
    QTest::newRow("long paste into step 20 drops the rest, carries the end marker")
        << false << "paste p40 p41 p42 p43 p44" << 19 << 0 << run(0, 19) + " p40" << 4;
    QTest::newRow("scenes pasted into a program keep the steps' end markers")
        << false << "paste s1 s2" << 25 << 24 << "p24 s1:e s2:e p27" << 0;
    QTest::newRow("steps pasted into the scenes keep the scenes' byte")
        << true << "paste p3 p4 p5" << 6 << 5 << "s5 p3:e p4:e" << 1;
}

void TestStepOperations::operations()
{
    QFETCH(bool, scenes);
    QFETCH(QString, operation);
    QFETCH(int, index);
    QFETCH(int, groupFirst);
    QFETCH(QString, group);
    QFETCH(int, dropped);

    const Kind kind = scenes ? Kind::Scenes : Kind::Programs;
    const QByteArray before = sampleTable(kind);
    QByteArray table = before;
    QStringList clip = operation.split(' ');
    const QString name = clip.takeFirst();
    if (name == QLatin1String("paste")) {
        const Kind from = clip[0].startsWith('s') ? Kind::Scenes : Kind::Programs;
        QList<int> indices;
        for (const QString &token : clip)
            indices << token.mid(1).toInt();
        QCOMPARE(pasteRecords(table, kind, index, copyRecords(sampleTable(from), from, indices)),
                 dropped);
    } else if (name == QLatin1String("left") || name == QLatin1String("right")) {
        QVERIFY(rotateLamps(table, kind, index, name == "left" ? Rotation::Left : Rotation::Right));
    } else {
        QVERIFY(name == "duplicate" ? duplicateRecord(table, kind, index)
                : name == "blank"   ? insertBlankRecord(table, kind, index)
                                    : deleteRecord(table, kind, index));
    }

    QByteArray expected = before;
    const QStringList tokens = group.split(' ');
    for (int i = 0; i < tokens.size(); ++i) {
        const int at = (groupFirst + i) * RecordSize;
        expected.replace(at, RecordSize, expectedRecord(tokens[i], before.mid(at, RecordSize)));
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
    QTest::newRow("end marker 2 refused") << lamps + "0\t0\t2\n" << -1;
    QTest::newRow("scene mixed with step refused") << lamps + "0\t0\t-\n" + lamps + "0\t0\t1\n"
                                                   << -1;
    QTest::newRow("blank text refused") << QStringLiteral("\n \n") << -1;
    QTest::newRow("CRLF line ends read") << lamps + "5\t2000\t1\r\n" << 1;
    QTest::newRow("plus sign refused") << lamps + "+5\t2000\t1\n" << -1;
    QTest::newRow("minus zero refused") << lamps + "5\t-0\t1\n" << -1;
    QTest::newRow("NUL inside a number refused")
        << lamps + QStringLiteral("3495") + QChar(0) + QStringLiteral(" 70\t1\n") << -1;
    QTest::newRow("byte-order mark refused") << QChar(0xFEFF) + lamps + "5\t2000\t1\n" << -1;
    QTest::newRow("no-break space as a separator refused")
        << lamps + "5" + QChar(0x00A0) + "2000\t1\n"
        << -1;
    QTest::newRow("em space after the line refused") << lamps + "5\t2000\t1" + QChar(0x2003) + "\n"
                                                     << -1;
    QTest::newRow("Arabic-Indic digits refused") << lamps + QChar(0x0665) + "\t2000\t1\n" << -1;
    QTest::newRow("line over 512 characters refused") << lamps + QString(450, ' ') + "5\t2000\t1\n"
                                                      << -1;
    const QString step = lamps + "0\t0\t0\n";
    QTest::newRow("160 steps read back") << step.repeated(160) << 160;
    QTest::newRow("161 steps refused") << step.repeated(161) << -1;
    QTest::newRow("a million blank lines refused unread") << QString(1000000, '\n') << -1;
}

void TestStepOperations::text()
{
    QFETCH(QString, text);
    QFETCH(int, records);

    const std::optional<RecordClip> clip = recordsFromText(text);
    QCOMPARE(clip ? clip->count() : -1, records);
    if (!clip)
        return;
    QCOMPARE(recordsToText(*clip),
             QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QCOMPARE(recordsFromMimeData(recordsToMimeData(*clip).get())->records, clip->records);
    // Text has no reserved bytes: the step pasted over keeps its own.
    QByteArray table = sampleTable(Kind::Programs);
    // Within one program: what does not fit its 20 steps is dropped.
    QCOMPARE(pasteRecords(table, Kind::Programs, 0, *clip), qMax(0, records - StepsPerProgram));
    QCOMPARE(table.mid(45, 3).toHex(), QByteArray("a0b0c0"));
}

// A spreadsheet may pad numbers with zeros; the value decides, not the width.
void TestStepOperations::leadingZeros_data()
{
    QTest::addColumn<QString>("numbers");  // XFade, Scene Time, End Marker
    QTest::addColumn<QString>("readBack"); // empty: refused

    QTest::newRow("XFade of ten digits") << "0000000005 2000 1"
                                         << "5\t2000\t1";
    QTest::newRow("Scene Time of 21 digits at its maximum") << "0 000000000000000900000 0"
                                                            << "0\t900000\t0";
    QTest::newRow("End Marker 01") << "7 7 01"
                                   << "7\t7\t1";
    QTest::newRow("all zeros") << "0000 00000 00"
                               << "0\t0\t0";
    QTest::newRow("padded XFade above its range refused") << "0000000100001 0 0" << QString();
    QTest::newRow("padded End Marker 2 refused") << "0 0 0002" << QString();
    QTest::newRow("twenty digits above any range refused")
        << "99999999999999999999 0 0" << QString();
}

void TestStepOperations::leadingZeros()
{
    QFETCH(QString, numbers);
    QFETCH(QString, readBack);
    const QString lamps = QStringLiteral("#ff8000 ").repeated(LampCount);
    const std::optional<RecordClip> clip = recordsFromText(lamps + numbers + '\n');
    QCOMPARE(clip.has_value(), !readBack.isEmpty());
    if (clip)
        QCOMPARE(recordsToText(*clip).section('\t', LampCount), readBack + '\n');
}

void TestStepOperations::setLampColours_data()
{
    QTest::addColumn<bool>("scenes");
    QTest::addColumn<QList<LampCell>>("cells");
    QTest::addColumn<bool>("ran");
    QTest::addColumn<QList<int>>("changedBytes"); // offsets in the table, red of each cell

    QTest::newRow("one lamp of program 1, step 1: bytes 0..2")
        << false << QList<LampCell>{{0, 0}} << true << QList<int>{0};
    QTest::newRow("lamps 3 and 12 of steps 5 and 6 of program 2")
        << false << QList<LampCell>{{24, 2}, {24, 11}, {25, 2}, {25, 11}} << true
        << QList<int>{24 * 48 + 6, 24 * 48 + 33, 25 * 48 + 6, 25 * 48 + 33};
    QTest::newRow("last lamp of the last scene: bytes 369..371")
        << true << QList<LampCell>{{7, 11}} << true << QList<int>{7 * 48 + 33};
    QTest::newRow("cells outside the table are skipped")
        << true << QList<LampCell>{{8, 0}, {-1, 0}, {0, 12}, {0, -1}, {1, 0}} << true
        << QList<int>{48};
    QTest::newRow("no cell inside the table changes nothing")
        << false << QList<LampCell>{{160, 0}, {0, 12}} << false << QList<int>{};
    QTest::newRow("no cell at all") << false << QList<LampCell>{} << false << QList<int>{};
}

// Only the three colour bytes of each cell change: times, End Marker and
// reserved bytes stay.
void TestStepOperations::setLampColours()
{
    QFETCH(bool, scenes);
    QFETCH(QList<LampCell>, cells);
    QFETCH(bool, ran);
    QFETCH(QList<int>, changedBytes);
    const Kind kind = scenes ? Kind::Scenes : Kind::Programs;
    const QByteArray original = sampleTable(kind);
    QByteArray table = original;

    QCOMPARE(Show::setLampColours(table, kind, cells, {0x12, 0x34, 0x56}), ran);

    QByteArray expected = original;
    for (int offset : changedBytes)
        expected.replace(offset, 3, QByteArray("\x12\x34\x56", 3));
    QCOMPARE(table.toHex(), expected.toHex());
    QByteArray wrongSize(100, '\0');
    QVERIFY(!Show::setLampColours(wrongSize, kind, cells, {1, 2, 3}));
    QCOMPARE(wrongSize, QByteArray(100, '\0'));
}

QTEST_GUILESS_MAIN(TestStepOperations)
#include "tst_stepoperations.moc"
