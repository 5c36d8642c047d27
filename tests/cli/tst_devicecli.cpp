// lc420-cli info, status and upgrade, run as a user runs them: under the
// lc420-sim launcher, against a simulated driver whose state lives in a
// temporary folder.

#include "core/hexdump.h"
#include "firmware/upgradefile.h"
#include "tests/support/sampleimage.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
};

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
    void externalFlashRoundTrip();

private:
    // lc420-sim [simOptions] -- lc420-cli arguments
    Run run(const QStringList &arguments, const QStringList &simOptions = {}) const;

    QTemporaryDir dir;
    QString stateDir;
    QString upgradeFile;
    QByteArray image;
    QString binFile;
    QByteArray bin;
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
}

void TestDeviceCli::init()
{
    // A fresh driver for every test.
    stateDir = dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QLatin1Char('-')
                            + QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
}

Run TestDeviceCli::run(const QStringList &arguments, const QStringList &simOptions) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC420_SIM_DIR"), stateDir);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(LC420_SIM_PATH),
                  simOptions + QStringList{QStringLiteral("--"), QStringLiteral(LC420_CLI_PATH)}
                      + arguments);
    Run result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    return result;
}

void TestDeviceCli::infoOfAFreshDriver()
{
    const Run info = run({QStringLiteral("info")});
    QCOMPARE(info.exitCode, 0);
    const QStringList lines = info.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), QStringLiteral("Serial:      261107001"));
    QCOMPARE(lines.value(1), QStringLiteral("Mode:        application"));
    QCOMPARE(lines.value(2), QStringLiteral("Bootloader:  LC420 BOOT 2.10"));
    QCOMPARE(lines.value(3).trimmed(), QStringLiteral("2026-11-02"));
    QCOMPARE(lines.value(4), QStringLiteral("Status:      ") + QString(32, QLatin1Char('0')));

    const Run bootloader
        = run({QStringLiteral("info")}, {QStringLiteral("--mode"), QStringLiteral("bootloader")});
    QVERIFY2(bootloader.out.contains(QStringLiteral("Mode:        bootloader\n")),
             qPrintable(bootloader.out));
}

void TestDeviceCli::statusSetShowsBitZero()
{
    QCOMPARE(run({QStringLiteral("status"), QStringLiteral("set")}).out,
             QStringLiteral("StatusSet(") + QString(31, QLatin1Char('0')) + QStringLiteral("1)\n"));
    // The driver keeps its status word across runs of the launcher.
    const Run get = run({QStringLiteral("status")});
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
}

void TestDeviceCli::noDriver()
{
    QFETCH(QStringList, arguments);
    // A driver that answers with a wrong identification word is no Lc420.
    QCOMPARE(run(arguments, {QStringLiteral("--wrong-id")}).exitCode, 1);
}

void TestDeviceCli::upgradeTakesTheDriverToTheNewFirmware()
{
    const Run upgrade = run({QStringLiteral("upgrade"), upgradeFile},
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
                     QStringLiteral("2026-11-02"), QStringLiteral("Apllication mode"),
                     QStringLiteral("Reset device"), QStringLiteral("Disconnect"),
                     QStringLiteral("Connect"), QStringLiteral("Serial:261107001b"),
                     QStringLiteral("Writting firmware ... "), QStringLiteral("OK"),
                     QStringLiteral("Writting External Flash ... "), QStringLiteral("OK"),
                     QStringLiteral("Verify External Flash ...  "), QStringLiteral("OK"),
                     QStringLiteral("Driver 261107001 runs the new firmware.")}));
    QVERIFY(lines.contains(QStringLiteral("Flash: 100%")));
    QVERIFY(lines.contains(QStringLiteral("External flash verify: 100%")));

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

    const Run upgrade = run({QStringLiteral("upgrade"), damaged});
    QCOMPARE(upgrade.exitCode, 3);
    QCOMPARE(upgrade.out, damaged + QStringLiteral("\nDamaged upgrade file\n"));
    QVERIFY(run({QStringLiteral("info")}).out.contains(QStringLiteral("Mode:        application")));
}

void TestDeviceCli::externalFlashRoundTrip()
{
    const Run write = run({QStringLiteral("write-ext-bin"), binFile});
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

    // Without --raw, the dump alone on standard output (its address line aside).
    const Run dump = run({QStringLiteral("read-ext"), QStringLiteral("80"), QStringLiteral("20")});
    QCOMPARE(dump.exitCode, 0);
    const QByteArray expected = bin.mid(0x80, 20);
    QCOMPARE(dump.out.section(QLatin1Char('\n'), 2),
             QString::fromLatin1(hexDump(expected.constData(), 20)).section(QLatin1Char('\n'), 2)
                 + QLatin1Char('\n'));
}

QTEST_GUILESS_MAIN(TestDeviceCli)
#include "tst_devicecli.moc"
