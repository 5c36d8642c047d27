#include "show/patterns.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace Show {

namespace {

int groupSize(Kind kind)
{
    return kind == Kind::Programs ? StepsPerProgram : SceneCount;
}

int recordOffset(const FillParameters &parameters, int step)
{
    return parameters.kind == Kind::Programs ? programRecordOffset(parameters.program, step)
                                             : sceneRecordOffset(step);
}

quint8 mix(quint8 from, quint8 to, int step, int steps)
{
    if (steps <= 1)
        return from;
    return quint8(std::lround(from + (double(to) - from) * step / (steps - 1)));
}

// A generator whose every output is fixed by its seed (splitmix64), so that a
// sparkle does not depend on the standard library's distributions.
class SeededRandom
{
public:
    explicit SeededRandom(int seed)
        : state(quint64(quint32(seed)))
    {}
    // 0..bound-1; bound at least 1.
    int below(int bound)
    {
        state += 0x9e3779b97f4a7c15ULL;
        quint64 z = state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        z ^= z >> 31;
        return int((z >> 32) % quint64(bound));
    }

private:
    quint64 state;
};

// Sparkle: which of `count` positions are lit on each of `steps` steps,
// `width` of them a step, the steps one after the other from one seed.
QList<QList<bool>> sparkles(int seed, int count, int width, int steps)
{
    SeededRandom random(seed);
    QList<QList<bool>> lit;
    QList<int> order(count);
    for (int step = 0; step < steps; ++step) {
        std::iota(order.begin(), order.end(), 0);
        QList<bool> on(count, false);
        // The first `width` places of a partial Fisher-Yates shuffle.
        for (int i = 0; i < width; ++i) {
            std::swap(order[i], order[i + random.below(count - i)]);
            on[order[i]] = true;
        }
        lit.append(on);
    }
    return lit;
}

// The colour of the lamp at position `at` (0 = the first chosen lamp in the
// pattern's direction) of `count` chosen lamps, on the step'th filled step.
Rgb patternColour(const FillParameters &p, int at, int count, int step)
{
    switch (p.pattern) {
    case Pattern::Chase: {
        // On the first step the lamps 0..width-1 are lit; each step moves
        // them one on, round the end.
        const int behindHead = ((at - step) % count + count) % count;
        return behindHead < p.width ? p.first : p.second;
    }
    case Pattern::Rainbow:
        // Positions spread the hues over the lamps; the turn per step makes
        // one whole turn over the filled steps, so a looping program joins
        // up without a jump.
        return hueColour(360.0 * at / count - 360.0 * step / p.stepCount());
    case Pattern::Fade:
        return {mix(p.first.red, p.second.red, step, p.stepCount()),
                mix(p.first.green, p.second.green, step, p.stepCount()),
                mix(p.first.blue, p.second.blue, step, p.stepCount())};
    case Pattern::Alternate:
        return (at + step) % 2 == 0 ? p.first : p.second;
    case Pattern::Bounce: {
        // The lit group stands at `places` places; it runs out over all of
        // them and back without stopping twice at either end.
        const int places = count - p.width + 1;
        const int round = std::max(1, 2 * (places - 1));
        const int turn = step % round;
        const int head = turn < places ? turn : round - turn;
        return at >= head && at < head + p.width ? p.first : p.second;
    }
    case Pattern::Stack:
        return at <= step % count ? p.first : p.second;
    case Pattern::Wipe: {
        // Each sweep paints over the colour the sweep before left.
        const bool again = (step / count) % 2 == 1;
        const Rgb &painted = again ? p.second : p.first;
        const Rgb &under = again ? p.first : p.second;
        return at <= step % count ? painted : under;
    }
    case Pattern::Sparkle: // chosen by fillSteps from its draw
    case Pattern::Solid:
        break;
    }
    return p.first;
}

} // namespace

QList<int> FillParameters::chosenLamps() const
{
    QList<int> chosen;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        if (lamps & (1u << lamp))
            chosen.append(lamp);
    }
    return chosen;
}

FillParameters defaultFillParameters(Kind kind, int program)
{
    FillParameters parameters;
    parameters.kind = kind;
    parameters.program = kind == Kind::Programs ? program : 0;
    parameters.lastStep = qMin(LampCount, groupSize(kind)) - 1;
    return parameters;
}

FillError checkFill(const FillParameters &p)
{
    if (p.kind == Kind::Programs && (p.program < 0 || p.program >= ProgramCount))
        return FillError::NoSuchProgram;
    if (p.firstStep < 0 || p.lastStep >= groupSize(p.kind) || p.lastStep < p.firstStep)
        return FillError::StepsOutside;
    const qsizetype chosen = p.chosenLamps().size();
    if (chosen == 0)
        return FillError::NoLamps;
    if (usesWidth(p.pattern) && (p.width < 1 || p.width > chosen))
        return FillError::WidthOutside;
    if (p.pattern == Pattern::Sparkle && (p.seed < 0 || p.seed > MaxSeed))
        return FillError::SeedOutside;
    if (p.sceneTime < 0 || p.sceneTime > MaxStaticTime)
        return FillError::TimeOutside;
    if (p.xfade < 0 || p.xfade > MaxRiseTime)
        return FillError::XFadeOutside;
    return FillError::None;
}

