// The simulated driver as a program sees it: through the real libusb-0.1 and the
// umockdev preload (this test runs under umockdev-wrapper).

#include "core/clock.h"
#include "sim/simulatedbus.h"
#include "usb/scramble.h"

#include <QTest>
#include <QThread>
#include <QtEndian>

#include <atomic>
#include <cerrno>
#include <memory>
#include <usb.h>

using Model = Lc420Model;
using Mode = Lc420Model::Mode;
using Match = Lc420Model::Match;

namespace {

constexpr int Timeout = 2000;

// The Lc420 devices on the buses, in libusb's order, after a fresh scan.
QList<struct usb_device *> scan()
{
    usb_init();
    usb_find_busses();
    usb_find_devices();
    QList<struct usb_device *> found;
    for (struct usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device *device = bus->devices; device; device = device->next) {
            if (device->descriptor.idVendor == Model::VendorId
                && device->descriptor.idProduct == Model::ProductId)
                found.append(device);
        }
    }
    return found;
}

// An opened, configured device with interface 0 claimed.
class Handle
{
public:
    explicit Handle(struct usb_device *device)
        : handle(usb_open(device))
    {
        if (handle
            && (usb_set_configuration(handle, 1) < 0 || usb_claim_interface(handle, 0) < 0)) {
            usb_close(handle);
            handle = nullptr;
        }
    }
    ~Handle()
    {
        if (handle) {
            usb_release_interface(handle, 0);
            usb_close(handle);
        }
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    [[nodiscard]] bool isOpen() const { return handle != nullptr; }
    [[nodiscard]] usb_dev_handle *get() const { return handle; }

    int in(int request, quint32 address, QByteArray &data) const
    {
        return usb_control_msg(handle, 0xC0, request, int(address & 0xFFFF), int(address >> 16),
                               data.data(), int(data.size()), Timeout);
    }
    int out(int request, quint32 address, QByteArray data) const
    {
        return usb_control_msg(handle, 0x40, request, int(address & 0xFFFF), int(address >> 16),
                               data.isEmpty() ? nullptr : data.data(), int(data.size()), Timeout);
    }
    [[nodiscard]] quint16 identification() const
    {
        QByteArray reply(2, '\0');
        return in(255, 0, reply) == 2 ? qFromLittleEndian<quint16>(reply.constData()) : 0;
    }
    [[nodiscard]] QString serial() const
    {
        char buffer[256] = {};
        const int count = usb_get_descriptor(handle, USB_DT_STRING, 3, buffer, sizeof buffer);
        QString text;
        for (int i = 2; i + 1 < count; i += 2)
            text += QChar(quint8(buffer[i]) | quint8(buffer[i + 1]) << 8);
        return text;
    }

private:
    usb_dev_handle *handle = nullptr;
};

std::unique_ptr<Handle> openFirst()
{
    const QList<struct usb_device *> devices = scan();
    if (devices.isEmpty())
        return nullptr;
    auto handle = std::make_unique<Handle>(devices.first());
    return handle->isOpen() ? std::move(handle) : nullptr;
}

QByteArray pattern(int length, int seed)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char((i * 11 + seed * 3 + (i >> 7)) & 0xFF);
    return bytes;
}

} // namespace

class TestSimBus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void enumerationAndDescriptors();
    void onlyConfigurationOneAndInterfaceZero();
    void serialStringDescriptor_data();
    void serialStringDescriptor();
    void requestsThroughLibusb_data();
    void requestsThroughLibusb();
    void scrambledReadsAndPageWritesRoundTrip();
    void resetTakesDeviceOffTheBus();
    void bootloaderRefusesBadApplication();
    void faultsReachTheCaller();
    void unplugAndReplugSeenByNextScan();
    void unplugAfterTransfers();
    void impostorEnumeratedFirst_data();
    void impostorEnumeratedFirst();
    void noDevicePlugged();
    void latencyCostsVirtualTime();
    void twoThreadsDoingTransfers();
    void realClockResetComesBack();

private:
    std::unique_ptr<SimulatedBus> bus;
};

void TestSimBus::initTestCase()
{
    QVERIFY2(SimHost::inMockEnvironment(), "run this test under umockdev-wrapper");
}

void TestSimBus::cleanup()
{
    bus.reset();
}

