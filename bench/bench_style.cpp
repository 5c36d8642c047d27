// Painting the Programs tab with its twelve lamp editors under ArthurStyle and
// under Qt's own Fusion style, in one run. The ratio of the two goes last in
// the output; the aim is ArthurStyle no slower than twice Fusion.

#include "app/lc460_bootloader.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

QHBoxLayout *row(QVBoxLayout *column, int spacing, int margin)
{
    auto *layout = new QHBoxLayout;
    layout->setSpacing(spacing);
    layout->setContentsMargins(margin, margin, margin, margin);
    column->addLayout(layout);
    return layout;
}

// A lamp editor's widget tree (group box, colour strip, three channel fields,
// plus and minus buttons, the three colour sliders and the address labels),
// used while the window holds no editors of its own. Built to the lamp
// editor's form, so both styles paint what they will paint there.
QWidget *standInLampEditor(int lamp)
{
    auto *editor = new QWidget;
    editor->setFixedSize(120, 420);
    auto *box = new QGroupBox(QStringLiteral("Single LED settings"), editor);
    box->setObjectName(QStringLiteral("LampGroupBox"));
    box->setAlignment(Qt::AlignHCenter);
    box->setGeometry(0, 0, 80, 420);
    auto *inner = new QWidget(box);
    inner->setGeometry(2, 17, 75, 401);
    auto *column = new QVBoxLayout(inner);
    column->setSpacing(0);
    column->setContentsMargins(0, 0, 0, 0);

    auto *strip = new QLineEdit;
    strip->setFrame(false);
    row(column, 0, 3)->addWidget(strip);
    QHBoxLayout *fields = row(column, 2, 0);
    QHBoxLayout *plus = row(column, 0, 2);
    QHBoxLayout *sliders = row(column, 0, 0);
    QHBoxLayout *minus = row(column, 0, 2);
    QHBoxLayout *labels = row(column, 0, 2);
    const char *const names[] = {"SliderRed", "SliderGreen", "SliderBlue"};
    for (int channel = 0; channel < 3; ++channel) {
        auto *field = new QLineEdit(QStringLiteral("0"));
        field->setFixedSize(21, 21);
        field->setFrame(false);
        fields->addWidget(field);
        for (auto [layout, text] : {std::pair{plus, "+"}, std::pair{minus, "-"}}) {
            auto *button = new QPushButton(QLatin1String(text));
            button->setMinimumSize(18, 18);
            button->setMaximumSize(25, 25);
            layout->addWidget(button);
        }
        auto *slider = new QSlider(Qt::Vertical);
        slider->setObjectName(QLatin1String(names[channel]));
        slider->setRange(0, 255);
        slider->setValue((lamp * 40 + channel * 90) % 256);
        slider->setProperty("selected", lamp % 3 == channel);
        slider->setMinimumSize(channel == 2 ? 20 : 25, 256);
        slider->setMaximumSize(25, 256);
        sliders->addWidget(slider);
        labels->addWidget(new QLabel(QString::number(lamp * 3 + channel + 1)));
    }
    return editor;
}

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
        auto *lamps = window.findChild<QHBoxLayout *>(QStringLiteral("horizontalLayout"));
        if (!tab || !lamps)
            qFatal("the Programs tab or its lamp row is missing");
        if (tab->findChildren<QGroupBox *>(QStringLiteral("LampGroupBox")).size() < 12) {
            for (int lamp = 0; lamp < 12; ++lamp)
                lamps->addWidget(standInLampEditor(lamp));
        }
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
