// Speed of the firmware file paths: reading a full-size HEX file, building and
// writing an upgrade file, and scrambling 1 MiB next to memcpy of the same
// buffer. bench/compare runs objcopy on the same HEX file (it passes the file
// in LC420_BENCH_HEX); run by hand, the benchmark writes its own.

#include "firmware/hextobin.h"
#include "firmware/upgradefile.h"
#include "usb/scramble.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace {

QByteArray record(int type, quint32 address, const QByteArray &data)
{
    quint32 sum = quint32(data.size()) + ((address >> 8) & 0xFF) + (address & 0xFF) + quint32(type);
    for (char c : data)
        sum += uchar(c);
    QByteArray body(4 + data.size(), '\0');
    body[0] = char(data.size());
    body[1] = char(address >> 8);
    body[2] = char(address);
    body[3] = char(type);
    body.replace(4, data.size(), data);
    return ':' + (body + char((0x100 - (sum & 0xFF)) & 0xFF)).toHex().toUpper() + '\n';
}

// A HEX file with random data over both upgrade areas but their check words,
// 32-byte records as common toolchains write them.
class HexFixture
{
public:
    HexFixture()
    {
        fileName = qEnvironmentVariable("LC420_BENCH_HEX");
        if (!fileName.isEmpty())
            return;
        QByteArray hex;
        QRandomGenerator random(1);
        for (quint32 address = 0x08004000; address < 0x08034000; address += 32) {
            if ((address & 0xFFFF) == 0 || address == 0x08004000) {
                QByteArray upper(2, '\0');
                upper[0] = char(address >> 24);
                upper[1] = char(address >> 16);
                hex += record(0x04, 0, upper);
            }
            // The check words are build-upg's own to compute.
            const bool lastOfArea = address == 0x0801FFE0 || address == 0x08033FE0;
            QByteArray data(lastOfArea ? 28 : 32, '\0');
            for (char &c : data)
                c = char(random.bounded(256));
            hex += record(0x00, address & 0xFFFF, data);
        }
        hex += ":00000001FF\n";
        fileName = dir.filePath(QStringLiteral("firmware.hex"));
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(hex) != hex.size())
            qFatal("cannot write %s", qPrintable(fileName));
    }

    QTemporaryDir dir;
    QString fileName;
};

HexFixture &fixture()
{
    static HexFixture f;
    return f;
}

void BM_HexToBinApplicationWindow(benchmark::State &state)
{
    const QString hex = fixture().fileName;
    QByteArray window(Upgrade::AppLength, '\0');
    for (auto _ : state) {
        const int result = HexToBin(hex, window.data(), 0x08004000, 0x0801FFFF);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(window.data());
    }
    state.SetBytesProcessed(state.iterations() * QFile(hex).size());
}
BENCHMARK(BM_HexToBinApplicationWindow)->Unit(benchmark::kMillisecond);

void BM_BuildAndWriteUpgradeFile(benchmark::State &state)
{
    const QString hex = fixture().fileName;
    for (auto _ : state) {
        const Upgrade::ImageBuild build = Upgrade::buildImage(hex);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const bool ok = Upgrade::writeFile(buffer, build.image);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_BuildAndWriteUpgradeFile)->Unit(benchmark::kMillisecond);

// The whole file into one window: every record parsed and stored, the same
// work as objcopy -I ihex -O binary.
void BM_HexToBinFullFirmware(benchmark::State &state)
{
    const QString hex = fixture().fileName;
    QByteArray image(0x30000, '\0');
    for (auto _ : state) {
        const int result = HexToBin(hex, image.data(), 0x08004000, 0x08033FFF);
        if (result != Hex::Ok)
            state.SkipWithError("the HEX file did not read");
        benchmark::DoNotOptimize(image.data());
    }
    state.SetBytesProcessed(state.iterations() * QFile(hex).size());
}
BENCHMARK(BM_HexToBinFullFirmware)->Unit(benchmark::kMillisecond);

constexpr qint32 OneMiB = 1024 * 1024;

void BM_EncodeWords1MiB(benchmark::State &state)
{
    QByteArray buffer(OneMiB, '\x5A');
    for (auto _ : state) {
        encodeWords(buffer.data(), OneMiB);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * OneMiB);
}
BENCHMARK(BM_EncodeWords1MiB)->Unit(benchmark::kMicrosecond);

void BM_DecodeWords1MiB(benchmark::State &state)
{
    QByteArray buffer(OneMiB, '\x5A');
    for (auto _ : state) {
        decodeWords(buffer.data(), OneMiB);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * OneMiB);
}
BENCHMARK(BM_DecodeWords1MiB)->Unit(benchmark::kMicrosecond);

// The bandwidth the scrambling is measured against.
void BM_Memcpy1MiB(benchmark::State &state)
{
    const std::vector<char> source(OneMiB, '\x5A');
    std::vector<char> target(OneMiB);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), OneMiB);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * OneMiB);
}
BENCHMARK(BM_Memcpy1MiB)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
