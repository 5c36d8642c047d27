#include "core/clock.h"
#include "sim/lc420model.h"
#include "usb/scramble.h"

#include <QTest>
#include <QThread>
#include <QtEndian>

#include <atomic>
#include <cerrno>

using Model = Lc420Model;
using Mode = Lc420Model::Mode;
using Memory = Lc420Model::Memory;
using Match = Lc420Model::Match;

Q_DECLARE_METATYPE(Lc420Model::Fault)
Q_DECLARE_METATYPE(Lc420Model::Mode)
Q_DECLARE_METATYPE(Lc420Model::ResetBehaviour)

namespace {

constexpr quint8 VendorIn = 0xC0;
constexpr quint8 VendorOut = 0x40;

Model::Setup setupFor(quint8 type, quint8 request, quint32 address, int length)
{
    Model::Setup setup;
    setup.requestType = type;
    setup.request = request;
    setup.value = quint16(address & 0xFFFF);
    setup.index = quint16(address >> 16);
    setup.length = quint16(length);
    return setup;
}

// One control transfer; data is the OUT payload, or receives the IN reply.
int transfer(Model &model, quint8 type, quint8 request, quint32 address, QByteArray &data)
{
    return model.control(setupFor(type, request, address, int(data.size())),
                         data.isEmpty() ? nullptr : reinterpret_cast<quint8 *>(data.data()));
}

QByteArray readMemory(Model &model, quint32 address, int length, int *result = nullptr)
{
    QByteArray data(length, '\0');
    const int count = transfer(model, VendorIn, Model::ReadMemory, address, data);
    if (result)
        *result = count;
    decodeWords(data.data(), length);
    return data;
}

QByteArray pattern(int length, int seed)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char((i * 7 + seed * 13 + (i >> 8)) & 0xFF);
    return bytes;
}

} // namespace

class TestLc420Model : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void freshState();
    void requestContract_data();
    void requestContract();
    void refusedRequestsChangeNothing();
    void memoryReadIsScrambledPerTransfer_data();
    void memoryReadIsScrambledPerTransfer();
    void bootAliasShowsInternalFlash();
    void pageWriteIsDescrambledPerPage();
    void externalFlashStoredAsGiven();
    void writesTakeFlashTime_data();
    void writesTakeFlashTime();
    void statusBits();
    void identificationWord();
    void stringDescriptors_data();
    void stringDescriptors();
    void serialDescriptorOverrideIsCutToWhatWasAsked();
    void applicationCheckWord();
    void runApplication_data();
    void runApplication();
    void resetKeepsDeviceOffBusForResetTime();
    void unplugPowersUpAnew_data();
    void unplugPowersUpAnew();
    void faults_data();
    void faults();
    void failedAndShortWritesHaveNoEffect();
    void corruptedReadBack();
    void corruptTransferSpoilsOneByte_data();
    void corruptTransferSpoilsOneByte();
    void transferLogRecordsEveryTransfer();
    void transfersAndControlCallsFromTwoThreads();
};

void TestLc420Model::initTestCase()
{
    Clock::setVirtual(true);
}

void TestLc420Model::cleanupTestCase()
{
    Clock::setVirtual(false);
}

void TestLc420Model::freshState()
{
    Model model;
    QCOMPARE(model.mode(), Mode::Application);
    QCOMPARE(model.serial(), QByteArray("261107001"));
    QCOMPARE(model.serialString(), QStringLiteral("261107001"));
    QCOMPARE(model.status(), 0u);
    QVERIFY(model.applicationValid());
    QVERIFY(model.isOnBus());
    QCOMPARE(model.internalFlash().size(), 131072);
    QCOMPARE(model.externalFlash(), QByteArray(1048576, char(0xFF)));
    // The version texts the upgrade shows, zero-terminated within their 16 bytes.
    QCOMPARE(model.read(Memory::Internal, 0x08003FD0, 16), QByteArray("LC420 BOOT 2.10\0", 16));
    QCOMPARE(model.read(Memory::Internal, 0x08003FE0, 16).left(11), QByteArray("2026-11-02\0", 11));
    QCOMPARE(model.read(Memory::Internal, 0x08003FF0, 10), QByteArray("261107001\0", 10));
    // Some bootloader code and some application code, not an erased chip.
    QVERIFY(model.read(Memory::Internal, 0x08000000, 16) != QByteArray(16, char(0xFF)));
    QVERIFY(model.read(Memory::Internal, 0x08004000, 16) != QByteArray(16, char(0xFF)));
}

