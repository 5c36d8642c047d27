#pragma once

#include "show/scenerecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Patterns written into a range of steps of one program, or into a range of
// the scenes: Fill Steps in the window and `lc420-cli programs fill` call the
// same function. A pattern writes the colours of the chosen lamps and the
// times of every filled step; the other lamps, the steps outside the range
// and the reserved bytes keep what they hold.
namespace Show {

enum class Pattern {
    Chase,     // `width` lamps of colour `first` move one lamp per step over `second`
    Rainbow,   // hues spread over the lamps, turning by 360° / steps from step to step
    Fade,      // from `first` on the first filled step to `second` on the last
    Alternate, // neighbouring lamps in `first` and `second`, swapped every step
    Solid,     // every chosen lamp in `first`
    Bounce,    // `width` lamps of `first` run over `second` to the far end and back
    Stack,     // one more lamp of `first` a step until all are lit, then one again
    Wipe,      // `first` sweeps over `second` one lamp a step, then `second` over `first`
    Sparkle,   // `width` lamps of `first` at random over `second`, drawn from `seed`
};

enum class LampDirection {
    Up,   // from lamp 1 towards lamp 12
    Down, // from lamp 12 towards lamp 1
};

struct FillParameters
{
    Pattern pattern = Pattern::Chase;
    Kind kind = Kind::Programs;
    int program = 0; // zero-based; programs only
    // Zero-based and inclusive: steps of the program, or scene numbers.
    int firstStep = 0;
    int lastStep = LampCount - 1;
    // Bit n chooses lamp n (zero-based). A pattern runs along the chosen
    // lamps in their order and skips the others.
    quint16 lamps = (1u << LampCount) - 1;
    Rgb first{255, 0, 0};
    Rgb second{0, 0, 0};
    int width = 1; // Chase, Bounce and Sparkle: how many lamps are lit at once
    // Sparkle: the same seed gives the same steps, in every version and on
    // every machine.
    int seed = 1;
    LampDirection direction = LampDirection::Up;
    int sceneTime = 500; // ms, the record's staticTime as it is stored
    int xfade = 0;       // the record's riseTime as it is stored
    // Programs: the last filled step gets End Marker 1 when set, the others
    // 0, so no earlier step ends the program. Scenes have no End Marker; the
    // byte is left as it is.
    bool endMarker = true;

    [[nodiscard]] int stepCount() const { return lastStep - firstStep + 1; }
    [[nodiscard]] QList<int> chosenLamps() const; // zero-based, in order
};

// What Fill Steps offers first: on programs the red chase over black across
// steps 1 to 12 of the program, 500 ms a step, End Marker on the last; on the
// scenes the same across all 8 scenes.
[[nodiscard]] FillParameters defaultFillParameters(Kind kind, int program = 0);

enum class FillError {
    None,
    WrongTable,    // the table does not have the size of its kind
    NoSuchProgram, // program outside 0..7
    StepsOutside,  // a step outside the program or the scenes, or last before first
    NoLamps,       // no lamp chosen
    WidthOutside,  // Chase, Bounce, Sparkle: width below 1 or above the chosen lamps
    TimeOutside,   // Scene Time outside 0..900000 ms
    XFadeOutside,  // XFade outside 0..100000
    SeedOutside,   // Sparkle: seed outside 0..MaxSeed
};

inline constexpr int MaxSeed = 2147483647;
// The sentence a user reads (translated); empty for None.
[[nodiscard]] QString describe(FillError error, const FillParameters &parameters);

// Checks the parameters against the table's kind without changing anything.
[[nodiscard]] FillError checkFill(const FillParameters &parameters);

// Writes the pattern into the table in place. Nothing changes unless it
// returns FillError::None.
[[nodiscard]] FillError fillSteps(QByteArray &table, const FillParameters &parameters);

// The colour of a hue in degrees at full saturation and brightness.
[[nodiscard]] Rgb hueColour(double degrees);

// Every pattern, in the order the dialog and the help list them.
[[nodiscard]] QList<Pattern> patterns();
// Whether a pattern uses these choices.
[[nodiscard]] bool usesWidth(Pattern pattern);
[[nodiscard]] bool usesDirection(Pattern pattern);

// The patterns' names as the command line takes them: "chase", "rainbow",
// "fade", "alternate", "solid", "bounce", "stack", "wipe", "sparkle"; and
// their names for the user (translated).
[[nodiscard]] QString patternKeyword(Pattern pattern);
[[nodiscard]] std::optional<Pattern> patternFromKeyword(const QString &keyword);
[[nodiscard]] QStringList patternKeywords();
[[nodiscard]] QString patternName(Pattern pattern);

// "#ff8000", "ff8000", "255,128,0" or one of the colour names black, white,
// red, green, blue, yellow, cyan, magenta, orange (any case). None for
// anything else.
[[nodiscard]] std::optional<Rgb> parseColour(const QString &input);
// "#rrggbb".
[[nodiscard]] QString colourText(const Rgb &colour);

// "1-6,9,12": lamp numbers from 1 and ranges of them, or "all"; the set as
// FillParameters::lamps takes it. None for an empty set, a number outside
// 1..12 or anything else.
[[nodiscard]] std::optional<quint16> parseLamps(const QString &input);

} // namespace Show
