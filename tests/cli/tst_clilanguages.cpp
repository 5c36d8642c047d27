// lc420-cli under each catalogue, as a user in either language meets it: no
// text reaches the user untranslated, help fits an 80-column terminal, --json
// gives one document and nothing else, and the commands it suggests write
// nothing to a driver.

#include "firmware/upgradefile.h"
#include "show/showfile.h"
#include "tests/firmware/hexrecords.h"
#include "tests/support/sampleimage.h"
#include "tests/support/simcli.h"

#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a row checks besides its exit code.
enum Check : int {
    Width = 1, // every line of standard output and error fits 80 columns
    Json = 2,  // standard output is exactly one JSON document
};

const QStringList Languages{QStringLiteral("en_US.UTF-8"), QStringLiteral("pl_PL.UTF-8")};

} // namespace

class TestCliLanguages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyCommand_data();
    void everyCommand();
    void patternsInEitherLanguage_data();
    void patternsInEitherLanguage();
    void windowHelpInPolish();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestCliLanguages::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QCOMPARE(Upgrade::saveFile(path(QStringLiteral("new.upg")), sampleUpgradeImage(3)), QString());
    QCOMPARE(Show::saveFile(path(QStringLiteral("show.pgm")), Show::Kind::Programs,
                            QByteArray(Show::tableSize(Show::Kind::Programs), '\0')),
             QString());
    QCOMPARE(Show::saveFile(path(QStringLiteral("show.scn")), Show::Kind::Scenes,
                            QByteArray(Show::tableSize(Show::Kind::Scenes), '\x11')),
             QString());
    using namespace HexRecords;
    // Application data, and a block in the bootloader's area that an upgrade
    // leaves out.
    QVERIFY(writeFile(path(QStringLiteral("firmware.hex")),
                      upper(0x0800) + data(0x4000, counting(32)) + data(0x4020, counting(16))
                          + data(0x0100, counting(8)) + end()));
    QVERIFY(writeFile(path(QStringLiteral("cut.hex")), upper(0x0800) + data(0x4000, counting(32))));
}

