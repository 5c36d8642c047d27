// Builds the demo programs and scenes files that `make run` offers in
// build/samples/: lc420-show-samples OUT.pgm OUT.scn

#include "core/safefile.h"
#include "show/patterns.h"
#include "show/showfile.h"

#include <QCoreApplication>
#include <QTextStream>

#include <tuple>

namespace {

using Show::Rgb;

Show::SceneRecord record(const std::array<Rgb, Show::LampCount> &lamps, int xfade, int timeMs)
{
    Show::SceneRecord r;
    r.lamps = lamps;
    r.riseTime = xfade;
    r.staticTime = timeMs;
    return r;
}

void setStep(QByteArray &table, int program, int step, Show::SceneRecord r, bool last)
{
    r.endMarker = last ? 1 : 0;
    Show::setRecordAt(table, Show::programRecordOffset(program, step), r);
}

QByteArray demoPrograms()
{
    QByteArray table(Show::ProgramTableSize, '\0');
    // Program 1: a red light chasing along the twelve lamps.
    for (int step = 0; step < Show::LampCount; ++step) {
        std::array<Rgb, Show::LampCount> lamps{};
        lamps[step] = {255, 0, 0};
        lamps[(step + Show::LampCount - 1) % Show::LampCount] = {64, 0, 0};
        setStep(table, 0, step, record(lamps, 20, 150), step == Show::LampCount - 1);
    }
    // Program 2: a rainbow turning across the lamps in 20 steps.
    for (int step = 0; step < Show::StepsPerProgram; ++step) {
        std::array<Rgb, Show::LampCount> lamps{};
        for (int lamp = 0; lamp < Show::LampCount; ++lamp)
            lamps[lamp] = Show::hueColour(lamp * 30.0 + step * 18.0);
        setStep(table, 1, step, record(lamps, 100, 250), step == Show::StepsPerProgram - 1);
    }
    // Program 3: all lamps breathing through red, green, blue and white.
    const std::array<Rgb, 4> breaths{{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}}};
    for (int step = 0; step < int(breaths.size()) * 2; ++step) {
        std::array<Rgb, Show::LampCount> lamps{};
        if (step % 2 == 0)
            lamps.fill(breaths[step / 2]);
        setStep(table, 2, step, record(lamps, 100, 1000), step == int(breaths.size()) * 2 - 1);
    }
    return table;
}

QByteArray demoScenes()
{
    QByteArray table(Show::SceneTableSize, '\0');
    const std::array<Rgb, 6> plain{
        {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {255, 147, 41}, {80, 40, 0}}};
    for (int scene = 0; scene < int(plain.size()); ++scene) {
        std::array<Rgb, Show::LampCount> lamps{};
        lamps.fill(plain[scene]);
        Show::setRecordAt(table, Show::sceneRecordOffset(scene), record(lamps, 50, 5000));
    }
    std::array<Rgb, Show::LampCount> rainbow{};
    std::array<Rgb, Show::LampCount> police{};
    for (int lamp = 0; lamp < Show::LampCount; ++lamp) {
        rainbow[lamp] = Show::hueColour(lamp * 30.0);
        police[lamp] = lamp % 2 == 0 ? Rgb{255, 0, 0} : Rgb{0, 0, 255};
    }
    Show::setRecordAt(table, Show::sceneRecordOffset(6), record(rainbow, 50, 5000));
    Show::setRecordAt(table, Show::sceneRecordOffset(7), record(police, 0, 500));
    return table;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: lc420-show-samples OUT.pgm OUT.scn" << Qt::endl;
        return 2;
    }
    for (const auto &[kind, table, fileName] :
         {std::tuple{Show::Kind::Programs, demoPrograms(), arguments.at(0)},
          std::tuple{Show::Kind::Scenes, demoScenes(), arguments.at(1)}}) {
        const QString why = Show::saveFile(fileName, kind, table);
        if (!why.isEmpty()) {
            err << SafeFile::describeFailure(fileName, why) << Qt::endl;
            return 3;
        }
    }
    return 0;
}
