#include "sim/simulatedbus.h"
#include "tests/support/tracecapture.h"
#include "usb/drivermap.h"
#include "usb/drivermonitor.h"
#include "usb/usbdevice.h"
#include "usb/usblc350.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <memory>
#include <thread>
#include <usb.h>

using Match = Lc420Model::Match;

namespace {

bool anyStartsWith(const QStringList &lines, const QString &prefix)
{
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            return true;
    }
    return false;
}

QByteArray descriptor(std::initializer_list<int> bytes)
{
    QByteArray d;
    for (int b : bytes)
        d.append(char(b));
    return d;
}

} // namespace

class TestUsbDevice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { bus.reset(); }

    // First, while libusb has seen no device of this process: both devices are
    // then new to its list and the impostor comes first.
    void impostorIsSkippedForTheRightDevice();
    void impostorAloneIsRefused();
    void noDriverConnectFails();
    void connectTracesEveryStep();
    void timeoutClosesAndNextTransferRescans();
    void zeroLengthSend_data();
    void zeroLengthSend();
    void disconnectOnClosedOnlyTraces();
    void serialStringOnClosedTouchesNothing();
    void serialStringFromUntrustedDescriptor_data();
    void serialStringFromUntrustedDescriptor();
    void shortReplyIsReturnedAsCount();
    void twoThreadsShareOneDevice();
    void refusedOpenIsExplained_data();
    void refusedOpenIsExplained();
    void serialFilterPicksTheDriver_data();
    void serialFilterPicksTheDriver();
    void connectNamesItsCause_data();
    void connectNamesItsCause();
    void failedTransferNamesItsCause_data();
    void failedTransferNamesItsCause();
    void slowDriverHoldsUpNoOther();
    void commandKeepsItsDriver_data();
    void commandKeepsItsDriver();
    void slowDriverHoldsUpNoConnectWhileWatched();
    void knownOtherDriverIsNotAskedAgain();

private:
    // Declared before the bus, which serves it and must go first.
    Lc420Model second;
    std::unique_ptr<SimulatedBus> bus;
};

void TestUsbDevice::noDriverConnectFails()
{
    SimulatedBus::Options options;
    options.plugged = false;
    bus = std::make_unique<SimulatedBus>(options);
    USBLC350 device;
    TraceCapture trace;

    QCOMPARE(device.connect(), -1);
    QCOMPARE(trace.lines().value(0), QStringLiteral("USB Connect"));
    QVERIFY(!anyStartsWith(trace.lines(), QStringLiteral("usb_opened")));

    // The next transfer tries to connect again and writes no transfer line.
    trace.clear();
    const char byte = 0;
    QCOMPARE(device.control_send(2, 0, 0, &byte, 1), -1);
    QCOMPARE(trace.lines().value(0), QStringLiteral("UsbDevice::control_send()"));
    QCOMPARE(trace.lines().value(1), QStringLiteral("USB Connect"));
    QVERIFY(!anyStartsWith(trace.lines(), QStringLiteral("USB Control")));
}

void TestUsbDevice::connectTracesEveryStep()
{
    bus = std::make_unique<SimulatedBus>();
    USBLC350 device;
    TraceCapture trace;

    QCOMPARE(device.connect(), 0);
    const QStringList lines = trace.lines();
    const int vendorLine = lines.indexOf(QStringLiteral("dev->descriptor.idVendor:  16c0"));
    QVERIFY2(vendorLine > 0, qPrintable(lines.join(QLatin1Char('|'))));
    QVERIFY(lines.at(vendorLine - 1).startsWith(QStringLiteral("bus->devices:  ")));
    const QStringList expected = {
        QStringLiteral("dev->descriptor.idVendor:  16c0"),
        QStringLiteral("dev->descriptor.idProduct:  78a"),
        QStringLiteral("dev->descriptor.iSerialNumber:  3"),
        QStringLiteral("dev->descriptor.bMaxPacketSize0:  8"),
        QStringLiteral("usb_opened "),
        QStringLiteral("usb_set_configuration "),
        QStringLiteral("usb_claim_interface "),
        QStringLiteral("USB Control Receive bRequest=255, wValue=0, wIndex=0, dataLength=2 - OK."),
        QStringLiteral("control_receivePrivate(  255 0 0 178 0 2 )"),
        QStringLiteral("\nlcid: b2"),
        QStringLiteral("\nUSB_LC510_ID: b2"),
    };
    QCOMPARE(lines.mid(vendorLine), expected);
}

