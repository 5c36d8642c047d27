#include "show/patterns.h"

#include <QSet>
#include <QTest>

using namespace Show;

Q_DECLARE_METATYPE(Show::FillParameters)
Q_DECLARE_METATYPE(Show::FillError)

class TestPatterns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fill_data();
    void fill();
    void sparkle_data();
    void sparkle();
    void parse_data();
    void parse();
};

namespace {

// Every byte of every record non-zero and different from its neighbours,
// End Markers alternating 1 and 0x07, so a byte a fill must not touch shows.
QByteArray sampleTable(Kind kind)
{
    QByteArray table(tableSize(kind), '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(1 + i % 251);
    for (int r = 0; r < table.size() / RecordSize; ++r)
        table[r * RecordSize + 44] = char(r % 2 == 0 ? 1 : 7);
    return table;
}

// One letter per lamp: the colours the rows use, '.' for a lamp the fill
// leaves alone.
Rgb letterColour(QChar letter)
{
    switch (letter.toLatin1()) {
    case 'R':
        return {255, 0, 0};
    case 'G':
        return {0, 255, 0};
    case 'B':
        return {0, 0, 255};
    case 'Y':
        return {255, 255, 0};
    case 'C':
        return {0, 255, 255};
    case 'M':
        return {255, 0, 255};
    case 'W':
        return {255, 255, 255};
    case 'P': // half way from red to blue
        return {128, 0, 128};
    default:
        return {0, 0, 0}; // 'k'
    }
}

FillParameters chase(int program, int first, int last)
{
    FillParameters p = defaultFillParameters(Kind::Programs, program);
    p.firstStep = first;
    p.lastStep = last;
    return p;
}

} // namespace

void TestPatterns::fill_data()
{
    QTest::addColumn<FillParameters>("parameters");
    QTest::addColumn<FillError>("error");
    // The lamps of each filled step, lamp 1 first.
    QTest::addColumn<QStringList>("steps");

    const FillParameters defaults = defaultFillParameters(Kind::Programs);
    QTest::newRow("defaults: red chase over black, steps 1 to 12 of program 1")
        << defaults << FillError::None
        << QStringList{"Rkkkkkkkkkkk", "kRkkkkkkkkkk", "kkRkkkkkkkkk", "kkkRkkkkkkkk",
                       "kkkkRkkkkkkk", "kkkkkRkkkkkk", "kkkkkkRkkkkk", "kkkkkkkRkkkk",
                       "kkkkkkkkRkkk", "kkkkkkkkkRkk", "kkkkkkkkkkRk", "kkkkkkkkkkkR"};

    FillParameters p = chase(2, 4, 7);
    p.width = 2;
    p.direction = LampDirection::Down;
    p.first = {0, 0, 255};
    p.second = {255, 255, 255};
    p.endMarker = false;
    p.sceneTime = 900000;
    p.xfade = 100000;
    QTest::newRow("two blue lamps chase down over white, program 3, steps 5 to 8")
        << p << FillError::None
        << QStringList{"WWWWWWWWWWBB", "WWWWWWWWWBBW", "WWWWWWWWBBWW", "WWWWWWWBBWWW"};

    p = chase(0, 0, 5);
    p.lamps = 0b111100; // lamps 3 to 6
    QTest::newRow("a chase over lamps 3 to 6 comes round again; the others keep theirs")
        << p << FillError::None << QStringList{"..Rkkk......", "..kRkk......", "..kkRk......",
                                               "..kkkR......", "..Rkkk......", "..kRkk......"};

    p = chase(7, 0, 5);
    p.pattern = Pattern::Rainbow;
    p.lamps = 0b111111;
    QTest::newRow("rainbow over six lamps turns one lamp a step over six steps")
        << p << FillError::None << QStringList{"RYGCBM......", "MRYGCB......", "BMRYGC......",
                                               "CBMRYG......", "GCBMRY......", "YGCBMR......"};
    p.direction = LampDirection::Down;
    p.lastStep = 2;
    QTest::newRow("rainbow down over three steps turns two lamps a step")
        << p << FillError::None << QStringList{"MBCGYR......", "CGYRMB......", "YRMBCG......"};

    p = chase(0, 17, 19);
    p.pattern = Pattern::Fade;
    p.first = {255, 0, 0};
    p.second = {0, 0, 255};
    QTest::newRow("fade from red to blue over the last three steps")
        << p << FillError::None << QStringList{"RRRRRRRRRRRR", "PPPPPPPPPPPP", "BBBBBBBBBBBB"};
    p.firstStep = p.lastStep = 19;
    QTest::newRow("fade of one step stays on its first colour")
        << p << FillError::None << QStringList{"RRRRRRRRRRRR"};

    p = chase(1, 0, 2);
    p.pattern = Pattern::Alternate;
    p.second = {0, 255, 0};
    QTest::newRow("alternate red and green swap every step")
        << p << FillError::None << QStringList{"RGRGRGRGRGRG", "GRGRGRGRGRGR", "RGRGRGRGRGRG"};

    p = defaultFillParameters(Kind::Scenes);
    QTest::newRow("scene defaults: a chase over all eight scenes")
        << p << FillError::None
        << QStringList{"Rkkkkkkkkkkk", "kRkkkkkkkkkk", "kkRkkkkkkkkk", "kkkRkkkkkkkk",
                       "kkkkRkkkkkkk", "kkkkkRkkkkkk", "kkkkkkRkkkkk", "kkkkkkkRkkkk"};
    p.pattern = Pattern::Solid;
    p.first = {255, 255, 0};
    p.lamps = 0b100000000001;
    p.firstStep = 1;
    p.lastStep = 3;
    QTest::newRow("solid yellow on lamps 1 and 12 of scenes 2 to 4")
        << p << FillError::None << QStringList{"Y..........Y", "Y..........Y", "Y..........Y"};

    p = chase(0, 0, 5);
    p.pattern = Pattern::Bounce;
    p.lamps = 0b1111;
    QTest::newRow("bounce over four lamps turns at each end without stopping twice")
        << p << FillError::None << QStringList{"Rkkk........", "kRkk........", "kkRk........",
                                               "kkkR........", "kkRk........", "kRkk........"};
    p.width = 2;
    p.direction = LampDirection::Down;
    p.lastStep = 3;
    QTest::newRow("bounce of two lamps down from lamp 4")
        << p << FillError::None
        << QStringList{"kkRR........", "kRRk........", "RRkk........", "kRRk........"};
    p.width = 4;
    p.lastStep = 1;
    QTest::newRow("bounce as wide as the lamps stands still")
        << p << FillError::None << QStringList{"RRRR........", "RRRR........"};

    p = defaultFillParameters(Kind::Scenes);
    p.pattern = Pattern::Stack;
    p.lamps = 0b111;
    p.lastStep = 4;
    QTest::newRow("stack over three lamps fills up, then starts again with one")
        << p << FillError::None
        << QStringList{"Rkk.........", "RRk.........", "RRR.........", "Rkk.........",
                       "RRk........."};

    p = chase(4, 10, 14);
    p.pattern = Pattern::Wipe;
    p.lamps = 0b11;
    p.second = {0, 0, 255};
    QTest::newRow("wipe: red over blue, then blue back over red")
        << p << FillError::None
        << QStringList{"RB..........", "RR..........", "BR..........", "BB..........",
                       "RB.........."};

    p = chase(6, 0, 3);
    p.pattern = Pattern::Sparkle;
    p.width = 3;
    p.seed = 1;
    // Fixed here so that a seed gives the same steps in every version.
    QTest::newRow("sparkle of three lamps from seed 1")
        << p << FillError::None
        << QStringList{"kkRkRkkkkRkk", "kkkkkRkkRkkR", "RkkkRkkkkkRk", "kkkkkRRRkkkk"};

    const auto refused = [](const char *name, FillError error, auto change) {
        FillParameters bad = defaultFillParameters(Kind::Programs);
        change(bad);
        QTest::newRow(name) << bad << error << QStringList{};
    };
    refused("no lamp", FillError::NoLamps, [](FillParameters &b) { b.lamps = 0; });
    refused("last step before first", FillError::StepsOutside,
            [](FillParameters &b) { b.firstStep = 5, b.lastStep = 4; });
    refused("step 21", FillError::StepsOutside, [](FillParameters &b) { b.lastStep = 20; });
    refused("step 0", FillError::StepsOutside, [](FillParameters &b) { b.firstStep = -1; });
    refused("scene 9", FillError::StepsOutside,
            [](FillParameters &b) { b.kind = Kind::Scenes, b.lastStep = 8; });
    refused("program 9", FillError::NoSuchProgram, [](FillParameters &b) { b.program = 8; });
    refused("chase of no lamp", FillError::WidthOutside, [](FillParameters &b) { b.width = 0; });
    refused("chase wider than the chosen lamps", FillError::WidthOutside,
            [](FillParameters &b) { b.lamps = 0b11, b.width = 3; });
    refused("bounce wider than the chosen lamps", FillError::WidthOutside,
            [](FillParameters &b) { b.pattern = Pattern::Bounce, b.lamps = 0b1, b.width = 2; });
    refused("sparkle of no lamp at once", FillError::WidthOutside,
            [](FillParameters &b) { b.pattern = Pattern::Sparkle, b.width = 0; });
    refused("sparkle from a negative seed", FillError::SeedOutside,
            [](FillParameters &b) { b.pattern = Pattern::Sparkle, b.seed = -1; });
    refused("scene time over 900000 ms", FillError::TimeOutside,
            [](FillParameters &b) { b.sceneTime = 900001; });
    refused("negative XFade", FillError::XFadeOutside, [](FillParameters &b) { b.xfade = -1; });
}

void TestPatterns::fill()
{
    QFETCH(FillParameters, parameters);
    QFETCH(FillError, error);
    QFETCH(QStringList, steps);

    const QByteArray before = sampleTable(parameters.kind);
    QByteArray table = before;
    QCOMPARE(fillSteps(table, parameters), error);
    QCOMPARE(checkFill(parameters), error);
    QCOMPARE(describe(error, parameters).isEmpty(), error == FillError::None);
    if (error != FillError::None) {
        QCOMPARE(table, before);
        return;
    }

    const bool programs = parameters.kind == Kind::Programs;
    const int records = tableSize(parameters.kind) / RecordSize;
    for (int r = 0; r < records; ++r) {
        const int offset = r * RecordSize;
        const int step = programs ? r - parameters.program * StepsPerProgram : r;
        const bool filled = (!programs || r / StepsPerProgram == parameters.program)
                            && step >= parameters.firstStep && step <= parameters.lastStep;
        if (!filled) {
            QCOMPARE(table.mid(offset, RecordSize), before.mid(offset, RecordSize));
            continue;
        }
        const SceneRecord was = recordAt(before, offset);
        const SceneRecord now = recordAt(table, offset);
        const QString lamps = steps.at(step - parameters.firstStep);
        for (int lamp = 0; lamp < LampCount; ++lamp) {
            const Rgb expected
                = lamps[lamp] == QLatin1Char('.') ? was.lamps[lamp] : letterColour(lamps[lamp]);
            if (now.lamps[lamp] != expected)
                QFAIL(qPrintable(QStringLiteral("step %1, lamp %2: %3, expected %4")
                                     .arg(step + 1)
                                     .arg(lamp + 1)
                                     .arg(colourText(now.lamps[lamp]), colourText(expected))));
        }
        QCOMPARE(now.staticTime, parameters.sceneTime);
        QCOMPARE(now.riseTime, parameters.xfade);
        const bool last = step == parameters.lastStep;
        QCOMPARE(int(now.endMarker),
                 programs ? int(parameters.endMarker && last) : int(was.endMarker));
        QCOMPARE(now.reserved, was.reserved);
    }
}

void TestPatterns::sparkle_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("lamps");