void TestLc420Model::requestContract_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("request");
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("bootloader");
    QTest::addColumn<int>("expected");

    const int stall = -EPIPE;
    // clang-format off
    QTest::newRow("read memory 1 byte")          << 0xC0 << 1 << 0x08000000u << 1 << false << 1;
    QTest::newRow("read memory 2048 bytes")      << 0xC0 << 1 << 0x08004000u << 2048 << false << 2048;
    QTest::newRow("read memory last byte")       << 0xC0 << 1 << 0x0801FFFFu << 1 << false << 1;
    QTest::newRow("read memory in bootloader")   << 0xC0 << 1 << 0x08003FD0u << 32 << true << 32;
    QTest::newRow("read memory 0 bytes")         << 0xC0 << 1 << 0x08000000u << 0 << false << stall;
    QTest::newRow("read memory 2049 bytes")      << 0xC0 << 1 << 0x08000000u << 2049 << false << stall;
    QTest::newRow("read memory below flash")     << 0xC0 << 1 << 0x07FFFFFFu << 1 << false << stall;
    QTest::newRow("read memory past flash")      << 0xC0 << 1 << 0x0801FFFFu << 2 << false << stall;
    QTest::newRow("read memory in RAM")          << 0xC0 << 1 << 0x20000000u << 4 << false << 4;
    QTest::newRow("read memory RAM last byte")   << 0xC0 << 1 << 0x20004FFFu << 1 << false << 1;
    QTest::newRow("read memory past RAM")        << 0xC0 << 1 << 0x20004FFFu << 2 << false << stall;
    QTest::newRow("read memory below RAM")       << 0xC0 << 1 << 0x1FFFFFFFu << 1 << false << stall;
    QTest::newRow("read memory boot alias")      << 0xC0 << 1 << 0x00000000u << 2048 << false << 2048;
    QTest::newRow("read memory alias last byte") << 0xC0 << 1 << 0x0001FFFFu << 1 << false << 1;
    QTest::newRow("read memory past boot alias") << 0xC0 << 1 << 0x0001FFFFu << 2 << false << stall;
    QTest::newRow("test block 512")              << 0x40 << 2 << 0u << 512 << false << 512;
    QTest::newRow("test block 511")              << 0x40 << 2 << 0u << 511 << false << stall;
    QTest::newRow("test block with address")     << 0x40 << 2 << 0x10u << 512 << false << stall;
    QTest::newRow("page write first page")       << 0x40 << 3 << 0x08004000u << 1024 << true << 1024;
    QTest::newRow("page write last page")        << 0x40 << 3 << 0x0801FC00u << 1024 << true << 1024;
    QTest::newRow("page write in application")   << 0x40 << 3 << 0x08004000u << 1024 << false << stall;
    QTest::newRow("page write into bootloader")  << 0x40 << 3 << 0x08003C00u << 1024 << true << stall;
    QTest::newRow("page write unaligned")        << 0x40 << 3 << 0x08004200u << 1024 << true << stall;
    QTest::newRow("page write past flash")       << 0x40 << 3 << 0x08020000u << 1024 << true << stall;
    QTest::newRow("page write 1023 bytes")       << 0x40 << 3 << 0x08004000u << 1023 << true << stall;
    QTest::newRow("page write 256 bytes")        << 0x40 << 3 << 0x08004000u << 256 << true << stall;
    QTest::newRow("run application")             << 0x40 << 4 << 0u << 0 << false << -EPROTO;
    QTest::newRow("run application with data")   << 0x40 << 4 << 0u << 4 << false << stall;
    QTest::newRow("read external 512")           << 0xC0 << 5 << 0u << 512 << false << 512;
    QTest::newRow("read external last byte")     << 0xC0 << 5 << 0xFFFFFu << 1 << false << 1;
    QTest::newRow("read external 513")           << 0xC0 << 5 << 0u << 513 << false << stall;
    QTest::newRow("read external 0 bytes")       << 0xC0 << 5 << 0u << 0 << false << stall;
    QTest::newRow("read external past end")      << 0xC0 << 5 << 0xFFFFFu << 2 << false << stall;
    QTest::newRow("write external 256")          << 0x40 << 6 << 0x14000u << 256 << false << 256;
    QTest::newRow("write external last byte")    << 0x40 << 6 << 0xFFFFFu << 1 << false << 1;
    QTest::newRow("write external 257")          << 0x40 << 6 << 0u << 257 << false << stall;
    QTest::newRow("write external 0 bytes")      << 0x40 << 6 << 0u << 0 << false << stall;
    QTest::newRow("write external past end")     << 0x40 << 6 << 0xFFF01u << 256 << false << stall;
    QTest::newRow("status set")                  << 0x40 << 7 << 0u << 4 << false << 4;
    QTest::newRow("status set 5 bytes")          << 0x40 << 7 << 0u << 5 << false << stall;
    QTest::newRow("status clear")                << 0x40 << 8 << 0u << 4 << true << 4;
    QTest::newRow("status clear 2 bytes")        << 0x40 << 8 << 0u << 2 << false << stall;
    QTest::newRow("status get")                  << 0xC0 << 9 << 0u << 4 << false << 4;
    QTest::newRow("status get 3 bytes")          << 0xC0 << 9 << 0u << 3 << false << stall;
    QTest::newRow("status get with address")     << 0xC0 << 9 << 0x10000u << 4 << false << stall;
    QTest::newRow("identify")                    << 0xC0 << 255 << 0u << 2 << false << 2;
    QTest::newRow("identify in bootloader")      << 0xC0 << 255 << 0u << 2 << true << 2;
    QTest::newRow("identify 1 byte")             << 0xC0 << 255 << 0u << 1 << false << stall;
    QTest::newRow("unknown request 10")          << 0xC0 << 10 << 0u << 4 << false << stall;
    QTest::newRow("unknown request 0")           << 0x40 << 0 << 0u << 0 << false << stall;
    QTest::newRow("read request sent out")       << 0x40 << 1 << 0x08000000u << 16 << false << stall;
    QTest::newRow("write request sent in")       << 0xC0 << 6 << 0u << 16 << false << stall;
    QTest::newRow("vendor request to interface") << 0xC1 << 9 << 0u << 4 << false << stall;
    QTest::newRow("class request")               << 0xA0 << 9 << 0u << 4 << false << stall;
    // clang-format on
}

