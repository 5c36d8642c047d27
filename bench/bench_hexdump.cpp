// The service console's 1 MiB dump: hexDump alone, and the whole way from the
// bytes to the text in the log pane next to the least Qt itself does to show
// the same text. bench/compare runs xxd on the same bytes (it passes the file
// in LC420_BENCH_DUMP); run by hand, the benchmark makes its own.

#include "app/logpane.h"
#include "core/hexdump.h"

#include <QApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTextBrowser>

#include <benchmark/benchmark.h>

namespace {

constexpr int DumpSize = 1024 * 1024;

const QByteArray &dumpBytes()
{
    static const QByteArray bytes = [] {
        QFile file(qEnvironmentVariable("LC420_BENCH_DUMP"));
        if (!file.fileName().isEmpty()) {
            if (!file.open(QIODevice::ReadOnly))
                qFatal("cannot read %s", qPrintable(file.fileName()));
            QByteArray data = file.readAll();
            if (data.size() != DumpSize)
                qFatal("%s is not 1 MiB", qPrintable(file.fileName()));
            return data;
        }
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
BENCHMARK(BM_HexDump1MiB)->Unit(benchmark::kMillisecond);

// A log pane as the service console leaves it: a few lines already there.
class Pane
{
public:
    Pane()
    {
        pane.setFont(QFont(QStringLiteral("Courier New")));
        pane.resize(800, 300);
        pane.show();
    }

    void refill(int lines)
    {
        pane.clear();
        for (int line = 0; line < lines; ++line)
            pane.append(QStringLiteral("Verify External Flash ... "));
        QApplication::processEvents();
    }

    QTextBrowser pane;
};

// From the bytes to the dump shown in a log pane that already holds a few
// lines, up to the first paint.
void BM_DumpToLogPane1MiB(benchmark::State &state)
{
    const QByteArray &bytes = dumpBytes();
    Pane pane;
    for (auto _ : state) {
        state.PauseTiming();
        pane.refill(20);
        state.ResumeTiming();

        LogPane::append(pane.pane, QString::fromLatin1(hexDump(bytes.constData(), DumpSize)));
        benchmark::DoNotOptimize(pane.pane.grab());
    }
}
BENCHMARK(BM_DumpToLogPane1MiB)->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor for the above: the finished text handed to an empty pane in one
// call, up to the first paint; no dump, nothing kept from before.
void BM_TextIntoEmptyPane1MiB(benchmark::State &state)
{
    const QString text = QString::fromLatin1(hexDump(dumpBytes().constData(), DumpSize));
    Pane pane;
    for (auto _ : state) {
        state.PauseTiming();
        pane.refill(0);
        state.ResumeTiming();

        pane.pane.setPlainText(text);
        benchmark::DoNotOptimize(pane.pane.grab());
    }
}
BENCHMARK(BM_TextIntoEmptyPane1MiB)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    // No window on the desktop unless asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
