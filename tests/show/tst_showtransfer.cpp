#include "show/showtransfer.h"
#include "sim/simulatedbus.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QTest>

#include <algorithm>
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
    void faults_data();
    void faults();
    void goneOrStalled_data();
    void goneOrStalled();
    void describe_data();
    void describe();

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
    // A Set reads its table back once, a Get reads it twice.
    QTest::newRow("programs at 0x14000") << Kind::Programs << 0x14000u << 30 << 45;
    QTest::newRow("scenes at 0x15E00") << Kind::Scenes << 0x15E00u << 2 << 3;
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

void TestShowTransfer::faults_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<Error>("error");
    QTest::addColumn<bool>("released");
    QTest::addColumn<int>("tableTransfers");  // whole tables read or written
    QTest::addColumn<int>("firstDifference"); // record named by a Verify, else -1

    QTest::newRow("read fault") << false << "fail 5" << Error::Read << true << 0 << -1;
    QTest::newRow("write fault") << true << "fail 6" << Error::Write << true << 0 << -1;
    QTest::newRow("read-back fault") << true << "fail 5" << Error::Read << true << 1 << -1;
    QTest::newRow("get without a driver")
        << false << "unplug" << Error::Handshake << false << 0 << -1;
    QTest::newRow("set without a driver")
        << true << "unplug" << Error::Handshake << false << 0 << -1;
    QTest::newRow("status bit never confirmed")
        << true << "fail 7" << Error::Handshake << false << 0 << -1;
    QTest::newRow("get: one read answered wrong, a third read agrees")
        << false << "corrupt 5 once" << Error::None << true << 3 << -1;
    QTest::newRow("get: every other read answered wrong")
        << false << "corrupt 5 odd" << Error::Unstable << true << 4 << -1;
    QTest::newRow("set: one byte stored wrong, written again")
        << true << "corrupt 6 once" << Error::None << true << 4 << -1;
    QTest::newRow("set: read-back answered wrong, written again")
        << true << "corrupt 5 once" << Error::None << true << 4 << -1;
    QTest::newRow("set: the driver keeps a wrong byte in scene 3")
        << true << "corrupt range" << Error::Verify << true << 4 << 2;
}

void TestShowTransfer::faults()
{
    QFETCH(bool, write);
    QFETCH(QString, fault);
    QFETCH(Error, error);
    QFETCH(bool, released);
    QFETCH(int, tableTransfers);
    QFETCH(int, firstDifference);

    const Kind kind = Kind::Scenes; // one chunk per read: a table transfer is one request 5
    Lc420Model &driver = bus->device();
    const QByteArray before = patternTable(kind, 3);
    QByteArray stored = before;
    encodeWords(stored.data(), int(stored.size()));
    driver.write(Memory::External, SceneTableAddress, stored);
    if (fault == QLatin1String("unplug"))
        driver.unplug();
    else if (fault == QLatin1String("corrupt range"))
        driver.corruptReadBack(Memory::External, SceneTableAddress + 100, 1);
    else if (fault.startsWith(QLatin1String("corrupt")))
        for (int nth : fault.endsWith(QLatin1String("odd")) ? QList<int>{1, 3} : QList<int>{1})
            driver.corruptTransfer(nth, Match::vendor(quint8(fault.at(8).digitValue())));
    else // more failures than the external-flash retries or the status reads allow
        driver.failNextTransfers(200, Match::vendor(quint8(fault.at(5).digitValue())));

    QByteArray table = patternTable(kind, 2);
    int committed = 0;
    const TransferResult result
        = write ? writeTable(*device, kind, table, [&committed] { ++committed; })
                : readTable(*device, kind, table);
    QCOMPARE(result.error, error);
    QCOMPARE(result.released, released);
    QCOMPARE(result.ok(), error == Error::None);
    QCOMPARE(committed, write && error != Error::Handshake ? 1 : 0);
    // A Get takes only a table it could confirm; a Set leaves the driver
    // holding the table unless it says otherwise.
    QCOMPARE(table, !write && error == Error::None ? before : patternTable(kind, 2));
    if (write && error == Error::None) {
        QByteArray now = driver.read(Memory::External, SceneTableAddress, tableSize(kind));
        decodeWords(now.data(), int(now.size()));
        QCOMPARE(now, table);
    }
    QCOMPARE(result.differences.isEmpty() ? -1 : result.differences.first().record,
             firstDifference);

    // The status release is the last request of every transfer.
    const QList<Lc420Model::Transfer> log = driver.commandLog();
    const auto answered = [&log](quint8 request) {
        return std::count_if(log.begin(), log.end(), [request](const Lc420Model::Transfer &t) {
            return t.request == request && t.result > 0;
        });
    };
    QCOMPARE(answered(5) + answered(6) / 2, tableTransfers);
    QCOMPARE(answered(8), released ? 1 : 0);
    if (released)
        QCOMPARE(log.last().request, quint8(8));
    QCOMPARE(driver.status() & 1, 0u);
}