void TestUsbDevice::impostorIsSkippedForTheRightDevice()
{
    SimulatedBus::Options options;
    options.impostor = true;
    bus = std::make_unique<SimulatedBus>(options);
    USBLC350 device;
    TraceCapture trace;

    QCOMPARE(device.connect(), 0);
    const QStringList lines = trace.lines();
    const int wrong = lines.indexOf(QStringLiteral("\nlcid: b3"));
    const int right = lines.indexOf(QStringLiteral("\nlcid: b2"));
    QVERIFY2(wrong >= 0 && right > wrong, qPrintable(lines.join(QLatin1Char('|'))));
    QVERIFY(lines.mid(wrong, right - wrong).contains(QStringLiteral("USB Disconnect")));

    quint32 status = 0;
    QCOMPARE(device.StatusGet(status), 0);
    QCOMPARE(bus->impostor().commandLog().size(), 0);
    QCOMPARE(bus->device().commandLog().size(), 1);
}

void TestUsbDevice::impostorAloneIsRefused()
{
    SimulatedBus::Options options;
    options.impostor = true;
    bus = std::make_unique<SimulatedBus>(options);
    bus->setPlugged(bus->device(), false);
    USBLC350 device;

    QCOMPARE(device.connect(), -1);
    quint32 status = 0;
    QCOMPARE(device.StatusGet(status), -1);
    QCOMPARE(bus->impostor().commandLog().size(), 0);
}

void TestUsbDevice::timeoutClosesAndNextTransferRescans()
{
    bus = std::make_unique<SimulatedBus>();
    USBLC350 device;
    QCOMPARE(device.connect(), 0);
    bus->device().failNextTransfers(1, Match::vendor(9));
    TraceCapture trace;

    uchar word[4];
    QCOMPARE(device.control_receive(9, 0, 0, word, 4), -1);
    QCOMPARE(trace.lines(),
             QStringList({QStringLiteral("USB Control Receive bRequest=9, wValue=0, wIndex=0, "
                                         "dataLength=4 - ERROR."),
                          QStringLiteral("USB Disconnect")}));

    trace.clear();
    QCOMPARE(device.control_receive(9, 0, 0, word, 4), 4);
    QCOMPARE(trace.lines().value(0), QStringLiteral("USB Connect"));
    QCOMPARE(
        trace.lines().last(),
        QStringLiteral("USB Control Receive bRequest=9, wValue=0, wIndex=0, dataLength=4 - OK."));
}

void TestUsbDevice::zeroLengthSend_data()
{
    QTest::addColumn<bool>("nullPointer");
    QTest::newRow("null pointer") << true;
    QTest::newRow("pointer with length 0") << false;
}

void TestUsbDevice::zeroLengthSend()
{
    QFETCH(bool, nullPointer);
    bus = std::make_unique<SimulatedBus>();
    bus->device().setMode(Lc420Model::Mode::Bootloader);
    // A check word that does not match (an all-zero flash would: its sum is 0).
    bus->device().write(Lc420Model::Memory::Internal, Lc420Model::CheckWordAddress,
                        QByteArray::fromHex("01000000"));
    USBLC350 device;
    QCOMPARE(device.connect(), 0);
    TraceCapture trace;

    // Request 4 in a bootloader with no valid application: the driver stays put.
    const char byte = 1;
    QCOMPARE(device.control_send(4, 0, 0, nullPointer ? nullptr : &byte, 0), 0);
    QCOMPARE(
        trace.lines(),
        QStringList({QStringLiteral("UsbDevice::control_send()"),
                     QStringLiteral("USB Control Send bRequest=4, wValue=0, wIndex=0 - OK.")}));
    const QList<Lc420Model::Transfer> log = bus->device().commandLog();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.first().length, quint16(0));
}