void TestCliLanguages::everyCommand_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("checks");
    // A pattern the output (standard output and error together) must match,
    // and one it must not; empty for none.
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("never");

    const QString pgm = path(QStringLiteral("show.pgm"));
    const QString scn = path(QStringLiteral("show.scn"));
    const QString hex = path(QStringLiteral("firmware.hex"));
    const QString out = path(QStringLiteral("out"));
    // A command that writes to the driver, wherever a suggestion names one.
    const QString writes = QStringLiteral("lc420-cli[^\\n]* (set|upgrade|write-\\S+|fill)\\b");
    struct Row
    {
        const char *name;
        QStringList arguments;
        int exitCode;
        int checks;
        QString says;
        QString never;
    };
    const QList<Row> rows{
        {"help", {"--help"}, 0, Width, {}, {}},
        {"list", {"list"}, 0, Width, {}, {}},
        {"info", {"info"}, 0, 0, "261107001\\n", {}},
        {"status set", {"status", "set"}, 0, 0, {}, {}},
        {"status clear", {"status", "clear"}, 0, 0, {}, {}},
        {"connect", {"connect"}, 0, 0, {}, {}},
        {"write-test-block", {"write-test-block"}, 0, 0, {}, {}},
        {"programs fill without arguments", {"programs", "fill"}, 2, Width, {}, {}},
        {"programs fill",
         {"programs", "fill", "rainbow", "--last", "4", out + ".pgm"},
         0,
         0,
         {},
         {}},
        {"scenes fill with an unknown pattern",
         {"scenes", "fill", "zigzag", out + ".scn"},
         2,
         Width,
         "\"zigzag\"|„zigzag”",
         {}},
        {"build-upg", {"build-upg", hex, out + ".upg"}, 0, 0, {}, {}},
        {"build-upg of a cut file", {"build-upg", path("cut.hex"), out + ".upg"}, 3, 0, {}, {}},
        {"boot-images without --count",
         {"boot-images", hex, "--date", "261107", "--number", "1"},
         2,
         Width,
         {},
         {}},
        {"inspect a HEX file", {"inspect", hex}, 0, 0, {}, {}},
        {"inspect a cut HEX file", {"inspect", path("cut.hex")}, 3, 0, {}, {}},
        {"inspect an upgrade file", {"inspect", path("new.upg")}, 0, 0, {}, {}},
        {"inspect a programs file", {"inspect", pgm}, 0, 0, {}, {}},
        {"inspect of a missing file", {"inspect", path("missing.scn")}, 3, 0, {}, {}},
        {"--json inspect", {"--json", "inspect", hex}, 0, Json, {}, {}},
        {"--json programs verify", {"--json", "programs", "verify", pgm}, 1, Json, {}, {}},
        {"--json scenes verify without a driver",
         {"--serial", "261107009", "--json", "scenes", "verify", scn},
         1,
         Json,
         {},
         {}},
        {"--json programs get refused",
         {"--json", "programs", "get", out + ".pgm"},
         2,
         Json,
         {},
         {}},
        {"--json list", {"--json", "list"}, 0, Json, {}, {}},
        {"scenes verify of a programs file",
         {"--serial", "261107001", "scenes", "verify", pgm},
         3,
         0,
         "lc420-cli --serial 261107001 programs verify " + QRegularExpression::escape(pgm),
         writes},
        {"programs fill from a scenes file",
         {"programs", "fill", "solid", "--from", scn, out + ".pgm"},
         3,
         0,
         "lc420-cli scenes fill solid --from " + QRegularExpression::escape(scn),
         "scenes set"},
        {"upgrade of a HEX file", {"upgrade", hex}, 3, 0, "lc420-cli build-upg ", {}},
        {"a serial not attached", {"--serial", "26110700", "info"}, 1, 0, "261107001", {}},
        {"unknown command", {"flash"}, 2, 0, {}, {}},
    };
    // Every command's own help.
    const QList<QStringList> helps{
        {"list"},
        {"info"},
        {"status"},
        {"connect"},
        {"read-memory"},
        {"read-ext"},
        {"write-ext"},
        {"write-ext-bin"},
        {"write-page"},
        {"write-test-block"},
        {"run-application"},
        {"upgrade"},
        {"build-upg"},
        {"boot-images"},
        {"inspect"},
        {"programs"},
        {"programs", "fill"},
        {"scenes"},
        {"scenes", "fill"},
        {"show-file"},
    };
    for (const QString &language : Languages) {
        const QString tag = QLatin1Char(' ') + language.left(2);
        for (const Row &row : rows)
            QTest::newRow(qPrintable(QLatin1String(row.name) + tag))
                << language << row.arguments << row.exitCode << row.checks << row.says << row.never;
        for (const QStringList &help : helps)
            QTest::newRow(qPrintable(help.join(' ') + QStringLiteral(" --help") + tag))
                << language << help + QStringList{QStringLiteral("--help")} << 0 << int(Width)
                << QString() << QString();
    }
}

void TestCliLanguages::everyCommand()
{
    QFETCH(QString, language);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(int, checks);
    QFETCH(QString, says);
    QFETCH(QString, never);

    const QString state
        = path(QStringLiteral("state-")
               + QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), '_'));
    const CliRun run
        = runCliUnderSim(QStringLiteral(LC420_SIM_PATH), QStringLiteral(LC420_CLI_PATH), state,
                         arguments, {}, language);
    const QString all = run.out + run.err;
    QCOMPARE(run.exitCode, exitCode);

    QStringList shown; // what the user reads
    QStringList untranslated;
    for (const QString &line : all.split(QLatin1Char('\n')))
        (line.contains(QLatin1String("untranslated:")) ? untranslated : shown).append(line);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));

    if (checks & Width) {
        for (const QString &line : shown)
            QVERIFY2(line.size() <= 80,
                     qPrintable(QStringLiteral("%1 columns: %2").arg(line.size()).arg(line)));
    }
    if (checks & Json) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError && !document.isNull(),
                 qPrintable(error.errorString() + QLatin1Char('\n') + run.out));
    }
    if (!says.isEmpty())
        QVERIFY2(QRegularExpression(says).match(all).hasMatch(), qPrintable(says + '\n' + all));
    if (!never.isEmpty())
        QVERIFY2(!QRegularExpression(never).match(all).hasMatch(), qPrintable(never + '\n' + all));
}