// A driver that went away is told from one that refused: both leave the lock
// unreleased, but only one of them can be asked to release it now.
void TestShowTransfer::goneOrStalled_data()
{
    QTest::addColumn<bool>("gone");
    QTest::addColumn<Error>("error");
    QTest::addColumn<QString>("says");

    QTest::newRow("unplugged for good during the write")
        << true << Error::Write
        << "The driver was disconnected during the transfer; it may hold the scenes only in "
           "part. Its status bit 0 may still be set.";
    QTest::newRow("the release stalls")
        << false << Error::None
        << "The scenes were written. The driver could not be unlocked afterwards: its status "
           "bit 0 is still set.";
}

void TestShowTransfer::goneOrStalled()
{
    QFETCH(bool, gone);
    QFETCH(Error, error);
    QFETCH(QString, says);
    const Kind kind = Kind::Scenes;
    const QByteArray table = patternTable(kind, 4);
    if (gone) {
        // Where the write is in a clean run, then the same run cut right after it.
        QCOMPARE(writeTable(*device, kind, table).error, Error::None);
        const QList<Lc420Model::Transfer> clean = bus->device().transferLog();
        const auto write = std::find_if(clean.begin(), clean.end(), [](const auto &t) {
            return t.kind == Lc420Model::Transfer::Kind::Command && t.request == 6;
        });
        QVERIFY(write != clean.end());
        const int cut = int(write - clean.begin()) + 1;
        cleanup();
        init();
        bus->device().unplugAfterTransfers(cut);
    } else {
        bus->device().failNextTransfers(200, Match::vendor(8));
    }
    const TransferResult result = writeTable(*device, kind, table);
    QCOMPARE(result.error, error);
    QCOMPARE(result.released, false);
    QCOMPARE(result.disconnected(), gone);
    QVERIFY(result.mayLeaveLocked());
    QCOMPARE(Show::describe(result, kind, Direction::Write), says);
}

// The sentences every front end shows: what the driver holds and whether its
// lock may be left, in words that name no button, command or "record".
void TestShowTransfer::describe_data()
{
    QTest::addColumn<Error>("error");
    QTest::addColumn<Connection::Outcome>("cause");
    QTest::addColumn<int>("locked"); // -1: the driver could not be asked
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("says");

    using O = Connection::Outcome;
    const int read = int(Direction::Read);
    const int write = int(Direction::Write);
    QTest::newRow("handshake failed") << Error::Handshake << O::TimedOut << -1 << read
                                      << "nothing was transferred. Its status bit 0 may have "
                                         "been left set.";
    QTest::newRow("read failed, lock released")
        << Error::Read << O::Refused << 0 << read
        << "so none were taken. The driver refused a USB transfer. Its status bit 0 was cleared "
           "again.";
    QTest::newRow("read failed, driver gone")
        << Error::Read << O::Unplugged << -1 << read
        << "disconnected during the transfer, so no programs were taken. Its status bit 0 may "
           "still be set.";
    QTest::newRow("write timed out, the bit read back set")
        << Error::Write << O::TimedOut << 1 << write
        << "it may hold them only in part. The driver did not answer in time (USB time-out); "
           "check the USB cable. Its status bit 0 is still set.";
    QTest::newRow("verify names the first step")
        << Error::Verify << O::Connected << 0 << write << "(first at program 1, step 2)";
    QTest::newRow("read, then gone before the release")
        << Error::None << O::Unplugged << -1 << read
        << "The programs were read. Then the driver was disconnected before it could be "
           "unlocked";
    QTest::newRow("written, but not released")
        << Error::None << O::Refused << -1 << write
        << "The programs were written. The driver could not be unlocked afterwards";
    QTest::newRow("success names the driver")
        << Error::None << O::Connected << 0 << write << "Wrote 8 programs to driver 261107001.";
}

void TestShowTransfer::describe()
{
    QFETCH(Error, error);
    QFETCH(Connection::Outcome, cause);
    QFETCH(int, locked);
    QFETCH(int, direction);
    QFETCH(QString, says);
    TransferResult result;
    result.error = error;
    result.cause = cause;
    result.released = locked == 0;
    if (locked >= 0)
        result.locked = locked == 1;
    if (error == Error::Verify)
        result.differences.append(RecordDifference{1, {}, {}});
    const QString text = Show::describe(result, Kind::Programs, Direction(direction), "261107001");
    QVERIFY2(text.contains(says), qPrintable(text));
    for (const char *word : {"press", "Press", "Set", "Get", "record", "lc420-cli"})
        QVERIFY2(!text.contains(QLatin1String(word)), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestShowTransfer)
#include "tst_showtransfer.moc"
