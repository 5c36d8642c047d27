#include "sim/simulatedbus.h"
#include "usb/drivermonitor.h"
#include "usb/usblc350.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using Outcome = Connection::Outcome;
using Access = AttachedDriver::Access;

namespace {

AttachedDriver known(const char *serial, const char *device = "002")
{
    AttachedDriver driver;
    driver.bus = "001";
    driver.device = device;
    driver.serial = serial;
    driver.mode = DriverInfo::Mode::Application;
    return driver;
}

AttachedDriver refused(Access access, const char *device)
{
    AttachedDriver driver;
    driver.bus = "001";
    driver.device = device;
    driver.access = access;
    return driver;
}

// The vendor requests the driver answered, in order (descriptor reads left out).
QList<int> requests(const Lc420Model &model)
{
    QList<int> numbers;
    for (const Lc420Model::Transfer &transfer : model.transferLog()) {
        if (transfer.kind == Lc420Model::Transfer::Kind::Identification
            || transfer.kind == Lc420Model::Transfer::Kind::Command)
            numbers.append(transfer.request);
    }
    return numbers;
}

} // namespace

class TestDriverMonitor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void choice_data();
    void choice();
    void plugAndUnplugAreSeen();
    void driverStateIsRead_data();
    void driverStateIsRead();
    void knownDriverIsReadOnlyForItsStatus();
    void driverHeldOpenIsNotTouched();
    void refusedDriverIsListed();
    void silentDriverIsListed();
    void pinnedDriverComesBack();

private:
    void startMonitor(int statusMs = 0);
    Lc420Model second;
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<DriverMonitor> monitor;
};

void TestDriverMonitor::cleanup()
{
    // The monitor goes first: its worker enumerates the bus.
    monitor.reset();
    bus.reset();
}

void TestDriverMonitor::startMonitor(int statusMs)
{
    monitor = std::make_unique<DriverMonitor>();
    monitor->setIntervals(10, statusMs);
    monitor->start();
}

void TestDriverMonitor::choice_data()
{
    QTest::addColumn<QList<AttachedDriver>>("drivers");
    QTest::addColumn<QByteArray>("pinned");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("serial"); // the choice's
    QTest::addColumn<QByteArray>("detail"); // the result's serial, or bus/device

    const QList<AttachedDriver> two{known("261107001", "002"), known("261107002", "003")};
    QTest::newRow("nothing attached") << QList<AttachedDriver>() << QByteArray()
                                      << int(Outcome::NoDriver) << QByteArray() << QByteArray();
    QTest::newRow("a single driver is chosen")
        << QList<AttachedDriver>{known("261107001")} << QByteArray() << int(Outcome::Connected)
        << QByteArray("261107001") << QByteArray();
    QTest::newRow("several, none pinned") << two << QByteArray() << int(Outcome::SeveralNoneChosen)
                                          << QByteArray() << QByteArray("2");
    QTest::newRow("several, one pinned")
        << two << QByteArray("261107002") << int(Outcome::Connected) << QByteArray("261107002")
        << QByteArray();
    QTest::newRow("pinned in its bootloader form")
        << two << QByteArray("261107002b") << int(Outcome::Connected) << QByteArray("261107002")
        << QByteArray();
    QTest::newRow("pinned driver gone, another attached")
        << QList<AttachedDriver>{known("261107001")} << QByteArray("261107002")
        << int(Outcome::ChosenGone) << QByteArray("261107002") << QByteArray("261107002");
    QTest::newRow("only a refused driver")
        << QList<AttachedDriver>{refused(Access::Denied, "005")} << QByteArray()
        << int(Outcome::NoPermission) << QByteArray() << QByteArray("001/005");
    QTest::newRow("pinned driver may be the refused one")
        << QList<AttachedDriver>{known("261107001"), refused(Access::Denied, "005")}
        << QByteArray("261107002") << int(Outcome::NoPermission) << QByteArray("261107002")
        << QByteArray("001/005");
    QTest::newRow("a readable driver beside a refused one is chosen")
        << QList<AttachedDriver>{refused(Access::Denied, "005"), known("261107001")} << QByteArray()
        << int(Outcome::Connected) << QByteArray("261107001") << QByteArray();
    QTest::newRow("only a driver another program holds")
        << QList<AttachedDriver>{refused(Access::Unavailable, "006")} << QByteArray()
        << int(Outcome::Unavailable) << QByteArray() << QByteArray("001/006");
    QTest::newRow("only a driver that stopped answering")
        << QList<AttachedDriver>{refused(Access::Silent, "007")} << QByteArray()
        << int(Outcome::TimedOut) << QByteArray() << QByteArray("001/007");
}