void TestUsbDevice::disconnectOnClosedOnlyTraces()
{
    bus = std::make_unique<SimulatedBus>();
    USBLC350 device;
    TraceCapture trace;
    device.disconnect();
    QCOMPARE(trace.lines(), QStringList(QStringLiteral("USB Disconnect")));
    QCOMPARE(bus->device().transferLog().size(), 0);
}

void TestUsbDevice::serialStringOnClosedTouchesNothing()
{
    bus = std::make_unique<SimulatedBus>();
    USBLC350 device;
    TraceCapture trace;
    QCOMPARE(device.read_serial_string(), QByteArray());
    QCOMPARE(bus->device().transferLog().size(), 0);
    QCOMPARE(trace.lines(), QStringList());
}

void TestUsbDevice::serialStringFromUntrustedDescriptor_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QByteArray>("serial");

    QTest::newRow("well formed") << descriptor({8, 3, '1', 0, '2', 0, '3', 0}) << QByteArray("123");
    QTest::newRow("length byte claims more than arrived")
        << descriptor({200, 3, '4', 0, '2', 0}) << QByteArray("42");
    QTest::newRow("odd length drops the half unit")
        << descriptor({7, 3, 'a', 0, 'b', 0, 'c'}) << QByteArray("ab");
    QTest::newRow("zero unit ends the string")
        << descriptor({10, 3, '1', 0, 0, 0, '2', 0, '3', 0}) << QByteArray("1");
    QTest::newRow("non-ASCII unit keeps its low byte")
        << descriptor({6, 3, 0x41, 0x01, 'x', 0}) << QByteArray("Ax");
    QTest::newRow("length byte 0") << descriptor({0, 3, '1', 0}) << QByteArray();
    QTest::newRow("length byte 1") << descriptor({1, 3, '1', 0}) << QByteArray();
    QTest::newRow("only the length byte arrived") << descriptor({4}) << QByteArray();
}

void TestUsbDevice::serialStringFromUntrustedDescriptor()
{
    QFETCH(QByteArray, raw);
    QFETCH(QByteArray, serial);
    bus = std::make_unique<SimulatedBus>();
    bus->device().setSerialDescriptorOverride(raw);
    USBLC350 device;
    QCOMPARE(device.connect(), 0);
    QCOMPARE(device.read_serial_string(), serial);
}

void TestUsbDevice::shortReplyIsReturnedAsCount()
{
    bus = std::make_unique<SimulatedBus>();
    USBLC350 device;
    bus->device().shortNextTransfers(1, 3, Match::vendor(9));
    uchar word[4];
    QCOMPARE(device.control_receive(9, 0, 0, word, 4), 1);
    // The device stays open: the next transfer needs no new identification.
    bus->device().clearTransferLog();
    QCOMPARE(device.control_receive(9, 0, 0, word, 4), 4);
    QCOMPARE(bus->device().transferLog().size(), 1);
}