void TestLc420Model::requestContract()
{
    QFETCH(int, type);
    QFETCH(int, request);
    QFETCH(quint32, address);
    QFETCH(int, length);
    QFETCH(bool, bootloader);
    QFETCH(int, expected);

    Model model;
    if (bootloader)
        model.setMode(Mode::Bootloader);
    QByteArray data(length, '\0');
    QCOMPARE(transfer(model, quint8(type), quint8(request), address, data), expected);
    const QList<Model::Transfer> log = model.transferLog();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.first().result, expected);
}

void TestLc420Model::refusedRequestsChangeNothing()
{
    Model model;
    model.setMode(Mode::Bootloader);
    const QByteArray internalBefore = model.internalFlash();
    const QByteArray externalBefore = model.externalFlash();

    QByteArray page = pattern(1024, 1);
    QCOMPARE(transfer(model, VendorOut, Model::WritePage, 0x08003C00, page), -EPIPE);
    QCOMPARE(transfer(model, VendorOut, Model::WritePage, 0x08004200, page), -EPIPE);
    QByteArray tooLong = pattern(257, 2);
    QCOMPARE(transfer(model, VendorOut, Model::WriteExternal, 0, tooLong), -EPIPE);
    QByteArray status(5, char(0xFF));
    QCOMPARE(transfer(model, VendorOut, Model::StatusSet, 0, status), -EPIPE);

    model.setMode(Mode::Application);
    QCOMPARE(transfer(model, VendorOut, Model::WritePage, 0x08004000, page), -EPIPE);

    QCOMPARE(model.internalFlash(), internalBefore);
    QCOMPARE(model.externalFlash(), externalBefore);
    QCOMPARE(model.status(), 0u);
    QVERIFY(model.lastTestBlock().isEmpty());
}

void TestLc420Model::memoryReadIsScrambledPerTransfer_data()
{
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("length");
    QTest::newRow("whole chunk") << 0x08004000u << 2048;
    QTest::newRow("version texts") << 0x08003FD0u << 32;
    QTest::newRow("unaligned start") << 0x08004001u << 130;
    QTest::newRow("trailing bytes") << 0x08004800u << 6;
    QTest::newRow("three bytes") << 0x08004800u << 3;
}

void TestLc420Model::memoryReadIsScrambledPerTransfer()
{
    QFETCH(quint32, address);
    QFETCH(int, length);

    Model model;
    model.write(Memory::Internal, 0x08004000, pattern(4096, 3));
    const QByteArray plain = model.read(Memory::Internal, address, length);

    QByteArray wire(length, '\0');
    QCOMPARE(transfer(model, VendorIn, Model::ReadMemory, address, wire), length);
    // The key index restarts at the transfer's first word, whatever the address.
    QByteArray expected = plain;
    for (int i = 0; i < length / 4; ++i) {
        const quint32 key = ScrambleKey[size_t(i % 32)];
        const quint32 word = qFromLittleEndian<quint32>(plain.constData() + 4 * i);
        qToLittleEndian<quint32>((word ^ key) + key, expected.data() + 4 * i);
    }
    QCOMPARE(wire, expected);
    if (length >= 4)
        QVERIFY(wire.left(4) != plain.left(4));
}

void TestLc420Model::bootAliasShowsInternalFlash()
{
    Model model;
    model.write(Memory::Internal, 0x08004000, pattern(64, 5));
    model.corruptReadBack(Memory::Internal, 0x08004010, 4);
    // The same bytes through either address, corruption included.
    QCOMPARE(readMemory(model, 0x00004000, 64), readMemory(model, 0x08004000, 64));
    QVERIFY(readMemory(model, 0x08004000, 64) != pattern(64, 5));
}