void TestDriverMonitor::choice()
{
    QFETCH(QList<AttachedDriver>, drivers);
    QFETCH(QByteArray, pinned);
    QFETCH(int, outcome);
    QFETCH(QByteArray, serial);
    QFETCH(QByteArray, detail);

    const DriverChoice choice = chooseDriver(drivers, pinned);
    QCOMPARE(int(choice.result.outcome), outcome);
    QCOMPARE(choice.serial, serial);
    QCOMPARE(choice.pinned, !pinned.isEmpty());
    switch (choice.result.outcome) {
    case Outcome::ChosenGone:
        QCOMPARE(choice.result.serial, detail);
        break;
    case Outcome::SeveralNoneChosen:
        QCOMPARE(QByteArray::number(choice.result.drivers), detail);
        break;
    case Outcome::NoPermission:
    case Outcome::Unavailable:
    case Outcome::TimedOut:
        QCOMPARE(choice.result.bus + '/' + choice.result.device, detail);
        break;
    default:
        QCOMPARE(QByteArray(), detail);
    }
    QCOMPARE(Connection::describe(choice.result).isEmpty(), choice.result.ok());
}

void TestDriverMonitor::plugAndUnplugAreSeen()
{
    SimulatedBus::Options options;
    options.plugged = false;
    bus = std::make_unique<SimulatedBus>(options);
    startMonitor();
    QSignalSpy choices(monitor.get(), &DriverMonitor::choiceChanged);

    QTest::qWait(50);
    QCOMPARE(monitor->drivers().size(), 0);
    QCOMPARE(monitor->choice().result.outcome, Outcome::NoDriver);

    bus->setPlugged(bus->device(), true);
    QTRY_COMPARE(monitor->drivers().size(), 1);
    // Never listed as refused while the new node settles.
    QCOMPARE(monitor->drivers().first().serial, QByteArray("261107001"));
    QCOMPARE(monitor->choice().result.outcome, Outcome::Connected);
    QCOMPARE(monitor->choice().serial, QByteArray("261107001"));

    bus->setPlugged(bus->device(), false);
    QTRY_COMPARE(monitor->drivers().size(), 0);
    QCOMPARE(monitor->choice().result.outcome, Outcome::NoDriver);
    QCOMPARE(choices.size(), 2);
}

void TestDriverMonitor::driverStateIsRead_data()
{
    QTest::addColumn<bool>("bootloader");
    QTest::addColumn<quint32>("status");
    QTest::newRow("application, free") << false << quint32(0);
    QTest::newRow("application, left locked") << false << quint32(0x80000001);
    QTest::newRow("bootloader, other bits set") << true << quint32(0x6);
}

void TestDriverMonitor::driverStateIsRead()
{
    QFETCH(bool, bootloader);
    QFETCH(quint32, status);
    bus = std::make_unique<SimulatedBus>();
    bus->device().setMode(bootloader ? Lc420Model::Mode::Bootloader
                                     : Lc420Model::Mode::Application);
    bus->device().setStatus(status);
    startMonitor();

    QTRY_COMPARE(monitor->drivers().size(), 1);
    const AttachedDriver driver = monitor->drivers().first();
    QCOMPARE(driver.serial, QByteArray("261107001"));
    QCOMPARE(driver.mode,
             bootloader ? DriverInfo::Mode::Bootloader : DriverInfo::Mode::Application);
    QVERIFY(driver.versions.has_value());
    QCOMPARE(driver.versions->first, QByteArray("LC420 BOOT 2.10"));
    QCOMPARE(driver.versions->second, QByteArray("2026-11-02"));
    QCOMPARE(driver.access, Access::Open);
    QVERIFY(driver.mayOpen());
    QCOMPARE(driver.locked, std::optional<bool>((status & 1) != 0));
    QCOMPARE(driver.bus, QByteArray("001"));
    QCOMPARE(bus->device().status(), status); // only read
}