void TestUsbDevice::twoThreadsShareOneDevice()
{
    bus = std::make_unique<SimulatedBus>();
    USBLC350 device;
    const QByteArray expected = bus->device().read(Lc420Model::Memory::Internal, 0x08000000, 6000);

    constexpr int Rounds = 30;
    int readFailures = 0;
    int statusFailures = 0;
    std::unique_ptr<QThread> reader(QThread::create([&] {
        for (int i = 0; i < Rounds; ++i) {
            QByteArray buffer(6000, '\0');
            if (device.ReadMemoryFromAddress(buffer.data(), 0x08000000, 6000) != 0
                || buffer != expected)
                ++readFailures;
        }
    }));
    reader->start();
    for (int i = 0; i < Rounds * 3; ++i) {
        quint32 status = 0xFFFFFFFF;
        if (device.StatusGet(status) != 0 || status != 0)
            ++statusFailures;
    }
    QVERIFY(reader->wait(60000));
    QCOMPARE(readFailures, 0);
    QCOMPARE(statusFailures, 0);
    for (const Lc420Model::Transfer &t : bus->device().commandLog())
        QCOMPARE(t.result, int(t.length)); // every transfer whole
}

void TestUsbDevice::refusedOpenIsExplained_data()
{
    QTest::addColumn<bool>("plugged");
    QTest::addColumn<bool>("denied");
    QTest::addColumn<bool>("wrongId");
    QTest::addColumn<bool>("openDriverBeside");
    // What the connect recorded for the simulated driver, -1 when it met none. Not
    // looked at when a driver beside it was connected (it may come first).
    QTest::addColumn<int>("outcome");
    QTest::addColumn<bool>("explained");

    using Outcome = UsbDevice::Found::Outcome;
    QTest::newRow("refused alone")
        << true << true << false << false << int(Outcome::AccessDenied) << true;
    QTest::newRow("refused beside a driver that opens")
        << true << true << false << true << int(Outcome::AccessDenied) << false;
    QTest::newRow("no device") << false << false << false << false << -1 << false;
    QTest::newRow("opened but no Lc420")
        << true << false << true << false << int(Outcome::WrongId) << false;
}

void TestUsbDevice::refusedOpenIsExplained()
{
    QFETCH(bool, plugged);
    QFETCH(bool, denied);
    QFETCH(bool, wrongId);
    QFETCH(bool, openDriverBeside);
    QFETCH(int, outcome);
    QFETCH(bool, explained);
    SimulatedBus::Options options;
    options.plugged = plugged;
    bus = std::make_unique<SimulatedBus>(options);
    bus->host().setAccessDenied(bus->device(), denied);
    if (wrongId)
        bus->device().setIdentificationWord(Lc420Model::IdentificationWord + 1);
    if (openDriverBeside) {
        bus->host().addDevice(second);
        bus->host().sync();
    }
    USBLC350 device;

    QCOMPARE(device.connect(), openDriverBeside ? 0 : -1);
    const QString node = bus->host().deviceNode(bus->device()).section(QLatin1Char('/'), -1);
    const QList<UsbDevice::Found> found = device.lastConnect();
    const auto refused = std::find_if(found.begin(), found.end(), [&](const UsbDevice::Found &f) {
        return f.device == node.toLatin1();
    });
    if (!openDriverBeside)
        QCOMPARE(refused == found.end() ? -1 : int(refused->outcome), outcome);
    QCOMPARE(UsbDevice::accessProblem(found),
             explained ? QStringLiteral("Found an Lc420 on bus 001 device %1, but this user may "
                                        "not open it. Install the udev rule "
                                        "(packaging/60-lc420.rules, or the package) and plug the "
                                        "driver in again.")
                             .arg(node)
                       : QString());
}

void TestUsbDevice::serialFilterPicksTheDriver_data()
{
    QTest::addColumn<QByteArray>("filter");
    QTest::addColumn<bool>("secondInBootloader");
    QTest::addColumn<QByteArray>("serial"); // of the driver connected; empty: none

    QTest::newRow("application serial")
        << QByteArray("261107002") << false << QByteArray("261107002");
    QTest::newRow("application serial finds the bootloader")
        << QByteArray("261107002") << true << QByteArray("261107002b");
    QTest::newRow("bootloader serial finds the application")
        << QByteArray("261107002b") << false << QByteArray("261107002");
    QTest::newRow("the other driver") << QByteArray("261107001") << true << QByteArray("261107001");
    QTest::newRow("no such driver") << QByteArray("261107003") << false << QByteArray();
    QTest::newRow("a longer serial is another one")
        << QByteArray("2611070021") << false << QByteArray();
}

