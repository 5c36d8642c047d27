// lc420-cli --all and --log under the lc420-sim launcher: three drivers, the
// second of which drops off the bus for good in the middle of the run.

#include "show/showfile.h"
#include "tests/support/sampleimage.h"
#include "tests/support/simcli.h"
#include "usb/scramble.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

class TestAllDrivers : public QObject
{
    Q_OBJECT

private slots:
    void oneDriverDropsOutTheOthersCarryOn_data();
    void oneDriverDropsOutTheOthersCarryOn();
    void everyAttemptIsLogged_data();
    void everyAttemptIsLogged();
    void verifyFirmwareLogsEveryUnit();
};

void TestAllDrivers::oneDriverDropsOutTheOthersCarryOn_data()
{
    QTest::addColumn<QStringList>("command"); // the file comes after it
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("unplugAfter");
    QTest::addColumn<bool>("json");
    QTest::newRow("upgrade, summary as text")
        << QStringList{"upgrade"} << "new.upg" << 300 << false;
    // A file name that CSV must quote.
    QTest::newRow("scenes set, summary as JSON")
        << QStringList{"scenes", "set"} << "show \"one\", a.scn" << 8 << true;
}

void TestAllDrivers::oneDriverDropsOutTheOthersCarryOn()
{
    QFETCH(QStringList, command);
    QFETCH(QString, fileName);
    QFETCH(int, unplugAfter);
    QFETCH(bool, json);
    QTemporaryDir dir;
    const QString file = dir.filePath(fileName);
    const QString log = dir.filePath(QStringLiteral("units.csv"));
    const bool upgrade = command.first() == QLatin1String("upgrade");
    const QByteArray image = sampleUpgradeImage(5);
    QByteArray expected = image.mid(Upgrade::AppOffset, Upgrade::AppLength);
    const auto stored = [&image](int offset) {
        return QString::number(qFromLittleEndian<quint32>(image.constData() + offset), 16)
            .rightJustified(8, '0');
    };
    QString check
        = "app 0x" + stored(Upgrade::AppCheckOffset) + " ext 0x" + stored(Upgrade::ExtCheckOffset);
    if (upgrade) {
        QCOMPARE(Upgrade::saveFile(file, image), QString());
    } else {
        expected = image.left(Show::tableSize(Show::Kind::Scenes));
        QCOMPARE(Show::saveFile(file, Show::Kind::Scenes, expected), QString());
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        check = QCryptographicHash::hash(saved.readAll(), QCryptographicHash::Sha256).toHex();
        encodeWords(expected.data(), qint32(expected.size()));
    }

    const CliRun run = runCliUnderSim(
        LC420_SIM_PATH, LC420_CLI_PATH, dir.path(),
        QStringList{"--all", "--log", log} + (json ? QStringList{"--json"} : QStringList{})
            + command + QStringList{file},
        {"--mode", "bootloader", "--reset-time", "200", "--driver", "261107001", "--driver",
         "261107002", "--unplug-after", QString::number(unplugAfter), "--replug-after", "-1",
         "--driver", "261107003"});
    QCOMPARE(run.exitCode, 1);

    QStringList summary; // "serial result"
    if (json) {
        for (const QJsonValue row : QJsonDocument::fromJson(run.out.toUtf8()).array())
            summary << row[QLatin1String("serial")].toString() + ' '
                           + row[QLatin1String("result")].toString().section(':', 0, 0);
    } else {
        // The table ends at its first empty line; each failure is spelled out below.
        const QString table = run.out.section(QStringLiteral("\nSerial"), 1).section("\n\n", 0, 0);
        for (const QString &row : table.split('\n', Qt::SkipEmptyParts).mid(1))
            summary << row.simplified().section(' ', 0, 1);
        QVERIFY2(run.out.contains(QRegularExpression("\n261107002: \\S")), qPrintable(run.out));
    }
    QCOMPARE(summary, QStringList({"261107001 ok", "261107002 failed", "261107003 ok"}));

    QFile csv(log);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeFirst(), QStringLiteral("time,serial,command,file,check,result"));
    const QString quotedFile
        = file.contains(',') ? '"' + QString(file).replace("\"", "\"\"") + '"' : file;
    static const QRegularExpression utc(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ,"));
    for (QString &entry : lines) {
        QVERIFY2(entry.contains(utc), qPrintable(entry));
        // The result is the last field; a failure's sentence is quoted.
        const QString result = entry.section(quotedFile + ',' + check + ',', 1);
        entry = entry.mid(21).section(quotedFile + ',' + check + ',', 0, 0)
                + QString(result).remove(QLatin1Char('"')).section(':', 0, 0);
    }
    lines.sort(); // they come in the order the drivers ended
    const QString what = command.join(' ') + ',';
    QCOMPARE(lines, QStringList({"261107001," + what + "ok", "261107002," + what + "failed",
                                 "261107003," + what + "ok"}));

    // The two good drivers hold what was written.
    for (const char *serial : {"261107001", "261107003"}) {
        QFile state(dir.filePath(QString::fromLatin1(serial)
                                 + (upgrade ? "/internal-flash.bin" : "/external-flash.bin")));
        QVERIFY(state.open(QIODevice::ReadOnly));
        QVERIFY(state.seek(upgrade ? Upgrade::AppOffset : 0x15E00));
        QCOMPARE(state.read(expected.size()), expected);
    }
}

