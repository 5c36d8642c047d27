// The firmware verify and the check words read from a driver, against the
// simulated driver holding a known upgrade image.

#include "firmware/firmwareverify.h"
#include "sim/simulatedbus.h"
#include "tests/support/sampleimage.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Outcome = FirmwareCheck::Result::Outcome;
using Memory = Lc420Model::Memory;

namespace {

enum class Change { None, ApplicationByte, ExternalByte, Unplugged, DamagedFile, ReadFails };

} // namespace

Q_DECLARE_METATYPE(Change)

class TestFirmwareVerify : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void checkWordsOfTheInstalledImage();
    void verdicts_data();
    void verdicts();

private:
    QTemporaryDir dir;
    QByteArray image;
    QString upgradeFile;
    QString damagedFile;
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<USBLC350> device;
};

void TestFirmwareVerify::initTestCase()
{
    QVERIFY(dir.isValid());
    image = sampleUpgradeImage(37);
    upgradeFile = dir.filePath(QStringLiteral("fw.upg"));
    QCOMPARE(Upgrade::saveFile(upgradeFile, image), QString());
    // One byte of the stored image changed: its areas no longer add up.
    QFile good(upgradeFile);
    QVERIFY(good.open(QIODevice::ReadOnly));
    QByteArray bytes = good.readAll();
    bytes[100000] = char(bytes[100000] ^ 0x40);
    damagedFile = dir.filePath(QStringLiteral("damaged.upg"));
    QFile damaged(damagedFile);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    QCOMPARE(damaged.write(bytes), bytes.size());
}

// A driver that was upgraded with the image: both areas hold it, the
// external one stored scrambled from the block's first word.
void TestFirmwareVerify::init()
{
    bus = std::make_unique<SimulatedBus>();
    Lc420Model &driver = bus->device();
    driver.write(Memory::Internal, Upgrade::FlashBase + Upgrade::AppOffset,
                 image.mid(Upgrade::AppOffset, Upgrade::AppLength));
    QByteArray external = image.mid(Upgrade::ExtOffset, Upgrade::ExtLength);
    encodeWords(external.data(), qint32(external.size()));
    driver.write(Memory::External, 0, external);
    device = std::make_unique<USBLC350>();
}

void TestFirmwareVerify::cleanup()
{
    device.reset();
    bus.reset();
}

void TestFirmwareVerify::checkWordsOfTheInstalledImage()
{
    const auto words = DriverInfo::readCheckWords(*device);
    QVERIFY(words);
    const Upgrade::ImageCheck check = Upgrade::checkImage(image);
    QCOMPARE(words->application, check.appStored);
    QCOMPARE(words->external, check.extStored);
    QVERIFY(FirmwareCheck::imageWords(image) == words);
}

void TestFirmwareVerify::verdicts_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<Change>("change");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<qint64>("firstDifference"); // the application's, else the external block's
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("chunks");

    QTest::newRow("equal") << true << Change::None << Outcome::Equal << qint64(-1) << 0 << 0;
    QTest::newRow("adds up, no file")
        << false << Change::None << Outcome::AddsUp << qint64(-1) << 0 << 0;
    QTest::newRow("an application byte changed")
        << true << Change::ApplicationByte << Outcome::Differs << qint64(0x08005388) << 1 << 0;
    QTest::newRow("an application byte changed, no file")
        << false << Change::ApplicationByte << Outcome::DoesNotAddUp << qint64(-1) << 0 << 0;
    QTest::newRow("an external byte changed")
        << true << Change::ExternalByte << Outcome::Differs << qint64(0x9000) << 0 << 1;
    QTest::newRow("an external byte changed, no file")
        << false << Change::ExternalByte << Outcome::DoesNotAddUp << qint64(-1) << 0 << 0;
    QTest::newRow("no driver") << true << Change::Unplugged << Outcome::NoDriver << qint64(-1) << 0
                               << 0;
    QTest::newRow("a damaged file")
        << true << Change::DamagedFile << Outcome::BadFile << qint64(-1) << 0 << 0;
    QTest::newRow("a read that keeps failing")
        << false << Change::ReadFails << Outcome::ReadFailed << qint64(-1) << 0 << 0;
}

void TestFirmwareVerify::verdicts()
{
    QFETCH(bool, withFile);
    QFETCH(Change, change);
    QFETCH(Outcome, outcome);
    QFETCH(qint64, firstDifference);
    QFETCH(int, pages);
    QFETCH(int, chunks);

    Lc420Model &driver = bus->device();
    switch (change) {
    case Change::None:
    case Change::DamagedFile:
        break;
    case Change::ApplicationByte:
        driver.write(Memory::Internal, 0x08005388,
                     QByteArray(1, char(~driver.read(Memory::Internal, 0x08005388, 1).at(0))));
        break;
    case Change::ExternalByte:
        driver.write(Memory::External, 0x9000,
                     QByteArray(1, char(driver.read(Memory::External, 0x9000, 1).at(0) ^ 1)));
        break;
    case Change::Unplugged:
        bus->setPlugged(driver, false);
        break;
    case Change::ReadFails:
        driver.failTransfers(1, 1000, Lc420Model::Match::vendor(Lc420Model::ReadExternal));
        break;
    }
    driver.clearTransferLog();

    QList<FirmwareCheck::Area> areas;
    const FirmwareCheck::PercentSink percent = [&areas](FirmwareCheck::Area area, int value) {
        if (value == 100)
            areas.append(area);
    };
    const QString file = change == Change::DamagedFile ? damagedFile : upgradeFile;
    const FirmwareCheck::Result result
        = withFile ? FirmwareCheck::verifyFile(*device, file, percent)
                   : FirmwareCheck::verify(*device, std::nullopt, percent);

    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.ok(), outcome == Outcome::Equal || outcome == Outcome::AddsUp);
    QCOMPARE(result.application.differingUnits, pages);
    QCOMPARE(result.external.differingUnits, chunks);
    QCOMPARE(pages ? result.application.firstDifference : result.external.firstDifference,
             firstDifference);
    if (outcome == Outcome::DoesNotAddUp) {
        QCOMPARE(result.application.addsUp(), change != Change::ApplicationByte);
        QCOMPARE(result.external.addsUp(), change != Change::ExternalByte);
    }
    if (result.areasRead()) {
        QCOMPARE(result.serial, QByteArray("261107001"));
        QVERIFY(areas == (QList{FirmwareCheck::Area::Application, FirmwareCheck::Area::External}));
    }
    // The verdict names where the firmware differs.
    if (firstDifference >= 0)
        QVERIFY2(FirmwareCheck::describe(result).contains(
                     QStringLiteral("0x%1").arg(firstDifference, 8, 16, QLatin1Char('0'))),
                 qPrintable(FirmwareCheck::describe(result)));
    // A verify only reads; a damaged file is refused before the driver is touched.
    const QList<Lc420Model::Transfer> log = driver.commandLog();
    if (change == Change::DamagedFile)
        QCOMPARE(log.size(), 0);
    for (const Lc420Model::Transfer &transfer : log)
        QVERIFY2(transfer.in
                     && (transfer.request == Lc420Model::ReadMemory
                         || transfer.request == Lc420Model::ReadExternal),
                 qPrintable(QString::number(transfer.request)));
}

QTEST_GUILESS_MAIN(TestFirmwareVerify)
#include "tst_firmwareverify.moc"
