// Showing a program in the overview grid: a change of program resets the
// model and the grid paints its 240 cells and 20 headers again. Must stay
// within one 60 Hz frame (16.7 ms) so that a held-down program spin box
// scrolls smoothly.
//     QT_QPA_PLATFORM=offscreen build/bench/bench_overview

#include "show/overviewmodel.h"
#include "show/showdocument.h"
#include "widgets/overviewview.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_ShowProgramInOverview(benchmark::State &state)
{
    Show::ShowDocument document;
    QByteArray table(Show::ProgramTableSize, '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(i * 7);
    (void)document.setTable(Show::Kind::Programs, table);
    Show::OverviewModel model(&document, Show::Kind::Programs);
    OverviewView view;
    view.setModel(&model);
    view.resize(view.sizeHint());
    view.setShownColumn(0);
    int program = 0;
    for (auto _ : state) {
        program = (program + 1) % Show::ProgramCount;
        model.setProgram(program);
        benchmark::DoNotOptimize(view.grab());
    }
}
BENCHMARK(BM_ShowProgramInOverview)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