void TestUsbDevice::serialFilterPicksTheDriver()
{
    QFETCH(QByteArray, filter);
    QFETCH(bool, secondInBootloader);
    QFETCH(QByteArray, serial);
    bus = std::make_unique<SimulatedBus>();
    second.setSerial("261107002");
    second.setMode(secondInBootloader ? Lc420Model::Mode::Bootloader
                                      : Lc420Model::Mode::Application);
    bus->host().addDevice(second);
    bus->host().sync();
    USBLC350 device;
    device.setSerialFilter(filter);

    QCOMPARE(device.connect(), serial.isEmpty() ? -1 : 0);
    QCOMPARE(device.read_serial_string(), serial);
    // Every transfer reconnects to the same driver after a failure.
    if (!serial.isEmpty()) {
        device.disconnect();
        quint32 status = 0;
        QCOMPARE(device.StatusGet(status), 0);
        QCOMPARE(device.read_serial_string(), serial);
    }
}

void TestUsbDevice::connectNamesItsCause_data()
{
    QTest::addColumn<bool>("plugged");
    QTest::addColumn<bool>("denied");
    QTest::addColumn<bool>("secondDriver");
    QTest::addColumn<QByteArray>("filter");
    QTest::addColumn<bool>("requireChoice");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("text");

    using O = Connection::Outcome;
    QTest::newRow("nothing attached") << false << false << false << QByteArray() << true
                                      << int(O::NoDriver) << "No Lc420 driver is attached.";
    QTest::newRow("refused") << true << true << false << QByteArray() << true
                             << int(O::NoPermission) << "Found an Lc420 on bus 001";
    QTest::newRow("two, none chosen")
        << true << false << true << QByteArray() << true << int(O::SeveralNoneChosen)
        << "2 Lc420 drivers are attached and none is chosen; nothing was sent to any of them.";
    QTest::newRow("two, the first taken when no choice is required")
        << true << false << true << QByteArray() << false << int(O::Connected) << QString();
    QTest::newRow("two, one chosen") << true << false << true << QByteArray("261107002") << true
                                     << int(O::Connected) << QString();
    QTest::newRow("the chosen one is gone")
        << true << false << true << QByteArray("261107003b") << true << int(O::ChosenGone)
        << "Driver 261107003 is not attached.";
    QTest::newRow("the chosen one may be the refused one")
        << true << true << true << QByteArray("261107001") << true << int(O::NoPermission)
        << "Found an Lc420 on bus 001";
}

void TestUsbDevice::connectNamesItsCause()
{
    QFETCH(bool, plugged);
    QFETCH(bool, denied);
    QFETCH(bool, secondDriver);
    QFETCH(QByteArray, filter);
    QFETCH(bool, requireChoice);
    QFETCH(int, outcome);
    QFETCH(QString, text);
    SimulatedBus::Options options;
    options.plugged = plugged;
    bus = std::make_unique<SimulatedBus>(options);
    bus->host().setAccessDenied(bus->device(), denied);
    second.setSerial("261107002");
    second.setMode(Lc420Model::Mode::Application);
    if (secondDriver) {
        bus->host().addDevice(second);
        bus->host().sync();
    }
    second.clearTransferLog();
    USBLC350 device;
    device.setSerialFilter(filter);
    device.setRequireChoice(requireChoice);

    QCOMPARE(device.connect(), outcome == int(Connection::Outcome::Connected) ? 0 : -1);
    QCOMPARE(int(device.lastResult().outcome), outcome);
    QVERIFY2(Connection::describe(device.lastResult()).startsWith(text),
             qPrintable(Connection::describe(device.lastResult())));
    // Refused for several: neither driver got a command, and none is left open.
    if (outcome == int(Connection::Outcome::SeveralNoneChosen)) {
        quint32 status = 0;
        QCOMPARE(device.StatusGet(status), -1);
        QCOMPARE(bus->device().commandLog().size(), 0);
        QCOMPARE(second.commandLog().size(), 0);
    }
}

