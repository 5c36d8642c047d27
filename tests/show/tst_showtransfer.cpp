#include "show/showtransfer.h"
#include "sim/simulatedbus.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QTest>

#include <memory>

using namespace Show;
using Error = TransferResult::Error;
using Match = Lc420Model::Match;
using Memory = Lc420Model::Memory;

namespace {

QByteArray patternTable(Kind kind, int seed)
{
    QByteArray table(tableSize(kind), '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(i * 13 + seed);
    return table;
}

QList<quint8> requests(const QList<Lc420Model::Transfer> &log)
{
    QList<quint8> list;
    for (const Lc420Model::Transfer &t : log)
        list.append(t.request);
    return list;
}

} // namespace

class TestShowTransfer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void setThenGet_data();
    void setThenGet();
    void failures_data();
    void failures();

private:
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<USBLC350> device;
    QList<bool> lockedDuringTransfer;
};

void TestShowTransfer::init()
{
    bus = std::make_unique<SimulatedBus>();
    device = std::make_unique<USBLC350>();
    lockedDuringTransfer.clear();
    const auto sample = [this](int) { lockedDuringTransfer.append(bus->device().status() & 1); };
    connect(device.get(), &USBLC350::sendPercentExtFlashRead, this, sample);
    connect(device.get(), &USBLC350::sendPercentExtFlashWrite, this, sample);
}

void TestShowTransfer::cleanup()
{
    device.reset();
    bus.reset();
}

void TestShowTransfer::setThenGet_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("reads");
    QTest::newRow("programs at 0x14000") << Kind::Programs << 0x14000u << 30 << 15;
    QTest::newRow("scenes at 0x15E00") << Kind::Scenes << 0x15E00u << 2 << 1;
}

void TestShowTransfer::setThenGet()
{
    QFETCH(Kind, kind);
    QFETCH(quint32, address);
    QFETCH(int, writes);
    QFETCH(int, reads);
    const int length = tableSize(kind);

    // The table handed over is brought up to date under the lock, as the
    // window commits its shown record there.
    QByteArray table = patternTable(kind, 1);
    const TransferResult set
        = writeTable(*device, kind, table, [&table, length] { table[length - 1] = '\x5A'; });
    QCOMPARE(set.error, Error::None);
    QVERIFY(set.released);

    // Stored as one block scrambled from its first word.
    QByteArray stored = bus->device().read(Memory::External, address, length);
    decodeWords(stored.data(), length);
    QCOMPARE(stored, table);
    // Untouched around it.
    QCOMPARE(bus->device().read(Memory::External, address + quint32(length), 4),
             QByteArray(4, '\xFF'));

    QByteArray back(length, '\0');
    const TransferResult get = readTable(*device, kind, back);
    QCOMPARE(get.error, Error::None);
    QCOMPARE(back, table);

    // Locked for every chunk, released after each transfer.
    QCOMPARE(lockedDuringTransfer, QList<bool>(writes + reads, true));
    QCOMPARE(bus->device().status() & 1, 0u);
    const QList<quint8> log = requests(bus->device().commandLog());
    QCOMPARE(log.count(6), writes);
    QCOMPARE(log.count(5), reads);
    QCOMPARE(log.count(8), 2);
    QCOMPARE(log.last(), quint8(8));
    QCOMPARE(log.indexOf(quint8(6)), log.indexOf(quint8(7)) + 2); // set, read back, write
}

void TestShowTransfer::failures_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<Error>("error");
    QTest::addColumn<bool>("released");

    QTest::newRow("read fault") << false << "fail 5" << Error::Read << true;
    QTest::newRow("write fault") << true << "fail 6" << Error::Write << true;
    QTest::newRow("get without a driver") << false << "unplug" << Error::Handshake << false;
    QTest::newRow("set without a driver") << true << "unplug" << Error::Handshake << false;
    QTest::newRow("status bit never confirmed") << true << "fail 7" << Error::Handshake << false;
}

void TestShowTransfer::failures()
{
    QFETCH(bool, write);
    QFETCH(QString, fault);
    QFETCH(Error, error);
    QFETCH(bool, released);

    const Kind kind = Kind::Scenes;
    if (fault == QLatin1String("unplug"))
        bus->device().unplug();
    else // more failures than the external-flash retries or the status reads allow
        bus->device().failNextTransfers(200, Match::vendor(quint8(fault.back().digitValue())));

    QByteArray table = patternTable(kind, 2);
    int committed = 0;
    const TransferResult result
        = write ? writeTable(*device, kind, table, [&committed] { ++committed; })
                : readTable(*device, kind, table);
    QCOMPARE(result.error, error);
    QCOMPARE(result.released, released);
    QVERIFY(!result.ok());
    QCOMPARE(table, patternTable(kind, 2)); // a failed read leaves the table as it was
    QCOMPARE(committed, write && error != Error::Handshake ? 1 : 0);

    const QList<quint8> log = requests(bus->device().commandLog());
    QCOMPARE(log.contains(8), released);
    QCOMPARE(bus->device().status() & 1, 0u);
}

QTEST_GUILESS_MAIN(TestShowTransfer)
#include "tst_showtransfer.moc"
