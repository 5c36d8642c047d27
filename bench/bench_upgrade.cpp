// The firmware upgrade against the simulated driver, on the real clock: the
// whole upgrade next to its floor, which is the waits it takes plus the same
// control transfers sent bare, one after the other, through the same
// emulation. Runs under umockdev:
//     umockdev-wrapper build/bench/bench_upgrade
//
// BM_Upgrade's CPU time is the upgrading thread's own (the simulated driver
// answers on threads of its own): our code, libusb-0.1 and the preload's side
// of each emulated ioctl, where the kernel's thread switches for the several
// socket round trips of every transfer now cost most of it. Its "waits_ms"
// counter is the sum of the waits the upgrade took, counted on a
// virtual-clock run of the same upgrade.
//
// BM_VerifyFirmware is verify-firmware of one upgraded driver against the
// file, next to BM_VerifyFirmwareReadsOnly, the bare reads of the same two
// areas: what the comparison and the sums add to the transfers.

#include "core/clock.h"
#include "firmware/firmwareverify.h"
#include "firmware/upgradefile.h"
#include "firmware/upgradeprocedure.h"
#include "sim/simulatedbus.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

class UpgradeFixture
{
public:
    UpgradeFixture()
    {
        QByteArray image(Upgrade::ImageSize, '\0');
        QRandomGenerator random(11);
        for (int i = Upgrade::AppOffset; i < Upgrade::ExtOffset + Upgrade::ExtLength; ++i)
            image[i] = char(random.bounded(256));
        Upgrade::storeCheckWords(image);
        fileName = dir.filePath(QStringLiteral("firmware.upg"));
        const QString error = Upgrade::saveFile(fileName, image);
        if (!error.isEmpty())
            qFatal("cannot write %s: %s", qPrintable(fileName), qPrintable(error));

        // One run on the virtual clock: the waits it takes and every transfer.
        SimulatedBus bus;
        USBLC350 device;
        if (upgrade(device) != UpgradeProcedure::Outcome::Started)
            qFatal("the upgrade failed against the simulated driver");
        waitsMs = Clock::virtualSleptMs();
        transfers = bus.device().transferLog();
    }

    UpgradeProcedure::Outcome upgrade(USBLC350 &device) const
    {
        UpgradeProcedure procedure(
            device, [](const QString &) {}, [](int) {});
        return procedure.run(fileName);
    }

    QTemporaryDir dir;
    QString fileName;
    qint64 waitsMs = 0;
    QList<Lc420Model::Transfer> transfers;
};

UpgradeFixture &fixture()
{
    static UpgradeFixture f;
    return f;
}

SimulatedBus::Options realClock()
{
    SimulatedBus::Options options;
    options.virtualClock = false;
    return options;
}

void BM_Upgrade(benchmark::State &state)
{
    const UpgradeFixture &f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        auto bus = std::make_unique<SimulatedBus>(realClock());
        auto device = std::make_unique<USBLC350>();
        state.ResumeTiming();

        if (f.upgrade(*device) != UpgradeProcedure::Outcome::Started)
            state.SkipWithError("the upgrade failed");

        state.PauseTiming();
        device.reset();
        bus.reset();
        state.ResumeTiming();
    }
    state.counters["waits_ms"] = double(f.waitsMs);
}
BENCHMARK(BM_Upgrade)->Unit(benchmark::kMillisecond)->Iterations(1);