void TestLc420Model::pageWriteIsDescrambledPerPage()
{
    Model model;
    model.setMode(Mode::Bootloader);
    const QByteArray bootloader = model.read(Memory::Internal, 0x08000000, 0x4000);
    for (int page = 0; page < 112; page += 37) {
        const quint32 address = 0x08004000 + 1024u * quint32(page);
        const QByteArray plain = pattern(1024, page);
        QByteArray wire = plain;
        encodeWords(wire.data(), 1024);
        QCOMPARE(transfer(model, VendorOut, Model::WritePage, address, wire), 1024);
        QCOMPARE(model.read(Memory::Internal, address, 1024), plain);
        // And the way the upgrade verifies it: read back with request 1 and unscramble.
        QCOMPARE(readMemory(model, address, 1024), plain);
    }
    QCOMPARE(model.read(Memory::Internal, 0x08000000, 0x4000), bootloader);
}

void TestLc420Model::externalFlashStoredAsGiven()
{
    Model model;
    QByteArray chunk = pattern(256, 9);
    const QByteArray original = chunk;
    QCOMPARE(transfer(model, VendorOut, Model::WriteExternal, 0x15E00, chunk), 256);
    QCOMPARE(model.read(Memory::External, 0x15E00, 256), original);
    QCOMPARE(model.read(Memory::External, 0x15DFF, 1), QByteArray(1, char(0xFF)));
    QCOMPARE(model.read(Memory::External, 0x15F00, 1), QByteArray(1, char(0xFF)));

    QByteArray back(512, '\0');
    QCOMPARE(transfer(model, VendorIn, Model::ReadExternal, 0x15D00, back), 512);
    QCOMPARE(back.mid(256, 256), original);
    QCOMPARE(back.left(256), QByteArray(256, char(0xFF)));
}

void TestLc420Model::writesTakeFlashTime_data()
{
    QTest::addColumn<bool>("timed");
    QTest::addColumn<quint8>("request");
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("takesMs");

    const quint8 page = Model::WritePage;
    const quint8 external = Model::WriteExternal;
    QTest::newRow("page") << true << page << 0x08004000u << 1024 << Model::PageWriteMs;
    QTest::newRow("external chunk")
        << true << external << 0x14000u << 256 << Model::ExternalWriteMs;
    QTest::newRow("refused page costs no flash time") << true << page << 0x08000000u << 1024 << 0;
    QTest::newRow("untimed page") << false << page << 0x08004000u << 1024 << 0;
}

void TestLc420Model::writesTakeFlashTime()
{
    QFETCH(bool, timed);
    QFETCH(quint8, request);
    QFETCH(quint32, address);
    QFETCH(int, length);
    QFETCH(int, takesMs);
    Model model;
    model.setMode(Mode::Bootloader);
    model.setFlashTimed(timed);
    QByteArray data(length, '\0');
    const qint64 before = Clock::nowMs();
    transfer(model, VendorOut, request, address, data);
    QCOMPARE(Clock::nowMs() - before, qint64(takesMs));
}

void TestLc420Model::statusBits()
{
    Model model;
    auto send = [&](quint8 request, quint32 value) {
        QByteArray data(4, '\0');
        qToLittleEndian<quint32>(value, data.data());
        return transfer(model, VendorOut, request, 0, data);
    };
    QCOMPARE(send(Model::StatusSet, 0x80000001), 4);
    QCOMPARE(send(Model::StatusSet, 0x00000100), 4);
    QCOMPARE(model.status(), 0x80000101u);
    QCOMPARE(send(Model::StatusClear, 0x80000001), 4);
    QCOMPARE(model.status(), 0x00000100u);

    QByteArray reply(4, '\0');
    QCOMPARE(transfer(model, VendorIn, Model::StatusGet, 0, reply), 4);
    QCOMPARE(reply, QByteArray::fromHex("00010000")); // little-endian
}

void TestLc420Model::identificationWord()
{
    Model model;
    QByteArray reply(2, '\0');
    QCOMPARE(transfer(model, VendorIn, Model::Identify, 0, reply), 2);
    QCOMPARE(reply, QByteArray::fromHex("b200"));

    model.setIdentificationWord(0x1234);
    QCOMPARE(transfer(model, VendorIn, Model::Identify, 0, reply), 2);
    QCOMPARE(reply, QByteArray::fromHex("3412"));

    model.clearFaults();
    QCOMPARE(model.identificationWord(), quint16(0x00B2));
}

void TestLc420Model::stringDescriptors_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("bootloader");
    QTest::addColumn<QString>("serialOverride");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray application = QByteArray::fromHex("1403"
                                                       "3200"
                                                       "3600"
                                                       "3100"
                                                       "3100"
                                                       "3000"
                                                       "3700"
                                                       "3000"
                                                       "3000"
                                                       "3100");
    QByteArray bootloader = application + QByteArray::fromHex("6200");
    bootloader[0] = 0x16;
    QTest::newRow("serial in application") << 3 << false << QString() << application;
    QTest::newRow("serial in bootloader ends in b") << 3 << true << QString() << bootloader;
    QTest::newRow("languages") << 0 << false << QString() << QByteArray::fromHex("04030904");
    QTest::newRow("serial override as given")
        << 3 << true << QStringLiteral("12345678")
        << QByteArray::fromHex("12033100320033003400350036003700"
                               "3800");
    QTest::newRow("serial override beyond latin1")
        << 3 << false << QStringLiteral("1\u20AC") << QByteArray::fromHex("06033100ac20");
    QTest::newRow("no string 7") << 7 << false << QString() << QByteArray();
}

