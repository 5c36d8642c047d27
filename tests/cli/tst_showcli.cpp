// lc420-cli programs, scenes, show-file and inspect of show files, run as a
// user runs them: under the lc420-sim launcher, against a simulated driver
// whose state lives in a temporary folder.

#include "show/patterns.h"
#include "show/showfile.h"
#include "tests/support/files.h"
#include "tests/support/simcli.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>

using namespace Show;

Q_DECLARE_METATYPE(Show::FillParameters)

namespace {

QByteArray patternTable(Kind kind)
{
    QByteArray table(tableSize(kind), '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(i * 5 + 1);
    return table;
}

} // namespace

class TestShowCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void setThenGetAcrossRuns_data();
    void setThenGetAcrossRuns();
    void badFileIsRefusedBeforeTheDriver_data();
    void badFileIsRefusedBeforeTheDriver();
    void getWithoutDriverWritesNoFile();
    void checkedTransfers_data();
    void checkedTransfers();
    void inspectAndShowFile();
    void showFileColour_data();
    void showFileColour();
    void fill_data();
    void fill();
    void play_data();
    void play();
    void playUntilInterrupted();

private:
    CliRun run(const QStringList &arguments, const QStringList &simOptions = {}) const;
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QString programsFile;
    QString scenesFile;
};

void TestShowCli::initTestCase()
{
    QVERIFY(dir.isValid());
    // Saved by the window's own code.
    programsFile = path(QStringLiteral("window.pgm"));
    scenesFile = path(QStringLiteral("window.scn"));
    QCOMPARE(saveFile(programsFile, Kind::Programs, patternTable(Kind::Programs)), QString());
    QCOMPARE(saveFile(scenesFile, Kind::Scenes, patternTable(Kind::Scenes)), QString());
}

CliRun TestShowCli::run(const QStringList &arguments, const QStringList &simOptions) const
{
    return runCliUnderSim(QStringLiteral(LC420_SIM_PATH), QStringLiteral(LC420_CLI_PATH),
                          path(QStringLiteral("sim-state")), arguments, simOptions);
}

void TestShowCli::setThenGetAcrossRuns_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("programs") << QStringLiteral("programs") << Kind::Programs;
    QTest::newRow("scenes") << QStringLiteral("scenes") << Kind::Scenes;
}

void TestShowCli::setThenGetAcrossRuns()
{
    QFETCH(QString, command);
    QFETCH(Kind, kind);
    const QString in = kind == Kind::Programs ? programsFile : scenesFile;
    const QString out = path(command + QStringLiteral("-back"));

    QCOMPARE(run({command, QStringLiteral("set"), in}).exitCode, 0);
    QCOMPARE(run({command, QStringLiteral("get"), out}).exitCode, 0);
    // The file the tool wrote is the window's file, byte for byte, and the
    // window's reader takes it.
    QCOMPARE(TestFiles::readFile(out), TestFiles::readFile(in));
    QCOMPARE(readFile(out, kind).table, patternTable(kind));
}

void TestShowCli::badFileIsRefusedBeforeTheDriver_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("contents");
    const QByteArray scenes = TestFiles::readFile(scenesFile);
    QTest::newRow("scenes file as programs")
        << QStringList{QStringLiteral("programs"), QStringLiteral("set")} << scenes;
    QTest::newRow("cut short") << QStringList{QStringLiteral("scenes"), QStringLiteral("set")}
                               << scenes.left(300);
    QTest::newRow("empty") << QStringList{QStringLiteral("scenes"), QStringLiteral("set")}
                           << QByteArray();
    QTest::newRow("inspect") << QStringList{QStringLiteral("inspect")} << scenes.left(300);
    QTest::newRow("show-file") << QStringList{QStringLiteral("show-file")} << QByteArray();
    QTest::newRow("write-ext-bin") << QStringList{QStringLiteral("write-ext-bin")} << QByteArray();
}

