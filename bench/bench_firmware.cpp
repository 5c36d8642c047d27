// Speed of the firmware file paths: reading a full-size HEX file, building and
// writing an upgrade file, and scrambling a whole image.

#include "firmware/hextobin.h"
#include "firmware/upgradefile.h"
#include "usb/scramble.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

// A HEX file with random data over both upgrade areas, 32-byte records as
// common toolchains write them.
class HexFixture
{
public:
    HexFixture()
    {
        QByteArray hex;
        QRandomGenerator random(1);
        for (quint32 address = 0x08004000; address < 0x08034000; address += 32) {
            if ((address & 0xFFFF) == 0 || address == 0x08004000) {
                QByteArray upper(2, '\0');
                upper[0] = char(address >> 24);
                upper[1] = char(address >> 16);
                hex += record(0x04, 0, upper);
            }
            QByteArray data(32, '\0');
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

void BM_EncodeWords256KiB(benchmark::State &state)
{
    QByteArray image(Upgrade::ImageSize, '\x5A');
    for (auto _ : state) {
        encodeWords(image.data(), qint32(image.size()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * image.size());
}
BENCHMARK(BM_EncodeWords256KiB)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
