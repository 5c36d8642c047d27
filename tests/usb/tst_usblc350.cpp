#include "sim/simulatedbus.h"
#include "tests/support/tracecapture.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using Match = Lc420Model::Match;
using Memory = Lc420Model::Memory;

namespace {

QList<int> spyValues(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &call : spy)
        values.append(call.at(0).toInt());
    return values;
}

QByteArray pattern(int length, int seed)
{
    QByteArray data(length, '\0');
    for (int i = 0; i < length; ++i)
        data[i] = char((i * 31 + seed) & 0xFF);
    return data;
}

} // namespace

class TestUsbLc350 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { bus = std::make_unique<SimulatedBus>(); }
    void cleanup() { bus.reset(); }

    void memoryReadChunks_data();
    void memoryReadChunks();
    void memoryReadShortChunkFails();
    void addressTravelsInSetupPacket();
    void pageWriteEncodesCallersBuffer();
    void pageWriteRefusedByApplication();
    void externalTransfersChunkAndProgress_data();
    void externalTransfersChunkAndProgress();
    void externalProgressForAWholeMebibyte();
    void externalRetryBudget_data();
    void externalRetryBudget();
    void externalZeroLengthDoesNothing();
    void statusCommands();
    void statusGetWithoutDriver();
    void handshake_data();
    void handshake();
    void runApplicationResetsIntoBootloader();

private:
    std::unique_ptr<SimulatedBus> bus;
};

void TestUsbLc350::memoryReadChunks_data()
{
    QTest::addColumn<quint32>("length");
    QTest::addColumn<QList<int>>("chunks");
    QTest::newRow("5000 bytes: 2048/2048/904") << 5000u << QList<int>{2048, 2048, 904};
    QTest::newRow("2048 bytes: one chunk") << 2048u << QList<int>{2048};
    QTest::newRow("2049 bytes: trailing byte alone") << 2049u << QList<int>{2048, 1};
    QTest::newRow("zero: no transfer") << 0u << QList<int>{};
}

void TestUsbLc350::memoryReadChunks()
{
    QFETCH(quint32, length);
    QFETCH(QList<int>, chunks);
    const quint32 address = 0x08000100;
    USBLC350 device;
    QByteArray buffer(int(length) + 1, '\x77');

    QCOMPARE(device.ReadMemoryFromAddress(buffer.data(), address, length), 0);
    QCOMPARE(buffer.left(int(length)), bus->device().read(Memory::Internal, address, int(length)));
    QCOMPARE(buffer.at(int(length)), '\x77'); // nothing written past the length

    const QList<Lc420Model::Transfer> log = bus->device().commandLog();
    QCOMPARE(log.size(), chunks.size());
    quint32 at = address;
    for (int i = 0; i < log.size(); ++i) {
        QCOMPARE(log[i].request, quint8(1));
        QCOMPARE(int(log[i].length), chunks[i]);
        QCOMPARE(log[i].address(), at);
        at += quint32(chunks[i]);
    }
}

void TestUsbLc350::memoryReadShortChunkFails()
{
    USBLC350 device;
    bus->device().shortNextTransfers(1, 4, Match::vendor(1));
    QByteArray buffer(4096, '\0');
    QCOMPARE(device.ReadMemoryFromAddress(buffer.data(), 0x08000000, 4096), -1);
    QCOMPARE(bus->device().commandLog().size(), 1); // gave up at once, no retry
}

void TestUsbLc350::addressTravelsInSetupPacket()
{
    USBLC350 device;
    QByteArray buffer(16, '\0');
    QCOMPARE(device.ReadMemoryFromAddress(buffer.data(), 0x08005000, 16), 0);
    const Lc420Model::Transfer t = bus->device().commandLog().value(0);
    QCOMPARE(t.value, quint16(0x5000));
    QCOMPARE(t.index, quint16(0x0800));
}

