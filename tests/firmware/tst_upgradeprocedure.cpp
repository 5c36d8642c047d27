#include "core/clock.h"
#include "firmware/upgradefile.h"
#include "firmware/upgradeprocedure.h"
#include "firmware/upgrader.h"
#include "sim/simulatedbus.h"
#include "tests/support/sampleimage.h"
#include "tests/support/tracecapture.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Match = Lc420Model::Match;
using Memory = Lc420Model::Memory;
using Outcome = UpgradeProcedure::Outcome;
using Answer = UpgradeProcedure::Answer;
using Left = UpgradeProcedure::DriverLeft;

Q_DECLARE_METATYPE(Lc420Model::Fault)

namespace {

const QString Serial = QStringLiteral("261107001");

// The texts of a complete upgrade, after the file name.
QStringList applicationModeTexts()
{
    return {Serial,
            QStringLiteral("LC420 BOOT 2.10"),
            QStringLiteral("2026-11-02"),
            QStringLiteral("Apllication mode"),
            QStringLiteral("Reset device"),
            QStringLiteral("Disconnect"),
            QStringLiteral("Connect"),
            QStringLiteral("Serial:") + Serial + QLatin1Char('b'),
            QStringLiteral("Writting firmware ... "),
            QStringLiteral("OK"),
            QStringLiteral("Writting External Flash ... "),
            QStringLiteral("OK"),
            QStringLiteral("Verify External Flash ...  "),
            QStringLiteral("OK")};
}

QList<int> pagePercents()
{
    QList<int> values{0};
    for (int page = 1; page <= 112; ++page)
        values.append(100 * page / 112);
    return values;
}

int countOf(const QList<Lc420Model::Transfer> &log, quint8 request)
{
    int n = 0;
    for (const Lc420Model::Transfer &t : log)
        n += t.request == request ? 1 : 0;
    return n;
}

} // namespace

class TestUpgradeProcedure : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void upgradesDriverInApplicationMode();
    void driverAlreadyInBootloader();
    void badFilesNeverTouchTheDriver_data();
    void badFilesNeverTouchTheDriver();
    void driverAnswersAtTheFourthAttempt();
    void noDriver();
    void unexpectedSerials_data();
    void unexpectedSerials();
    void bootloaderNeverComesBack();
    void pageReadsBackWrong();
    void pageReadBackFails();
    void pageWriteRefused();
    void externalFlashMismatch();
    void checkWordPageFaultsMeanNoStart_data();
    void checkWordPageFaultsMeanNoStart();
    void anotherDriverAnswersAfterTheReset_data();
    void anotherDriverAnswersAfterTheReset();
    void powerCutAnywhereThenRunAgain_data();
    void powerCutAnywhereThenRunAgain();
    void workerThreadReportsThroughSignals();
    void workerWithoutFileEndsSilently();
    void summaryTellsHowTheDriverIsNow_data();
    void summaryTellsHowTheDriverIsNow();
    void describe_data();
    void describe();
    void describeNamesNoButton();

private:
    void init(const SimulatedBus::Options &options);
    Outcome runUpgrade(const QString &fileName);
    QString powerCycleFailure(const QByteArray &internalBefore, const QByteArray &externalBefore);
    QString writeUpgradeFile(const QString &name, const QByteArray &plainImage);

    QTemporaryDir dir;
    QByteArray image; // plain upgrade image with valid check words
    QString upgradeFile;
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<USBLC350> device;
    QStringList texts;
    QList<int> percents;
};

void TestUpgradeProcedure::initTestCase()
{
    QVERIFY(dir.isValid());
    image = sampleUpgradeImage(4200);
    upgradeFile = writeUpgradeFile(QStringLiteral("new.upg"), image);
}

void TestUpgradeProcedure::init()
{
    init(SimulatedBus::Options());
}

