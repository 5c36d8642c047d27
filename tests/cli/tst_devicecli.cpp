// lc420-cli info, status, upgrade, list and the options of every command
// (--json, --serial), run as a user runs them: under the lc420-sim launcher,
// against simulated drivers whose state lives in a temporary folder.

#include "core/hexdump.h"
#include "firmware/upgradefile.h"
#include "show/showfile.h"
#include "tests/support/sampleimage.h"
#include "tests/support/simcli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The value at a path such as "records/0/lamps/11", as text.
QString jsonAt(const QJsonValue &root, const QString &path)
{
    QJsonValue value = root;
    for (const QString &key : path.split(QLatin1Char('/'))) {
        bool index = false;
        const int at = key.toInt(&index);
        value = index ? value.toArray().at(at) : value.toObject().value(key);
    }
    if (value.isDouble())
        return QString::number(value.toInteger());
    return value.isString() ? value.toString() : QStringLiteral("<not found: %1>").arg(path);
}

QByteArray fileBytes(const QString &path, qint64 offset, int length)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return {};
    return file.read(length);
}

const QString RefusedTail = QStringLiteral(
    ", but this user may not open it. Install the udev rule (packaging/60-lc420.rules, or the "
    "package) and plug the driver in again.\n");

} // namespace

class TestDeviceCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void infoOfAFreshDriver();
    void statusSetShowsBitZero();
    void usageErrors_data();
    void usageErrors();
    void noDriver_data();
    void noDriver();
    void upgradeTakesTheDriverToTheNewFirmware();
    void damagedUpgradeFileIsRefused();
    void firmwareIsNamedAndVerifiedAfterAnUpgrade();
    void externalFlashRoundTrip();
    void jsonHasTheFactsOfTheText_data();
    void jsonHasTheFactsOfTheText();
    void refusedDriverIsExplained_data();
    void refusedDriverIsExplained();
    void serialPicksOneOfSeveralDrivers();
    void upgradeStaysOnThePinnedDriver();
    void failedUpgradeSpeaksToATerminal_data();
    void failedUpgradeSpeaksToATerminal();
    void helpInTheUsersLanguage();
    void lockedDriverIsNamed();

private:
    // lc420-sim [simOptions] -- lc420-cli arguments
    CliRun run(const QStringList &arguments, const QStringList &simOptions = {}) const;

    QTemporaryDir dir;
    QString stateDir;
    QString upgradeFile;
    QByteArray image;
    QString binFile;
    QByteArray bin;
    QString programsFile;
};

void TestDeviceCli::initTestCase()
{
    QVERIFY(dir.isValid());
    image = sampleUpgradeImage(11);
    upgradeFile = dir.filePath(QStringLiteral("new.upg"));
    QCOMPARE(Upgrade::saveFile(upgradeFile, image), QString());
    bin = image.mid(1000, 4096);
    binFile = dir.filePath(QStringLiteral("image.bin"));
    QFile file(binFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bin), bin.size());

    // Three steps in use, every field of them different from its neighbours.
    QByteArray programs(Show::tableSize(Show::Kind::Programs), '\0');
    const int steps = Show::ProgramCount * Show::StepsPerProgram;
    for (int index : {0, 1, steps - 1}) {
        Show::SceneRecord record;
        for (int lamp = 0; lamp < Show::LampCount; ++lamp)
            record.lamps[lamp] = {quint8(index + lamp), quint8(40 * lamp), quint8(255 - lamp)};
        record.riseTime = 1500 + index;
        record.staticTime = 60000 + index;
        record.endMarker = quint8(index % 2);
        Show::setRecordAt(programs, index * Show::RecordSize, record);
    }
    programsFile = dir.filePath(QStringLiteral("steps.pgm"));
    QCOMPARE(Show::saveFile(programsFile, Show::Kind::Programs, programs), QString());
}

void TestDeviceCli::init()
{
    // A fresh driver for every test.
    stateDir = dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QLatin1Char('-')
                            + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
}

