#include "show/programwalk.h"

#include <algorithm>

namespace Show {

namespace {

bool validProgram(const QByteArray &table, int program)
{
    return table.size() == ProgramTableSize && program >= 0 && program < ProgramCount;
}

} // namespace

int playedStepCount(const QByteArray &programTable, int program)
{
    if (!validProgram(programTable, program))
        return StepsPerProgram;
    for (int step = 0; step < StepsPerProgram; ++step) {
        if (programTable.at(programRecordOffset(program, step) + EndMarkerOffset) != 0)
            return step + 1;
    }
    return StepsPerProgram;
}

int nextPlayedStep(const QByteArray &programTable, int program, int step)
{
    return step + 1 < playedStepCount(programTable, program) ? step + 1 : 0;
}

int heldMs(const QByteArray &programTable, int program, int step, int frameMs)
{
    if (!validProgram(programTable, program) || step < 0 || step >= StepsPerProgram)
        return frameMs;
    const SceneRecord record = recordAt(programTable, programRecordOffset(program, step));
    return std::max(editorValues(record).staticTime, frameMs);
}

void ProgramWalk::start(int program, qint64 nowMs)
{
    playing = program;
    current = 0;
    enteredMs = nowMs;
}

bool ProgramWalk::advanceTo(const QByteArray &programTable, qint64 nowMs, int frameMs)
{
    bool moved = false;
    for (qint64 held = heldMs(programTable, playing, current, frameMs); nowMs - enteredMs >= held;
         held = heldMs(programTable, playing, current, frameMs)) {
        // A reading up to a frame late keeps the beat; a later one (a stalled
        // window, a Scene Time shortened while it ran) starts the next step
        // about now, so that no step flashes past unseen.
        enteredMs = std::max(enteredMs + held, nowMs - frameMs);
        current = nextPlayedStep(programTable, playing, current);
        moved = true;
    }
    return moved;
}

} // namespace Show