// ctest runs this test twice: with a driver that drops off the bus on a reset
// request (the default) and, with LC420_TEST_RESET=acknowledge, with one that
// completes the request first.
void TestUpgradeProcedure::init(const SimulatedBus::Options &options)
{
    device.reset();
    bus.reset();
    bus = std::make_unique<SimulatedBus>(options);
    if (qEnvironmentVariable("LC420_TEST_RESET") == QLatin1String("acknowledge"))
        bus->device().setResetBehaviour(Lc420Model::ResetBehaviour::Acknowledge);
    device = std::make_unique<USBLC350>();
    texts.clear();
    percents.clear();
}

void TestUpgradeProcedure::cleanup()
{
    device.reset();
    bus.reset();
}

QString TestUpgradeProcedure::writeUpgradeFile(const QString &name, const QByteArray &plainImage)
{
    const QString path = dir.filePath(name);
    const QString error = Upgrade::saveFile(path, plainImage);
    if (!error.isEmpty())
        qFatal("cannot write %s: %s", qPrintable(path), qPrintable(error));
    return path;
}

Outcome TestUpgradeProcedure::runUpgrade(const QString &fileName)
{
    UpgradeProcedure procedure(
        *device, [this](const QString &text) { texts.append(text); },
        [this](int percent) { percents.append(percent); });
    return procedure.run(fileName);
}

// Pulls the plug and plugs the driver in again. Empty when it then runs the
// firmware it had before (untouched) or the complete new firmware, or stays in
// its bootloader; else what is wrong.
QString TestUpgradeProcedure::powerCycleFailure(const QByteArray &internalBefore,
                                                const QByteArray &externalBefore)
{
    Lc420Model &driver = bus->device();
    driver.unplug();
    driver.replug();
    if (driver.mode() == Lc420Model::Mode::Bootloader)
        return {};
    QByteArray newExternal = image.mid(Upgrade::ExtOffset, Upgrade::ExtLength);
    encodeWords(newExternal.data(), Upgrade::ExtLength);
    const QByteArray internal = driver.internalFlash();
    const QByteArray external = driver.externalFlash();
    if (internal == internalBefore && external == externalBefore)
        return {};
    const bool newApplication = internal.mid(0x4000, Upgrade::AppLength)
                                == image.mid(Upgrade::AppOffset, Upgrade::AppLength);
    const bool newExternalBlock = external.left(Upgrade::ExtLength) == newExternal;
    if (newApplication && newExternalBlock)
        return {};
    return QStringLiteral("runs an application (new: %1) over external flash (new: %2)")
        .arg(newApplication)
        .arg(newExternalBlock);
}

void TestUpgradeProcedure::upgradesDriverInApplicationMode()
{
    TraceCapture trace;
    QCOMPARE(runUpgrade(upgradeFile), Outcome::Started);

    QCOMPARE(texts, QStringList(upgradeFile) + applicationModeTexts());
    QCOMPARE(percents, pagePercents());
    QCOMPARE(Clock::virtualSleptMs(), 2000 + 500 + 1000);
    QVERIFY(trace.lines().contains(QStringLiteral("usb->RunApplication()")));

    Lc420Model &driver = bus->device();
    QCOMPARE(driver.read(Memory::Internal, 0x08004000, Upgrade::AppLength),
             image.mid(Upgrade::AppOffset, Upgrade::AppLength));
    QByteArray scrambled = image.mid(Upgrade::ExtOffset, Upgrade::ExtLength);
    encodeWords(scrambled.data(), Upgrade::ExtLength);
    QCOMPARE(driver.read(Memory::External, 0, Upgrade::ExtLength), scrambled);

    // The driver is back on the bus running the new application.
    Clock::sleepMs(5000);
    QCOMPARE(driver.mode(), Lc420Model::Mode::Application);
    QVERIFY(driver.applicationValid());

    // The check-word page is erased first and written last, after the external
    // flash has verified and just before the start; every other page goes to its
    // address in order.
    QList<quint32> pageWrites;
    QList<int> requests;
    for (const Lc420Model::Transfer &t : driver.commandLog()) {
        requests.append(t.request);
        if (t.request == 3)
            pageWrites.append(t.address());
    }
    QCOMPARE(pageWrites.size(), 113);
    QCOMPARE(pageWrites.first(), 0x0801FC00u);
    for (int k = 0; k < 111; ++k)
        QCOMPARE(pageWrites[k + 1], 0x08004000u + 1024u * quint32(k));
    QCOMPARE(pageWrites.last(), 0x0801FC00u);
    QCOMPARE(requests.mid(requests.lastIndexOf(5) + 1), QList<int>({3, 1, 4}));
}