void TestShowCli::badFileIsRefusedBeforeTheDriver()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, contents);
    // inspect tells the kind by the suffix; the others do not mind it.
    const QString bad = path(QStringLiteral("bad-") + QString::fromLatin1(QTest::currentDataTag())
                             + QStringLiteral(".pgm"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();

    // No Lc420 on the bus: reaching for the driver would give 1, not 3.
    QCOMPARE(run(arguments + QStringList{bad}, {QStringLiteral("--wrong-id")}).exitCode, 3);
    QCOMPARE(run(arguments + QStringList{path(QStringLiteral("missing.pgm"))},
                 {QStringLiteral("--wrong-id")})
                 .exitCode,
             3);
    // A FIFO is refused before it is opened, which would wait for a writer.
    const QString fifo = path(QStringLiteral("fifo-") + QString::fromLatin1(QTest::currentDataTag())
                              + QStringLiteral(".pgm"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const CliRun refused = run(arguments + QStringList{fifo}, {QStringLiteral("--wrong-id")});
    QCOMPARE(refused.exitCode, 3);
    QVERIFY2(refused.err.contains(fifo + QStringLiteral(" is not a regular file")),
             qPrintable(refused.err));
}

void TestShowCli::getWithoutDriverWritesNoFile()
{
    const QString out = path(QStringLiteral("never.scn"));
    QCOMPARE(
        run({QStringLiteral("scenes"), QStringLiteral("get"), out}, {QStringLiteral("--wrong-id")})
            .exitCode,
        1);
    QVERIFY(!QFile::exists(out));
}

void TestShowCli::checkedTransfers_data()
{
    QTest::addColumn<QStringList>("arguments"); // FILE: the window's scenes file
    QTest::addColumn<QStringList>("simOptions");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");

    const QString file = QStringLiteral("FILE");
    const QString scenes = QStringLiteral("scenes");
    // Scenes: identification, serial, status get, set, get, then the table
    // transfers.
    QTest::newRow("set stored wrong twice names the scene")
        << QStringList{scenes, QStringLiteral("set"), file}
        << QStringList{QStringLiteral("--corrupt-at"), QStringLiteral("6"),
                       QStringLiteral("--count"), QStringLiteral("4")}
        << 1 << QStringLiteral("(written → read back): scene 3: lamp 11 ");
    QTest::newRow("get whose release fails keeps the old file")
        << QStringList{scenes, QStringLiteral("get"), QStringLiteral("OLD")}
        << QStringList{QStringLiteral("--fail-transfer"), QStringLiteral("8")} << 1
        << QStringLiteral("its status bit 0 is still set.\nRelease it with: lc420-cli status "
                          "clear\n");
    QTest::newRow("verify equal") << QStringList{scenes, QStringLiteral("verify"), file}
                                  << QStringList{} << 0 << QStringLiteral("holds exactly");
    QTest::newRow("verify different")
        << QStringList{scenes, QStringLiteral("verify"), QStringLiteral("CHANGED")} << QStringList{}
        << 1 << QStringLiteral("(file → driver):\nscene 2: XFade 1 → ");
    QTest::newRow("verify different, as JSON")
        << QStringList{QStringLiteral("--json"), scenes, QStringLiteral("verify"),
                       QStringLiteral("CHANGED")}
        << QStringList{} << 1 << QStringLiteral("\"scene\": 2,");
    QTest::newRow("verify damaged file")
        << QStringList{scenes, QStringLiteral("verify"), QStringLiteral("OLD")} << QStringList{}
        << 3 << QStringLiteral("old.scn is not a scenes file.\n");
}

void TestShowCli::checkedTransfers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, simOptions);
    QFETCH(int, exitCode);
    QFETCH(QString, says);

    QCOMPARE(run({QStringLiteral("scenes"), QStringLiteral("set"), scenesFile}).exitCode, 0);
    const QString old = path(QStringLiteral("old.scn"));
    QVERIFY(TestFiles::writeFile(old, "not a show file"));
    // Scene 2's XFade (bytes 84..87) set to 1 in the file.
    QByteArray changedTable = patternTable(Kind::Scenes);
    changedTable.replace(84, 4, QByteArray::fromHex("01000000"));
    const QString changed = path(QStringLiteral("changed.scn"));
    QCOMPARE(saveFile(changed, Kind::Scenes, changedTable), QString());
    arguments.replaceInStrings(QStringLiteral("FILE"), scenesFile)
        .replaceInStrings(QStringLiteral("OLD"), old)
        .replaceInStrings(QStringLiteral("CHANGED"), changed);

    const CliRun result = run(arguments, simOptions);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2((result.out + result.err).contains(says), qPrintable(result.out + result.err));
    QCOMPARE(TestFiles::readFile(old), QByteArray("not a show file"));
}

void TestShowCli::inspectAndShowFile()
{
    const CliRun inspect = run({QStringLiteral("inspect"), scenesFile});
    QCOMPARE(inspect.exitCode, 0);
    QVERIFY2(inspect.out.contains(QStringLiteral("Header:    Lc420 Scenes File\n"
                                                 "Version:   Version 01\n"
                                                 "Block:     384 bytes\n"
                                                 "Scenes:    8 of 8 in use\n"
                                                 "The file is consistent.\n")),
             qPrintable(inspect.out));

    const CliRun show = run({QStringLiteral("show-file"), scenesFile});
    QCOMPARE(show.exitCode, 0);
    const QStringList lines = show.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2 + SceneCount);
    QCOMPARE(lines.first(), QStringLiteral("Lc420 Scenes File, Version 01"));
    // Scene 1 holds bytes 0..47 of the pattern i * 5 + 1.
    const SceneRecord first = recordAt(patternTable(Kind::Scenes), 0);
    // Its times are wider than their columns and still stand apart.
    QVERIFY2(lines.at(2).startsWith(QStringLiteral("    1 %1 %2 %3 #01060b #10151a")
                                        .arg(first.riseTime, 6)
                                        .arg(first.staticTime, 11)
                                        .arg(int(first.endMarker), 11)),
             qPrintable(lines.at(2)));

    QFile cut(path(QStringLiteral("cut.pgm")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(TestFiles::readFile(programsFile).left(7000));
    cut.close();
    const CliRun damaged = run({QStringLiteral("inspect"), cut.fileName()});
    QCOMPARE(damaged.exitCode, 3);
    QVERIFY2(damaged.out.contains(QStringLiteral(
                 "Block:     Wrong file length (cut short, needs 7680)\nThe file is damaged.\n")),
             qPrintable(damaged.out));
}

void TestShowCli::showFileColour_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("columns"); // $COLUMNS: the width where no terminal tells it
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("coloured");
    QTest::addColumn<bool>("withText"); // each lamp's #rrggbb beside its block
    QTest::newRow("always, wide") << QStringLiteral("--color=always") << 200 << 0 << true << true;
    QTest::newRow("always, 80 columns")
        << QStringLiteral("--color=always") << 80 << 0 << true << false;
    QTest::newRow("always, 60 columns")
        << QStringLiteral("--color=always") << 60 << 0 << true << false;
    QTest::newRow("never") << QStringLiteral("--color=never") << 80 << 0 << false << true;
    QTest::newRow("auto, not a terminal")
        << QStringLiteral("--color=auto") << 80 << 0 << false << true;
    QTest::newRow("unknown value")
        << QStringLiteral("--color=sometimes") << 80 << 2 << false << false;
}

void TestShowCli::showFileColour()
{
    QFETCH(QString, option);
    QFETCH(int, columns);
    QFETCH(int, exitCode);
    QFETCH(bool, coloured);
    QFETCH(bool, withText);
    qputenv("COLUMNS", QByteArray::number(columns));
    const CliRun show = run({QStringLiteral("show-file"), option, scenesFile});
    qunsetenv("COLUMNS");
    QCOMPARE(show.exitCode, exitCode);
    // Scene 1, lamp 1 is #01060b: a block of that colour, then its text.
    const QString block = QStringLiteral("\x1b[48;2;1;6;11m  \x1b[0m");
    QCOMPARE(show.out.contains(block), coloured);
    QCOMPARE(show.out.contains(block + QStringLiteral(" #01060b")), coloured && withText);
    QCOMPARE(show.out.contains(QStringLiteral("#01060b")), withText);
    QCOMPARE(show.out.contains(QLatin1Char('\x1b')), coloured);
    // A coloured table is for a person at a terminal: no line wider than it.
    // A plain one keeps one line per record for scripts.
    static const QRegularExpression escape(QStringLiteral("\x1b\\[[0-9;]*m"));
    const QStringList lines = QString(show.out).remove(escape).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (coloured)
            QVERIFY2(line.size() <= columns, qPrintable(line));
    }
    if (exitCode == 0 && !coloured)
        QCOMPARE(lines.size(), 2 + SceneCount + 1);
    if (withText && exitCode == 0)
        QVERIFY(show.out.contains(QStringLiteral("L:12")));
}