CliRun TestDeviceCli::run(const QStringList &arguments, const QStringList &simOptions) const
{
    return runCliUnderSim(QStringLiteral(LC420_SIM_PATH), QStringLiteral(LC420_CLI_PATH), stateDir,
                          arguments, simOptions);
}

void TestDeviceCli::infoOfAFreshDriver()
{
    const CliRun info = run({QStringLiteral("info")});
    QCOMPARE(info.exitCode, 0);
    const QStringList lines = info.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("Serial:      261107001"));
    QCOMPARE(lines.value(1), QStringLiteral("Mode:        application"));
    QCOMPARE(lines.value(2), QStringLiteral("Bootloader:  LC420 BOOT 2.10"));
    QCOMPARE(lines.value(3).trimmed(), QStringLiteral("2026-11-02"));
    QVERIFY(lines.value(4).startsWith(QStringLiteral("Firmware:    application check word 0x")));
    // An erased external block reads as all ones.
    QCOMPARE(lines.value(5).trimmed(), QStringLiteral("external flash check word 0xffffffff"));
    QCOMPARE(lines.value(6), QStringLiteral("Status:      ") + QString(32, QLatin1Char('0')));

    const CliRun bootloader
        = run({QStringLiteral("info")}, {QStringLiteral("--mode"), QStringLiteral("bootloader")});
    QVERIFY2(bootloader.out.contains(QStringLiteral("Mode:        bootloader\n")),
             qPrintable(bootloader.out));
}

void TestDeviceCli::statusSetShowsBitZero()
{
    QCOMPARE(run({QStringLiteral("status"), QStringLiteral("set")}).out,
             QStringLiteral("Status bits set: ") + QString(31, QLatin1Char('0'))
                 + QStringLiteral("1\n"));
    // The driver keeps its status word across runs of the launcher.
    const CliRun get = run({QStringLiteral("status")});
    QCOMPARE(get.exitCode, 0);
    QCOMPARE(get.out,
             QStringLiteral("Status: ") + QString(31, QLatin1Char('0')) + QStringLiteral("1\n"));
    QCOMPARE(run({QStringLiteral("status"), QStringLiteral("clear")}).exitCode, 0);
    QVERIFY(run({QStringLiteral("info")}).out.contains(QString(32, QLatin1Char('0'))));
}

void TestDeviceCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown command") << QStringList{QStringLiteral("flash")};
    QTest::newRow("status with a bad action")
        << QStringList{QStringLiteral("status"), QStringLiteral("toggle")};
    QTest::newRow("info with an argument")
        << QStringList{QStringLiteral("info"), QStringLiteral("x")};
    QTest::newRow("upgrade without a file") << QStringList{QStringLiteral("upgrade")};
    QTest::newRow("read-memory with a bad address") << QStringList{
        QStringLiteral("read-memory"), QStringLiteral("0x08g0"), QStringLiteral("16")};
    QTest::newRow("read-ext with length 0")
        << QStringList{QStringLiteral("read-ext"), QStringLiteral("0"), QStringLiteral("0")};
    QTest::newRow("write-page with pattern 256")
        << QStringList{QStringLiteral("write-page"), QStringLiteral("256")};
    QTest::newRow("--json of a command without it")
        << QStringList{QStringLiteral("connect"), QStringLiteral("--json")};
    QTest::newRow("verify-firmware with two files") << QStringList{
        QStringLiteral("verify-firmware"), QStringLiteral("a.upg"), QStringLiteral("b.upg")};
    QTest::newRow("--serial without its value")
        << QStringList{QStringLiteral("info"), QStringLiteral("--serial")};
}

void TestDeviceCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    QCOMPARE(run(arguments).exitCode, 2);
}

void TestDeviceCli::noDriver_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("info") << QStringList{QStringLiteral("info")};
    QTest::newRow("status") << QStringList{QStringLiteral("status")};
    QTest::newRow("upgrade") << QStringList{QStringLiteral("upgrade"), upgradeFile};
    QTest::newRow("read-memory") << QStringList{QStringLiteral("read-memory"), QStringLiteral("0"),
                                                QStringLiteral("16")};
    QTest::newRow("write-ext-bin") << QStringList{QStringLiteral("write-ext-bin"), binFile};
    QTest::newRow("verify-firmware") << QStringList{QStringLiteral("verify-firmware"), upgradeFile};
}

