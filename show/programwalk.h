#pragma once

#include "show/scenerecord.h"

#include <QByteArray>
#include <QtGlobal>

// How a program plays, step by step, for a preview: from step 1 to the first
// step whose End Marker is set (or to step 20), then from step 1 again, each
// step held for its Scene Time. Cross-fades are not modelled: how the driver
// times them is not known, so a preview holds each step's colours unchanged.
namespace Show {

// The shortest time a preview holds a step: one frame. A step whose Scene
// Time is 0 (or shorter than this) is shown for one frame.
inline constexpr int PreviewFrameMs = 40;

// The number of steps a program plays in one round (1..20), by its End
// Markers as the table holds them now.
[[nodiscard]] int playedStepCount(const QByteArray &programTable, int program);

// The step that follows `step` (zero-based): the next one, or step 0 after
// the last played step, or after a step past it.
[[nodiscard]] int nextPlayedStep(const QByteArray &programTable, int program, int step);

// How long a step is held, in ms: its Scene Time as the editor shows it, at
// least frameMs.
[[nodiscard]] int heldMs(const QByteArray &programTable, int program, int step,
                         int frameMs = PreviewFrameMs);

// Where a program stands while it plays, on a clock the caller reads: the
// walk keeps no timer and reads the table anew at every move, so an edit
// made while it plays (a Scene Time, an End Marker) counts from the next
// move on. The table is never written.
class ProgramWalk
{
public:
    // Starts on step 1 of program (0..7) at nowMs.
    void start(int program, qint64 nowMs);

    // Moves on by the time passed up to nowMs; meant to be called every
    // frame. Each step begins where the one before ended when the call is
    // at most a frame late, else a frame before nowMs: every step is shown,
    // however late the call. True when the step moved.
    bool advanceTo(const QByteArray &programTable, qint64 nowMs, int frameMs = PreviewFrameMs);

    [[nodiscard]] int program() const { return playing; }
    [[nodiscard]] int step() const { return current; }

private:
    int playing = 0;
    int current = 0;
    qint64 enteredMs = 0;
};

} // namespace Show
