// lc420-sim as make run and the README use it: a separate process that emulates the
// driver for the command it starts, with its state kept between runs.

#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QStringList lines;
    QByteArray errors;
};

} // namespace

class TestSimLauncher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void stateSurvivesARestart();
    void eachStartBootsAnew();
    void exitCodeOfTheCommand_data();
    void exitCodeOfTheCommand();
    void faultOptions_data();
    void faultOptions();
    void damagedStateIsNotOverwritten();
    void plugAndUnplugAtTimes_data();
    void plugAndUnplugAtTimes();

private:
    Run run(const QStringList &options, const QStringList &command);

    std::unique_ptr<QTemporaryDir> dir;
};

void TestSimLauncher::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

Run TestSimLauncher::run(const QStringList &options, const QStringList &command)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC420_SIM_DIR"), dir->filePath(QStringLiteral("state")));
    environment.remove(QStringLiteral("LD_PRELOAD"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(LC420_SIM_PATH),
                  options + QStringList{QStringLiteral("--")} + command);
    Run result;
    if (!process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.lines = QString::fromLatin1(process.readAllStandardOutput())
                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    result.errors = process.readAllStandardError();
    return result;
}

void TestSimLauncher::stateSurvivesARestart()
{
    const QString probe = QStringLiteral(SIMPROBE_PATH);
    Run first = run({QStringLiteral("--serial"), QStringLiteral("270101042")},
                    {probe, QStringLiteral("serial"), QStringLiteral("set-status"),
                     QStringLiteral("0x80000001"), QStringLiteral("write-ext"),
                     QStringLiteral("0x14000"), QStringLiteral("a1b2c3")});
    QCOMPARE(first.exitCode, 0);
    QCOMPARE(first.lines,
             (QStringList{QStringLiteral("serial 270101042"), QStringLiteral("set-status 4"),
                          QStringLiteral("write-ext 3")}));

    const QString state = dir->filePath(QStringLiteral("state"));
    const QByteArray internal = TestFiles::readFile(state + QStringLiteral("/internal-flash.bin"));
    const QByteArray external = TestFiles::readFile(state + QStringLiteral("/external-flash.bin"));
    QCOMPARE(internal.size(), 131072);
    QCOMPARE(internal.mid(0x3FF0, 10), QByteArray("270101042\0", 10));
    QCOMPARE(internal.mid(0x3FD0, 16), QByteArray("LC420 BOOT 2.10\0", 16));
    QCOMPARE(external.size(), 1048576);
    QCOMPARE(external.mid(0x13FFF, 5), QByteArray::fromHex("ffa1b2c3ff"));
    QCOMPARE(TestFiles::readFile(state + QStringLiteral("/device.ini")),
             QByteArray("[device]\nserial=270101042\nmode=application\nstatus=0x80000001\n"));

    Run second
        = run({}, {probe, QStringLiteral("serial"), QStringLiteral("status"),
                   QStringLiteral("read-ext"), QStringLiteral("0x13fff"), QStringLiteral("5")});
    QCOMPARE(second.exitCode, 0);
    QCOMPARE(second.lines,
             (QStringList{QStringLiteral("serial 270101042"), QStringLiteral("status 80000001"),
                          QStringLiteral("read-ext 5 ffa1b2c3ff")}));
}

// Starting the simulator is plugging the driver in: whatever mode it was left in,
// the bootloader starts the application if its check word is right.
void TestSimLauncher::eachStartBootsAnew()
{
    const QString probe = QStringLiteral(SIMPROBE_PATH);
    Run first = run({}, {probe, QStringLiteral("reset")});
    QCOMPARE(first.exitCode, 0);
    QCOMPARE(first.lines, QStringList{QStringLiteral("reset -71")}); // dropped off the bus
    const QString state = dir->filePath(QStringLiteral("state"));
    QVERIFY(
        TestFiles::readFile(state + QStringLiteral("/device.ini")).contains("mode=bootloader\n"));

    Run second = run({}, {probe, QStringLiteral("serial")});
    QCOMPARE(second.lines, QStringList{QStringLiteral("serial 261107001")});
    QVERIFY(
        TestFiles::readFile(state + QStringLiteral("/device.ini")).contains("mode=application\n"));

    // An application whose check word no longer matches is not started.
    QFile internal(state + QStringLiteral("/internal-flash.bin"));
    QVERIFY(internal.open(QIODevice::ReadWrite));
    QVERIFY(internal.seek(0x8000));
    QCOMPARE(internal.write("x"), qint64(1));
    internal.close();
    Run third = run({}, {probe, QStringLiteral("serial")});
    QCOMPARE(third.lines, QStringList{QStringLiteral("serial 261107001b")});
}

void TestSimLauncher::exitCodeOfTheCommand_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("expected");
    QTest::newRow("success") << QStringList{QStringLiteral("/bin/true")} << 0;
    QTest::newRow("failure") << QStringList{QStringLiteral("/bin/false")} << 1;
    QTest::newRow("code of the probe")
        << QStringList{QStringLiteral(SIMPROBE_PATH), QStringLiteral("exit"), QStringLiteral("7")}
        << 7;
    QTest::newRow("command not found") << QStringList{QStringLiteral("/nonexistent/lc420")} << 127;
    QTest::newRow("no command") << QStringList{} << 2;
}

