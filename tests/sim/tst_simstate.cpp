#include "sim/simstate.h"
#include "tests/support/files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Model = Lc420Model;

namespace {

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

} // namespace

class TestSimState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultFolder();
    void missingFilesAreWrittenFromTheModel();
    void savedStateLoadsIntoAFreshModel();
    void badFilesAreRefusedAndKept_data();
    void badFilesAreRefusedAndKept();
    void changesAreWrittenAsTheyHappen();
};

void TestSimState::defaultFolder()
{
    qunsetenv("LC420_SIM_DIR");
    QCOMPARE(SimState::defaultFolder(), QStringLiteral("sim-state"));
    qputenv("LC420_SIM_DIR", "/tmp/elsewhere");
    QCOMPARE(SimState::defaultFolder(), QStringLiteral("/tmp/elsewhere"));
    qunsetenv("LC420_SIM_DIR");
}

void TestSimState::missingFilesAreWrittenFromTheModel()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("state"));
    Model model;
    SimState state(folder);
    QString error;
    QVERIFY2(state.load(model, &error), qPrintable(error));

    QCOMPARE(TestFiles::readFile(folder + QStringLiteral("/internal-flash.bin")),
             model.internalFlash());
    QCOMPARE(TestFiles::readFile(folder + QStringLiteral("/external-flash.bin")),
             QByteArray(1048576, char(0xFF)));
    QCOMPARE(TestFiles::readFile(folder + QStringLiteral("/device.ini")),
             QByteArray("[device]\nserial=261107001\nmode=application\nstatus=0x00000000\n"));
}

void TestSimState::savedStateLoadsIntoAFreshModel()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Model first;
    first.setMode(Model::Mode::Bootloader);
    first.setStatus(0x80000001);
    first.setSerial("270101042");
    first.write(Model::Memory::External, 0x15E00, QByteArray("scenes"));
    first.write(Model::Memory::Internal, 0x08010000, QByteArray("firmware"));
    QString error;
    QVERIFY2(SimState(dir.path()).save(first, &error), qPrintable(error));

    Model second;
    QVERIFY2(SimState(dir.path()).load(second, &error), qPrintable(error));
    QCOMPARE(second.mode(), Model::Mode::Bootloader);
    QCOMPARE(second.status(), 0x80000001u);
    QCOMPARE(second.serialString(), QStringLiteral("270101042b"));
    QCOMPARE(second.externalFlash(), first.externalFlash());
    QCOMPARE(second.internalFlash(), first.internalFlash());
}

void TestSimState::badFilesAreRefusedAndKept_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("internal flash too short")
        << QStringLiteral("internal-flash.bin") << QByteArray(131071, '\0');
    QTest::newRow("external flash too long")
        << QStringLiteral("external-flash.bin") << QByteArray(1048577, '\0');
    QTest::newRow("unknown mode") << QStringLiteral("device.ini")
                                  << QByteArray("[device]\nmode=sleeping\n");
    QTest::newRow("status not a number")
        << QStringLiteral("device.ini") << QByteArray("[device]\nstatus=0xZZ\n");
    QTest::newRow("serial too long")
        << QStringLiteral("device.ini") << QByteArray("[device]\nserial=1234567890123456\n");
    QTest::newRow("line without value") << QStringLiteral("device.ini") << QByteArray("serial\n");
}

void TestSimState::badFilesAreRefusedAndKept()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath(name), contents);
    Model model;
    const QByteArray internalBefore = model.internalFlash();
    QString error;
    QVERIFY(!SimState(dir.path()).load(model, &error));
    QVERIFY(error.contains(name));
    QCOMPARE(TestFiles::readFile(dir.filePath(name)), contents);
    QCOMPARE(model.internalFlash(), internalBefore);
    QCOMPARE(model.mode(), Model::Mode::Application);
}

void TestSimState::changesAreWrittenAsTheyHappen()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Model model;
    SimState state(dir.path());
    QString error;
    QVERIFY2(state.load(model, &error), qPrintable(error));
    state.track(model);

    // Bytes written in the file behind the model's back show which ranges are rewritten.
    QFile external(dir.filePath(QStringLiteral("external-flash.bin")));
    QVERIFY(external.open(QIODevice::ReadWrite));
    QVERIFY(external.seek(0x20000));
    QCOMPARE(external.write("marker"), qint64(6));
    external.close();

    model.write(Model::Memory::External, 0x14000, QByteArray(256, 'p'));
    model.setStatus(1);
    const QByteArray stored
        = TestFiles::readFile(dir.filePath(QStringLiteral("external-flash.bin")));
    QCOMPARE(stored.mid(0x14000, 256), QByteArray(256, 'p'));
    QCOMPARE(stored.mid(0x20000, 6), QByteArray("marker"));
    QVERIFY(TestFiles::readFile(dir.filePath(QStringLiteral("device.ini")))
                .contains("status=0x00000001"));

    model.setSerial("123456789");
    QCOMPARE(
        TestFiles::readFile(dir.filePath(QStringLiteral("internal-flash.bin"))).mid(0x3FF0, 10),
        QByteArray("123456789\0", 10));
    QVERIFY(TestFiles::readFile(dir.filePath(QStringLiteral("device.ini")))
                .contains("serial=123456789\n"));

    // A driver that comes back from a power loss boots anew, and says so.
    model.setMode(Model::Mode::Bootloader);
    model.unplug(0);
    QVERIFY(model.isOnBus());
    QVERIFY(TestFiles::readFile(dir.filePath(QStringLiteral("device.ini")))
                .contains("mode=application\n"));
}

QTEST_GUILESS_MAIN(TestSimState)
#include "tst_simstate.moc"
