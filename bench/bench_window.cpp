// The main window's speed as a user meets it.
//
//   bench_window --first-frame       starts the program's own start-up path
//                                    (translators, window; the lamp editors
//                                    wait for their tabs) and ends the
//                                    process once the first frame is painted;
//   bench_window --first-frame-bare  the same for a bare QMainWindow;
//   bench_window --first-frame-label a QMainWindow showing one label: the
//                                    least window that loads the fonts.
// bench/compare times both as whole processes, side by side.
//
// Without those options: Google Benchmarks of the window's show-data work.

#include "app/lc460_bootloader.h"
#include "app/startup.h"
#include "show/scenerecord.h"
#include "tests/support/lampeditors.h"
#include "widgets/superrgb.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QTabWidget>
#include <QTimer>

#include <array>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// Ends the event loop right after the first paint of a main window: a frame is
// painted in one pass over the whole widget tree, so a call queued from its
// first paint event runs once the frame is done.
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!painted && event->type() == QEvent::Paint && watched->isWidgetType()
            && qobject_cast<QMainWindow *>(static_cast<QWidget *>(watched)->window())) {
            painted = true;
            // The process ends here, on every side alike: what the window
            // does after its first frame (the events queued behind it, its
            // destruction at close) is no part of its start.
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        }
        return false;
    }

    bool painted = false;
};

enum class Start { Program, Bare, Label };

int firstFrame(int argc, char **argv, Start start)
{
    const QString localeName = QLocale::system().name();
    QApplication application(argc, argv);
    FirstFrame watcher;
    application.installEventFilter(&watcher);
    if (start == Start::Program)
        return Startup::runMainWindowLoop(localeName);
    QMainWindow window;
    if (start == Start::Label)
        window.setCentralWidget(new QLabel(QStringLiteral("Lc420")));
    window.show();
    return QApplication::exec();
}

// One record of show data as the Programs tab loads it: twelve lamps, red,
// green and blue each.
using Record = std::array<quint8, Show::RecordSize>;

// A record into the twelve lamp editors of the Programs tab, and the repaint
// that follows, as each change of program step does.
void BM_RecordIntoTwelveEditors(benchmark::State &state)
{
    Lc460_bootloader window;
    window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))
        ->setCurrentWidget(window.findChild<QWidget *>(QStringLiteral("tabPrograms")));
    window.resize(1500, 640);
    window.show();
    QApplication::processEvents();

    std::array<Record, 2> records{};
    for (std::size_t i = 0; i < records[0].size(); ++i) {
        records[0][i] = quint8(i * 7);
        records[1][i] = quint8(255 - i * 5);
    }
    const QList<SuperRGB *> editors = lampEditors(window, Show::Kind::Programs);
    std::size_t shown = 0;
    for (auto _ : state) {
        shown ^= 1;
        const Record &record = records[shown];
        for (int lamp = 0; lamp < editors.size(); ++lamp) {
            SuperRGB *editor = editors.at(lamp);
            editor->setRedColor(record[std::size_t(3 * lamp)]);
            editor->setGreenColor(record[std::size_t(3 * lamp + 1)]);
            editor->setBlueColor(record[std::size_t(3 * lamp + 2)]);
        }
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RecordIntoTwelveEditors)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2) {
        for (auto [option, start] : {std::pair{"--first-frame", Start::Program},
                                     std::pair{"--first-frame-bare", Start::Bare},
                                     std::pair{"--first-frame-label", Start::Label}}) {
            if (std::strcmp(argv[1], option) == 0)
                return firstFrame(1, argv, start);
        }
    }

    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