void TestSimBus::enumerationAndDescriptors()
{
    bus = std::make_unique<SimulatedBus>();
    const QList<struct usb_device *> devices = scan();
    QCOMPARE(devices.size(), 1);
    const struct usb_device *device = devices.first();
    QCOMPARE(device->descriptor.bMaxPacketSize0, quint8(8));
    QCOMPARE(device->descriptor.iSerialNumber, quint8(3));
    QCOMPARE(device->descriptor.bNumConfigurations, quint8(1));
    QVERIFY(device->config);
    QCOMPARE(device->config->bConfigurationValue, quint8(1));
    QCOMPARE(device->config->bNumInterfaces, quint8(1));
    const struct usb_interface_descriptor &interface = device->config->interface[0].altsetting[0];
    QCOMPARE(interface.bInterfaceNumber, quint8(0));
    QCOMPARE(interface.bNumEndpoints, quint8(2));
    QCOMPARE(interface.endpoint[0].bEndpointAddress, quint8(0x02));
    QCOMPARE(interface.endpoint[1].bEndpointAddress, quint8(0x81));
    QCOMPARE(QString::fromLatin1(device->filename),
             bus->host().deviceNode(bus->device()).section(QLatin1Char('/'), -1));

    Handle handle(devices.first());
    QVERIFY(handle.isOpen());
    QCOMPARE(handle.identification(), quint16(0x00B2));
}

void TestSimBus::onlyConfigurationOneAndInterfaceZero()
{
    bus = std::make_unique<SimulatedBus>();
    const QList<struct usb_device *> devices = scan();
    QCOMPARE(devices.size(), 1);
    usb_dev_handle *handle = usb_open(devices.first());
    QVERIFY(handle);
    QVERIFY(usb_set_configuration(handle, 2) < 0);
    QVERIFY(usb_claim_interface(handle, 1) < 0);
    QCOMPARE(usb_set_configuration(handle, 1), 0);
    QCOMPARE(usb_claim_interface(handle, 0), 0);
    QCOMPARE(usb_release_interface(handle, 0), 0);
    usb_close(handle);
}

void TestSimBus::serialStringDescriptor_data()
{
    QTest::addColumn<bool>("bootloader");
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<QString>("expected");
    QTest::newRow("application") << false << QByteArray() << QStringLiteral("261107001");
    QTest::newRow("bootloader") << true << QByteArray() << QStringLiteral("261107001b");
    QTest::newRow("other serial") << false << QByteArray("270101042")
                                  << QStringLiteral("270101042");
}

void TestSimBus::serialStringDescriptor()
{
    QFETCH(bool, bootloader);
    QFETCH(QByteArray, serial);
    QFETCH(QString, expected);

    bus = std::make_unique<SimulatedBus>();
    if (bootloader)
        bus->device().setMode(Mode::Bootloader);
    if (!serial.isEmpty())
        bus->device().setSerial(serial);
    const std::unique_ptr<Handle> handle = openFirst();
    QVERIFY(handle);
    QCOMPARE(handle->serial(), expected);
    const Model::Transfer read = bus->device().transferLog().last();
    QCOMPARE(read.kind, Model::Transfer::Kind::StringDescriptor);
    QCOMPARE(read.requestType, quint8(0x80));
    QCOMPARE(read.value, quint16(0x0303));
    QCOMPARE(read.length, quint16(256)); // libusb asks for the whole buffer
}

void TestSimBus::requestsThroughLibusb_data()
{
    QTest::addColumn<bool>("in");
    QTest::addColumn<int>("request");
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expected");

    // clang-format off
    QTest::newRow("memory read 2048")           << true << 1 << 0x08005000u << 2048 << 2048;
    QTest::newRow("memory read past flash")     << true << 1 << 0x0801FF00u << 512 << -EPIPE;
    QTest::newRow("page write in application")  << false << 3 << 0x08004000u << 1024 << -EPIPE;
    QTest::newRow("external write 256")         << false << 6 << 0x15E00u << 256 << 256;
    QTest::newRow("status get")                 << true << 9 << 0u << 4 << 4;
    QTest::newRow("run application drops off")  << false << 4 << 0u << 0 << -EPROTO;
    QTest::newRow("unknown request")            << true << 42 << 0u << 8 << -EPIPE;
    // clang-format on
}

