// The window during a Get, a Set and the service console's 1 MiB Write
// External Flash From File against a slow simulated driver (5 ms before every
// answer, on the real clock): the longest time the GUI thread goes without
// turning its event loop while the transfer runs on its worker.
// The aim is under 50 ms. Runs offscreen under umockdev:
//     QT_QPA_PLATFORM=offscreen umockdev-wrapper build/bench/bench_jobstall
// Each iteration's time is that longest stall, not the transfer's length.

#include "app/lc460_bootloader.h"
#include "sim/simulatedbus.h"
#include "tests/support/scripteddialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Presses the button and turns the event loop until the job has ended; the
// longest gap between two turns, in seconds, or a negative value when the
// job did not end within 60 s.
double longestStall(Lc460_bootloader &window, const char *button)
{
    auto *job = window.findChild<QProgressBar *>(QStringLiteral("progressBarJob"));
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    window.findChild<QPushButton *>(QLatin1String(button))->click();
    last = clock.nsecsElapsed();
    while (!job->isHidden() && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    tick.stop();
    return job->isHidden() ? double(longest) / 1e9 : -1.0;
}

void stallDuring(benchmark::State &state, const char *button, const QVariantList &answers = {},
                 int latencyMs = 5)
{
    SimulatedBus::Options options;
    options.virtualClock = false;
    SimulatedBus bus(options);
    bus.device().setLatencyMs(latencyMs);
    Lc460_bootloader window;
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs *script = dialogs.get();
    window.setUserDialogs(std::move(dialogs));
    window.showServiceButtons();
    window.show();
    for (auto _ : state) {
        script->answers = answers;
        const double seconds = longestStall(window, button);
        if (seconds < 0) {
            state.SkipWithError("the transfer did not end within 60 s");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_LongestStallDuringGet(benchmark::State &state)
{
    stallDuring(state, "pushButtonGetProgramsFormLc460");
}
BENCHMARK(BM_LongestStallDuringGet)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_LongestStallDuringSet(benchmark::State &state)
{
    stallDuring(state, "pushButtonSetProgramsInLc460");
}
BENCHMARK(BM_LongestStallDuringSet)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The file dialog's answer, then OK at the question that names the driver.
void BM_LongestStallDuringWriteExtFlashFromFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("image.bin"));
    QFile out(file);
    constexpr qsizetype OneMiB = qsizetype(1024) * 1024;
    if (!out.open(QIODevice::WriteOnly) || out.write(QByteArray(OneMiB, '\x5A')) != OneMiB)
        qFatal("cannot write %s", qPrintable(file));
    out.close();
    // 6144 transfers: without the 5 ms the write takes seconds, not a minute.
    stallDuring(state, "pushButtonWriteExtFlashBin", {file, int(QMessageBox::Ok)}, 0);
}
BENCHMARK(BM_LongestStallDuringWriteExtFlashFromFile)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
