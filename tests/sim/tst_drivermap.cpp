#include "sim/lc420model.h"
#include "usb/drivermap.h"

#include <QTest>

// The host's facts about the driver against the simulated driver's own copy:
// a change to one that the other does not follow fails here, not in a
// transfer the driver refuses.
class TestDriverMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hostAndSimulatorAgree_data();
    void hostAndSimulatorAgree();
};

void TestDriverMap::hostAndSimulatorAgree_data()
{
    QTest::addColumn<qint64>("host");
    QTest::addColumn<qint64>("simulator");
    using Sim = Lc420Model;
    const struct
    {
        const char *name;
        qint64 host;
        qint64 simulator;
    } facts[] = {
        {"vendor id", Driver::VendorId, Sim::VendorId},
        {"product id", Driver::ProductId, Sim::ProductId},
        {"identification word", Driver::IdentificationWord, Sim::IdentificationWord},
        {"identification request", Driver::IdentifyRequest, Sim::Identify},
        {"serial string index", Driver::SerialStringIndex, Sim::SerialStringIndex},
        {"read memory", Driver::ReadMemory, Sim::ReadMemory},
        {"test block", Driver::WriteTestBlock, Sim::TestBlock},
        {"write page", Driver::WritePage, Sim::WritePage},
        {"run application", Driver::RunApplication, Sim::RunApplication},
        {"read external", Driver::ReadExternal, Sim::ReadExternal},
        {"write external", Driver::WriteExternal, Sim::WriteExternal},
        {"set status", Driver::SetStatus, Sim::StatusSet},
        {"clear status", Driver::ClearStatus, Sim::StatusClear},
        {"get status", Driver::GetStatus, Sim::StatusGet},
        {"memory read chunk", Driver::MemoryReadChunk, Sim::MaxMemoryRead},
        {"test block size", Driver::TestBlockSize, Sim::TestBlockSize},
        {"external read chunk", Driver::ExternalReadChunk, Sim::MaxExternalRead},
        {"external write chunk", Driver::ExternalWriteChunk, Sim::MaxExternalWrite},
        {"flash base", Driver::FlashBase, Sim::InternalBase},
        {"flash size", Driver::FlashSize, Sim::InternalSize},
        {"bootloader size", Driver::BootloaderSize, Sim::BootloaderSize},
        {"application base", Driver::ApplicationBase, Sim::ApplicationBase},
        {"page size", Driver::PageSize, Sim::PageSize},
        {"version texts", Driver::VersionTextsAddress, Sim::BootVersionAddress},
        {"second version text", Driver::VersionTextsAddress + Driver::VersionTextLength,
         Sim::BootDateAddress},
        {"serial address", Driver::SerialAddress, Sim::SerialAddress},
        {"RAM base", Driver::RamBase, Sim::RamBase},
        {"RAM size", Driver::RamSize, Sim::RamSize},
        {"external flash size", Driver::ExternalFlashSize, Sim::ExternalSize},
    };
    for (const auto &fact : facts)
        QTest::newRow(fact.name) << fact.host << fact.simulator;
}

void TestDriverMap::hostAndSimulatorAgree()
{
    QFETCH(qint64, host);
    QFETCH(qint64, simulator);
    QCOMPARE(host, simulator);
}

QTEST_GUILESS_MAIN(TestDriverMap)
#include "tst_drivermap.moc"
