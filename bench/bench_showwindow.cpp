// How fast the Programs tab follows its spin box: each change of step loads
// the next record into the twelve lamp editors. A
// spin box held down scrolls smoothly while this stays well under 5 ms.
//     QT_QPA_PLATFORM=offscreen build/bench/bench_showwindow

#include "app/lc460_bootloader.h"

#include <QApplication>
#include <QSpinBox>

#include <benchmark/benchmark.h>

namespace {

void BM_ChangeOfProgramStep(benchmark::State &state)
{
    Lc460_bootloader window;
    window.show();
    QByteArray programs(Show::ProgramTableSize, '\0');
    for (int i = 0; i < programs.size(); ++i)
        programs[i] = char(i * 7);
    window.document().setTable(Show::Kind::Programs, programs);
    auto *step = window.findChild<QSpinBox *>(QStringLiteral("spinBoxSceneNumber"));
    int value = 1;
    for (auto _ : state) {
        value = value % 20 + 1;
        step->setValue(value);
        // Let the editors repaint, as they would under a held-down spin box.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ChangeOfProgramStep)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