FillError fillSteps(QByteArray &table, const FillParameters &p)
{
    if (table.size() != tableSize(p.kind))
        return FillError::WrongTable;
    if (const FillError error = checkFill(p); error != FillError::None)
        return error;
    QList<int> lamps = p.chosenLamps();
    if (p.direction == LampDirection::Down)
        std::reverse(lamps.begin(), lamps.end());
    const int count = int(lamps.size());
    const QList<QList<bool>> sparkled = p.pattern == Pattern::Sparkle
                                            ? sparkles(p.seed, count, p.width, p.stepCount())
                                            : QList<QList<bool>>();
    for (int step = 0; step < p.stepCount(); ++step) {
        const int offset = recordOffset(p, p.firstStep + step);
        SceneRecord record = recordAt(table, offset);
        for (int at = 0; at < count; ++at) {
            record.lamps[lamps[at]] = p.pattern == Pattern::Sparkle
                                          ? (sparkled[step][at] ? p.first : p.second)
                                          : patternColour(p, at, count, step);
        }
        record.staticTime = p.sceneTime;
        record.riseTime = p.xfade;
        if (p.kind == Kind::Programs)
            record.endMarker = p.endMarker && step == p.stepCount() - 1 ? 1 : 0;
        setRecordAt(table, offset, record);
    }
    return FillError::None;
}

QString describe(FillError error, const FillParameters &p)
{
    switch (error) {
    case FillError::None:
        break;
    case FillError::WrongTable:
        return QCoreApplication::translate("Show", "The table has the wrong size.");
    case FillError::NoSuchProgram:
        return QCoreApplication::translate("Show",
                                           "There is no program %1; the programs are 1 to %2.")
            .arg(p.program + 1)
            .arg(ProgramCount);
    case FillError::StepsOutside:
        return (p.kind == Kind::Programs
                    ? QCoreApplication::translate(
                        "Show", "Choose steps from 1 to %1, the first not after the last.")
                    : QCoreApplication::translate(
                        "Show", "Choose scenes from 1 to %1, the first not after the last."))
            .arg(groupSize(p.kind));
    case FillError::NoLamps:
        return QCoreApplication::translate("Show", "Choose at least one lamp.");
    case FillError::WidthOutside:
        return (p.pattern == Pattern::Chase
                    ? QCoreApplication::translate(
                        "Show", "A chase can light 1 to %1 lamps at once, no more than are chosen.")
                    : QCoreApplication::translate(
                        "Show", "The pattern can light 1 to %1 lamps at once, no more than are "
                                "chosen."))
            .arg(p.chosenLamps().size());
    case FillError::SeedOutside:
        return QCoreApplication::translate("Show", "The seed must be 0 to %1.").arg(MaxSeed);
    case FillError::TimeOutside:
        return QCoreApplication::translate("Show", "The Scene Time must be 0 to %1 ms.")
            .arg(MaxStaticTime);
    case FillError::XFadeOutside:
        return QCoreApplication::translate("Show", "The XFade must be 0 to %1.").arg(MaxRiseTime);
    }
    return {};
}

Rgb hueColour(double degrees)
{
    double h = std::fmod(degrees, 360.0);
    if (h < 0)
        h += 360.0;
    h /= 60.0;
    const double x = 1.0 - std::fabs(std::fmod(h, 2.0) - 1.0);
    double r = 0;
    double g = 0;
    double b = 0;
    switch (int(h)) {
    case 0:
        r = 1, g = x;
        break;
    case 1:
        r = x, g = 1;
        break;
    case 2:
        g = 1, b = x;
        break;
    case 3:
        g = x, b = 1;
        break;
    case 4:
        r = x, b = 1;
        break;
    default:
        r = 1, b = x;
        break;
    }
    const auto level = [](double v) { return quint8(std::lround(v * 255)); };
    return {level(r), level(g), level(b)};
}

QList<Pattern> patterns()
{
    return {Pattern::Chase,  Pattern::Rainbow, Pattern::Fade, Pattern::Alternate, Pattern::Solid,
            Pattern::Bounce, Pattern::Stack,   Pattern::Wipe, Pattern::Sparkle};
}

bool usesWidth(Pattern pattern)
{
    return pattern == Pattern::Chase || pattern == Pattern::Bounce || pattern == Pattern::Sparkle;
}

bool usesDirection(Pattern pattern)
{
    switch (pattern) {
    case Pattern::Chase:
    case Pattern::Rainbow:
    case Pattern::Bounce:
    case Pattern::Stack:
    case Pattern::Wipe:
        return true;
    case Pattern::Fade:
    case Pattern::Alternate:
    case Pattern::Solid:
    case Pattern::Sparkle:
        break;
    }
    return false;
}