void TestSimLauncher::exitCodeOfTheCommand()
{
    QFETCH(QStringList, command);
    QFETCH(int, expected);
    QCOMPARE(run({}, command).exitCode, expected);
}

void TestSimLauncher::faultOptions_data()
{
    const QString probe = QStringLiteral(SIMPROBE_PATH);
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QStringList>("expected");
    // The probe's connect makes one transfer (identification) before its steps.
    QTest::newRow("second transfer times out")
        << QStringList{QStringLiteral("--fail-transfer"), QStringLiteral("2")}
        << QStringList{probe, QStringLiteral("status"), QStringLiteral("status")}
        << QStringList{QStringLiteral("status error -110"), QStringLiteral("status 00000000")};
    QTest::newRow("two transfers from the second on time out")
        << QStringList{QStringLiteral("--fail-at"), QStringLiteral("2"), QStringLiteral("--count"),
                       QStringLiteral("2")}
        << QStringList{probe, QStringLiteral("status"), QStringLiteral("status"),
                       QStringLiteral("status")}
        << QStringList{QStringLiteral("status error -110"), QStringLiteral("status error -110"),
                       QStringLiteral("status 00000000")};
    QTest::newRow("second transfer held until the time-out")
        << QStringList{QStringLiteral("--stall-at"), QStringLiteral("2")}
        << QStringList{probe, QStringLiteral("status"), QStringLiteral("status")}
        << QStringList{QStringLiteral("status error -110"), QStringLiteral("status 00000000")};
    QTest::newRow("one wrong byte in the second reply")
        << QStringList{QStringLiteral("--corrupt-at"), QStringLiteral("2")}
        << QStringList{probe, QStringLiteral("status"), QStringLiteral("status")}
        << QStringList{QStringLiteral("status 00ff0000"), QStringLiteral("status 00000000")};
    QTest::newRow("reset acknowledged")
        << QStringList{QStringLiteral("--reset-ack")} << QStringList{probe, QStringLiteral("reset")}
        << QStringList{QStringLiteral("reset 0")};
    QTest::newRow("unplugged after two transfers")
        << QStringList{QStringLiteral("--unplug-after"), QStringLiteral("2")}
        << QStringList{probe, QStringLiteral("status"), QStringLiteral("status")}
        << QStringList{QStringLiteral("status 00000000"), QStringLiteral("status error -19")};
    QTest::newRow("wrong identification word")
        << QStringList{QStringLiteral("--wrong-id")} << QStringList{probe, QStringLiteral("status")}
        << QStringList{QStringLiteral("no device")};
    QTest::newRow("impostor is skipped")
        << QStringList{QStringLiteral("--impostor")} << QStringList{probe, QStringLiteral("serial")}
        << QStringList{QStringLiteral("serial 261107001")};
    QTest::newRow("started in the bootloader")
        << QStringList{QStringLiteral("--mode"), QStringLiteral("bootloader")}
        << QStringList{probe, QStringLiteral("serial")}
        << QStringList{QStringLiteral("serial 261107001b")};
}