void TestLc420Model::stringDescriptors()
{
    QFETCH(int, index);
    QFETCH(bool, bootloader);
    QFETCH(QString, serialOverride);
    QFETCH(QByteArray, expected);

    Model model;
    if (bootloader)
        model.setMode(Mode::Bootloader);
    if (!serialOverride.isNull())
        model.setSerialStringOverride(serialOverride);
    Model::Setup setup = setupFor(0x80, 6, 0, 255);
    setup.value = quint16(0x0300 | index);
    QByteArray reply(255, '\0');
    const int count = model.control(setup, reinterpret_cast<quint8 *>(reply.data()));
    if (expected.isEmpty()) {
        QCOMPARE(count, -EPIPE);
        return;
    }
    QCOMPARE(count, int(expected.size()));
    QCOMPARE(reply.left(count), expected);
    QCOMPARE(model.transferLog().first().kind, Model::Transfer::Kind::StringDescriptor);
}

void TestLc420Model::serialDescriptorOverrideIsCutToWhatWasAsked()
{
    Model model;
    // A length byte that claims more than is sent, an odd count: what a broken device
    // might answer; the transport must cope with it.
    const QByteArray raw = QByteArray::fromHex("ff033100320033");
    model.setSerialDescriptorOverride(raw);
    Model::Setup setup = setupFor(0x80, 6, 0, 4);
    setup.value = 0x0303;
    QByteArray reply(4, '\0');
    QCOMPARE(model.control(setup, reinterpret_cast<quint8 *>(reply.data())), 4);
    QCOMPARE(reply, raw.left(4));
    setup.length = 255;
    reply.resize(255);
    QCOMPARE(model.control(setup, reinterpret_cast<quint8 *>(reply.data())), int(raw.size()));
    QCOMPARE(reply.left(int(raw.size())), raw);
}

void TestLc420Model::applicationCheckWord()
{
    // The sum covers the 28671 words from 0x08004000 to 0x0801FFF8, not the check word.
    QByteArray flash(int(Model::InternalSize), '\0');
    qToLittleEndian<quint32>(0xFFFFFFFF, flash.data() + 0x4000);
    qToLittleEndian<quint32>(3, flash.data() + 0x1FFF8);
    qToLittleEndian<quint32>(0x12345678, flash.data() + 0x3FFC); // bootloader: not counted
    QCOMPARE(Model::applicationSum(flash), 2u);

    Model model;
    model.setInternalFlash(flash);
    QVERIFY(!model.applicationValid());
    model.write(Memory::Internal, Model::CheckWordAddress, QByteArray::fromHex("02000000"));
    QVERIFY(model.applicationValid());

    // An erased application area does not pass: its sum is not 0xFFFFFFFF.
    model.setInternalFlash(QByteArray(int(Model::InternalSize), char(0xFF)));
    QVERIFY(!model.applicationValid());
}

void TestLc420Model::runApplication_data()
{
    QTest::addColumn<bool>("bootloader");
    QTest::addColumn<bool>("breakApplication");
    QTest::addColumn<Model::ResetBehaviour>("behaviour");
    QTest::addColumn<int>("result");
    QTest::addColumn<Mode>("modeAfter");
    QTest::addColumn<QString>("serialAfter");

    const auto drop = Model::ResetBehaviour::Drop;
    const auto acknowledge = Model::ResetBehaviour::Acknowledge;
    QTest::newRow("application resets into the bootloader")
        << false << false << drop << -EPROTO << Mode::Bootloader << QStringLiteral("261107001b");
    QTest::newRow("application acknowledges, then resets")
        << false << false << acknowledge << 0 << Mode::Bootloader << QStringLiteral("261107001b");
    QTest::newRow("application with a bad check word resets too")
        << false << true << drop << -EPROTO << Mode::Bootloader << QStringLiteral("261107001b");
    QTest::newRow("bootloader starts a valid application")
        << true << false << drop << -EPROTO << Mode::Application << QStringLiteral("261107001");
    QTest::newRow("bootloader acknowledges, then starts it")
        << true << false << acknowledge << 0 << Mode::Application << QStringLiteral("261107001");
    QTest::newRow("bootloader keeps a bad application")
        << true << true << drop << 0 << Mode::Bootloader << QStringLiteral("261107001b");
}

