// The service console's 1 MiB dump: hexDump against xxd on the same bytes, and
// the whole way from the bytes to the text in the log pane.
//
// Run by hand: build/bench/bench_hexdump. The last line prints how hexDump's
// time compares with xxd's (xxd's includes starting the process).

#include "app/logpane.h"
#include "core/hexdump.h"

#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QTextBrowser>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int DumpSize = 1024 * 1024;

const QByteArray &dumpBytes()
{
    static const QByteArray bytes = [] {
        QByteArray data(DumpSize, '\0');
        QRandomGenerator random(7);
        random.fillRange(reinterpret_cast<quint32 *>(data.data()), DumpSize / 4);
        return data;
    }();
    return bytes;
}

void BM_HexDump1MiB(benchmark::State &state)
{
    const QByteArray &bytes = dumpBytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(hexDump(bytes.constData(), DumpSize));
    state.SetBytesProcessed(state.iterations() * DumpSize);
}
BENCHMARK(BM_HexDump1MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Xxd1MiB(benchmark::State &state)
{
    QTemporaryFile file;
    if (!file.open() || file.write(dumpBytes()) != DumpSize || !file.flush()) {
        state.SkipWithError("cannot write the input file");
        return;
    }
    for (auto _ : state) {
        QProcess xxd;
        xxd.start(QStringLiteral("xxd"), {file.fileName()});
        if (!xxd.waitForFinished() || xxd.exitCode() != 0) {
            state.SkipWithError("xxd did not run (Debian package xxd)");
            return;
        }
        benchmark::DoNotOptimize(xxd.readAllStandardOutput());
    }
    state.SetBytesProcessed(state.iterations() * DumpSize);
}
BENCHMARK(BM_Xxd1MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the bytes to the dump shown in a log pane that already holds a few
// lines, up to the first paint.
void BM_DumpToLogPane1MiB(benchmark::State &state)
{
    const QByteArray &bytes = dumpBytes();
    QTextBrowser pane;
    pane.setFont(QFont(QStringLiteral("Courier New")));
    pane.resize(800, 300);
    pane.show();
    for (auto _ : state) {
        state.PauseTiming();
        pane.clear();
        for (int line = 0; line < 20; ++line)
            pane.append(QStringLiteral("Verify External Flash ... "));
        QApplication::processEvents();
        state.ResumeTiming();

        LogPane::append(pane, QString::fromLatin1(hexDump(bytes.constData(), DumpSize)));
        benchmark::DoNotOptimize(pane.grab());
    }
}
BENCHMARK(BM_DumpToLogPane1MiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Keeps each benchmark's mean real time for the comparison at the end.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> realTimeMs;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (!run.error_occurred && run.iterations > 0)
                realTimeMs[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    // No window on the desktop unless asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto hexDumpTime = reporter.realTimeMs.find("BM_HexDump1MiB/real_time");
    const auto xxdTime = reporter.realTimeMs.find("BM_Xxd1MiB/real_time");
    if (hexDumpTime != reporter.realTimeMs.end() && xxdTime != reporter.realTimeMs.end()
        && hexDumpTime->second > 0) {
        std::printf("hexDump / xxd time for 1 MiB: %.2f (hexDump %.1f ms, xxd %.1f ms)\n",
                    hexDumpTime->second / xxdTime->second, hexDumpTime->second,
                    xxdTime->second);
    }
    return 0;
}