void TestShowCli::fill_data()
{
    QTest::addColumn<QStringList>("arguments"); // the output file follows
    QTest::addColumn<int>("exitCode");
    // What the file must hold: the pattern written into an all-black table,
    // or into the table of window.pgm / window.scn for --from.
    QTest::addColumn<FillParameters>("parameters");
    QTest::addColumn<bool>("fromWindowFile");

    const FillParameters programs = defaultFillParameters(Kind::Programs);
    QTest::newRow("defaults: the red chase over steps 1 to 12 of program 1")
        << QStringList{"programs", "fill", "chase"} << 0 << programs << false;
    FillParameters p = programs;
    p.pattern = Pattern::Rainbow;
    p.program = 2;
    p.lamps = 0x3F;
    p.direction = LampDirection::Down;
    p.firstStep = 2;
    p.lastStep = 19;
    p.sceneTime = 250;
    p.xfade = 40;
    p.endMarker = false;
    QTest::newRow("every option reaches the pattern")
        << QStringList{"programs",     "fill", "rainbow", "--program=3", "--lamps",        "1-6",
                       "--direction",  "down", "--first", "3",           "--last",         "20",
                       "--scene-time", "250",  "--xfade", "40",          "--no-end-marker"}
        << 0 << p << false;
    p = programs;
    p.pattern = Pattern::Alternate;
    p.first = {0, 0, 255};
    p.second = {255, 128, 0};
    p.program = 7;
    QTest::newRow("--from keeps the rest of the file")
        << QStringList{"programs", "fill",      "alternate", "--color", "#0000ff", "--color2",
                       "orange",   "--program", "8",         "--from",  "WINDOW"}
        << 0 << p << true;
    p = defaultFillParameters(Kind::Scenes);
    p.pattern = Pattern::Fade;
    p.second = {0, 0, 255};
    QTest::newRow("scenes: a fade over all eight")
        << QStringList{"scenes", "fill", "fade", "--color2", "0,0,255"} << 0 << p << false;

    const auto refused = [](const char *name, const QStringList &arguments, int exitCode) {
        QTest::newRow(name) << arguments << exitCode << FillParameters{} << false;
    };
    p = programs;
    p.pattern = Pattern::Sparkle;
    p.width = 4;
    p.seed = 2024;
    QTest::newRow("sparkle from a seed: the same steps as the window's")
        << QStringList{"programs", "fill", "sparkle", "--width", "4", "--seed", "2024"} << 0 << p
        << false;
    p = defaultFillParameters(Kind::Scenes);
    p.pattern = Pattern::Bounce;
    p.direction = LampDirection::Down;
    p.width = 2;
    QTest::newRow("scenes: a bounce down, two lamps wide")
        << QStringList{"scenes", "fill", "bounce", "--direction", "down", "--width", "2"} << 0 << p
        << false;

    refused("unknown pattern", {"programs", "fill", "glitter"}, 2);
    refused("a seed for a pattern without chance", {"programs", "fill", "wipe", "--seed", "3"}, 2);
    refused("a negative seed", {"programs", "fill", "sparkle", "--seed", "-3"}, 2);
    refused("no pattern", {"programs", "fill"}, 2);
    refused("a chase wider than the lamps", {"programs", "fill", "chase", "--width", "13"}, 2);
    refused("program 9", {"programs", "fill", "chase", "--program", "9"}, 2);
    refused("step 21", {"programs", "fill", "chase", "--last", "21"}, 2);
    refused("a word for a number", {"programs", "fill", "chase", "--xfade", "slow"}, 2);
    refused("an unknown colour", {"programs", "fill", "solid", "--color", "purple"}, 2);
    refused("an unknown option", {"programs", "fill", "solid", "--speed", "2"}, 2);
    refused("an option without its value", {"programs", "fill", "solid", "--lamps"}, 2);
    refused("scenes have no End Marker", {"scenes", "fill", "solid", "--no-end-marker"}, 2);
    refused("scenes have no program", {"scenes", "fill", "solid", "--program", "2"}, 2);
    refused("no driver, so no --json", {"--json", "programs", "fill", "solid"}, 2);
    refused("--from a scenes file", {"programs", "fill", "solid", "--from", "WINDOW.scn"}, 3);
    refused("the output is a folder", {"programs", "fill", "solid", "FOLDER"}, 3);
}