void TestLc420Model::runApplication()
{
    QFETCH(bool, bootloader);
    QFETCH(bool, breakApplication);
    QFETCH(Model::ResetBehaviour, behaviour);
    QFETCH(int, result);
    QFETCH(Mode, modeAfter);
    QFETCH(QString, serialAfter);

    Model model;
    model.setResetBehaviour(behaviour);
    if (bootloader)
        model.setMode(Mode::Bootloader);
    if (breakApplication)
        model.write(Memory::Internal, 0x08010000, QByteArray(1, 0x42));
    int busEvents = 0;
    model.setBusListener([&busEvents] { ++busEvents; });
    const bool reset = modeAfter != model.mode() || !bootloader;

    QByteArray none;
    QCOMPARE(transfer(model, VendorOut, Model::RunApplication, 0, none), result);
    QCOMPARE(model.transferLog().last().result, result);
    QCOMPARE(model.mode(), modeAfter);
    QCOMPARE(model.isOnBus(), !reset);
    QCOMPARE(busEvents, reset ? 1 : 0);
    Clock::sleepMs(model.resetTimeMs());
    QVERIFY(model.isOnBus());
    QCOMPARE(model.serialString(), serialAfter);
}

void TestLc420Model::unplugPowersUpAnew_data()
{
    QTest::addColumn<bool>("bootloaderBefore");
    QTest::addColumn<bool>("breakApplication");
    QTest::addColumn<bool>("timedReplug");
    QTest::addColumn<Mode>("modeAfter");

    QTest::newRow("bootloader with a valid application boots it")
        << true << false << false << Mode::Application;
    QTest::newRow("application half rewritten stays in the bootloader")
        << false << true << false << Mode::Bootloader;
    QTest::newRow("bootloader with a bad application stays")
        << true << true << true << Mode::Bootloader;
    QTest::newRow("running application comes back running")
        << false << false << true << Mode::Application;
}

// Unplugging takes the power away: whatever mode the driver was in, it boots
// anew when plugged in again, unlike after a reset.
void TestLc420Model::unplugPowersUpAnew()
{
    QFETCH(bool, bootloaderBefore);
    QFETCH(bool, breakApplication);
    QFETCH(bool, timedReplug);
    QFETCH(Mode, modeAfter);

    Model model;
    if (bootloaderBefore)
        model.setMode(Mode::Bootloader);
    if (breakApplication)
        model.write(Memory::Internal, 0x08010000, QByteArray(1, 0x42));

    model.unplug(timedReplug ? 300 : -1);
    QVERIFY(!model.isOnBus());
    if (timedReplug)
        Clock::sleepMs(300);
    else
        model.replug();
    QVERIFY(model.isOnBus());
    QCOMPARE(model.mode(), modeAfter);
}

void TestLc420Model::resetKeepsDeviceOffBusForResetTime()
{
    Model model;
    model.setResetTimeMs(1500);
    Clock::sleepMs(10); // not at time 0
    const qint64 start = Clock::nowMs();
    QByteArray none;
    QCOMPARE(transfer(model, VendorOut, Model::RunApplication, 0, none), -EPROTO);
    QCOMPARE(model.backOnBusAtMs(), start + 1500);

    Clock::sleepMs(1499);
    QVERIFY(!model.isOnBus());
    // A device that is off the bus sees nothing.
    QByteArray status(4, '\0');
    QCOMPARE(transfer(model, VendorIn, Model::StatusGet, 0, status), -ENODEV);
    QCOMPARE(model.transferLog().size(), 1);

    Clock::sleepMs(1);
    QVERIFY(model.isOnBus());
    QCOMPARE(model.backOnBusAtMs(), -1);
    QCOMPARE(transfer(model, VendorIn, Model::StatusGet, 0, status), 4);
    QCOMPARE(model.mode(), Mode::Bootloader);
}

void TestLc420Model::faults_data()
{
    QTest::addColumn<Model::Fault>("fault");
    QTest::addColumn<QList<int>>("requests");
    QTest::addColumn<QList<int>>("expected");

    const int timeout = -ETIMEDOUT;
    Model::Fault fault;
    QTest::newRow("next transfer times out") << fault << QList<int>{9, 9} << QList<int>{timeout, 4};

    fault.skip = 2;
    QTest::newRow("third transfer times out")
        << fault << QList<int>{255, 9, 9, 9} << QList<int>{2, 4, timeout, 4};

    fault = {};
    fault.match = Match::commands();
    fault.count = 2;
    QTest::newRow("commands only: identification passes")
        << fault << QList<int>{255, 9, 255, 9, 9} << QList<int>{2, timeout, 2, timeout, 4};

    fault = {};
    fault.match = Match::vendor(5);
    fault.count = 101;
    QTest::newRow("every external read for a while")
        << fault << QList<int>{9, 5, 5, 9} << QList<int>{4, timeout, timeout, 4};

    fault = {};
    fault.error = EPIPE;
    QTest::newRow("stall instead of time-out") << fault << QList<int>{9} << QList<int>{-EPIPE};

    fault = {};
    fault.kind = Model::Fault::Kind::Short;
    fault.missingBytes = 3;
    fault.match = Match::vendor(9);
    QTest::newRow("short status read") << fault << QList<int>{255, 9, 9} << QList<int>{2, 1, 4};

    fault.missingBytes = 10;
    QTest::newRow("short by more than asked") << fault << QList<int>{9} << QList<int>{0};

    fault = {};
    fault.kind = Model::Fault::Kind::Short;
    fault.match = Match::vendor(5);
    fault.count = 2;
    QTest::newRow("short read still refuses bad lengths")
        << fault << QList<int>{-5, 5} << QList<int>{-EPIPE, 511};
}