void TestAllDrivers::everyAttemptIsLogged_data()
{
    QTest::addColumn<QStringList>("command"); // the file comes after it
    QTest::addColumn<QByteArray>("trailing"); // bytes after the file's own
    QTest::addColumn<qint64>("claimedBlock"); // the block's length field, 0: as written
    QTest::addColumn<QStringList>("simOptions");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines"); // "serial,result" without the why

    const QStringList one{"--driver", "261107001"};
    const QStringList unplugged{"--unplug-after", "20", "--replug-after", "-1"};
    QTest::newRow("programs set that fails")
        << QStringList{"programs", "set"} << QByteArray() << qint64(0) << one + unplugged << 1
        << QStringList{"261107001,failed"};
    QTest::newRow("upgrade that fails")
        << QStringList{"upgrade"} << QByteArray() << qint64(0)
        << QStringList{"--mode",         "bootloader", "--driver",       "261107001",
                       "--unplug-after", "300",        "--replug-after", "-1"}
        << 1 << QStringList{"261107001,failed"};
    // Whatever follows the table is skipped, as the window skips it, on
    // either path; the SHA-256 is that of the file as sent (header, version,
    // table), which is the whole file for one the program wrote.
    const QByteArray mebibyte(1 << 20, 'x');
    const QStringList two{"--driver", "261107001", "--driver", "261107002"};
    QTest::newRow("programs set of a file with 1 MiB after its table")
        << QStringList{"programs", "set"} << mebibyte << qint64(0) << one << 0
        << QStringList{"261107001,ok"};
    QTest::newRow("the same file with --all")
        << QStringList{"--all", "programs", "set"} << mebibyte << qint64(0) << two << 0
        << QStringList{"261107001,ok", "261107002,ok"};
    // A sparse file whose block claims 4 GiB and holds it: sent as the
    // window would load it, the rest of the block neither read nor hashed
    // (which took half a minute when it was).
    QTest::newRow("programs set of a sparse file whose block claims 4 GiB")
        << QStringList{"programs", "set"} << QByteArray() << qint64(0xFFFFFFFE) << one << 0
        << QStringList{"261107001,ok"};
    QTest::newRow("the same sparse file with --all")
        << QStringList{"--all", "programs", "set"} << QByteArray() << qint64(0xFFFFFFFE) << two << 0
        << QStringList{"261107001,ok", "261107002,ok"};
}