void TestSimBus::requestsThroughLibusb()
{
    QFETCH(bool, in);
    QFETCH(int, request);
    QFETCH(quint32, address);
    QFETCH(int, length);
    QFETCH(int, expected);

    bus = std::make_unique<SimulatedBus>();
    const std::unique_ptr<Handle> handle = openFirst();
    QVERIFY(handle);
    bus->device().clearTransferLog();
    QByteArray data(length, '\x01');
    QCOMPARE(in ? handle->in(request, address, data) : handle->out(request, address, data),
             expected);

    // The setup packet arrives as sent: the address split into wValue and wIndex.
    const QList<Model::Transfer> log = bus->device().transferLog();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log[0].in, in);
    QCOMPARE(int(log[0].request), request);
    QCOMPARE(log[0].value, quint16(address & 0xFFFF));
    QCOMPARE(log[0].index, quint16(address >> 16));
    QCOMPARE(int(log[0].length), length);
    QCOMPARE(log[0].result, expected);
}

void TestSimBus::scrambledReadsAndPageWritesRoundTrip()
{
    bus = std::make_unique<SimulatedBus>();
    Model &device = bus->device();
    device.setMode(Mode::Bootloader);
    const std::unique_ptr<Handle> handle = openFirst();
    QVERIFY(handle);

    const QByteArray plain = pattern(1024, 4);
    QByteArray page = plain;
    encodeWords(page.data(), 1024);
    QCOMPARE(handle->out(3, 0x0801FC00, page), 1024);
    QCOMPARE(device.read(Model::Memory::Internal, 0x0801FC00, 1024), plain);

    QByteArray back(1024, '\0');
    QCOMPARE(handle->in(1, 0x0801FC00, back), 1024);
    QCOMPARE(back, page); // the same key phase: one page, one transfer
    decodeWords(back.data(), 1024);
    QCOMPARE(back, plain);

    // The bootloader area stays as it was.
    const QByteArray bootloader = device.read(Model::Memory::Internal, 0x08003C00, 1024);
    QCOMPARE(handle->out(3, 0x08003C00, page), -EPIPE);
    QCOMPARE(device.read(Model::Memory::Internal, 0x08003C00, 1024), bootloader);
}

void TestSimBus::resetTakesDeviceOffTheBus()
{
    bus = std::make_unique<SimulatedBus>();
    bus->device().setResetTimeMs(1000);
    std::unique_ptr<Handle> handle = openFirst();
    QVERIFY(handle);
    QCOMPARE(handle->serial(), QStringLiteral("261107001"));
    const qint64 start = Clock::nowMs();

    QCOMPARE(handle->out(4, 0, {}), -EPROTO); // it left the bus without completing
    QVERIFY(scan().isEmpty());
    // The open handle belongs to the device that went away.
    QByteArray status(4, '\0');
    QCOMPARE(handle->in(9, 0, status), -ENODEV);
    handle.reset();

    Clock::sleepMs(999);
    QVERIFY(scan().isEmpty());
    Clock::sleepMs(1);
    QCOMPARE(Clock::nowMs() - start, qint64(1000));
    handle = openFirst();
    QVERIFY(handle);
    QCOMPARE(handle->serial(), QStringLiteral("261107001b"));
    QCOMPARE(handle->identification(), quint16(0x00B2));
    QCOMPARE(bus->device().mode(), Mode::Bootloader);
}

void TestSimBus::bootloaderRefusesBadApplication()
{
    bus = std::make_unique<SimulatedBus>();
    Model &device = bus->device();
    device.setMode(Mode::Bootloader);
    device.write(Model::Memory::Internal, 0x0801FFFC, QByteArray::fromHex("00000000"));
    QVERIFY(!device.applicationValid());

    std::unique_ptr<Handle> handle = openFirst();
    QVERIFY(handle);
    QCOMPARE(handle->out(4, 0, {}), 0);
    // It stays on the bus, in the bootloader, and the handle still works.
    QCOMPARE(handle->serial(), QStringLiteral("261107001b"));
    QCOMPARE(scan().size(), 1);

    // With the right check word it starts the application.
    device.write(Model::Memory::Internal, 0x0801FFFC, QByteArray(4, '\0'));
    const quint32 sum = Model::applicationSum(device.internalFlash());
    QByteArray word(4, '\0');
    qToLittleEndian<quint32>(sum, word.data());
    device.write(Model::Memory::Internal, 0x0801FFFC, word);
    device.setResetBehaviour(Model::ResetBehaviour::Acknowledge);
    handle = openFirst();
    QVERIFY(handle);
    QCOMPARE(handle->out(4, 0, {}), 0);
    handle.reset();
    QVERIFY(scan().isEmpty());
    Clock::sleepMs(device.resetTimeMs());
    handle = openFirst();
    QVERIFY(handle);
    QCOMPARE(handle->serial(), QStringLiteral("261107001"));
}