void TestUsbLc350::pageWriteEncodesCallersBuffer()
{
    bus->device().setMode(Lc420Model::Mode::Bootloader);
    USBLC350 device;
    const QByteArray plain = pattern(1024, 3);
    QByteArray page = plain;
    QByteArray encoded = plain;
    encodeWords(encoded.data(), 1024);

    QCOMPARE(device.WritePageToAddress(page.data(), 0x08005000), 0);
    QCOMPARE(page, encoded); // the caller's buffer holds what went out
    QCOMPARE(bus->device().read(Memory::Internal, 0x08005000, 1024), plain);

    // The same buffer again is sent encoded twice: the driver stores other data.
    QCOMPARE(device.WritePageToAddress(page.data(), 0x08005000), 0);
    QCOMPARE(bus->device().read(Memory::Internal, 0x08005000, 1024), encoded);

    const Lc420Model::Transfer t = bus->device().commandLog().value(0);
    QCOMPARE(t.request, quint8(3));
    QCOMPARE(int(t.length), 1024);
    QCOMPARE(t.address(), 0x08005000u);
}

void TestUsbLc350::pageWriteRefusedByApplication()
{
    USBLC350 device;
    const QByteArray before = bus->device().read(Memory::Internal, 0x08005000, 1024);
    QByteArray page(1024, '\x55');
    QCOMPARE(device.WritePageToAddress(page.data(), 0x08005000), -1);
    QCOMPARE(bus->device().read(Memory::Internal, 0x08005000, 1024), before);
}

void TestUsbLc350::externalTransfersChunkAndProgress_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<quint32>("length");
    QTest::addColumn<QList<int>>("chunks");
    QTest::addColumn<QList<int>>("percents");
    QTest::newRow("write 600: 256/256/88")
        << true << 600u << QList<int>{256, 256, 88} << QList<int>{42, 85, 100};
    QTest::newRow("read 512: one chunk, one 100")
        << false << 512u << QList<int>{512} << QList<int>{100};
    QTest::newRow("read 1100: 512/512/76")
        << false << 1100u << QList<int>{512, 512, 76} << QList<int>{46, 93, 100};
    QTest::newRow("write 1: one byte") << true << 1u << QList<int>{1} << QList<int>{100};
}

void TestUsbLc350::externalTransfersChunkAndProgress()
{
    QFETCH(bool, write);
    QFETCH(quint32, length);
    QFETCH(QList<int>, chunks);
    QFETCH(QList<int>, percents);
    const quint32 address = 0x14000;
    USBLC350 device;
    QSignalSpy writeSpy(&device, &USBLC350::sendPercentExtFlashWrite);
    QSignalSpy readSpy(&device, &USBLC350::sendPercentExtFlashRead);
    const QByteArray data = pattern(int(length), 9);

    if (write) {
        QCOMPARE(device.WriteExternalFlashToAddress(data.constData(), address, length), 0);
        QCOMPARE(bus->device().read(Memory::External, address, int(length)), data);
        QCOMPARE(spyValues(writeSpy), percents);
        QCOMPARE(readSpy.count(), 0);
    } else {
        bus->device().write(Memory::External, address, data);
        QByteArray buffer(int(length), '\0');
        QCOMPARE(device.ReadExternalFlashFromAddress(buffer.data(), address, length), 0);
        QCOMPARE(buffer, data); // exactly as stored, no decoding
        QCOMPARE(spyValues(readSpy), percents);
        QCOMPARE(writeSpy.count(), 0);
    }

    const QList<Lc420Model::Transfer> log = bus->device().commandLog();
    QCOMPARE(log.size(), chunks.size());
    quint32 at = address;
    for (int i = 0; i < log.size(); ++i) {
        QCOMPARE(log[i].request, quint8(write ? 6 : 5));
        QCOMPARE(int(log[i].length), chunks[i]);
        QCOMPARE(log[i].address(), at);
        at += quint32(chunks[i]);
    }
}

void TestUsbLc350::externalProgressForAWholeMebibyte()
{
    USBLC350 device;
    QSignalSpy spy(&device, &USBLC350::sendPercentExtFlashRead);
    QByteArray buffer(1 << 20, '\0');
    QCOMPARE(device.ReadExternalFlashFromAddress(buffer.data(), 0, 1u << 20), 0);
    const QList<int> values = spyValues(spy);
    QCOMPARE(values.size(), 2048);
    QCOMPARE(values.last(), 100);
    for (int i = 0; i < values.size(); ++i) {
        QVERIFY(values[i] >= 1 && values[i] <= 100);
        QVERIFY(i == 0 || values[i] >= values[i - 1]);
    }
}