void TestDeviceCli::noDriver()
{
    QFETCH(QStringList, arguments);
    // A driver that answers with a wrong identification word is no Lc420.
    QCOMPARE(run(arguments, {QStringLiteral("--wrong-id")}).exitCode, 1);
}

void TestDeviceCli::upgradeTakesTheDriverToTheNewFirmware()
{
    const CliRun upgrade = run({QStringLiteral("upgrade"), upgradeFile},
                               {QStringLiteral("--reset-time"), QStringLiteral("300")});
    QCOMPARE(upgrade.exitCode, 0);
    const QStringList lines = upgrade.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList texts;
    for (const QString &line : lines) {
        if (!line.contains(QLatin1Char('%')))
            texts.append(line);
    }
    QCOMPARE(
        texts,
        QStringList({upgradeFile, QStringLiteral("261107001"), QStringLiteral("LC420 BOOT 2.10"),
                     QStringLiteral("2026-11-02"), QStringLiteral("Application mode"),
                     QStringLiteral("Reset device"), QStringLiteral("Disconnect"),
                     QStringLiteral("Connect"), QStringLiteral("Serial: 261107001b"),
                     QStringLiteral("Writing firmware ... "), QStringLiteral("OK"),
                     QStringLiteral("Writing External Flash ... "), QStringLiteral("OK"),
                     QStringLiteral("Verify External Flash ...  "), QStringLiteral("OK"),
                     QStringLiteral("Upgrade finished: driver 261107001 runs the new firmware.")}));
    // Progress is drawn on a terminal only: a pipe gets no line per step.
    QVERIFY2(!upgrade.out.contains(QLatin1Char('%')), qPrintable(upgrade.out));
    QVERIFY2(!upgrade.err.contains(QLatin1Char('%')), qPrintable(upgrade.err));

    // The new application is what the driver keeps in its flash.
    QFile flash(stateDir + QStringLiteral("/internal-flash.bin"));
    QVERIFY(flash.open(QIODevice::ReadOnly));
    QCOMPARE(flash.readAll().mid(Upgrade::AppOffset, Upgrade::AppLength),
             image.mid(Upgrade::AppOffset, Upgrade::AppLength));
}