QString patternKeyword(Pattern pattern)
{
    switch (pattern) {
    case Pattern::Chase:
        return QStringLiteral("chase");
    case Pattern::Rainbow:
        return QStringLiteral("rainbow");
    case Pattern::Fade:
        return QStringLiteral("fade");
    case Pattern::Alternate:
        return QStringLiteral("alternate");
    case Pattern::Bounce:
        return QStringLiteral("bounce");
    case Pattern::Stack:
        return QStringLiteral("stack");
    case Pattern::Wipe:
        return QStringLiteral("wipe");
    case Pattern::Sparkle:
        return QStringLiteral("sparkle");
    case Pattern::Solid:
        break;
    }
    return QStringLiteral("solid");
}

QStringList patternKeywords()
{
    QStringList keywords;
    for (Pattern pattern : patterns())
        keywords.append(patternKeyword(pattern));
    return keywords;
}

std::optional<Pattern> patternFromKeyword(const QString &keyword)
{
    for (Pattern pattern : patterns()) {
        if (keyword == patternKeyword(pattern))
            return pattern;
    }
    return std::nullopt;
}

QString patternName(Pattern pattern)
{
    switch (pattern) {
    case Pattern::Chase:
        return QCoreApplication::translate("Show", "Chase");
    case Pattern::Rainbow:
        return QCoreApplication::translate("Show", "Rainbow");
    case Pattern::Fade:
        return QCoreApplication::translate("Show", "Fade");
    case Pattern::Alternate:
        return QCoreApplication::translate("Show", "Alternate");
    case Pattern::Bounce:
        return QCoreApplication::translate("Show", "Bounce");
    case Pattern::Stack:
        return QCoreApplication::translate("Show", "Stack");
    case Pattern::Wipe:
        return QCoreApplication::translate("Show", "Wipe");
    case Pattern::Sparkle:
        return QCoreApplication::translate("Show", "Sparkle");
    case Pattern::Solid:
        break;
    }
    return QCoreApplication::translate("Show", "Solid");
}

std::optional<Rgb> parseColour(const QString &input)
{
    const QString text = input.trimmed().toLower();
    static const QHash<QString, Rgb> names{
        {QStringLiteral("black"), {0, 0, 0}},      {QStringLiteral("white"), {255, 255, 255}},
        {QStringLiteral("red"), {255, 0, 0}},      {QStringLiteral("green"), {0, 255, 0}},
        {QStringLiteral("blue"), {0, 0, 255}},     {QStringLiteral("yellow"), {255, 255, 0}},
        {QStringLiteral("cyan"), {0, 255, 255}},   {QStringLiteral("magenta"), {255, 0, 255}},
        {QStringLiteral("orange"), {255, 128, 0}},
    };
    if (const auto named = names.constFind(text); named != names.constEnd())
        return *named;
    const QStringList channels = text.split(QLatin1Char(','));
    if (channels.size() == 3) {
        Rgb rgb;
        quint8 *values[] = {&rgb.red, &rgb.green, &rgb.blue};
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            const uint value = channels[i].trimmed().toUInt(&ok, 10);
            if (!ok || value > 255)
                return std::nullopt;
            *values[i] = quint8(value);
        }
        return rgb;
    }
    const QString hex = text.startsWith(QLatin1Char('#')) ? text.mid(1) : text;
    const bool hexDigits = std::all_of(hex.cbegin(), hex.cend(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
               || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
    });
    if (hex.size() != 6 || !hexDigits)
        return std::nullopt;
    const uint value = hex.toUInt(nullptr, 16);
    return Rgb{quint8(value >> 16), quint8(value >> 8), quint8(value)};
}

QString colourText(const Rgb &colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(colour.red, 2, 16, QLatin1Char('0'))
        .arg(colour.green, 2, 16, QLatin1Char('0'))
        .arg(colour.blue, 2, 16, QLatin1Char('0'));
}

std::optional<quint16> parseLamps(const QString &input)
{
    const QString text = input.trimmed();
    if (text.compare(QLatin1String("all"), Qt::CaseInsensitive) == 0)
        return quint16((1u << LampCount) - 1);
    quint16 lamps = 0;
    const auto number = [](const QString &part) {
        bool ok = false;
        const int value = part.trimmed().toInt(&ok, 10);
        return ok && value >= 1 && value <= LampCount ? value : 0;
    };
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        if (ends.size() > 2)
            return std::nullopt;
        const int from = number(ends.first());
        const int to = number(ends.last());
        if (from == 0 || to == 0 || to < from)
            return std::nullopt;
        for (int lamp = from; lamp <= to; ++lamp)
            lamps |= quint16(1u << (lamp - 1));
    }
    return lamps;
}

} // namespace Show