void TestSimBus::faultsReachTheCaller()
{
    bus = std::make_unique<SimulatedBus>();
    Model &device = bus->device();
    const std::unique_ptr<Handle> handle = openFirst();
    QVERIFY(handle);

    QByteArray status(4, '\0');
    device.failNextTransfers(2, Match::vendor(9));
    QCOMPARE(handle->in(9, 0, status), -ETIMEDOUT);
    QCOMPARE(handle->in(9, 0, status), -ETIMEDOUT);
    QCOMPARE(handle->in(9, 0, status), 4);

    // A stalled transfer costs the host's whole time-out, as it asked for it.
    device.stallTransfers(1, 1, Match::vendor(9));
    const qint64 before = Clock::nowMs();
    QCOMPARE(handle->in(9, 0, status), -ETIMEDOUT);
    QCOMPARE(Clock::nowMs() - before, qint64(Timeout));

    device.shortNextTransfers(1, 100, Match::vendor(1));
    QByteArray memory(2048, '\0');
    QCOMPARE(handle->in(1, 0x08004000, memory), 1948);

    device.setIdentificationWord(0x0042);
    QCOMPARE(handle->identification(), quint16(0x0042));

    device.setSerialStringOverride(QStringLiteral("12345678901"));
    QCOMPARE(handle->serial(), QStringLiteral("12345678901"));
}

void TestSimBus::unplugAndReplugSeenByNextScan()
{
    bus = std::make_unique<SimulatedBus>();
    Model &device = bus->device();
    const std::unique_ptr<Handle> before = openFirst();
    QVERIFY(before);

    device.unplug();
    QVERIFY(scan().isEmpty());
    QByteArray status(4, '\0');
    QCOMPARE(before->in(9, 0, status), -ENODEV);

    device.replug();
    const std::unique_ptr<Handle> after = openFirst();
    QVERIFY(after);
    QCOMPARE(after->in(9, 0, status), 4);
    // A handle from before the unplug stays dead, as with the kernel.
    QCOMPARE(before->in(9, 0, status), -ENODEV);

    // The fixture can also pull the plug, whatever the model says.
    bus->setPlugged(device, false);
    QVERIFY(scan().isEmpty());
    bus->setPlugged(device, true);
    QCOMPARE(scan().size(), 1);
}

void TestSimBus::unplugAfterTransfers()
{
    bus = std::make_unique<SimulatedBus>();
    Model &device = bus->device();
    const std::unique_ptr<Handle> handle = openFirst();
    QVERIFY(handle);
    device.unplugAfterTransfers(3, 500);

    QByteArray status(4, '\0');
    QCOMPARE(handle->in(9, 0, status), 4);
    QCOMPARE(handle->in(9, 0, status), 4);
    QCOMPARE(handle->in(9, 0, status), 4); // the third is answered, then the plug is pulled
    QCOMPARE(handle->in(9, 0, status), -ENODEV);
    QVERIFY(scan().isEmpty());
    Clock::sleepMs(499);
    QVERIFY(scan().isEmpty());
    Clock::sleepMs(1);
    QCOMPARE(scan().size(), 1);
}

void TestSimBus::impostorEnumeratedFirst_data()
{
    QTest::addColumn<bool>("impostorLater");
    QTest::newRow("both plugged in together") << false;
    QTest::newRow("impostor plugged in later") << true;
}