void TestSimLauncher::faultOptions()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, command);
    QFETCH(QStringList, expected);
    QCOMPARE(run(options, command).lines, expected);
}

void TestSimLauncher::damagedStateIsNotOverwritten()
{
    const QString state = dir->filePath(QStringLiteral("state"));
    QVERIFY(QDir().mkpath(state));
    QFile file(state + QStringLiteral("/internal-flash.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(QByteArray(1000, 'x')), qint64(1000));
    file.close();

    const Run result = run({}, {QStringLiteral("/bin/true")});
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.errors.contains("internal-flash.bin"));
    QCOMPARE(TestFiles::readFile(state + QStringLiteral("/internal-flash.bin")),
             QByteArray(1000, 'x'));
}

void TestSimLauncher::plugAndUnplugAtTimes_data()
{
    // The probe looks for the driver at once and again 1.5 s later; the changes
    // come a wide margin from both looks.
    const QString probe = QStringLiteral(SIMPROBE_PATH);
    const QStringList twoLooks{QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                               QStringLiteral("\"$0\" serial; sleep 1.5; \"$0\" serial"), probe};
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plugged in later")
        << QStringList{QStringLiteral("--plug-at"), QStringLiteral("700")} << twoLooks
        << QStringList{QStringLiteral("no device"), QStringLiteral("serial 261107001")};
    QTest::newRow("unplugged for good")
        << QStringList{QStringLiteral("--unplug-at"), QStringLiteral("700"),
                       QStringLiteral("--replug-after"), QStringLiteral("-1")}
        << twoLooks << QStringList{QStringLiteral("serial 261107001"), QStringLiteral("no device")};
    QTest::newRow("unplugged and back")
        << QStringList{QStringLiteral("--unplug-at"), QStringLiteral("300"),
                       QStringLiteral("--replug-after"), QStringLiteral("400")}
        << twoLooks
        << QStringList{QStringLiteral("serial 261107001"), QStringLiteral("serial 261107001")};
    // Per driver: the second one comes later, the first is there from the start.
    QTest::newRow("one of two drivers plugged in later")
        << QStringList{QStringLiteral("--driver"),  QStringLiteral("261107001"),
                       QStringLiteral("--driver"),  QStringLiteral("261107002"),
                       QStringLiteral("--plug-at"), QStringLiteral("700")}
        << QStringList{QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                       QStringLiteral("\"$0\" serial; \"$0\" exit 0; sleep 1.5; \"$0\" serial"),
                       probe}
        << QStringList{QStringLiteral("serial 261107001"), QStringLiteral("serial 261107002")};
    QTest::newRow("unplug before the plug is refused")
        << QStringList{QStringLiteral("--plug-at"), QStringLiteral("500"),
                       QStringLiteral("--unplug-at"), QStringLiteral("500")}
        << QStringList{QStringLiteral("/bin/true")} << QStringList{};
}

void TestSimLauncher::plugAndUnplugAtTimes()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, command);
    QFETCH(QStringList, expected);
    const Run result = run(options, command);
    QCOMPARE(result.lines, expected);
    if (expected.isEmpty()) {
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.errors.contains("--unplug-at must come later than --plug-at"));
    }
}

QTEST_GUILESS_MAIN(TestSimLauncher)
#include "tst_simlauncher.moc"