void TestDeviceCli::damagedUpgradeFileIsRefused()
{
    QFile good(upgradeFile);
    QVERIFY(good.open(QIODevice::ReadOnly));
    QByteArray bytes = good.readAll();
    bytes[70000] = char(bytes[70000] ^ 0x10);
    const QString damaged = dir.filePath(QStringLiteral("damaged.upg"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();

    const CliRun upgrade = run({QStringLiteral("upgrade"), damaged});
    QCOMPARE(upgrade.exitCode, 3);
    QCOMPARE(upgrade.out, damaged + QStringLiteral("\nDamaged upgrade file\n"));
    QVERIFY(run({QStringLiteral("info")}).out.contains(QStringLiteral("Mode:        application")));
}

// After an upgrade the driver holds the file's check words, and a read-back
// equals the file until one byte of its application changes.
void TestDeviceCli::firmwareIsNamedAndVerifiedAfterAnUpgrade()
{
    QCOMPARE(run({QStringLiteral("upgrade"), upgradeFile},
                 {QStringLiteral("--reset-time"), QStringLiteral("300")})
                 .exitCode,
             0);
    const QJsonObject file
        = QJsonDocument::fromJson(
              run({QStringLiteral("--json"), QStringLiteral("inspect"), upgradeFile}).out.toUtf8())
              .object();
    const QJsonObject driver
        = QJsonDocument::fromJson(
              run({QStringLiteral("--json"), QStringLiteral("info")}).out.toUtf8())
              .object();
    for (const QString &path :
         {QStringLiteral("app/checkWord"), QStringLiteral("extFlash/checkWord")})
        QCOMPARE(jsonAt(driver, path), jsonAt(file, path));
    QVERIFY(run({QStringLiteral("info")})
                .out.contains(QStringLiteral("external flash check word ")
                              + jsonAt(file, QStringLiteral("extFlash/checkWord"))));

    QCOMPARE(run({QStringLiteral("verify-firmware"), upgradeFile}).exitCode, 0);
    QCOMPARE(run({QStringLiteral("verify-firmware")}).exitCode, 0);

    QFile flash(stateDir + QStringLiteral("/internal-flash.bin"));
    QVERIFY(flash.open(QIODevice::ReadWrite));
    QVERIFY(flash.seek(0x5234));
    const char byte = flash.read(1).at(0);
    QVERIFY(flash.seek(0x5234));
    QCOMPARE(flash.write(QByteArray(1, char(~byte))), 1);
    flash.close();

    const CliRun differs = run({QStringLiteral("verify-firmware"), upgradeFile});
    QCOMPARE(differs.exitCode, 1);
    QVERIFY2(differs.err.contains(QStringLiteral("0x08005234")), qPrintable(differs.err));
    QCOMPARE(run({QStringLiteral("verify-firmware")}).exitCode, 1);
    const CliRun json
        = run({QStringLiteral("--json"), QStringLiteral("verify-firmware"), upgradeFile});
    QCOMPARE(json.exitCode, 1);
    QJsonParseError error;
    const QJsonObject verdict = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(jsonAt(verdict, QStringLiteral("app/firstDifference")), QStringLiteral("0x08005234"));
    QCOMPARE(jsonAt(verdict, QStringLiteral("app/differingPages")), QStringLiteral("1"));
    QCOMPARE(jsonAt(verdict, QStringLiteral("extFlash/differingChunks")), QStringLiteral("0"));

    // A file that does not add up is refused before the driver is read.
    QFile good(upgradeFile);
    QVERIFY(good.open(QIODevice::ReadOnly));
    QByteArray bytes = good.readAll();
    bytes[90000] = char(bytes[90000] ^ 0x02);
    const QString damaged = dir.filePath(QStringLiteral("verify-damaged.upg"));
    QFile out(damaged);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QCOMPARE(out.write(bytes), bytes.size());
    out.close();
    QCOMPARE(run({QStringLiteral("verify-firmware"), damaged}).exitCode, 3);
}

void TestDeviceCli::externalFlashRoundTrip()
{
    const CliRun write = run({QStringLiteral("write-ext-bin"), binFile});
    QCOMPARE(write.exitCode, 0);
    QVERIFY2(write.out.endsWith(QStringLiteral("Write OK\n")), qPrintable(write.out));

    // Decoded as the window decodes it: the file's own bytes.
    const QString raw = dir.filePath(QStringLiteral("back.bin"));
    QCOMPARE(run({QStringLiteral("read-ext"), QStringLiteral("0x0"), QStringLiteral("4096"),
                  QStringLiteral("--raw"), raw})
                 .exitCode,
             0);
    QFile back(raw);
    QVERIFY(back.open(QIODevice::ReadOnly));
    QCOMPARE(back.readAll(), bin);

    // Without --raw, the dump's rows alone on standard output, counted from
    // the driver's address as the window's dump counts them.
    const CliRun dump
        = run({QStringLiteral("read-ext"), QStringLiteral("80"), QStringLiteral("20")});
    QCOMPARE(dump.exitCode, 0);
    const QByteArray expected = bin.mid(0x80, 20);
    QCOMPARE(
        dump.out,
        QString::fromLatin1(hexDumpAt(expected.constData(), 20, 0x80)).section(QLatin1Char('\n'), 2)
            + QLatin1Char('\n'));
}

void TestDeviceCli::jsonHasTheFactsOfTheText_data()
{
    QTest::addColumn<QStringList>("arguments");
    // "path=pattern": the JSON value at path equals what the pattern's first group
    // catches in the text output.
    QTest::addColumn<QStringList>("facts");

    QTest::newRow("info") << QStringList{QStringLiteral("info")}
                          << QStringList{"serial=^Serial: +(\\S+)$", "mode=^Mode: +(\\S+)$",
                                         "bootloader/0=^Bootloader: +(.+)$",
                                         "bootloader/1=^Bootloader:.*\\n +(.+)$",
                                         "status=^Status: +([01]{32})$"};
    QTest::newRow("status") << QStringList{QStringLiteral("status")}
                            << QStringList{"status=^Status: ([01]{32})$"};
    QTest::newRow("status set") << QStringList{QStringLiteral("status"), QStringLiteral("set")}
                                << QStringList{"set=^Status bits set: ([01]{32})$"};
    QTest::newRow("inspect an upgrade file")
        << QStringList{QStringLiteral("inspect"), upgradeFile}
        << QStringList{"file=^File: +(\\S+) \\(",
                       "fileSize=^File:.*\\((\\d+) bytes\\)$",
                       "header=^Header: +(.+)$",
                       "version=^Version: +(.+)$",
                       "imageSize=^Image: +(\\d+) bytes$",
                       "app/checkWord=^App: +check word (\\S+),",
                       "app/computed=^App:.* add up to (\\S+):",
                       "extFlash/checkWord=^Ext flash: +check word (\\S+),",
                       "extFlash/computed=^Ext flash:.* add up to (\\S+):"};
    QTest::newRow("inspect a programs file")
        << QStringList{QStringLiteral("inspect"), programsFile}
        << QStringList{"file=^File: +(\\S+) \\(",
                       "fileSize=^File:.*\\((\\d+) bytes,",
                       "expectedSize=^File:.*, (\\d+) expected\\)$",
                       "header=^Header: +(.+)$",
                       "version=^Version: +(.+)$",
                       "blockSize=^Block: +(\\d+) bytes$",
                       "recordsInUse=^Steps: +(\\d+) of",
                       "records=^Steps: .* of (\\d+) in use$"};
    const QString step = "(?:\\s+-?\\d+){3}";
    QTest::newRow("show-file")
        << QStringList{QStringLiteral("show-file"), programsFile}
        << QStringList{"header=^([^,\\n]+), ",
                       "version=^[^,\\n]+, (.+)$",
                       "records/1/xfade=^ +1 +2 +(-?\\d+)",
                       "records/1/sceneTime=^ +1 +2 +-?\\d+ +(-?\\d+)",
                       "records/1/endMarker=^ +1 +2 +-?\\d+ +-?\\d+ +(\\d+) #",
                       "records/1/lamps/0=^ +1 +2" + step + " (#\\w{6})",
                       "records/159/program=^ +(8) +20 ",
                       "records/159/step=^ +8 +(20) ",
                       "records/159/lamps/11=^ +8 +20" + step + "(?: #\\w{6}){11} (#\\w{6})$"};
}

void TestDeviceCli::jsonHasTheFactsOfTheText()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, facts);
    const CliRun text = run(arguments);
    const CliRun json = run(arguments + QStringList{QStringLiteral("--json")});
    QCOMPARE(json.exitCode, text.exitCode);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.out.toUtf8(), &error);
    QVERIFY2(document.isObject(), qPrintable(error.errorString() + QLatin1Char('\n') + json.out));

    for (const QString &fact : facts) {
        const QString path = fact.section(QLatin1Char('='), 0, 0);
        const QRegularExpression pattern(fact.section(QLatin1Char('='), 1),
                                         QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = pattern.match(text.out);
        QVERIFY2(match.hasMatch(), qPrintable(fact + QLatin1Char('\n') + text.out));
        QCOMPARE(jsonAt(document.object(), path), match.captured(1));
    }
}