void TestDriverMonitor::knownDriverIsReadOnlyForItsStatus()
{
    bus = std::make_unique<SimulatedBus>();
    startMonitor();
    QTRY_COMPARE(monitor->drivers().size(), 1);
    QCOMPARE(requests(bus->device()), QList<int>({255, 1, 9}));

    bus->device().clearTransferLog();
    QTest::qWait(100);
    QCOMPARE(requests(bus->device()), QList<int>());

    bus->device().setStatus(1);
    QSignalSpy changed(monitor.get(), &DriverMonitor::driversChanged);
    monitor->refreshStatus();
    QTRY_COMPARE(monitor->drivers().value(0).locked, std::optional<bool>(true));
    QCOMPARE(requests(bus->device()), QList<int>({255, 9}));
    QCOMPARE(changed.size(), 1);
}

void TestDriverMonitor::driverHeldOpenIsNotTouched()
{
    bus = std::make_unique<SimulatedBus>();
    USBLC350 window;
    window.setSerialFilter("261107001");
    QCOMPARE(window.connect(), 0);
    bus->device().clearTransferLog();

    // Seen first while a command holds it: listed, not opened.
    startMonitor();
    QTRY_COMPARE(monitor->drivers().size(), 1);
    QCOMPARE(monitor->drivers().first().access, Access::InUse);
    QCOMPARE(monitor->drivers().first().serial, QByteArray("261107001"));
    QCOMPARE(monitor->choice().serial, QByteArray("261107001"));
    monitor->refreshStatus();
    QTest::qWait(100);
    QCOMPARE(requests(bus->device()), QList<int>());
    // What the command saw of the lock is shown, still without a request.
    monitor->noteLock("261107001", true);
    QTRY_COMPARE(monitor->drivers().value(0).locked, std::optional<bool>(true));
    QCOMPARE(requests(bus->device()), QList<int>());

    // Free again: read in full, and the window's object reconnects by itself.
    window.disconnect();
    QTRY_COMPARE(monitor->drivers().value(0).access, Access::Open);
    QVERIFY(monitor->drivers().first().versions.has_value());
    quint32 status = 1;
    QCOMPARE(window.StatusGet(status), 0);
    QCOMPARE(status, 0u);
}

void TestDriverMonitor::refusedDriverIsListed()
{
    bus = std::make_unique<SimulatedBus>();
    bus->host().setAccessDenied(bus->device(), true);
    startMonitor();

    QTRY_COMPARE(monitor->drivers().size(), 1);
    const AttachedDriver driver = monitor->drivers().first();
    QCOMPARE(driver.access, Access::Denied);
    QVERIFY(!driver.mayOpen());
    QCOMPARE(driver.serial, QByteArray());
    QCOMPARE(monitor->choice().result.outcome, Outcome::NoPermission);
    QCOMPARE(monitor->choice().result.device, driver.device);
}

// A driver that stops answering is still attached: listed as silent, never
// taken for a device of another kind and dropped.
void TestDriverMonitor::silentDriverIsListed()
{
    bus = std::make_unique<SimulatedBus>();
    bus->device().failNextTransfers(1000000);
    startMonitor();

    QTRY_COMPARE(monitor->drivers().size(), 1);
    QCOMPARE(monitor->drivers().first().access, Access::Silent);
    QCOMPARE(monitor->choice().result.outcome, Outcome::TimedOut);
}

void TestDriverMonitor::pinnedDriverComesBack()
{
    bus = std::make_unique<SimulatedBus>();
    second.setSerial("261107002");
    bus->host().addDevice(second);
    bus->host().sync();
    startMonitor();
    QTRY_COMPARE(monitor->drivers().size(), 2);
    QCOMPARE(monitor->choice().result.outcome, Outcome::SeveralNoneChosen);

    monitor->pin("261107002b");
    QCOMPARE(monitor->choice().result.outcome, Outcome::Connected);
    QCOMPARE(monitor->choice().serial, QByteArray("261107002"));

    bus->setPlugged(second, false);
    QTRY_COMPARE(monitor->choice().result.outcome, Outcome::ChosenGone);
    QCOMPARE(monitor->choice().result.serial, QByteArray("261107002"));
    // The other driver is never taken in its place.
    QCOMPARE(monitor->choice().serial, QByteArray("261107002"));

    bus->setPlugged(second, true);
    QTRY_COMPARE(monitor->choice().result.outcome, Outcome::Connected);
    QCOMPARE(monitor->choice().serial, QByteArray("261107002"));
}

QTEST_GUILESS_MAIN(TestDriverMonitor)
#include "tst_drivermonitor.moc"