void TestUsbLc350::externalRetryBudget_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<int>("result");
    QTest::newRow("100 failed chunks then success") << 100 << 0;
    QTest::newRow("101st failure gives up") << 101 << -1;
}

void TestUsbLc350::externalRetryBudget()
{
    QFETCH(int, failures);
    QFETCH(int, result);
    USBLC350 device;
    QSignalSpy spy(&device, &USBLC350::sendPercentExtFlashWrite);
    // The first chunk goes through, then the second one fails again and again.
    Lc420Model::Fault fault;
    fault.match = Match::vendor(6);
    fault.skip = 1;
    fault.count = failures;
    bus->device().addFault(fault);
    const QByteArray data = pattern(512, 1);

    QCOMPARE(device.WriteExternalFlashToAddress(data.constData(), 0x100, 512), result);
    QCOMPARE(bus->device().commandLog().size(), 1 + qMin(failures, 101) + (result == 0 ? 1 : 0));
    if (result == 0) {
        QCOMPARE(bus->device().read(Memory::External, 0x100, 512), data);
        QCOMPARE(spyValues(spy), QList<int>({50, 100}));
    } else {
        QCOMPARE(spyValues(spy), QList<int>({50}));
    }
}

void TestUsbLc350::externalZeroLengthDoesNothing()
{
    USBLC350 device;
    QSignalSpy spy(&device, &USBLC350::sendPercentExtFlashWrite);
    QCOMPARE(device.WriteExternalFlashToAddress(nullptr, 0, 0), 0);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(bus->device().transferLog().size(), 0);
}

void TestUsbLc350::statusCommands()
{
    USBLC350 device;
    bus->device().setStatus(0x80000000);
    quint32 status = 0;
    QCOMPARE(device.StatusGet(status), 0);
    QCOMPARE(status, 0x80000000u);
    QCOMPARE(device.StatusSet(1), 0);
    QCOMPARE(bus->device().status(), 0x80000001u);
    QCOMPARE(device.StatusClr(1), 0);
    QCOMPARE(bus->device().status(), 0x80000000u);

    bus->device().shortNextTransfers(1, 1, Match::vendor(9));
    status = 42;
    QCOMPARE(device.StatusGet(status), -1);
    QCOMPARE(status, 42u); // untouched on failure
}

void TestUsbLc350::statusGetWithoutDriver()
{
    bus->setPlugged(bus->device(), false);
    USBLC350 device;
    quint32 status = 7;
    QCOMPARE(device.StatusGet(status), -1);
    QCOMPARE(status, 7u);
}

void TestUsbLc350::handshake_data()
{
    QTest::addColumn<quint32>("status");
    QTest::addColumn<int>("failedReads");
    QTest::addColumn<int>("result");
    QTest::addColumn<QList<int>>("requests");
    QTest::newRow("bit already set: no StatusSet") << 1u << 0 << 0 << QList<int>{9};
    QTest::newRow("bit clear: set, then seen") << 0u << 0 << 0 << QList<int>{9, 7, 9};
    QTest::newRow("one failed read, then seen") << 1u << 1 << 0 << QList<int>{9, 9};
    QTest::newRow("eleven failed reads: give up") << 1u << 11 << -1 << QList<int>(11, 9);
}

void TestUsbLc350::handshake()
{
    QFETCH(quint32, status);
    QFETCH(int, failedReads);
    QFETCH(int, result);
    QFETCH(QList<int>, requests);
    bus->device().setStatus(status);
    bus->device().failNextTransfers(failedReads, Match::vendor(9));
    USBLC350 device;
    QCOMPARE(device.StatusSetAndWait(), result);
    QList<int> seen;
    for (const Lc420Model::Transfer &t : bus->device().commandLog())
        seen.append(t.request);
    QCOMPARE(seen, requests);
    QCOMPARE(bus->device().status() & 1u, result == 0 ? 1u : status & 1u);
}

void TestUsbLc350::runApplicationResetsIntoBootloader()
{
    USBLC350 device;
    TraceCapture trace;
    device.RunApplication();
    QCOMPARE(trace.lines().value(0), QStringLiteral("USBLC350::RunApplication(void)"));
    QCOMPARE(bus->device().mode(), Lc420Model::Mode::Bootloader);
}

QTEST_GUILESS_MAIN(TestUsbLc350)
#include "tst_usblc350.moc"