void TestDeviceCli::refusedDriverIsExplained_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("info") << QStringList{QStringLiteral("info")};
    QTest::newRow("list") << QStringList{QStringLiteral("list")};
    QTest::newRow("programs get") << QStringList{QStringLiteral("programs"), QStringLiteral("get"),
                                                 dir.filePath(QStringLiteral("never.pgm"))};
    QTest::newRow("a pinned upgrade")
        << QStringList{QStringLiteral("--serial"), QStringLiteral("261107001"),
                       QStringLiteral("upgrade"), upgradeFile};
}

void TestDeviceCli::refusedDriverIsExplained()
{
    QFETCH(QStringList, arguments);
    const CliRun refused = run(arguments, {QStringLiteral("--no-access")});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(QRegularExpression(QStringLiteral("Found an Lc420 on bus 001 device \\d{3}")
                                + QRegularExpression::escape(RefusedTail) + "$")
                 .match(refused.err)
                 .hasMatch(),
             qPrintable(refused.err));
}

void TestDeviceCli::serialPicksOneOfSeveralDrivers()
{
    const QStringList two{QStringLiteral("--driver"), QStringLiteral("261107001"),
                          QStringLiteral("--driver"), QStringLiteral("261107002")};
    const auto flash = [this](const char *serial) {
        return fileBytes(stateDir + '/' + serial + QStringLiteral("/external-flash.bin"), 0x14000,
                         16);
    };

    const CliRun list = run({QStringLiteral("list")}, two);
    QCOMPARE(list.exitCode, 0);
    QStringList drivers = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1);
    for (QString &line : drivers)
        line = line.section(QLatin1Char(' '), 2).simplified().section(QLatin1Char(' '), 0, 1);
    drivers.sort();
    QCOMPARE(drivers, QStringList({QStringLiteral("261107001 application"),
                                   QStringLiteral("261107002 application")}));

    // Without a pick nothing is written, and the refusal names both drivers.
    const CliRun refused = run({QStringLiteral("write-ext"), QStringLiteral("0x14000"),
                                QStringLiteral("16"), QStringLiteral("5a")},
                               two);
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(QStringLiteral("261107001"))
                 && refused.err.contains(QStringLiteral("261107002")),
             qPrintable(refused.err));
    const QByteArray erased(16, char(0xFF));
    QCOMPARE(flash("261107001"), erased);
    QCOMPARE(flash("261107002"), erased);

    // The bootloader form of the serial names the same driver.
    const CliRun picked = run({QStringLiteral("--serial"), QStringLiteral("261107002b"),
                               QStringLiteral("write-ext"), QStringLiteral("0x14000"),
                               QStringLiteral("16"), QStringLiteral("5a")},
                              two);
    QCOMPARE(picked.exitCode, 0);
    QCOMPARE(flash("261107001"), erased);
    QVERIFY(flash("261107002") != erased);
}