void TestLc420Model::faults()
{
    QFETCH(Model::Fault, fault);
    QFETCH(QList<int>, requests);
    QFETCH(QList<int>, expected);

    Model model;
    model.addFault(fault);
    QList<int> results;
    for (int request : requests) {
        QByteArray data;
        if (request == 9)
            data.resize(4);
        else if (request == 255)
            data.resize(2);
        else if (request == 5)
            data.resize(512);
        else if (request == -5) // an external read that is too long
            data.resize(513);
        results.append(transfer(model, VendorIn, quint8(qAbs(request)), 0, data));
    }
    QCOMPARE(results, expected);
}

void TestLc420Model::failedAndShortWritesHaveNoEffect()
{
    Model model;
    model.failNextTransfers(1, Match::vendor(Model::WriteExternal));
    QByteArray chunk = pattern(256, 5);
    QCOMPARE(transfer(model, VendorOut, Model::WriteExternal, 0, chunk), -ETIMEDOUT);
    QCOMPARE(model.read(Memory::External, 0, 256), QByteArray(256, char(0xFF)));

    model.shortNextTransfers(1, 56, Match::vendor(Model::WriteExternal));
    QCOMPARE(transfer(model, VendorOut, Model::WriteExternal, 0, chunk), 200);
    QCOMPARE(model.read(Memory::External, 0, 256), QByteArray(256, char(0xFF)));

    // The retry gets through.
    QCOMPARE(transfer(model, VendorOut, Model::WriteExternal, 0, chunk), 256);
    QCOMPARE(model.read(Memory::External, 0, 256), chunk);

    model.stallTransfers(1, 1, Match::vendor(Model::WriteExternal));
    QCOMPARE(transfer(model, VendorOut, Model::WriteExternal, 0x100, chunk), -ETIMEDOUT);
    QCOMPARE(model.read(Memory::External, 0x100, 256), QByteArray(256, char(0xFF)));

    model.failTransfer(2, Match::vendor(Model::StatusSet));
    QByteArray one = QByteArray::fromHex("01000000");
    QCOMPARE(transfer(model, VendorOut, Model::StatusSet, 0, one), 4);
    QByteArray two = QByteArray::fromHex("02000000");
    QCOMPARE(transfer(model, VendorOut, Model::StatusSet, 0, two), -ETIMEDOUT);
    QCOMPARE(model.status(), 1u);
}

void TestLc420Model::corruptedReadBack()
{
    Model model;
    model.write(Memory::Internal, 0x08005000, pattern(2048, 7));
    model.write(Memory::External, 0x100, pattern(512, 8));
    model.corruptReadBack(Memory::Internal, 0x08005010, 4);
    model.corruptReadBack(Memory::External, 0x1FF, 2);

    const QByteArray plain = model.read(Memory::Internal, 0x08005000, 2048);
    QByteArray expected = plain;
    for (int i = 0x10; i < 0x14; ++i)
        expected[i] = char(~expected[i]);
    QCOMPARE(readMemory(model, 0x08005000, 2048), expected);
    // The stored bytes are right; only what comes back is wrong.
    QCOMPARE(model.read(Memory::Internal, 0x08005000, 2048), plain);
    QCOMPARE(readMemory(model, 0x08005400, 1024), plain.mid(0x400, 1024));

    QByteArray back(512, '\0');
    QCOMPARE(transfer(model, VendorIn, Model::ReadExternal, 0, back), 512);
    QCOMPARE(back.left(0x1FF), model.read(Memory::External, 0, 0x1FF));
    QCOMPARE(back.at(0x1FF), char(~model.read(Memory::External, 0x1FF, 1).at(0)));

    model.clearFaults();
    QCOMPARE(readMemory(model, 0x08005000, 2048), plain);
}

void TestLc420Model::corruptTransferSpoilsOneByte_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("length");
    QTest::newRow("memory read, after unscrambling") << 1 << 0x08005000u << 2048;
    QTest::newRow("external read") << 5 << 0x100u << 512;
    QTest::newRow("status read") << 9 << 0u << 4;
    QTest::newRow("page write, as stored") << 3 << 0x08004400u << 1024;
    QTest::newRow("external write, as stored") << 6 << 0x14000u << 256;
}