void TestUpgradeProcedure::driverAlreadyInBootloader()
{
    bus->device().setMode(Lc420Model::Mode::Bootloader);
    QCOMPARE(runUpgrade(upgradeFile), Outcome::Started);

    QStringList expected = QStringList(upgradeFile) + applicationModeTexts();
    expected[1] = Serial + QLatin1Char('b');
    expected.erase(expected.begin() + 4, expected.begin() + 9);
    expected.insert(4, QStringLiteral("Bootloader mode"));
    QCOMPARE(texts, expected);
    QCOMPARE(Clock::virtualSleptMs(), 1000); // only the wait after the final start
    QCOMPARE(countOf(bus->device().commandLog(), 4), 1);
}

void TestUpgradeProcedure::badFilesNeverTouchTheDriver_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("message");

    QByteArray wrongHeader;
    {
        QDataStream stream(&wrongHeader, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << QStringLiteral("Lc420 Upgrade File Headex") << QStringLiteral("01")
               << QByteArray(Upgrade::ImageSize, '\0');
    }
    QByteArray version02;
    {
        QDataStream stream(&version02, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << QStringLiteral("Lc420 Upgrade File Header") << QStringLiteral("02")
               << QByteArray(Upgrade::ImageSize, '\0');
    }
    QByteArray shortImage;
    {
        QDataStream stream(&shortImage, QIODevice::WriteOnly);
        stream.setVersion(QDataStream::Qt_4_8);
        stream << QStringLiteral("Lc420 Upgrade File Header") << QStringLiteral("01")
               << QByteArray(Upgrade::ImageSize - 4, '\0');
    }
    const auto save = [this](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", name);
        return file.fileName();
    };

    QByteArray good;
    {
        QFile file(upgradeFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        good = file.readAll();
    }
    QByteArray flippedApp = good;
    flippedApp[66 + 0x5000] = char(flippedApp[66 + 0x5000] ^ 0x01);
    QByteArray flippedExt = good;
    flippedExt[66 + 0x30000] = char(flippedExt[66 + 0x30000] ^ 0x80);

    QTest::newRow("missing file") << dir.filePath(QStringLiteral("absent.upg"))
                                  << QStringLiteral("Wrong file header");
    QTest::newRow("wrong header") << save("header.upg", wrongHeader)
                                  << QStringLiteral("Wrong file header");
    QTest::newRow("version 02") << save("v02.upg", version02)
                                << QStringLiteral("Wrong file version");
    QTest::newRow("image array too short")
        << save("short.upg", shortImage) << QStringLiteral("Damaged upgrade file");
    QTest::newRow("file cut in the image")
        << save("cut.upg", good.left(good.size() - 100)) << QStringLiteral("Damaged upgrade file");
    QTest::newRow("bit flipped in the application")
        << save("app.upg", flippedApp) << QStringLiteral("Damaged upgrade file");
    QTest::newRow("bit flipped in the external block")
        << save("ext.upg", flippedExt) << QStringLiteral("Damaged upgrade file");
}

void TestUpgradeProcedure::badFilesNeverTouchTheDriver()
{
    QFETCH(QString, fileName);
    QFETCH(QString, message);
    QCOMPARE(runUpgrade(fileName), Outcome::BadFile);
    QCOMPARE(texts, QStringList({fileName, message}));
    QCOMPARE(percents, QList<int>());
    QCOMPARE(bus->device().transferLog().size(), 0);
}

void TestUpgradeProcedure::driverAnswersAtTheFourthAttempt()
{
    bus->device().unplug(550); // back between the third retry (400 ms) and the fourth (600 ms)
    TraceCapture trace;
    QCOMPARE(runUpgrade(upgradeFile), Outcome::Started);
    QCOMPARE(trace.lines().count(QStringLiteral("usb->connect()\nmssleep(200)")), 3);
    QCOMPARE(Clock::virtualSleptMs(), 600 + 2000 + 500 + 1000);
    QCOMPARE(texts.last(), QStringLiteral("OK"));
}

void TestUpgradeProcedure::noDriver()
{
    bus->setPlugged(bus->device(), false);
    QCOMPARE(runUpgrade(upgradeFile), Outcome::NoDriver);
    QCOMPARE(texts, QStringList({upgradeFile, QStringLiteral("USB Timeout\nCheck USB Cable")}));
    QCOMPARE(percents, QList<int>({0}));
    QCOMPARE(Clock::virtualSleptMs(), 600);
}

void TestUpgradeProcedure::unexpectedSerials_data()
{
    QTest::addColumn<QString>("serial");
    QTest::newRow("8 characters") << QStringLiteral("26110700");
    QTest::newRow("11 characters") << QStringLiteral("26110700123");
    QTest::newRow("10 characters without b") << QStringLiteral("261107001x");
}

void TestUpgradeProcedure::unexpectedSerials()
{
    QFETCH(QString, serial);
    bus->device().setSerialStringOverride(serial);
    QCOMPARE(runUpgrade(upgradeFile), Outcome::DriverRefused);
    QCOMPARE(texts.size(), 5);
    QCOMPARE(texts.at(1), serial);
    QCOMPARE(texts.last(), QStringLiteral("Serial:") + serial);
    QCOMPARE(countOf(bus->device().commandLog(), 3), 0);
    QCOMPARE(countOf(bus->device().commandLog(), 4), 0);
}

void TestUpgradeProcedure::bootloaderNeverComesBack()
{
    bus->device().setResetTimeMs(1000000);
    QCOMPARE(runUpgrade(upgradeFile), Outcome::NoDriver);
    QCOMPARE(texts.last(), QStringLiteral("USB timout\nCheck USB cable"));
    QCOMPARE(Clock::virtualSleptMs(), 2000 + 500 + 10 * 200);
    QCOMPARE(countOf(bus->device().commandLog(), 3), 0);
}

void TestUpgradeProcedure::pageReadsBackWrong()
{
    bus->device().corruptReadBack(Memory::Internal, 0x08004000 + 5 * 1024 + 100, 1);
    QCOMPARE(runUpgrade(upgradeFile), Outcome::VerifyFailed);

    const int writing = texts.indexOf(QStringLiteral("Writting firmware ... "));
    QCOMPARE(texts.mid(writing + 1),
             QStringList({QStringLiteral("ERROR"), QStringLiteral("ERROR")}));
    // Every page still written, but for the check word's, which would make it start.
    QCOMPARE(percents, pagePercents().mid(0, 112));
    const QList<Lc420Model::Transfer> log = bus->device().commandLog();
    QCOMPARE(countOf(log, 3), 112);
    QVERIFY(!bus->device().applicationValid());
    QCOMPARE(countOf(log, 6), 0);                                 // no external flash
    QCOMPARE(bus->device().mode(), Lc420Model::Mode::Bootloader); // never started

    // The next run takes the bootloader branch and rewrites everything.
    bus->device().clearFaults();
    texts.clear();
    percents.clear();
    QCOMPARE(runUpgrade(upgradeFile), Outcome::Started);
    QVERIFY(texts.contains(QStringLiteral("Bootloader mode")));
}

void TestUpgradeProcedure::pageReadBackFails()
{
    // Request 1: the version texts, the erased check-word page, then one
    // read-back per page; fail page 7's.
    bus->device().failTransfer(1 + 1 + 8, Match::vendor(1));
    TraceCapture trace;
    QCOMPARE(runUpgrade(upgradeFile), Outcome::VerifyFailed);
    const int writing = texts.indexOf(QStringLiteral("Writting firmware ... "));
    QCOMPARE(texts.mid(writing + 1), QStringList(QStringLiteral("ERROR")));
    QCOMPARE(trace.lines().count(QStringLiteral("page read ERROR")), 1);
    QCOMPARE(percents.last(), 100 * 111 / 112);
    QCOMPARE(countOf(bus->device().commandLog(), 6), 0);
    QCOMPARE(bus->device().mode(), Lc420Model::Mode::Bootloader);
}

void TestUpgradeProcedure::pageWriteRefused()
{
    bus->device().failTransfer(3, Match::vendor(3)); // the erase, page 0, then page 1
    TraceCapture trace;
    QCOMPARE(runUpgrade(upgradeFile), Outcome::DriverRefused);
    QCOMPARE(texts.last(), QStringLiteral("ERROR"));
    QCOMPARE(trace.lines().count(QStringLiteral("page write ERROR")), 1);
    QCOMPARE(percents, QList<int>({0, 100 * 1 / 112}));
    QCOMPARE(bus->device().mode(), Lc420Model::Mode::Bootloader);
}

void TestUpgradeProcedure::externalFlashMismatch()
{
    bus->device().corruptReadBack(Memory::External, 0x1000, 4);
    QCOMPARE(runUpgrade(upgradeFile), Outcome::VerifyFailed);
    const int verify = texts.indexOf(QStringLiteral("Verify External Flash ...  "));
    QVERIFY(verify > 0);
    const QStringList tail = texts.mid(verify + 1);
    QCOMPARE(tail.size(), 5);
    QCOMPARE(tail.at(0), QStringLiteral("Error"));
    QCOMPARE(tail.at(1), QStringLiteral("read_buffer"));
    QVERIFY(tail.at(2).startsWith(QStringLiteral("\n src address: 0x")));
    QCOMPARE(tail.at(3), QStringLiteral("ext_datas.data()"));
    QVERIFY(tail.at(4).contains(QStringLiteral("\n0x13ff0: ")));
    QVERIFY(tail.at(2) != tail.at(4));
    QCOMPARE(countOf(bus->device().commandLog(), 4), 1); // only the reset, no start
    QCOMPARE(bus->device().mode(), Lc420Model::Mode::Bootloader);
}

void TestUpgradeProcedure::checkWordPageFaultsMeanNoStart_data()
{
    QTest::addColumn<Lc420Model::Fault>("fault");
    QTest::addColumn<Outcome>("outcome");

    // The check-word page is the 113th page write; its read-back the 114th memory
    // read (after the version texts, the erase and 111 pages).
    Lc420Model::Fault fault;
    fault.match = Match::vendor(3);
    fault.skip = 112;
    QTest::newRow("write refused") << fault << Outcome::DriverRefused;
    fault.kind = Lc420Model::Fault::Kind::Corrupt;
    QTest::newRow("stored with one wrong byte") << fault << Outcome::VerifyFailed;
    fault = {};
    fault.match = Match::vendor(1);
    fault.skip = 113;
    QTest::newRow("read-back fails") << fault << Outcome::VerifyFailed;
    fault.kind = Lc420Model::Fault::Kind::Stall;
    QTest::newRow("read-back stalls") << fault << Outcome::VerifyFailed;
}

void TestUpgradeProcedure::checkWordPageFaultsMeanNoStart()
{
    QFETCH(Lc420Model::Fault, fault);
    QFETCH(Outcome, outcome);
    const QByteArray internalBefore = bus->device().internalFlash();
    const QByteArray externalBefore = bus->device().externalFlash();
    bus->device().addFault(fault);

    QCOMPARE(runUpgrade(upgradeFile), outcome);
    QCOMPARE(texts.mid(texts.size() - 3),
             QStringList({QStringLiteral("Verify External Flash ...  "), QStringLiteral("OK"),
                          QStringLiteral("ERROR")}));
    QCOMPARE(percents.last(), 100 * 111 / 112);
    QCOMPARE(countOf(bus->device().commandLog(), 4), 1); // only the reset, no start
    const QString failure = powerCycleFailure(internalBefore, externalBefore);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

// Two drivers on the bus: while ours resets, another one that already runs its
// bootloader is plugged in and listed first. It must not be written.
void TestUpgradeProcedure::anotherDriverAnswersAfterTheReset_data()
{
    QTest::addColumn<bool>("requireChoice");
    QTest::addColumn<QStringList>("lastTexts");
    // The transport refuses a connect while both drivers are attached and
    // none is chosen, so the other one is never even asked.
    QTest::newRow("choice required")
        << true
        << QStringList(
               {QStringLiteral("Reset device"), QStringLiteral("USB timout\nCheck USB cable")});
    // A transport that takes the first driver: the procedure's own check.
    QTest::newRow("first driver taken")
        << false
        << QStringList({QStringLiteral("Another driver answered: 261107002b"),
                        QStringLiteral("USB Timeout\nCheck USB Cable")});
}

void TestUpgradeProcedure::anotherDriverAnswersAfterTheReset()
{
    QFETCH(bool, requireChoice);
    QFETCH(QStringList, lastTexts);
    SimulatedBus::Options options;
    options.impostor = true;
    init(options);
    device->setRequireChoice(requireChoice);
    Lc420Model &other = bus->impostor();
    other.setIdentificationWord(Lc420Model::IdentificationWord);
    other.setSerial("261107002");
    other.write(Memory::Internal, 0x0801FFFC, QByteArray::fromHex("00000000")); // stays put
    other.unplug(1500);

    QCOMPARE(runUpgrade(upgradeFile), Outcome::NoDriver);
    QCOMPARE(texts.mid(texts.size() - 2), lastTexts);
    if (requireChoice)
        QCOMPARE(device->lastResult().outcome, Connection::Outcome::SeveralNoneChosen);
    QCOMPARE(countOf(other.commandLog(), 3), 0);
    QCOMPARE(countOf(bus->device().commandLog(), 3), 0);
    QVERIFY(!texts.contains(QStringLiteral("Writting firmware ... ")));
}

void TestUpgradeProcedure::powerCutAnywhereThenRunAgain_data()
{
    QTest::addColumn<bool>("sameApplication");
    QTest::newRow("driver runs older firmware") << false;
    // Only the external block is new: a cut while it is written must not leave
    // the unchanged application startable over half of it.
    QTest::newRow("driver runs the same application, older external block") << true;
}

void TestUpgradeProcedure::powerCutAnywhereThenRunAgain()
{
    QFETCH(bool, sameApplication);
    const auto prepare = [&] {
        init();
        if (sameApplication)
            bus->device().write(Memory::Internal, 0x08004000,
                                image.mid(Upgrade::AppOffset, Upgrade::AppLength));
    };

    // How many transfers a clean run makes, to spread the cuts over all phases,
    // with every step around the check-word page among them.
    prepare();
    QCOMPARE(runUpgrade(upgradeFile), Outcome::Started);
    const QList<Lc420Model::Transfer> clean = bus->device().transferLog();
    const int total = int(clean.size());
    QVERIFY(total > 600);
    int lastPageWrite = 0, firstExternalWrite = 0;
    for (int i = 0; i < total; ++i) {
        if (clean[i].request == 3 && clean[i].kind == Lc420Model::Transfer::Kind::Command)
            lastPageWrite = i + 1;
        if (clean[i].request == 6 && firstExternalWrite == 0)
            firstExternalWrite = i + 1;
    }

    QList<int> cuts;
    for (int k = 1; k < total; k += qMax(1, total / 50))
        cuts.append(k);
    for (int k : {firstExternalWrite, firstExternalWrite + 1, lastPageWrite - 3, lastPageWrite - 1,
                  lastPageWrite, lastPageWrite + 1, lastPageWrite + 2, total - 1, total})
        cuts.append(k);

    for (int k : std::as_const(cuts)) {
        cleanup();
        prepare();
        const QByteArray internalBefore = bus->device().internalFlash();
        const QByteArray externalBefore = bus->device().externalFlash();
        bus->device().unplugAfterTransfers(k);
        runUpgrade(upgradeFile);
        const QString failure = powerCycleFailure(internalBefore, externalBefore);
        QVERIFY2(failure.isEmpty(),
                 qPrintable(QStringLiteral("cut after transfer %1: %2").arg(k).arg(failure)));
        Clock::sleepMs(5000); // whatever reset was pending is over

        texts.clear();
        percents.clear();
        const Outcome second = runUpgrade(upgradeFile);
        QVERIFY2(
            second == Outcome::Started,
            qPrintable(QStringLiteral("cut after transfer %1: %2").arg(k).arg(texts.join('|'))));
        Clock::sleepMs(5000);
        QCOMPARE(bus->device().mode(), Lc420Model::Mode::Application);
        QCOMPARE(bus->device().read(Memory::Internal, 0x08004000, Upgrade::AppLength),
                 image.mid(Upgrade::AppOffset, Upgrade::AppLength));
    }
    qInfo("power cut at %d transfer points out of %d", int(cuts.size()), total);
}

void TestUpgradeProcedure::workerThreadReportsThroughSignals()
{
    Upgrader upgrader(device.get());
    QSignalSpy textSpy(&upgrader, &Upgrader::sendText);
    QSignalSpy percentSpy(&upgrader, &Upgrader::sendPercent);
    upgrader.slotSetFileName(upgradeFile);
    upgrader.start();
    QVERIFY(upgrader.wait(60000));
    QStringList received;
    for (const QList<QVariant> &call : textSpy)
        received.append(call.at(0).toString());
    QCOMPARE(received, QStringList(upgradeFile) + applicationModeTexts());
    QCOMPARE(percentSpy.size(), 113);
    QCOMPARE(percentSpy.last().at(0).toInt(), 100);
}

void TestUpgradeProcedure::workerWithoutFileEndsSilently()
{
    Upgrader upgrader(device.get());
    QSignalSpy textSpy(&upgrader, &Upgrader::sendText);
    upgrader.slotSetFileName(QString());
    upgrader.start();
    QVERIFY(upgrader.wait(10000));
    QCOMPARE(textSpy.size(), 0);
    QCOMPARE(bus->device().transferLog().size(), 0);
}

// After a failure the summary describes the driver as the bus shows it once
// the run is over, not as the run last saw it.
void TestUpgradeProcedure::summaryTellsHowTheDriverIsNow_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("neverSays");

    QTest::newRow("clean run") << "" << Outcome::Running << Answer::Application
                               << "runs the new firmware"
                               << "bootloader";
    QTest::newRow("unplugged for good while the pages are written")
        << "unplug" << Outcome::DriverRefused << Answer::Nothing
        << "disconnected during the transfer, and no driver answered afterwards"
        << "waits in its bootloader";
    QTest::newRow("stops answering while the pages are written")
        << "stall" << Outcome::DriverRefused << Answer::Nothing
        << "stopped answering during the transfer, and no driver answered afterwards"
        << "disconnected";
    QTest::newRow("a page write refused") << "refuse page" << Outcome::DriverRefused
                                          << Answer::Bootloader << "waits in its bootloader"
                                          << "disconnected";
    QTest::newRow("check-word page stored wrong")
        << "corrupt check word" << Outcome::VerifyFailed << Answer::Bootloader
        << "did not read back the same. The driver waits in its bootloader"
        << "no driver";
}

void TestUpgradeProcedure::summaryTellsHowTheDriverIsNow()
{
    QFETCH(QString, fault);
    QFETCH(Outcome, outcome);
    QFETCH(Answer, answer);
    QFETCH(QString, says);
    QFETCH(QString, neverSays);

    Lc420Model &driver = bus->device();
    if (fault == QLatin1String("unplug")) {
        driver.unplugAfterTransfers(100); // no replug
    } else if (fault == QLatin1String("stall")) {
        driver.stallTransfers(100, 1000);
    } else if (fault == QLatin1String("refuse page")) {
        driver.failTransfer(3, Match::vendor(3));
    } else if (fault == QLatin1String("corrupt check word")) {
        Lc420Model::Fault corrupt;
        corrupt.match = Match::vendor(3);
        corrupt.skip = 112;
        corrupt.kind = Lc420Model::Fault::Kind::Corrupt;
        driver.addFault(corrupt);
    }
    UpgradeProcedure procedure(
        *device, [](const QString &) {}, [](int) {});
    const UpgradeProcedure::Result result = procedure.runAndConfirm(upgradeFile);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.answer, answer);
    QCOMPARE(result.serial, Serial.toLatin1());
    const QString text = ::describe(result);
    QVERIFY2(text.contains(says), qPrintable(text));
    QVERIFY2(!text.contains(neverSays), qPrintable(text));
}

void TestUpgradeProcedure::describe_data()
{
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<Left>("left");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("neverSays");

    // run() alone: started, and nobody looked whether it came back.
    QTest::newRow("started, not confirmed")
        << Outcome::Started << Left::Started << Answer::NotAsked << "was not checked"
        << "did not";
    QTest::newRow("started, nothing came back")
        << Outcome::NotBack << Left::Started << Answer::Nothing
        << "no driver answered after the reset. Plug driver 261107001 in again"
        << "waits in its bootloader";
    QTest::newRow("started, came back in its bootloader")
        << Outcome::NotBack << Left::Started << Answer::Bootloader
        << "driver 261107001 came back in its bootloader"
        << "no driver answered";
    QTest::newRow("reset, nothing came back")
        << Outcome::NoDriver << Left::Resetting << Answer::Nothing
        << "no driver answered after the reset"
        << "waits in its bootloader";
    QTest::newRow("reset, came back late in its bootloader")
        << Outcome::NoDriver << Left::Resetting << Answer::Bootloader
        << "waits there (it answers in bootloader mode)"
        << "no driver answered";
    QTest::newRow("in the bootloader, then gone")
        << Outcome::DriverRefused << Left::InBootloader << Answer::Nothing
        << "the driver was disconnected during the transfer"
        << "refused";
    QTest::newRow("in the bootloader, refused and still there")
        << Outcome::DriverRefused << Left::InBootloader << Answer::Bootloader
        << "the driver refused a transfer. The driver waits in its bootloader"
        << "disconnected";
    QTest::newRow("nothing found") << Outcome::NoDriver << Left::Untouched << Answer::NotAsked
                                   << "did not start: no driver answered"
                                   << "bootloader";
}

void TestUpgradeProcedure::describe()
{
    QFETCH(Outcome, outcome);
    QFETCH(Left, left);
    QFETCH(Answer, answer);
    QFETCH(QString, says);
    QFETCH(QString, neverSays);
    const QString text = ::describe({outcome, left, answer, QByteArrayLiteral("261107001")});
    QVERIFY2(text.contains(says), qPrintable(text));
    QVERIFY2(!text.contains(neverSays), qPrintable(text));
}

// The window and lc420-cli show the same sentence: it names no button.
void TestUpgradeProcedure::describeNamesNoButton()
{
    for (Outcome outcome :
         {Outcome::BadFile, Outcome::NoDriver, Outcome::DriverRefused, Outcome::VerifyFailed,
          Outcome::Started, Outcome::Running, Outcome::NotBack}) {
        for (Left left : {Left::Untouched, Left::Resetting, Left::InBootloader, Left::Started}) {
            for (Answer answer :
                 {Answer::NotAsked, Answer::Application, Answer::Bootloader, Answer::Nothing}) {
                const QString text = ::describe({outcome, left, answer, {}});
                QVERIFY(!text.isEmpty());
                for (const char *word : {"Firmware Change", "press", "Press", "button"})
                    QVERIFY2(!text.contains(QLatin1String(word)), qPrintable(text));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestUpgradeProcedure)
#include "tst_upgradeprocedure.moc"