    QTest::newRow("seed 0, one lamp of twelve") << 0 << 1 << 0xFFF;
    QTest::newRow("seed 42, five of twelve") << 42 << 5 << 0xFFF;
    QTest::newRow("the largest seed, two of lamps 3 to 8") << MaxSeed << 2 << 0b11111100;
    QTest::newRow("as many lit as chosen") << 7 << 4 << 0b100100100100;
}

// Whatever the seed: `width` of the chosen lamps lit on every step, the same
// steps again from the same seed, other steps from the next seed.
void TestPatterns::sparkle()
{
    QFETCH(int, seed);
    QFETCH(int, width);
    QFETCH(int, lamps);

    FillParameters p = chase(0, 0, StepsPerProgram - 1);
    p.pattern = Pattern::Sparkle;
    p.seed = seed;
    p.width = width;
    p.lamps = quint16(lamps);
    const QByteArray before = sampleTable(Kind::Programs);
    QByteArray table = before;
    QCOMPARE(fillSteps(table, p), FillError::None);
    QSet<QString> different;
    for (int step = 0; step < StepsPerProgram; ++step) {
        const SceneRecord now = recordAt(table, programRecordOffset(0, step));
        const SceneRecord was = recordAt(before, programRecordOffset(0, step));
        int lit = 0;
        QString shown;
        for (int lamp = 0; lamp < LampCount; ++lamp) {
            if (!(lamps & (1 << lamp))) {
                QCOMPARE(now.lamps[lamp], was.lamps[lamp]);
                continue;
            }
            QVERIFY(now.lamps[lamp] == p.first || now.lamps[lamp] == p.second);
            lit += now.lamps[lamp] == p.first ? 1 : 0;
            shown += now.lamps[lamp] == p.first ? QLatin1Char('R') : QLatin1Char('k');
        }
        QCOMPARE(lit, width);
        different.insert(shown);
    }
    // Twenty steps at random are not all alike (unless every lamp is lit).
    QCOMPARE(different.size() > 1, width < int(qPopulationCount(quint16(lamps))));

    QByteArray again = before;
    QCOMPARE(fillSteps(again, p), FillError::None);
    QCOMPARE(again, table);
    p.seed = seed == MaxSeed ? 0 : seed + 1;
    QByteArray next = before;
    QCOMPARE(fillSteps(next, p), FillError::None);
    QCOMPARE(next == table, width == int(qPopulationCount(quint16(lamps))));
}