void TestDeviceCli::upgradeStaysOnThePinnedDriver()
{
    // The upgrade resets the driver, which comes back with a new device number and
    // its bootloader serial; every reconnect must find that driver again.
    const CliRun upgrade
        = run({QStringLiteral("--serial"), QStringLiteral("261107002"), QStringLiteral("upgrade"),
               upgradeFile},
              {QStringLiteral("--driver"), QStringLiteral("261107001"), QStringLiteral("--driver"),
               QStringLiteral("261107002"), QStringLiteral("--reset-time"), QStringLiteral("300")});
    QCOMPARE(upgrade.exitCode, 0);
    QVERIFY2(upgrade.out.contains(
                 QStringLiteral("Upgrade finished: driver 261107002 runs the new firmware.")),
             qPrintable(upgrade.out));
    const QByteArray application = image.mid(Upgrade::AppOffset, Upgrade::AppLength);
    const auto app = [this](const char *serial) {
        return fileBytes(stateDir + '/' + serial + QStringLiteral("/internal-flash.bin"),
                         Upgrade::AppOffset, Upgrade::AppLength);
    };
    QCOMPARE(app("261107002"), application);
    QVERIFY(app("261107001") != application);
}

// A failed upgrade in a terminal: no bare "ERROR" line of the window's log,
// no window button, and the command that tries again.
void TestDeviceCli::failedUpgradeSpeaksToATerminal_data()
{
    QTest::addColumn<QStringList>("simOptions");
    QTest::addColumn<QString>("says");
    QTest::newRow("a page stored wrong")
        << QStringList{QStringLiteral("--corrupt-at"), QStringLiteral("100")}
        << "The driver waits in its bootloader";
    QTest::newRow("unplugged for good")
        << QStringList{QStringLiteral("--unplug-after"), QStringLiteral("200"),
                       QStringLiteral("--replug-after"), QStringLiteral("-1")}
        << "no driver answered afterwards";
}