void TestSimBus::impostorEnumeratedFirst()
{
    QFETCH(bool, impostorLater);

    // The directory order behind libusb's list depends on the node names (a hash on
    // ext4), so try many fresh pairs of device numbers.
    for (int round = 0; round < 12; ++round) {
        SimulatedBus::Options options;
        options.impostor = true;
        bus.reset();
        bus = std::make_unique<SimulatedBus>(options);
        if (impostorLater) {
            bus->setPlugged(bus->impostor(), false);
            QCOMPARE(scan().size(), 1);
            bus->setPlugged(bus->impostor(), true);
        }

        const QList<struct usb_device *> devices = scan();
        QCOMPARE(devices.size(), 2);
        QList<quint16> words;
        for (struct usb_device *device : devices) {
            Handle handle(device);
            QVERIFY(handle.isOpen());
            words.append(handle.identification());
        }
        QCOMPARE(words, (QList<quint16>{0x00B3, 0x00B2}));
        QCOMPARE(bus->impostor().transferLog().size(), 1);
        QCOMPARE(bus->device().transferLog().size(), 1);
    }
}

void TestSimBus::noDevicePlugged()
{
    SimulatedBus::Options options;
    options.plugged = false;
    bus = std::make_unique<SimulatedBus>(options);
    QVERIFY(scan().isEmpty());
    QVERIFY(bus->host().deviceNode(bus->device()).isEmpty());
    bus->setPlugged(bus->device(), true);
    QCOMPARE(scan().size(), 1);
}

void TestSimBus::latencyCostsVirtualTime()
{
    bus = std::make_unique<SimulatedBus>();
    const std::unique_ptr<Handle> handle = openFirst();
    QVERIFY(handle);
    bus->device().setLatencyMs(25);
    const qint64 start = Clock::nowMs();
    QByteArray status(4, '\0');
    for (int i = 0; i < 4; ++i)
        QCOMPARE(handle->in(9, 0, status), 4);
    QCOMPARE(Clock::nowMs() - start, qint64(100));
}

void TestSimBus::twoThreadsDoingTransfers()
{
    bus = std::make_unique<SimulatedBus>();
    const QList<struct usb_device *> devices = scan();
    QCOMPARE(devices.size(), 1);
    Handle first(devices.first());
    Handle second(devices.first());
    QVERIFY(first.isOpen());
    QVERIFY(second.isOpen());

    constexpr int Rounds = 300;
    std::atomic<int> failures{0};
    // One thread writes and verifies external flash, the other reads memory: every
    // transfer must arrive whole and get its own answer.
    std::unique_ptr<QThread> writer(QThread::create([&] {
        for (int i = 0; i < Rounds; ++i) {
            const quint32 address = 0x20000 + quint32(i) * 256;
            QByteArray chunk = pattern(256, i);
            QByteArray back(256, '\0');
            if (first.out(6, address, chunk) != 256 || first.in(5, address, back) != 256
                || back != chunk)
                ++failures;
        }
    }));
    std::unique_ptr<QThread> reader(QThread::create([&] {
        const QByteArray expected = bus->device().read(Model::Memory::Internal, 0x08003FD0, 48);
        for (int i = 0; i < Rounds; ++i) {
            QByteArray memory(48, '\0');
            if (second.in(1, 0x08003FD0, memory) != 48)
                ++failures;
            decodeWords(memory.data(), 48);
            if (memory != expected)
                ++failures;
        }
    }));
    writer->start();
    reader->start();
    QVERIFY(writer->wait(60000));
    QVERIFY(reader->wait(60000));
    QCOMPARE(failures.load(), 0);
    QCOMPARE(bus->device().commandLog().size(), 3 * Rounds);
}

void TestSimBus::realClockResetComesBack()
{
    SimulatedBus::Options options;
    options.virtualClock = false;
    bus = std::make_unique<SimulatedBus>(options);
    QVERIFY(!Clock::isVirtual());
    // Long enough that a loaded machine still scans before it is over.
    bus->device().setResetTimeMs(1000);
    std::unique_ptr<Handle> handle = openFirst();
    QVERIFY(handle);
    QCOMPARE(handle->out(4, 0, {}), -EPROTO);
    handle.reset();
    QVERIFY(scan().isEmpty());
    // Brought back by the host's own timer: nothing here sleeps on Clock.
    QTRY_VERIFY_WITH_TIMEOUT(scan().size() == 1, 10000);
    handle = openFirst();
    QVERIFY(handle);
    QCOMPARE(handle->serial(), QStringLiteral("261107001b"));
}

QTEST_GUILESS_MAIN(TestSimBus)
#include "tst_simbus.moc"