void TestPatterns::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour"); // empty: refused
    QTest::addColumn<int>("lamps");      // -1: refused

    QTest::newRow("hex with #") << "#FF8000"
                                << "#ff8000" << -1;
    QTest::newRow("hex without #") << "00ff7f"
                                   << "#00ff7f" << -1;
    QTest::newRow("channels") << "255, 128,0"
                              << "#ff8000" << -1;
    QTest::newRow("name in any case") << "Orange"
                                      << "#ff8000" << -1;
    QTest::newRow("channel over 255") << "256,0,0"
                                      << "" << -1;
    QTest::newRow("short hex") << "#fff"
                               << "" << -1;
    QTest::newRow("hex prefix") << "0x00ff"
                                << "" << -1;
    QTest::newRow("all lamps") << "all"
                               << "" << 0xFFF;
    QTest::newRow("lamp list and range") << "1-3,12"
                                         << "" << 0x807;
    QTest::newRow("lamp 13") << "13"
                             << "" << -1;
    QTest::newRow("range backwards") << "5-2"
                                     << "" << -1;
    QTest::newRow("no lamp") << ""
                             << "" << -1;
    QTest::newRow("open range") << "3-"
                                << "" << -1;
}

void TestPatterns::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, colour);
    QFETCH(int, lamps);

    const std::optional<Rgb> parsed = parseColour(text);
    QCOMPARE(parsed ? colourText(*parsed) : QString(), colour);
    const std::optional<quint16> set = parseLamps(text);
    QCOMPARE(set ? int(*set) : -1, lamps);
}

QTEST_GUILESS_MAIN(TestPatterns)
#include "tst_patterns.moc"