void TestDeviceCli::failedUpgradeSpeaksToATerminal()
{
    QFETCH(QStringList, simOptions);
    QFETCH(QString, says);
    const CliRun upgrade = run({QStringLiteral("upgrade"), upgradeFile}, simOptions);
    QCOMPARE(upgrade.exitCode, 1);
    const QString all = upgrade.out + upgrade.err;
    QVERIFY2(all.contains(says), qPrintable(all));
    QVERIFY2(upgrade.err.contains(QStringLiteral("lc420-cli upgrade ") + upgradeFile),
             qPrintable(upgrade.err));
    for (const QString &line : all.split(QLatin1Char('\n')))
        QVERIFY2(line.trimmed() != QLatin1String("ERROR")
                     && line.trimmed() != QLatin1String("Error"),
                 qPrintable(all));
    for (const char *word : {"Firmware Change", "Press", "press", "button"})
        QVERIFY2(!all.contains(QLatin1String(word)), qPrintable(all));
}

// The tool loads the catalogue the window loads: under a Polish locale its
// help is Polish, its command summaries included.
void TestDeviceCli::helpInTheUsersLanguage()
{
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("pl_PL.UTF-8"));
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(LC420_CLI_PATH), {QStringLiteral("--help")});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    const QString help = QString::fromUtf8(cli.readAllStandardOutput());
    QVERIFY2(help.contains(QStringLiteral("Polecenia:")), qPrintable(help));
    QVERIFY2(help.contains(QStringLiteral("Opcje:")), qPrintable(help));
    QVERIFY2(help.contains(QStringLiteral("zaktualizuj oprogramowanie sterownika")),
             qPrintable(help));
    QVERIFY2(!help.contains(QStringLiteral("Commands:")), qPrintable(help));
}

void TestDeviceCli::lockedDriverIsNamed()
{
    // An interrupted Get leaves bit 0 set, as status set does.
    QCOMPARE(run({QStringLiteral("status"), QStringLiteral("set")}).exitCode, 0);
    const QString release = QStringLiteral("lc420-cli --serial 261107001 status clear");

    const CliRun info = run({QStringLiteral("info")});
    QCOMPARE(info.exitCode, 0);
    QVERIFY2(info.out.contains(QStringLiteral("\n             bit 0 set: an interrupted Get or Set "
                                              "left the driver locked. Release it with: ")
                               + release + '\n'),
             qPrintable(info.out));
    const CliRun list = run({QStringLiteral("list")});
    QCOMPARE(list.exitCode, 0);
    const QStringList lines = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("Bus Device Serial      Mode         Status bit 0"));
    QVERIFY2(lines.value(1).endsWith(QStringLiteral(" 261107001   application  set: left locked")),
             qPrintable(list.out));
    QVERIFY2(lines.value(2).endsWith(release), qPrintable(list.out));
    const CliRun json = run({QStringLiteral("--json"), QStringLiteral("list")});
    QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8())
                 .object()
                 .value(QStringLiteral("drivers"))
                 .toArray()
                 .at(0)
                 .toObject()
                 .value(QStringLiteral("locked")),
             QJsonValue(true));

    QCOMPARE(run({QStringLiteral("status"), QStringLiteral("clear")}).exitCode, 0);
    const CliRun released = run({QStringLiteral("list")});
    QVERIFY2(released.out.contains(QStringLiteral(" application  clear\n")),
             qPrintable(released.out));
    QVERIFY(!released.out.contains(release));
    QVERIFY(run({QStringLiteral("info")})
                .out.contains(QStringLiteral("bit 0 clear: no Get or Set left the driver locked")));
}

QTEST_GUILESS_MAIN(TestDeviceCli)
#include "tst_devicecli.moc"