void TestShowCli::fill()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(FillParameters, parameters);
    QFETCH(bool, fromWindowFile);

    const QString out = path(QStringLiteral("fill-%1.out").arg(QTest::currentDataTag()));
    arguments.replaceInStrings(QStringLiteral("WINDOW.scn"), scenesFile);
    arguments.replaceInStrings(QStringLiteral("WINDOW"), programsFile);
    if (!arguments.contains(QStringLiteral("FOLDER")))
        arguments.append(out);
    arguments.replaceInStrings(QStringLiteral("FOLDER"), dir.path());

    // No driver on the bus: a fill needs none.
    const CliRun result = run(arguments, {QStringLiteral("--wrong-id")});
    QVERIFY2(result.exitCode == exitCode, qPrintable(result.err));
    if (exitCode != 0) {
        QVERIFY(!QFile::exists(out));
        QVERIFY2(result.err.startsWith(QStringLiteral("lc420-cli: "))
                     || result.err.contains(QStringLiteral("Wrong file header"))
                     || result.err.contains(QStringLiteral("Cannot write")),
                 qPrintable(result.err));
        return;
    }
    QByteArray expected = fromWindowFile ? patternTable(parameters.kind)
                                         : QByteArray(tableSize(parameters.kind), '\0');
    QCOMPARE(fillSteps(expected, parameters), FillError::None);
    const FileContents written = readFile(out, parameters.kind);
    QVERIFY(written.ok());
    QCOMPARE(written.table, expected);
}