void TestUsbDevice::failedTransferNamesItsCause_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("outcome");
    QTest::newRow("time-out") << ETIMEDOUT << int(Connection::Outcome::TimedOut);
    QTest::newRow("unplugged") << ENODEV << int(Connection::Outcome::Unplugged);
    QTest::newRow("stall") << EPIPE << int(Connection::Outcome::Refused);
}

void TestUsbDevice::failedTransferNamesItsCause()
{
    QFETCH(int, error);
    QFETCH(int, outcome);
    bus = std::make_unique<SimulatedBus>();
    USBLC350 device;
    quint32 status = 0;
    QCOMPARE(device.StatusGet(status), 0);
    QCOMPARE(device.lastResult().outcome, Connection::Outcome::Connected);

    // A failed transfer leaves libusb's process-wide error text alone: the
    // transfers of several drivers failing at once write nothing in common.
    const QByteArray libusbError = usb_strerror();
    bus->device().failNextTransfers(1, Match::commands(), error);
    QCOMPARE(device.StatusGet(status), -1);
    QCOMPARE(int(device.lastResult().outcome), outcome);
    QCOMPARE(QByteArray(usb_strerror()), libusbError);
    // The next transfer reconnects, and works.
    QCOMPARE(device.StatusGet(status), 0);
    QCOMPARE(device.lastResult().outcome, Connection::Outcome::Connected);
}

void TestUsbDevice::slowDriverHoldsUpNoOther()
{
    // On the real clock: the slow driver's wait must cost real time.
    SimulatedBus::Options options;
    options.virtualClock = false;
    bus = std::make_unique<SimulatedBus>(options);
    second.setSerial("261107002");
    bus->host().addDevice(second);
    bus->host().sync();
    USBLC350 slow;
    USBLC350 fast;
    slow.setSerialFilter("261107001");
    fast.setSerialFilter("261107002");
    QCOMPARE(slow.connect(), 0);
    QCOMPARE(fast.connect(), 0);

    bus->device().setLatencyMs(1500);
    std::atomic<bool> slowDone{false};
    int slowResult = 0;
    std::thread slowTransfer([&] {
        quint8 word[4] = {};
        slowResult = slow.control_receive(Driver::GetStatus, 0, 0, word, 4);
        slowDone = true;
    });
    QThread::msleep(200); // the slow transfer is under way

    // Neither the host's locks nor the simulator make the other driver, nor a
    // fresh connect to it, wait for the slow one.
    quint8 word[4] = {};
    QCOMPARE(fast.control_receive(Driver::GetStatus, 0, 0, word, 4), 4);
    fast.disconnect();
    QCOMPARE(fast.control_receive(Driver::GetStatus, 0, 0, word, 4), 4);
    QCOMPARE(fast.read_serial_string(), QByteArray("261107002"));
    QVERIFY(!slowDone);
    slowTransfer.join();
    QCOMPARE(slowResult, 4);
}

// Once a command has found its driver, no reconnect of that command opens
// another: not one that arrives while it is off the bus, not one chosen
// meanwhile. After the command, the filter decides again.
void TestUsbDevice::commandKeepsItsDriver_data()
{
    QTest::addColumn<bool>("swap"); // the first driver leaves and the second arrives
    QTest::addColumn<QByteArray>("filter");
    QTest::newRow("none chosen, another arrives while it is away") << true << QByteArray();
    QTest::newRow("chosen, another chosen meanwhile") << false << QByteArray("261107001");
}