// Scripts name the patterns in English under any locale; a person may use
// the words the help shows in their language.
void TestCliLanguages::patternsInEitherLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("words"); // pattern, --color, --direction, --lamps
    QTest::addColumn<int>("exitCode");
    QTest::newRow("English words, English locale")
        << Languages.at(0) << QStringList{"chase", "blue", "down", "all"} << 0;
    QTest::newRow("English words, Polish locale")
        << Languages.at(1) << QStringList{"chase", "blue", "down", "all"} << 0;
    QTest::newRow("Polish words, Polish locale")
        << Languages.at(1) << QStringList{"bieg", "niebieski", "malejąco", "wszystkie"} << 0;
    QTest::newRow("Polish words in capitals")
        << Languages.at(1) << QStringList{"BIEG", "Niebieski", "MALEJĄCO", "Wszystkie"} << 0;
    QTest::newRow("Polish pattern, English locale")
        << Languages.at(0) << QStringList{"bieg", "blue", "down", "all"} << 2;
}

void TestCliLanguages::patternsInEitherLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, words);
    QFETCH(int, exitCode);
    const QString file = path(QStringLiteral("words-%1.pgm").arg(QTest::currentDataTag()));
    const CliRun run = runCliUnderSim(
        QStringLiteral(LC420_SIM_PATH), QStringLiteral(LC420_CLI_PATH), path("state-words"),
        {"programs", "fill", words.at(0), "--color", words.at(1), "--direction", words.at(2),
         "--lamps", words.at(3), "--last", "3", file},
        {}, language);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0)
        return;
    // A blue light runs down from lamp 12: the first step lights lamp 12.
    const Show::FileContents contents = Show::readFile(file, Show::Kind::Programs);
    QVERIFY(contents.ok());
    const Show::SceneRecord first = Show::recordAt(contents.table, 0);
    QCOMPARE(first.lamps[11].blue, quint8(255));
    QCOMPARE(first.lamps[0].blue, quint8(0));
}

namespace {

// lc420 --help under language: its lines.
QStringList windowHelp(const QString &language)
{
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), language);
    window.setProcessEnvironment(environment);
    window.start(QStringLiteral(LC420_GUI_PATH), {QStringLiteral("--help")});
    if (!window.waitForFinished(30000) || window.exitCode() != 0)
        return {};
    return QString::fromUtf8(window.readAllStandardOutput()).split(QLatin1Char('\n'));
}

} // namespace

// The window's --help (answered before any window exists) speaks the
// user's language: no text of the English help is left in the Polish one
// but the program's and the options' names.
void TestCliLanguages::windowHelpInPolish()
{
    const QStringList english = windowHelp(Languages.at(0));
    const QStringList polish = windowHelp(Languages.at(1));
    QVERIFY(english.size() > 5);
    QVERIFY(polish.size() > 5);
    static const QRegularExpression names(QStringLiteral("^\\s*((-\\S+|<\\S+>),?\\s*)*"));
    for (QString line : english) {
        line.remove(names);
        if (line.contains(QRegularExpression(QStringLiteral("[a-z]{3}"))))
            QVERIFY2(!polish.join('\n').contains(line), qPrintable(line));
    }
}

QTEST_GUILESS_MAIN(TestCliLanguages)
#include "tst_clilanguages.moc"