void TestShowCli::play_data()
{
    QTest::addColumn<QStringList>("arguments"); // the file follows
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("program");   // from 1
    QTest::addColumn<int>("stepCount"); // the steps of one round
    QTest::addColumn<QString>("steps"); // the steps played, in order

    QTest::newRow("two rounds of program 2 up to its End Marker")
        << QStringList{"--play", "--program", "2", "--loops", "2"} << 0 << 2 << 3 << "1 2 3 1 2 3";
    QTest::newRow("one round of program 1, which has no End Marker")
        << QStringList{"--play", "--loops=1"} << 0 << 1 << 20
        << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20";
    const auto refused = [](const char *name, const QStringList &arguments, int exitCode) {
        QTest::newRow(name) << arguments << exitCode << 0 << 0 << QString();
    };
    refused("--loops without --play", {"--loops", "1"}, 2);
    refused("no rounds", {"--play", "--loops", "0"}, 2);
    refused("program 9", {"--play", "--program", "9", "--loops", "1"}, 2);
    refused("--program without a number", {"--play", "--program"}, 2);
    refused("no --json for a play", {"--json", "--play", "--loops", "1"}, 2);
    refused("a scenes file has no program", {"--play", "--loops", "1", "SCENES"}, 3);
}

// Steps of Scene Time 0 and 5 ms (held one frame each), so a round takes
// well under a second.
void TestShowCli::play()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(int, program);
    QFETCH(int, stepCount);
    QFETCH(QString, steps);

    QByteArray table(ProgramTableSize, '\0');
    for (int step = 0; step < StepsPerProgram; ++step) {
        SceneRecord record;
        record.staticTime = step % 2 == 0 ? 0 : 5;
        record.lamps[0] = {quint8(step), 0, 255};
        setRecordAt(table, programRecordOffset(0, step), record);
        record.endMarker = step == 2 ? 1 : 0;
        setRecordAt(table, programRecordOffset(1, step), record);
    }
    const QString file = path(QStringLiteral("play.pgm"));
    QCOMPARE(saveFile(file, Kind::Programs, table), QString());
    if (!arguments.contains(QStringLiteral("SCENES")))
        arguments.append(file);
    arguments.replaceInStrings(QStringLiteral("SCENES"), scenesFile);
    arguments.prepend(QStringLiteral("show-file"));
    arguments.append(QStringLiteral("--color=never"));

    const CliRun result = run(arguments, {QStringLiteral("--wrong-id")});
    QVERIFY2(result.exitCode == exitCode, qPrintable(result.err));
    if (exitCode != 0) {
        // Nothing but the refusal; with --json, as the one document.
        QVERIFY2(arguments.contains(QStringLiteral("--json"))
                     ? QJsonDocument::fromJson(result.out.toUtf8()).object().value("ok")
                           == QJsonValue(false)
                     : result.out.isEmpty(),
                 qPrintable(result.out));
        QVERIFY(result.err.startsWith(QStringLiteral("lc420-cli: ")));
        return;
    }
    // One line a step, each naming its step and holding its lamps: lamp 1's
    // red is the step's index.
    static const QRegularExpression line(
        QStringLiteral("^Program (\\d), step +(\\d+) of (\\d+): #(..)00ff( #000000){11}$"));
    QStringList played;
    for (const QString &text : result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = line.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        QCOMPARE(match.captured(1).toInt(), program);
        QCOMPARE(match.captured(3).toInt(), stepCount);
        QCOMPARE(match.captured(4).toInt(nullptr, 16), match.captured(2).toInt() - 1);
        played << match.captured(2);
    }
    QCOMPARE(played.join(QLatin1Char(' ')), steps);
}

// Ctrl+C ends a play that would go on for ever as a success, with the
// lines written so far intact.
void TestShowCli::playUntilInterrupted()
{
    QByteArray table(ProgramTableSize, '\0');
    const QString file = path(QStringLiteral("forever.pgm"));
    QCOMPARE(saveFile(file, Kind::Programs, table), QString());
    QProcess process;
    process.start(QStringLiteral(LC420_CLI_PATH),
                  {QStringLiteral("show-file"), QStringLiteral("--play"), file});
    QVERIFY(process.waitForStarted());
    QByteArray output;
    QTRY_VERIFY((output += process.readAllStandardOutput()).contains("step  3 of 20"));
    ::kill(pid_t(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestShowCli)
#include "tst_showcli.moc"