void TestUsbDevice::commandKeepsItsDriver()
{
    QFETCH(bool, swap);
    QFETCH(QByteArray, filter);
    bus = std::make_unique<SimulatedBus>();
    second.setSerial("261107002");
    second.clearTransferLog();
    if (!swap) {
        bus->host().addDevice(second);
        bus->host().sync();
    }
    USBLC350 device;
    device.setSerialFilter(filter);
    quint32 status = 0;
    {
        const UsbDevice::Command command(device);
        QCOMPARE(device.StatusGet(status), 0);
        QCOMPARE(device.commandSerial(), QByteArray("261107001"));
        if (swap) {
            bus->device().unplug();
            bus->host().addDevice(second);
            bus->host().sync();
        } else {
            device.setSerialFilter("261107002");
        }
        device.disconnect(); // as a failed transfer leaves it
        const int result = device.StatusGet(status);
        QCOMPARE(second.commandLog().size(), 0);
        if (swap) {
            QCOMPARE(result, -1);
            QCOMPARE(device.lastResult().outcome, Connection::Outcome::Unplugged);
            QVERIFY(Connection::describe(device.lastResult()).contains("261107001"));
            // Back on the bus, it is the command's driver again.
            bus->device().replug();
            bus->host().sync();
        }
        QCOMPARE(device.StatusGet(status), 0);
        QCOMPARE(device.read_serial_string(), QByteArray("261107001"));
        QCOMPARE(second.commandLog().size(), 0);
    }
    device.setSerialFilter("261107002");
    device.disconnect();
    QCOMPARE(device.StatusGet(status), 0);
    QCOMPARE(device.read_serial_string(), QByteArray("261107002"));
}

// The monitor reads a new driver's identification, serial, versions and
// status; with the first driver slow, a connect to the other one, from a
// fresh enumeration, ends while the monitor still waits on the slow one.
void TestUsbDevice::slowDriverHoldsUpNoConnectWhileWatched()
{
    SimulatedBus::Options options;
    options.virtualClock = false;
    bus = std::make_unique<SimulatedBus>(options);
    second.setSerial("261107002");
    bus->host().addDevice(second);
    bus->host().sync();
    bus->device().setLatencyMs(1000);

    DriverMonitor monitor;
    QSignalSpy listed(&monitor, &DriverMonitor::driversChanged);
    monitor.setIntervals(50, 0);
    monitor.start();
    QThread::msleep(200); // the monitor waits on the slow driver's identification

    USBLC350 fast;
    fast.setSerialFilter("261107002");
    QCOMPARE(fast.connect(), 0);
    quint8 word[4] = {};
    QCOMPARE(fast.control_receive(Driver::GetStatus, 0, 0, word, 4), 4);
    // The first list comes only once the slow driver has been read.
    QCoreApplication::processEvents();
    QCOMPARE(listed.count(), 0);
    QVERIFY(monitor.drivers().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(monitor.drivers().size(), 2, 15000);
    monitor.stop();
}

// Once every driver's serial was read (as lc420-cli --all does first), a
// connect for one driver sends nothing to another, which may be stalled.
void TestUsbDevice::knownOtherDriverIsNotAskedAgain()
{
    bus = std::make_unique<SimulatedBus>();
    second.setSerial("261107002");
    bus->host().addDevice(second);
    bus->host().sync();
    USBLC350 lister;
    QCOMPARE(lister.listDrivers().size(), 2);
    const qsizetype before = bus->device().transferLog().size();

    USBLC350 other;
    other.setSerialFilter("261107002");
    QCOMPARE(other.connect(), 0);
    quint8 word[4] = {};
    QCOMPARE(other.control_receive(Driver::GetStatus, 0, 0, word, 4), 4);
    QCOMPARE(bus->device().transferLog().size(), before);
}

QTEST_GUILESS_MAIN(TestUsbDevice)
#include "tst_usbdevice.moc"