// Only the nth matching transfer is spoiled, and in one byte only: what a host's
// compare or verify must catch.
void TestLc420Model::corruptTransferSpoilsOneByte()
{
    QFETCH(int, request);
    QFETCH(quint32, address);
    QFETCH(int, length);

    Model model;
    model.setMode(Mode::Bootloader);
    model.write(Memory::Internal, 0x08005000, pattern(2048, 3));
    model.write(Memory::External, 0x100, pattern(512, 4));
    model.corruptTransfer(2, Match::vendor(quint8(request)));
    const bool in = request == Model::ReadMemory || request == Model::ReadExternal
                    || request == Model::StatusGet;
    const Memory memory = request == Model::WritePage ? Memory::Internal : Memory::External;
    const QByteArray payload = pattern(length, 9);

    const auto once = [&] {
        QByteArray data = in ? QByteArray(length, '\0') : payload;
        if (request == Model::WritePage)
            encodeWords(data.data(), length);
        const int count
            = transfer(model, in ? VendorIn : VendorOut, quint8(request), address, data);
        if (count != length)
            return QByteArray();
        if (request == Model::ReadMemory)
            decodeWords(data.data(), length);
        return in ? data : model.read(memory, address, length);
    };
    const QByteArray good = once();
    const QByteArray spoiled = once();
    QVERIFY(!good.isEmpty());
    QCOMPARE(once(), good);
    if (!in)
        QCOMPARE(good, payload);
    QCOMPARE(spoiled.size(), length);
    int differing = 0;
    for (int i = 0; i < length; ++i)
        differing += good.at(i) != spoiled.at(i) ? 1 : 0;
    QCOMPARE(differing, 1);
}

void TestLc420Model::transferLogRecordsEveryTransfer()
{
    Model model;
    QByteArray id(2, '\0');
    QByteArray memory(904, '\0');
    QByteArray status = QByteArray::fromHex("01000000");
    (void)transfer(model, VendorIn, Model::Identify, 0, id);
    (void)transfer(model, VendorIn, Model::ReadMemory, 0x08005000, memory);
    (void)transfer(model, VendorOut, Model::StatusSet, 0, status);
    Model::Setup descriptor = setupFor(0x80, 6, 0, 255);
    descriptor.value = 0x0303;
    QByteArray reply(255, '\0');
    (void)model.control(descriptor, reinterpret_cast<quint8 *>(reply.data()));

    const QList<Model::Transfer> log = model.transferLog();
    QCOMPARE(log.size(), 4);
    QCOMPARE(log[0].kind, Model::Transfer::Kind::Identification);
    QCOMPARE(log[1].kind, Model::Transfer::Kind::Command);
    QVERIFY(log[1].in);
    QCOMPARE(log[1].request, quint8(1));
    QCOMPARE(log[1].value, quint16(0x5000));
    QCOMPARE(log[1].index, quint16(0x0800));
    QCOMPARE(log[1].address(), 0x08005000u);
    QCOMPARE(log[1].length, quint16(904));
    QCOMPARE(log[1].result, 904);
    QVERIFY(!log[2].in);
    QCOMPARE(log[2].requestType, quint8(0x40));
    QCOMPARE(log[3].kind, Model::Transfer::Kind::StringDescriptor);
    QCOMPARE(log[3].result, 20);

    const QList<Model::Transfer> commands = model.commandLog();
    QCOMPARE(commands.size(), 2);
    QCOMPARE(commands[0].request, quint8(1));
    QCOMPARE(commands[1].request, quint8(7));
    model.clearTransferLog();
    QVERIFY(model.transferLog().isEmpty());
}

void TestLc420Model::transfersAndControlCallsFromTwoThreads()
{
    // umockdev serves transfers on its own thread while a test drives the control API.
    Model model;
    constexpr int Rounds = 20000;
    std::atomic<bool> go{false};
    std::unique_ptr<QThread> bus(QThread::create([&model, &go] {
        while (!go)
            QThread::yieldCurrentThread();
        for (int i = 0; i < Rounds; ++i) {
            QByteArray chunk = pattern(256, i);
            (void)transfer(model, VendorOut, Model::WriteExternal, quint32(i % 16) * 256, chunk);
        }
    }));
    bus->start();
    go = true;
    for (int i = 0; i < Rounds; ++i) {
        model.write(Memory::External, 0x10000, pattern(64, i));
        model.setStatus(quint32(i));
        (void)model.externalFlash();
        (void)model.transferLog();
    }
    QVERIFY(bus->wait());

    QCOMPARE(model.transferLog().size(), Rounds);
    QCOMPARE(model.status(), quint32(Rounds - 1));
    QCOMPARE(model.read(Memory::External, 0x10000, 64), pattern(64, Rounds - 1));
    for (int slot = 0; slot < 16; ++slot) { // each slot holds its last chunk, whole
        const int last = Rounds - 1 - (Rounds - 1 - slot) % 16;
        QCOMPARE(model.read(Memory::External, quint32(slot) * 256, 256), pattern(256, last));
    }
}

QTEST_GUILESS_MAIN(TestLc420Model)
#include "tst_lc420model.moc"