// The upgrade's transfers again, bare: every connect (one per identification
// request), serial read and vendor request with the same setup and length, to
// a driver already in its bootloader. The two resets become a status read of
// the same cost, since a real reset would take the driver off the bus.
void BM_UpgradeTransfersOnly(benchmark::State &state)
{
    const UpgradeFixture &f = fixture();
    QByteArray buffer(Lc420Model::MaxMemoryRead, '\0');
    for (auto _ : state) {
        state.PauseTiming();
        auto bus = std::make_unique<SimulatedBus>(realClock());
        bus->device().setMode(Lc420Model::Mode::Bootloader);
        auto device = std::make_unique<USBLC350>();
        state.ResumeTiming();

        for (const Lc420Model::Transfer &t : f.transfers) {
            switch (t.kind) {
            case Lc420Model::Transfer::Kind::Identification:
                device->disconnect();
                benchmark::DoNotOptimize(device->connect());
                break;
            case Lc420Model::Transfer::Kind::StringDescriptor:
                benchmark::DoNotOptimize(device->read_serial_string());
                break;
            case Lc420Model::Transfer::Kind::Command:
                if (t.request == Lc420Model::RunApplication)
                    device->control_receive(Lc420Model::StatusGet, 0, 0, buffer.data(), 4);
                else if (t.in)
                    device->control_receive(t.request, t.value, t.index, buffer.data(), t.length);
                else
                    device->control_send(t.request, t.value, t.index, buffer.constData(), t.length);
                break;
            default:
                break;
            }
        }

        state.PauseTiming();
        device.reset();
        bus.reset();
        state.ResumeTiming();
    }
    state.counters["transfers"] = double(f.transfers.size());
}
BENCHMARK(BM_UpgradeTransfersOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

// A driver that holds the fixture's firmware, as an upgrade leaves it.
std::unique_ptr<SimulatedBus> upgradedBus()
{
    auto bus = std::make_unique<SimulatedBus>(realClock());
    const QByteArray image = Upgrade::unscrambleImage(Upgrade::readFile(fixture().fileName).image);
    bus->device().write(Lc420Model::Memory::Internal, Upgrade::FlashBase + Upgrade::AppOffset,
                        image.mid(Upgrade::AppOffset, Upgrade::AppLength));
    QByteArray external = image.mid(Upgrade::ExtOffset, Upgrade::ExtLength);
    encodeWords(external.data(), qint32(external.size()));
    bus->device().write(Lc420Model::Memory::External, 0, external);
    return bus;
}

// verify-firmware of one driver against the file: its connect, both
// read-backs, the comparison and the sums.
void BM_VerifyFirmware(benchmark::State &state)
{
    const QString fileName = fixture().fileName;
    for (auto _ : state) {
        state.PauseTiming();
        auto bus = upgradedBus();
        auto device = std::make_unique<USBLC350>();
        state.ResumeTiming();

        if (FirmwareCheck::verifyFile(*device, fileName).outcome
            != FirmwareCheck::Result::Outcome::Equal)
            state.SkipWithError("the verify failed");

        state.PauseTiming();
        device.reset();
        bus.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_VerifyFirmware)->Unit(benchmark::kMillisecond)->Iterations(3);

// The bare reads of the same two areas: a connect, the application in
// 2048-byte memory reads, the external block in 512-byte reads.
void BM_VerifyFirmwareReadsOnly(benchmark::State &state)
{
    QByteArray application(Upgrade::AppLength, '\0');
    QByteArray external(Upgrade::ExtLength, '\0');
    for (auto _ : state) {
        state.PauseTiming();
        auto bus = upgradedBus();
        auto device = std::make_unique<USBLC350>();
        state.ResumeTiming();

        benchmark::DoNotOptimize(device->connect());
        benchmark::DoNotOptimize(device->read_serial_string());
        benchmark::DoNotOptimize(device->ReadMemoryFromAddress(
            application.data(), Upgrade::FlashBase + Upgrade::AppOffset,
            quint32(application.size())));
        benchmark::DoNotOptimize(
            device->ReadExternalFlashFromAddress(external.data(), 0, quint32(external.size())));

        state.PauseTiming();
        device.reset();
        bus.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_VerifyFirmwareReadsOnly)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (!SimHost::inMockEnvironment()) {
        std::fprintf(stderr, "bench_upgrade: run it under umockdev-wrapper\n");
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    fixture();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