void TestAllDrivers::everyAttemptIsLogged()
{
    QFETCH(QStringList, command);
    QFETCH(QByteArray, trailing);
    QFETCH(qint64, claimedBlock);
    QFETCH(QStringList, simOptions);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const bool upgrade = command.contains(QStringLiteral("upgrade"));
    const QString file = dir.filePath(upgrade ? QStringLiteral("a.upg") : QStringLiteral("a.pgm"));
    const QByteArray image = sampleUpgradeImage(7);
    QCOMPARE(upgrade ? Upgrade::saveFile(file, image)
                     : Show::saveFile(file, Show::Kind::Programs,
                                      image.left(Show::tableSize(Show::Kind::Programs))),
             QString());
    QFile extended(file);
    QVERIFY(extended.open(QIODevice::ReadWrite));
    QVERIFY(extended.seek(extended.size()));
    extended.write(trailing);
    if (claimedBlock > 0) {
        QVERIFY(extended.seek(66));
        QByteArray field(4, '\0');
        qToBigEndian(quint32(claimedBlock), field.data());
        extended.write(field);
        QVERIFY(extended.resize(70 + claimedBlock));
    }
    extended.close();
    const auto stored = [&image](int offset) {
        return QString::number(qFromLittleEndian<quint32>(image.constData() + offset), 16)
            .rightJustified(8, '0');
    };
    const QString check
        = upgrade ? "app 0x" + stored(Upgrade::AppCheckOffset) + " ext 0x"
                        + stored(Upgrade::ExtCheckOffset)
                  : QString::fromLatin1(Show::fileSha256(
                      Show::Kind::Programs, image.left(Show::tableSize(Show::Kind::Programs))));

    const QString log = dir.filePath(QStringLiteral("units.csv"));
    const CliRun run = runCliUnderSim(LC420_SIM_PATH, LC420_CLI_PATH, dir.path(),
                                      QStringList{"--log", log} + command + QStringList{file},
                                      QStringList{"--reset-time", "200"} + simOptions);
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));

    QFile csv(log);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QStringList entries = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(entries.takeFirst(), QStringLiteral("time,serial,command,file,check,result"));
    const QString what = ',' + QStringList(command).filter(QRegularExpression("^[a-z]")).join(' ')
                         + ',' + file + ',' + check + ',';
    for (QString &entry : entries) {
        QVERIFY2(entry.contains(what), qPrintable(entry));
        // The result is the last field, quoted when its sentence has commas.
        QString result = entry.section(',', 5);
        if (result.startsWith('"'))
            result = result.mid(1);
        entry = entry.section(',', 1, 1) + ',' + result.section(':', 0, 0);
    }
    entries.sort();
    QCOMPARE(entries, lines);
}

// A production line checks a batch after its upgrade: one line per unit in
// the log, and the unit whose application changed since is the one that fails.
void TestAllDrivers::verifyFirmwareLogsEveryUnit()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("new.upg"));
    QCOMPARE(Upgrade::saveFile(file, sampleUpgradeImage(9)), QString());
    const QStringList drivers{"--reset-time", "200",      "--driver",
                              "261107001",    "--driver", "261107002"};
    QCOMPARE(runCliUnderSim(LC420_SIM_PATH, LC420_CLI_PATH, dir.path(), {"--all", "upgrade", file},
                            drivers)
                 .exitCode,
             0);
    QFile flash(dir.filePath(QStringLiteral("261107002/internal-flash.bin")));
    QVERIFY(flash.open(QIODevice::ReadWrite));
    QVERIFY(flash.seek(0x10000));
    const char byte = flash.read(1).at(0);
    QVERIFY(flash.seek(0x10000));
    QCOMPARE(flash.write(QByteArray(1, char(byte ^ 0x80))), 1);
    flash.close();

    const QString log = dir.filePath(QStringLiteral("verify.csv"));
    const CliRun run
        = runCliUnderSim(LC420_SIM_PATH, LC420_CLI_PATH, dir.path(),
                         {"--all", "--json", "--log", log, "verify-firmware", file}, drivers);
    QCOMPARE(run.exitCode, 1);
    QStringList summary;
    for (const QJsonValue row : QJsonDocument::fromJson(run.out.toUtf8()).array())
        summary << row[QLatin1String("serial")].toString() + ' '
                       + row[QLatin1String("result")].toString();
    QCOMPARE(summary.size(), 2);
    QCOMPARE(summary[0], QStringLiteral("261107001 ok"));
    QVERIFY2(summary[1].startsWith(QStringLiteral("261107002 failed: ")), qPrintable(summary[1]));
    QVERIFY2(summary[1].contains(QStringLiteral("0x08010000")), qPrintable(summary[1]));

    QFile csv(log);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList lines
        = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts).mid(1);
    QCOMPARE(lines.size(), 2);
    // In the order the units ended: each found by its serial.
    const QString good = lines.filter(QStringLiteral(",261107001,")).value(0);
    const QString bad = lines.filter(QStringLiteral(",261107002,")).value(0);
    QVERIFY2(good.contains(QStringLiteral(",261107001,verify-firmware,") + file + ",app 0x"),
             qPrintable(good));
    QVERIFY(good.endsWith(QStringLiteral(",ok")));
    QVERIFY2(bad.contains(QStringLiteral(",\"failed: ")), qPrintable(bad));
}

QTEST_GUILESS_MAIN(TestAllDrivers)
#include "tst_alldrivers.moc"
