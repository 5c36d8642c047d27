// show-file --play: a program of a programs file played on the terminal, one
// step per Scene Time, until Ctrl+C or the rounds asked for are done.

#include "cli/cli.h"
#include "core/clock.h"
#include "show/programwalk.h"

#include <QTextStream>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <sys/ioctl.h>
#include <unistd.h>

namespace Cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

// Columns a coloured step takes: "Program 1, step 12 of 12:" in the longer
// of the languages, and a space and a two-column block per lamp.
constexpr int LineWidth = 32 + Show::LampCount * 3;

void onInterrupt(int /*signal*/)
{
    interrupted = 1;
}

// Ctrl+C ends the play between two frames, so the terminal is left with its
// colours reset and the cursor on a fresh line; the handler before is put
// back afterwards.
class InterruptGuard
{
public:
    InterruptGuard()
    {
        interrupted = 0;
        struct sigaction action = {};
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previous);
    }
    ~InterruptGuard() { sigaction(SIGINT, &previous, nullptr); }
    InterruptGuard(const InterruptGuard &) = delete;
    InterruptGuard &operator=(const InterruptGuard &) = delete;

private:
    struct sigaction previous = {};
};

QString lampText(const Show::Rgb &rgb, bool coloured)
{
    if (coloured)
        return QStringLiteral("\x1b[48;2;%1;%2;%3m  \x1b[0m")
            .arg(rgb.red)
            .arg(rgb.green)
            .arg(rgb.blue);
    return QStringLiteral("#%1%2%3")
        .arg(rgb.red, 2, 16, QLatin1Char('0'))
        .arg(rgb.green, 2, 16, QLatin1Char('0'))
        .arg(rgb.blue, 2, 16, QLatin1Char('0'));
}

// Waits until deadline (on the program's clock) or an interrupt, in short
// slices so that Ctrl+C is answered at once.
void waitUntil(qint64 deadline)
{
    constexpr qint64 SliceMs = 50;
    for (qint64 now = Clock::nowMs(); interrupted == 0 && now < deadline; now = Clock::nowMs())
        Clock::sleepMs(int(std::min(SliceMs, deadline - now)));
}

} // namespace

QString takePlayOptions(QStringList &arguments, PlayOptions &options)
{
    bool program = false;
    bool loops = false;
    for (qsizetype i = 0; i < arguments.size();) {
        QString option = arguments.at(i);
        if (option == QLatin1String("--play")) {
            options.play = true;
            arguments.removeAt(i);
            continue;
        }
        if (!option.startsWith(QLatin1String("--program"))
            && !option.startsWith(QLatin1String("--loops"))) {
            ++i;
            continue;
        }
        // "--option value" or "--option=value".
        QString value;
        qsizetype taken = 1;
        if (const qsizetype equals = option.indexOf(QLatin1Char('=')); equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments.at(i + 1);
            taken = 2;
        } else {
            return tr("%1 needs a value").arg(option);
        }
        bool ok = false;
        const int number = value.toInt(&ok, 10);
        if (option == QLatin1String("--program")) {
            if (!ok || number < 1 || number > Show::ProgramCount)
                return tr("--program takes a program from 1 to %1, not \"%2\"")
                    .arg(Show::ProgramCount)
                    .arg(value);
            options.program = number - 1;
            program = true;
        } else if (option == QLatin1String("--loops")) {
            if (!ok || number < 1)
                return tr("--loops takes a number of rounds from 1 on, not \"%1\"").arg(value);
            options.loops = number;
            loops = true;
        } else {
            ++i;
            continue;
        }
        arguments.remove(i, taken);
    }
    if ((program || loops) && !options.play)
        return tr("--program and --loops go with --play");
    return {};
}

int playProgram(const QByteArray &table, const PlayOptions &options, bool coloured)
{
    const InterruptGuard guard;
    // On a terminal in colour, wide enough for the line, the step is drawn
    // over the one before; otherwise each step is a line of its own, for a
    // log, a script or a narrow window.
    winsize size = {};
    const bool inPlace = coloured && isatty(fileno(stdout)) != 0
                         && (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0
                             || size.ws_col > LineWidth);
    const int program = options.program;
    int step = 0;
    int rounds = 0;
    qint64 deadline = Clock::nowMs();
    while (interrupted == 0) {
        QString line = tr("Program %1, step %2 of %3:")
                           .arg(program + 1)
                           .arg(step + 1, 2)
                           .arg(Show::playedStepCount(table, program));
        const Show::SceneRecord record
            = Show::recordAt(table, Show::programRecordOffset(program, step));
        for (const Show::Rgb &lamp : record.lamps)
            line += QLatin1Char(' ') + lampText(lamp, coloured);
        if (inPlace)
            out() << '\r' << line << "\x1b[K" << Qt::flush;
        else
            out() << line << Qt::endl;
        deadline += Show::heldMs(table, program, step);
        waitUntil(deadline);
        if (interrupted != 0)
            break;
        step = Show::nextPlayedStep(table, program, step);
        if (step == 0 && options.loops > 0 && ++rounds >= options.loops)
            break;
    }
    if (inPlace)
        out() << Qt::endl;
    return Success;
}

} // namespace Cli
