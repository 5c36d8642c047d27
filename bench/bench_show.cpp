// Speed of the show data paths. Get and Set of the program table against the
// zero-latency simulated driver are dominated by their transfers (a table is
// 15 reads of 512 bytes or 30 writes of 256, plus the status handshake); the
// host's own share is measured apart, without USB. A Get reads the table
// twice and a Set reads it back, so each sits next to the single unchecked
// pass it replaced, to show what the check costs. Runs under umockdev:
//     umockdev-wrapper build/bench/bench_show

#include "show/showcompare.h"
#include "show/showfile.h"
#include "show/showtransfer.h"
#include "sim/simulatedbus.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QByteArray patternTable()
{
    QByteArray table(Show::ProgramTableSize, '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(i * 7);
    return table;
}

void BM_GetProgramTable(benchmark::State &state)
{
    SimulatedBus bus;
    USBLC350 device;
    QByteArray table;
    for (auto _ : state) {
        if (!Show::readTable(device, Show::Kind::Programs, table).ok())
            state.SkipWithError("transfer failed");
    }
}
BENCHMARK(BM_GetProgramTable)->Unit(benchmark::kMillisecond);

void BM_SetProgramTable(benchmark::State &state)
{
    SimulatedBus bus;
    USBLC350 device;
    const QByteArray table = patternTable();
    for (auto _ : state) {
        if (!Show::writeTable(device, Show::Kind::Programs, table).ok())
            state.SkipWithError("transfer failed");
    }
}
BENCHMARK(BM_SetProgramTable)->Unit(benchmark::kMillisecond);

// A Get and a Set as single unchecked passes: handshake, one read or one
// write of the table, release.
void BM_GetProgramTableOneRead(benchmark::State &state)
{
    SimulatedBus bus;
    USBLC350 device;
    QByteArray buffer(Show::ProgramTableSize, '\0');
    for (auto _ : state) {
        if (device.StatusSetAndWait() != 0
            || device.ReadExternalFlashFromAddress(buffer.data(), Show::ProgramTableAddress,
                                                   quint32(buffer.size()))
                   != 0
            || device.StatusRelease() != 0)
            state.SkipWithError("transfer failed");
        decodeWords(buffer.data(), int(buffer.size()));
    }
}
BENCHMARK(BM_GetProgramTableOneRead)->Unit(benchmark::kMillisecond);

void BM_SetProgramTableUnverified(benchmark::State &state)
{
    SimulatedBus bus;
    USBLC350 device;
    const QByteArray table = patternTable();
    for (auto _ : state) {
        QByteArray buffer = table;
        encodeWords(buffer.data(), int(buffer.size()));
        if (device.StatusSetAndWait() != 0
            || device.WriteExternalFlashToAddress(buffer.constData(), Show::ProgramTableAddress,
                                                  quint32(buffer.size()))
                   != 0
            || device.StatusRelease() != 0)
            state.SkipWithError("transfer failed");
    }
}
BENCHMARK(BM_SetProgramTableUnverified)->Unit(benchmark::kMillisecond);

// Comparing two program tables record by record, as the checks and verify do.
void BM_CompareProgramTables(benchmark::State &state)
{
    const QByteArray first = patternTable();
    QByteArray second = first;
    second[Show::programRecordOffset(7, 19) + 36] = 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(Show::compareTables(Show::Kind::Programs, first, second));
}
BENCHMARK(BM_CompareProgramTables)->Unit(benchmark::kMicrosecond);

// The same transfers alone, without handshake and scrambling.
void BM_ProgramTableReadsOnly(benchmark::State &state)
{
    SimulatedBus bus;
    USBLC350 device;
    QByteArray buffer(Show::ProgramTableSize, '\0');
    for (auto _ : state)
        benchmark::DoNotOptimize(device.ReadExternalFlashFromAddress(
            buffer.data(), Show::ProgramTableAddress, quint32(buffer.size())));
}
BENCHMARK(BM_ProgramTableReadsOnly)->Unit(benchmark::kMillisecond);

// What the host adds to a Get: unscrambling the block, replacing the table
// and decoding the shown record for the editors.
void BM_HostShareOfGet(benchmark::State &state)
{
    const QByteArray stored = patternTable();
    QByteArray table;
    for (auto _ : state) {
        QByteArray buffer = stored;
        decodeWords(buffer.data(), int(buffer.size()));
        table = buffer;
        benchmark::DoNotOptimize(
            Show::editorValues(Show::recordAt(table, Show::programRecordOffset(7, 19))));
    }
}
BENCHMARK(BM_HostShareOfGet)->Unit(benchmark::kMicrosecond);

void BM_ProgramsFileRoundTrip(benchmark::State &state)
{
    const QByteArray table = patternTable();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        if (!Show::writeFile(buffer, Show::Kind::Programs, table))
            state.SkipWithError("write failed");
        buffer.seek(0);
        benchmark::DoNotOptimize(Show::readFile(buffer, Show::Kind::Programs));
    }
}
BENCHMARK(BM_ProgramsFileRoundTrip)->Unit(benchmark::kMicrosecond);

// Reading a programs file by name as a sender and the window read it: a
// file of 7750 bytes next to a sparse one whose block claims 4 GiB and holds
// it. Both should take alike: the rest of the block is skipped, not read.
void BM_ProgramsFileByName(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("show.pgm"));
    if (!Show::saveFile(path, Show::Kind::Programs, patternTable()).isEmpty()) {
        state.SkipWithError("cannot write the file");
        return;
    }
    if (state.range(0) != 0) {
        QFile file(path);
        const char claim[] = {'\xFF', '\xFF', '\xFF', '\xFE'};
        if (!file.open(QIODevice::ReadWrite) || !file.seek(66) || file.write(claim, 4) != 4
            || !file.resize(70 + qint64(0xFFFFFFFE))) {
            state.SkipWithError("cannot make the sparse file");
            return;
        }
    }
    for (auto _ : state) {
        const Show::FileContents contents = Show::readFile(path, Show::Kind::Programs);
        if (!contents.ok())
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(contents);
        benchmark::DoNotOptimize(Show::fileSha256(Show::Kind::Programs, contents.table));
    }
}
BENCHMARK(BM_ProgramsFileByName)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("claims4GiB")
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
