// Painting the Programs tab with its twelve lamp editors under ArthurStyle and
// under Qt's own Fusion style, in one run. The ratio of the two goes last in
// the output; the aim is ArthurStyle no slower than twice Fusion.

#include "app/lc460_bootloader.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

void setStyleOnTree(QWidget *root, QStyle *style)
{
    root->setStyle(style);
    for (QWidget *child : root->findChildren<QWidget *>())
        child->setStyle(style);
}

class ProgramsTab
{
public:
    ProgramsTab()
    {
        tab = window.findChild<QWidget *>(QStringLiteral("tabPrograms"));
        if (!tab || tab->findChildren<QGroupBox *>(QStringLiteral("LampGroupBox")).size() != 12)
            qFatal("the Programs tab or its twelve lamp editors are missing");
        window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentWidget(tab);
        // Wide enough for all twelve editors to be on screen and painted.
        window.resize(1500, 640);
        window.show();
        QApplication::processEvents();
    }

    void use(QStyle *style)
    {
        setStyleOnTree(tab, style);
        QApplication::processEvents();
    }

    Lc460_bootloader window;
    QWidget *tab = nullptr;
};

std::unique_ptr<ProgramsTab> programsTab;

void paintProgramsTab(benchmark::State &state, QStyle *style)
{
    programsTab->use(style);
    QImage image(programsTab->tab->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        programsTab->tab->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// Keeps each benchmark's median CPU time per iteration for the ratio:
// painting runs on this one thread, and on a busy machine the wall time
// mostly measures the other processes.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                times[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    programsTab = std::make_unique<ProgramsTab>();
    QStyle *arthur = programsTab->window.style();
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::string arthurName = "ProgramsTab/ArthurStyle";
    const std::string fusionName = "ProgramsTab/Fusion";
    for (auto [name, style] :
         {std::pair{&arthurName, arthur}, std::pair{&fusionName, fusion.get()}}) {
        benchmark::RegisterBenchmark(name->c_str(), paintProgramsTab, style)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.times.count(arthurName) && reporter.times.count(fusionName)) {
        std::printf("ArthurStyle / Fusion painting CPU time: %.2f (aim: 2.00 or less)\n",
                    reporter.times[arthurName] / reporter.times[fusionName]);
    }
    programsTab.reset();
    return 0;
}
