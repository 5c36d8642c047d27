#include "cli/alldrivers.h"
#include "cli/cli.h"
#include "cli/productionlog.h"
#include "core/safefile.h"
#include "show/patterns.h"
#include "show/showcompare.h"
#include "show/showfile.h"
#include "show/showtransfer.h"
#include "usb/usblc350.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QTextStream>

#include <cstdio>
#include <limits>
#include <optional>
#include <sys/ioctl.h>
#include <unistd.h>

namespace Cli {

namespace {

// Reports a failed transfer in the core's words, then what to do about a
// lock it may have left; Success when it went through and the lock was
// released.
int transferExit(const Show::TransferResult &result, Show::Kind kind, Show::Direction direction,
                 const UsbDevice &device)
{
    if (result.ok())
        return Success;
    // A driver that was never reached (none attached, no permission, several
    // and none chosen) holds nothing of this transfer: its cause alone.
    if (result.error == Show::TransferResult::Error::Handshake
        && !device.lastResult().reachedDriver()) {
        reportConnection(device);
        return DeviceFailure;
    }
    err() << Show::describe(result, kind, direction) << Qt::endl;
    if (result.error == Show::TransferResult::Error::Verify && !result.differences.isEmpty())
        err() << tr("First difference (written → read back): %1")
                     .arg(Show::describeDifference(kind, result.differences.first()))
              << Qt::endl;
    if (result.mayLeaveLocked())
        err() << releaseHint() << Qt::endl;
    return DeviceFailure;
}

// Progress of a show transfer, one bar per pass over the table: a Get reads
// it twice or more and a Set reads back what it wrote, and a second pass
// should not look like the first starting over.
class TransferProgress
{
public:
    TransferProgress(USBLC350 &device, Show::Kind kind)
        : m_kind(kind)
    {
        // Through m_context: the device outlives this object.
        QObject::connect(&device, &USBLC350::sendPercentExtFlashWrite, &m_context,
                         [this](int percent) { step(false, percent); });
        QObject::connect(&device, &USBLC350::sendPercentExtFlashRead, &m_context,
                         [this](int percent) { step(true, percent); });
    }
    void finish() { m_bar.reset(); }

private:
    void step(bool read, int percent)
    {
        // Within a pass the percentage only grows.
        if (!m_bar || read != m_reading || percent <= m_last) {
            const bool programs = m_kind == Show::Kind::Programs;
            const QString label
                = !read ? (programs ? Cli::tr("Writing programs") : Cli::tr("Writing scenes"))
                  : m_anyPass
                      ? (programs ? Cli::tr("Checking programs") : Cli::tr("Checking scenes"))
                      : (programs ? Cli::tr("Reading programs") : Cli::tr("Reading scenes"));
            m_bar.reset();
            m_bar.emplace(label);
            m_reading = read;
            m_anyPass = true;
        }
        m_last = percent;
        m_bar->setPercent(percent);
    }

    Show::Kind m_kind;
    std::optional<Progress> m_bar;
    bool m_reading = false;
    bool m_anyPass = false;
    int m_last = 0;
    QObject m_context; // last: destroyed first, and the connections with it
};

int getTable(Show::Kind kind, const QString &fileName)
{
    Device device;
    TransferProgress progress(device, kind);
    QByteArray table;
    const Show::TransferResult result = Show::readTable(device, kind, table);
    progress.finish();
    device.disconnect();
    // A failed release fails the command, so no file is written for it: a
    // command that exits 1 leaves an existing file as it was.
    if (!result.ok())
        return transferExit(result, kind, Show::Direction::Read, device);
    const QString why = Show::saveFile(fileName, kind, table);
    if (!why.isEmpty()) {
        err() << SafeFile::describeFailure(fileName, why) << Qt::endl;
        return FileError;
    }
    out() << tr("Wrote %1 (%2)").arg(fileName, bytes(Show::fileSize(kind))) << Qt::endl;
    return Success;
}

int setTable(Show::Kind kind, const QString &fileName)
{
    // The file is read once, before the driver is touched; the table written
    // and the log's SHA-256 both come from that reading.
    const bool logged = productionLog().isOpen();
    ShowInput input;
    if (const QString why = readShowInput(fileName, kind, input, logged); !why.isEmpty()) {
        err() << "lc420-cli: " << why << Qt::endl;
        return FileError;
    }
    Device device;
    // Asked before the transfer: a driver that goes away during it still
    // has its line in the log.
    QByteArray serial = logged ? unitSerial(device) : QByteArray();
    TransferProgress progress(device, kind);
    const Show::TransferResult result = Show::writeTable(device, kind, input.table);
    progress.finish();
    const int exit = transferExit(result, kind, Show::Direction::Write, device);
    if (result.error == Show::TransferResult::Error::None)
        out() << tr("Wrote %1 to the driver.").arg(fileName) << Qt::endl;
    if (logged) {
        if (serial.isEmpty())
            serial = unitSerial(device);
        const QString why = logShowSet(serial, kind, fileName, input.sha256, result);
        if (!why.isEmpty()) {
            err() << why << Qt::endl;
            device.disconnect();
            return exit == Success ? FileError : exit;
        }
    }
    device.disconnect();
    return exit;
}

QJsonObject differenceJson(Show::Kind kind, const Show::RecordDifference &difference)
{
    QJsonObject json;
    if (kind == Show::Kind::Programs) {
        json.insert(QStringLiteral("program"), difference.record / Show::StepsPerProgram + 1);
        json.insert(QStringLiteral("step"), difference.record % Show::StepsPerProgram + 1);
    } else {
        json.insert(QStringLiteral("scene"), difference.record + 1);
    }
    const auto values = [](qint64 file, qint64 driver) {
        return QJsonObject{{QStringLiteral("file"), file}, {QStringLiteral("driver"), driver}};
    };
    QJsonArray lamps;
    for (int lamp : difference.lamps())
        lamps.append(lamp + 1);
    if (!lamps.isEmpty())
        json.insert(QStringLiteral("lamps"), lamps);
    const Show::SceneRecord &file = difference.first;
    const Show::SceneRecord &driver = difference.second;
    if (difference.riseTimeDiffers())
        json.insert(QStringLiteral("xfade"), values(file.riseTime, driver.riseTime));
    if (difference.staticTimeDiffers())
        json.insert(QStringLiteral("sceneTime"), values(file.staticTime, driver.staticTime));
    if (difference.endMarkerDiffers())
        json.insert(QStringLiteral("endMarker"), values(file.endMarker, driver.endMarker));
    if (difference.reservedDiffers())
        json.insert(QStringLiteral("reserved"), true);
    json.insert(QStringLiteral("text"), Show::describeDifference(kind, difference));
    return json;
}

// The driver's table against a file: 0 equal, 1 different or failed, 3 a bad file.
int verifyTable(Show::Kind kind, const QString &fileName)
{
    const Show::FileContents contents = Show::readFile(fileName, kind);
    if (!contents.ok()) {
        err() << "lc420-cli: "
              << fileError(contents, fileName, kind, {QStringLiteral("verify"), fileName})
              << Qt::endl;
        return FileError;
    }
    Device device;
    TransferProgress progress(device, kind);
    QByteArray table;
    const Show::TransferResult result = Show::readTable(device, kind, table);
    progress.finish();
    device.disconnect();
    if (!result.ok())
        return transferExit(result, kind, Show::Direction::Read, device);

    const QList<Show::RecordDifference> differences
        = Show::compareTables(kind, contents.table, table);
    if (globalOptions().json) {
        QJsonArray list;
        for (const Show::RecordDifference &difference : differences)
            list.append(differenceJson(kind, difference));
        printJson(QJsonObject{{QStringLiteral("file"), fileName},
                              {QStringLiteral("kind"), kindName(kind)},
                              {QStringLiteral("equal"), differences.isEmpty()},
                              {QStringLiteral("differences"), list}});
    } else if (differences.isEmpty()) {
        out() << (kind == Show::Kind::Programs ? tr("The driver holds exactly the programs of %1.")
                                               : tr("The driver holds exactly the scenes of %1."))
                     .arg(fileName)
              << Qt::endl;
    } else {
        const int count = int(differences.size());
        out() << (kind == Show::Kind::Programs
                      ? tr("The driver's programs differ from %1 in %n step(s) (file → driver):",
                           nullptr, count)
                      : tr("The driver's scenes differ from %1 in %n scene(s) (file → driver):",
                           nullptr, count))
                     .arg(fileName)
              << '\n';
        for (const Show::RecordDifference &difference : differences)
            out() << Show::describeDifference(kind, difference) << '\n';
        out().flush();
    }
    return differences.isEmpty() ? Success : DeviceFailure;
}

// programs fill / scenes fill: a pattern written into a table, saved as a
// file. No driver is used.

// The words of the fill options, each as the catalogue holds it (see
// keywordText()).
struct Word
{
    const char *source;
    const char *comment;
};
const Word colourNames[] = {
    QT_TRANSLATE_NOOP3("Cli", "black", "command-line word"),
    QT_TRANSLATE_NOOP3("Cli", "white", "command-line word"),
    QT_TRANSLATE_NOOP3("Cli", "red", "command-line word"),
    QT_TRANSLATE_NOOP3("Cli", "green", "command-line word"),
    QT_TRANSLATE_NOOP3("Cli", "blue", "command-line word"),
    QT_TRANSLATE_NOOP3("Cli", "yellow", "command-line word"),
    QT_TRANSLATE_NOOP3("Cli", "cyan", "command-line word"),
    QT_TRANSLATE_NOOP3("Cli", "magenta", "command-line word"),
    QT_TRANSLATE_NOOP3("Cli", "orange", "command-line word"),
};
const Word Up = QT_TRANSLATE_NOOP3("Cli", "up", "command-line word");
const Word Down = QT_TRANSLATE_NOOP3("Cli", "down", "command-line word");
const Word AllLamps = QT_TRANSLATE_NOOP3("Cli", "all", "command-line word");

QList<const char *> colourWords()
{
    QList<const char *> words;
    for (const Word &word : colourNames)
        words.append(word.source);
    return words;
}

QStringList keywordTexts(const QList<const char *> &words)
{
    QStringList texts;
    for (const char *word : words)
        texts.append(keywordText(word));
    return texts;
}

// The options of programs fill (and, without the programs-only ones, of
// scenes fill), for its help and its usage errors.
QList<HelpEntry> fillOptions(Show::Kind kind)
{
    const bool programs = kind == Show::Kind::Programs;
    QList<HelpEntry> options;
    options.append(
        {tr("PATTERN"), tr("one of: %1").arg(patternWords().join(QStringLiteral(", ")))});
    if (programs)
        options.append({tr("--program N"), tr("the program to fill, 1 to 8 [1]")});
    options.append({tr("--first N"), programs ? tr("the first step to fill [1]")
                                              : tr("the first scene to fill [1]")});
    options.append({tr("--last N"), programs ? tr("the last step to fill [12]")
                                             : tr("the last scene to fill [8]")});
    options.append({tr("--lamps LIST"),
                    tr("the lamps, such as 1-6,9, or %1 [%1]").arg(keywordText(AllLamps.source))});
    options.append({tr("--color COLOR"),
                    tr("chase, bounce, stack, sparkle: the light; fade: the first colour; "
                       "alternate, wipe: the first colour; solid: the colour [%1]")
                        .arg(keywordText("red"))});
    options.append({tr("--color2 COLOR"), tr("chase, bounce, stack, sparkle: the background; "
                                             "fade: the last colour; alternate, wipe: the "
                                             "second colour [%1]")
                                              .arg(keywordText("black"))});
    options.append(
        {tr("--direction DIR"), tr("chase, rainbow, bounce, stack, wipe: %1 (from lamp 1 towards "
                                   "lamp 12) or %2 [%1]")
                                    .arg(keywordText(Up.source), keywordText(Down.source))});
    options.append(
        {tr("--width N"), tr("chase, bounce, sparkle: how many lamps are lit at once [1]")});
    options.append({tr("--seed N"), tr("sparkle: where the random lamps come from, 0 to "
                                       "2147483647; the same seed gives the same steps [1]")});
    options.append(
        {tr("--scene-time MS"), tr("the Scene Time of every filled step, 0 to 900000 [500]")});
    options.append({tr("--xfade N"), tr("the XFade of every filled step, 0 to 100000 [0]")});
    if (programs)
        options.append({QStringLiteral("--no-end-marker"),
                        tr("no End Marker on the last filled step (the others get none either) "
                           "[End Marker on the last step]")});
    options.append({tr("--from FILE"), tr("start from the table in FILE instead of an all-black "
                                          "one")});
    options.append({tr("COLOR"), tr("#rrggbb, R,G,B or one of: %1")
                                     .arg(keywordTexts(colourWords()).join(QStringLiteral(", ")))});
    return options;
}

// The whole options text goes with a fill that names no pattern or file; a
// single mistake gets its message and the synopsis.
int fillUsage(Show::Kind kind, const QString &message, bool withOptions = false)
{
    const Command fill = showCommands().at(kind == Show::Kind::Programs ? 1 : 3);
    const int exit = usage(fill, message);
    if (withOptions) {
        err() << '\n' << tr("Options:") << '\n';
        printHelpEntries(err(), fill.options);
        err().flush();
    } else {
        err() << wrapText(
            tr("(the options: %1)")
                .arg(suggestion({fill.name, fill.variant, QStringLiteral("--help")}, false)),
            0) << Qt::endl;
    }
    return exit;
}

// The output file of a fill as the other kind's fill would name it.
QStringList argumentsForKind(QStringList arguments, Show::Kind other)
{
    const QString from
        = other == Show::Kind::Programs ? QStringLiteral(".scn") : QStringLiteral(".pgm");
    const QString to
        = other == Show::Kind::Programs ? QStringLiteral(".pgm") : QStringLiteral(".scn");
    if (!arguments.isEmpty() && arguments.last().endsWith(from, Qt::CaseInsensitive))
        arguments.last() = arguments.last().chopped(from.size()) + to;
    return arguments;
}

int fillTable(Show::Kind kind, const QStringList &commandArguments)
{
    // --serial is let through: with several drivers attached the tool asks
    // for one before any command runs, although this one uses none.
    if (globalOptions().all || globalOptions().json || !globalOptions().logFile.isEmpty())
        return fillUsage(kind, tr("fill uses no driver; --all, --json and --log do not apply"));
    QStringList arguments = commandArguments.mid(1); // after "fill"
    Show::FillParameters parameters = Show::defaultFillParameters(kind);
    QString from;
    QStringList files;
    bool pattern = false;
    bool seeded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments.at(i);
        if (!option.startsWith(QLatin1String("--"))) {
            if (pattern) {
                files.append(option);
                continue;
            }
            const std::optional<Show::Pattern> chosen = patternFromWord(option);
            if (!chosen)
                return fillUsage(kind, tr("unknown pattern \"%1\"; the patterns: %2")
                                           .arg(option, patternWords().join(QStringLiteral(", "))));
            parameters.pattern = *chosen;
            pattern = true;
            continue;
        }
        if (option == QLatin1String("--no-end-marker")) {
            if (kind == Show::Kind::Scenes)
                return fillUsage(kind, tr("scenes have no End Marker"));
            parameters.endMarker = false;
            continue;
        }
        // "--option value" or "--option=value".
        QString value;
        if (const qsizetype equals = option.indexOf(QLatin1Char('=')); equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments.at(++i);
        } else {
            return fillUsage(kind, tr("%1 needs a value").arg(option));
        }
        bool isNumber = false;
        const int number = value.toInt(&isNumber, 10);
        const auto needNumber = [&]() {
            return fillUsage(kind, tr("%1 takes a number, not \"%2\"").arg(option, value));
        };
        if (option == QLatin1String("--program")) {
            if (kind == Show::Kind::Scenes)
                return fillUsage(kind, tr("--program goes with programs fill only"));
            if (!isNumber)
                return needNumber();
            parameters.program = number - 1;
        } else if (option == QLatin1String("--first") || option == QLatin1String("--last")) {
            if (!isNumber)
                return needNumber();
            (option == QLatin1String("--first") ? parameters.firstStep : parameters.lastStep)
                = number - 1;
        } else if (option == QLatin1String("--width")) {
            if (!isNumber)
                return needNumber();
            parameters.width = number;
        } else if (option == QLatin1String("--seed")) {
            if (!isNumber)
                return needNumber();
            parameters.seed = number;
            seeded = true;
        } else if (option == QLatin1String("--scene-time")) {
            if (!isNumber)
                return needNumber();
            parameters.sceneTime = number;
        } else if (option == QLatin1String("--xfade")) {
            if (!isNumber)
                return needNumber();
            parameters.xfade = number;
        } else if (option == QLatin1String("--lamps")) {
            const QString all = englishKeyword(value, {AllLamps.source});
            const std::optional<quint16> lamps = Show::parseLamps(all.isEmpty() ? value : all);
            if (!lamps)
                return fillUsage(kind, tr("--lamps takes lamp numbers 1 to 12 such as 1-6,9, or "
                                          "%1; not \"%2\"")
                                           .arg(keywordText(AllLamps.source), value));
            parameters.lamps = *lamps;
        } else if (option == QLatin1String("--color") || option == QLatin1String("--color2")) {
            const QString name = englishKeyword(value, colourWords());
            const std::optional<Show::Rgb> colour
                = Show::parseColour(name.isEmpty() ? value : name);
            if (!colour)
                return fillUsage(
                    kind,
                    tr("%1 takes #rrggbb, R,G,B or a colour name; not \"%2\"").arg(option, value));
            (option == QLatin1String("--color") ? parameters.first : parameters.second) = *colour;
        } else if (option == QLatin1String("--direction")) {
            const QString direction = englishKeyword(value, {Up.source, Down.source});
            if (direction.isEmpty())
                return fillUsage(kind, tr("--direction takes %1 or %2")
                                           .arg(keywordText(Up.source), keywordText(Down.source)));
            parameters.direction = direction == QLatin1String(Up.source)
                                       ? Show::LampDirection::Up
                                       : Show::LampDirection::Down;
        } else if (option == QLatin1String("--from")) {
            from = value;
        } else {
            return fillUsage(kind, tr("unknown option %1").arg(option));
        }
    }
    if (!pattern || files.size() != 1)
        return fillUsage(kind, tr("expected a pattern and one output file"), true);
    if (seeded && parameters.pattern != Show::Pattern::Sparkle)
        return fillUsage(kind, tr("--seed goes with sparkle only"));
    if (const Show::FillError error = Show::checkFill(parameters); error != Show::FillError::None)
        return fillUsage(kind, Show::describe(error, parameters));

    QByteArray table(Show::tableSize(kind), '\0');
    if (!from.isEmpty()) {
        const Show::FileContents contents = Show::readFile(from, kind);
        if (!contents.ok()) {
            const Show::Kind other
                = kind == Show::Kind::Programs ? Show::Kind::Scenes : Show::Kind::Programs;
            err() << "lc420-cli: "
                  << fileError(contents, from, kind, argumentsForKind(commandArguments, other))
                  << Qt::endl;
            return FileError;
        }
        table = contents.table;
    }
    if (Show::fillSteps(table, parameters) != Show::FillError::None)
        return fillUsage(kind, tr("the pattern could not be written"));
    const QString &fileName = files.first();
    if (const QString why = Show::saveFile(fileName, kind, table); !why.isEmpty()) {
        err() << SafeFile::describeFailure(fileName, why) << Qt::endl;
        return FileError;
    }
    const QString range
        = kind == Show::Kind::Programs
              ? tr("program %1, steps %2 to %3")
                    .arg(parameters.program + 1)
                    .arg(parameters.firstStep + 1)
                    .arg(parameters.lastStep + 1)
              : tr("scenes %1 to %2").arg(parameters.firstStep + 1).arg(parameters.lastStep + 1);
    // A sparkle names its seed, so the same steps can be made again.
    const QString filled
        = parameters.pattern == Show::Pattern::Sparkle
              ? tr("%1 (seed %2)").arg(patternWord(parameters.pattern)).arg(parameters.seed)
              : patternWord(parameters.pattern);
    out() << tr("Wrote %1 (%2): %3 on %4").arg(fileName, bytes(Show::fileSize(kind)), filled, range)
          << Qt::endl;
    return Success;
}

int tableCommand(Show::Kind kind, const Command &command, const QStringList &arguments)
{
    if (arguments.value(0) == QLatin1String("fill"))
        return fillTable(kind, arguments);
    if (arguments.size() != 2)
        return usage(command, tr("expected get, set or verify and a file"));
    if (arguments.first() == QLatin1String("verify") && !globalOptions().all
        && globalOptions().logFile.isEmpty())
        return verifyTable(kind, arguments.at(1));
    const bool set = arguments.first() == QLatin1String("set");
    if (!set && (globalOptions().all || !globalOptions().logFile.isEmpty()))
        return usage(command, tr("--all and --log go with set only"));
    if (globalOptions().json && !globalOptions().all)
        return usage(command, tr("--json goes with verify or --all only"));
    if (arguments.first() == QLatin1String("get"))
        return getTable(kind, arguments.at(1));
    if (set && globalOptions().all)
        return setTableOnAllDrivers(kind, arguments.at(1));
    if (set)
        return setTable(kind, arguments.at(1));
    return usage(command, tr("expected get, set or verify"));
}

int programs(const Command &command, const QStringList &arguments)
{
    return tableCommand(Show::Kind::Programs, command, arguments);
}

int scenes(const Command &command, const QStringList &arguments)
{
    return tableCommand(Show::Kind::Scenes, command, arguments);
}

// A show file of either kind, told apart by its header.
Show::FileContents readEither(const QString &fileName, Show::Kind &kind)
{
    kind = Show::Kind::Programs;
    Show::FileContents contents = Show::readFile(fileName, kind);
    if (contents.error == Show::FileContents::Error::WrongHeader) {
        kind = Show::Kind::Scenes;
        Show::FileContents scenes = Show::readFile(fileName, kind);
        if (scenes.error != Show::FileContents::Error::WrongHeader)
            return scenes;
        kind = Show::Kind::Programs;
    }
    return contents;
}

QString colour(const Show::Rgb &rgb)
{
    return QStringLiteral("#%1%2%3")
        .arg(rgb.red, 2, 16, QLatin1Char('0'))
        .arg(rgb.green, 2, 16, QLatin1Char('0'))
        .arg(rgb.blue, 2, 16, QLatin1Char('0'));
}

// A block in the lamp's own colour (24-bit SGR background).
QString swatch(const Show::Rgb &rgb)
{
    return QStringLiteral("\x1b[48;2;%1;%2;%3m  \x1b[0m").arg(rgb.red).arg(rgb.green).arg(rgb.blue);
}

// How the lamps of a record are laid out: each lamp as its colour block and
// its #rrggbb, as its block alone, or as #rrggbb alone; as many to a line as
// the terminal holds, the rest on lines of their own below.
struct TableLayout
{
    enum class Lamp { Text, BlockAndText, Block };
    Lamp lamp = Lamp::Text;
    int lampsPerLine = Show::LampCount;
    int indent = 0; // the width of the columns before the lamps
    int width = std::numeric_limits<int>::max();
    // The widths of the time and marker columns: each as wide as its heading
    // in the user's language, and at least as the values it usually holds.
    int xfade = 6;
    int sceneTime = 11;
    int endMarker = 11;

    [[nodiscard]] int lampWidth() const
    {
        switch (lamp) {
        case Lamp::Text:
            return 8; // " #rrggbb"
        case Lamp::BlockAndText:
            return 11; // " ", the block, " #rrggbb"
        case Lamp::Block:
            break;
        }
        return 3; // " ", the block
    }
};

// The terminal's width in columns: the window's, else $COLUMNS, else 80.
int terminalWidth()
{
    winsize size = {};
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    bool ok = false;
    const int columns = qEnvironmentVariableIntValue("COLUMNS", &ok);
    return ok && columns > 0 ? columns : 80;
}

// A plain table keeps its one line per record, whatever the width: scripts
// read it. A coloured one is for a person at a terminal and fits its width.
TableLayout tableLayout(bool coloured, int indent)
{
    TableLayout layout;
    layout.indent = indent;
    if (!coloured)
        return layout;
    layout.width = terminalWidth();
    layout.lamp = TableLayout::Lamp::BlockAndText;
    if (indent + Show::LampCount * layout.lampWidth() <= layout.width)
        return layout;
    layout.lamp = TableLayout::Lamp::Block;
    layout.lampsPerLine
        = qBound(1, (layout.width - indent) / layout.lampWidth(), int(Show::LampCount));
    return layout;
}

QString lampHeader(const TableLayout &layout)
{
    QString lamps;
    for (int lamp = 1; lamp <= Show::LampCount; ++lamp) {
        if (lamp > 1 && (lamp - 1) % layout.lampsPerLine == 0)
            lamps += QLatin1Char('\n') + QString(layout.indent, QLatin1Char(' '));
        const bool last = lamp == Show::LampCount || lamp % layout.lampsPerLine == 0;
        switch (layout.lamp) {
        case TableLayout::Lamp::Block:
            lamps += QStringLiteral("%1").arg(lamp, 3);
            break;
        case TableLayout::Lamp::Text:
        case TableLayout::Lamp::BlockAndText:
            lamps += QStringLiteral(" L:%1").arg(lamp, last ? 0 : 3 - layout.lampWidth());
            break;
        }
    }
    return lamps;
}

void printRecord(const QString &position, const Show::SceneRecord &record,
                 const TableLayout &layout)
{
    // A space before every column, so values wider than their column (a file
    // may hold any 32-bit time) never run into each other; such a row has
    // room for fewer lamps on its first line.
    const QString columns = QStringLiteral("%1 %2 %3 %4")
                                .arg(position)
                                .arg(record.riseTime, layout.xfade)
                                .arg(record.staticTime, layout.sceneTime)
                                .arg(int(record.endMarker), layout.endMarker);
    out() << columns;
    const qint64 room = qint64(layout.width) - columns.size();
    int nextBreak = int(qBound(qint64(0), room / layout.lampWidth(), qint64(layout.lampsPerLine)));
    for (int lamp = 0; lamp < Show::LampCount; ++lamp) {
        if (lamp == nextBreak) {
            out() << '\n' << QString(layout.indent, QLatin1Char(' '));
            nextBreak += layout.lampsPerLine;
        }
        const Show::Rgb &rgb = record.lamps[std::size_t(lamp)];
        out() << ' ';
        switch (layout.lamp) {
        case TableLayout::Lamp::Text:
            out() << colour(rgb);
            break;
        case TableLayout::Lamp::BlockAndText:
            out() << swatch(rgb) << ' ' << colour(rgb);
            break;
        case TableLayout::Lamp::Block:
            out() << swatch(rgb);
            break;
        }
    }
    out() << '\n';
}

// --color=always|never|auto: whether the lamps are shown in colour. auto,
// the default, colours only a terminal, and only when NO_COLOR is unset
// (no-color.org). None when the option is not understood.
std::optional<bool> takeColourOption(QStringList &arguments)
{
    bool coloured = isatty(fileno(stdout)) != 0 && qEnvironmentVariableIsEmpty("NO_COLOR");
    for (qsizetype i = 0; i < arguments.size();) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--color"))) {
            ++i;
            continue;
        }
        const QString when = argument.section(QLatin1Char('='), 1);
        if (when == QLatin1String("always"))
            coloured = true;
        else if (when == QLatin1String("never"))
            coloured = false;
        else if (when != QLatin1String("auto"))
            return std::nullopt;
        arguments.removeAt(i);
    }
    return coloured;
}

int showFile(const Command &command, const QStringList &commandArguments)
{
    QStringList arguments = commandArguments;
    const std::optional<bool> coloured = takeColourOption(arguments);
    if (!coloured)
        return usage(command, tr("--color takes always, never or auto"));
    PlayOptions play;
    if (const QString why = takePlayOptions(arguments, play); !why.isEmpty())
        return usage(command, why);
    if (play.play && globalOptions().json)
        return usage(command, tr("--json does not go with --play"));
    if (arguments.size() != 1)
        return usage(command, tr("expected one show file"));
    Show::Kind kind = Show::Kind::Programs;
    const Show::FileContents contents = readEither(arguments.first(), kind);
    if (!contents.ok()) {
        err() << "lc420-cli: "
              << (contents.error == Show::FileContents::Error::WrongHeader
                      ? tr("%1 is neither a programs nor a scenes file.").arg(arguments.first())
                      : fileError(contents, arguments.first(), kind))
              << Qt::endl;
        return FileError;
    }
    if (play.play) {
        if (kind != Show::Kind::Programs) {
            err() << "lc420-cli: "
                  << tr("%1 is a scenes file; --play plays a program of a programs file.")
                         .arg(arguments.first())
                  << Qt::endl;
            return FileError;
        }
        return playProgram(contents.table, play, *coloured);
    }
    if (globalOptions().json) {
        QJsonArray records;
        const auto record
            = [&records, &contents](const QString &unit, int number, int step, int offset) {
                  const Show::SceneRecord scene = Show::recordAt(contents.table, offset);
                  QJsonArray lamps;
                  for (const Show::Rgb &lamp : scene.lamps)
                      lamps.append(colour(lamp));
                  QJsonObject json{{unit, number},
                                   {QStringLiteral("xfade"), qint64(scene.riseTime)},
                                   {QStringLiteral("sceneTime"), qint64(scene.staticTime)},
                                   {QStringLiteral("endMarker"), int(scene.endMarker)},
                                   {QStringLiteral("lamps"), lamps}};
                  if (step > 0)
                      json.insert(QStringLiteral("step"), step);
                  records.append(json);
              };
        if (kind == Show::Kind::Programs) {
            for (int program = 0; program < Show::ProgramCount; ++program) {
                for (int step = 0; step < Show::StepsPerProgram; ++step)
                    record(QStringLiteral("program"), program + 1, step + 1,
                           Show::programRecordOffset(program, step));
            }
        } else {
            for (int scene = 0; scene < Show::SceneCount; ++scene)
                record(QStringLiteral("scene"), scene + 1, 0, Show::sceneRecordOffset(scene));
        }
        printJson(QJsonObject{{QStringLiteral("header"), contents.header},
                              {QStringLiteral("version"), contents.version},
                              {QStringLiteral("kind"), kindName(kind)},
                              {QStringLiteral("records"), records}});
        return Success;
    }

    out() << contents.header << ", " << contents.version << '\n';
    // Each column as wide as its heading in the user's language, and at
    // least as wide as the values it usually holds.
    const auto column = [](const QString &heading, int least) {
        return int(qMax<qsizetype>(least, heading.size()));
    };
    const QString xfade = tr("XFade");
    const QString sceneTime = tr("Scene Time");
    const QString endMarker = tr("End Marker");
    const auto withColumns = [&](TableLayout layout) {
        layout.xfade = column(xfade, 5) + 1;
        layout.sceneTime = column(sceneTime, 10) + 1;
        layout.endMarker = column(endMarker, 10) + 1;
        return layout;
    };
    const auto columns = [&](const TableLayout &layout) {
        return QLatin1Char(' ') + xfade.rightJustified(layout.xfade) + QLatin1Char(' ')
               + sceneTime.rightJustified(layout.sceneTime) + QLatin1Char(' ')
               + endMarker.rightJustified(layout.endMarker);
    };
    if (kind == Show::Kind::Programs) {
        const QString program = tr("Program");
        const QString step = tr("Step");
        const int programWidth = column(program, 7);
        const int stepWidth = column(step, 4);
        const QString position = program.rightJustified(programWidth) + QLatin1Char(' ')
                                 + step.rightJustified(stepWidth);
        TableLayout layout = withColumns(TableLayout{});
        layout = withColumns(tableLayout(*coloured, int(position.size() + columns(layout).size())));
        out() << position << columns(layout) << lampHeader(layout) << '\n';
        for (int program = 0; program < Show::ProgramCount; ++program) {
            for (int step = 0; step < Show::StepsPerProgram; ++step)
                printRecord(
                    QStringLiteral("%1 %2").arg(program + 1, programWidth).arg(step + 1, stepWidth),
                    Show::recordAt(contents.table, Show::programRecordOffset(program, step)),
                    layout);
        }
    } else {
        const QString scene = tr("Scene");
        const int sceneWidth = column(scene, 5);
        const QString position = scene.rightJustified(sceneWidth);
        TableLayout layout = withColumns(TableLayout{});
        layout = withColumns(tableLayout(*coloured, int(position.size() + columns(layout).size())));
        out() << position << columns(layout) << lampHeader(layout) << '\n';
        for (int scene = 0; scene < Show::SceneCount; ++scene)
            printRecord(QStringLiteral("%1").arg(scene + 1, sceneWidth),
                        Show::recordAt(contents.table, Show::sceneRecordOffset(scene)), layout);
    }
    out().flush();
    return Success;
}

} // namespace

int inspectShowFile(const QString &fileName, Show::Kind kind)
{
    using Error = Show::FileContents::Error;
    const Show::FileContents contents = Show::readFile(fileName, kind);
    if (contents.error == Error::Unreadable) {
        err() << "lc420-cli: " << fileError(contents, fileName, kind) << Qt::endl;
        return FileError;
    }
    int used = 0;
    const int records = Show::tableSize(kind) / Show::RecordSize;
    if (contents.ok()) {
        for (int at = 0; at < Show::tableSize(kind); at += Show::RecordSize)
            used
                += contents.table.mid(at, Show::RecordSize).count('\0') == Show::RecordSize ? 0 : 1;
    }

    if (globalOptions().json) {
        const bool headerOk = contents.error != Error::WrongHeader;
        QJsonObject json{
            {QStringLiteral("file"), fileName},
            {QStringLiteral("fileSize"), contents.fileSize},
            {QStringLiteral("expectedSize"), Show::fileSize(kind)},
            {QStringLiteral("kind"), kindName(kind)},
            {QStringLiteral("header"), contents.header},
            {QStringLiteral("headerOk"), headerOk},
            {QStringLiteral("version"), headerOk ? QJsonValue(contents.version) : QJsonValue()},
            {QStringLiteral("versionOk"), headerOk && contents.error != Error::WrongVersion},
            {QStringLiteral("blockSize"),
             contents.blockSize < 0 ? QJsonValue() : QJsonValue(contents.blockSize)},
            {QStringLiteral("blockOk"), contents.error != Error::WrongLength},
            {QStringLiteral("consistent"), contents.ok()},
        };
        if (contents.ok()) {
            json.insert(QStringLiteral("recordsInUse"), used);
            json.insert(QStringLiteral("records"), records);
        }
        printJson(json);
        return contents.ok() ? Success : FileError;
    }

    // Labels padded to one column, whatever their length in the user's language.
    const QStringList labels{tr("File:"), tr("Header:"), tr("Version:"), tr("Block:"),
                             kind == Show::Kind::Programs ? tr("Steps:") : tr("Scenes:")};
    qsizetype width = 11;
    for (const QString &label : labels)
        width = qMax(width, label.size() + 1);
    const auto line = [&labels, width](int label, const QString &text) {
        out() << labels.at(label).leftJustified(width) << text << '\n';
    };
    line(0, tr("%1 (%2, %3 expected)")
                .arg(fileName, bytes(contents.fileSize), number(Show::fileSize(kind))));
    line(1, contents.error == Error::WrongHeader ? Show::describe(contents) : contents.header);
    if (contents.error != Error::WrongHeader)
        line(2,
             contents.error == Error::WrongVersion ? Show::describe(contents) : contents.version);
    if (contents.error == Error::WrongLength) {
        line(3,
             contents.blockSize < 0
                 ? tr("Wrong file length (cut short, needs %1)").arg(number(Show::tableSize(kind)))
                 : tr("Wrong file length (%1, needs %2)")
                       .arg(bytes(contents.blockSize), number(Show::tableSize(kind))));
    } else if (contents.ok()) {
        line(3, bytes(contents.blockSize));
        line(4, tr("%1 of %2 in use").arg(number(used), number(records)));
    }
    out() << (contents.ok() ? tr("The file is consistent.") : tr("The file is damaged."))
          << Qt::endl;
    return contents.ok() ? Success : FileError;
}

QList<Command> showCommands()
{
    const QString patterns = patternWords().join(QStringLiteral(", "));
    const int traits = UsesDriver | Json | AllDrivers | Logged;
    return {
        makeCommand(QStringLiteral("programs"), tr("programs get|set|verify FILE.pgm"),
                    tr("programs between the driver and a file, or compared with one"), programs,
                    traits),
        // The same command again for the help's list: it runs the first.
        withOptions(makeCommand(QStringLiteral("programs"),
                                tr("programs fill PATTERN [OPTIONS] OUT.pgm"),
                                tr("a pattern (%1) in steps of a program, as a file; no driver "
                                   "is used")
                                    .arg(patterns),
                                programs, traits),
                    fillOptions(Show::Kind::Programs), QStringLiteral("fill")),
        makeCommand(QStringLiteral("scenes"), tr("scenes get|set|verify FILE.scn"),
                    tr("scenes between the driver and a file, or compared with one"), scenes,
                    traits),
        withOptions(makeCommand(QStringLiteral("scenes"),
                                tr("scenes fill PATTERN [OPTIONS] OUT.scn"),
                                tr("the same patterns over the scenes"), scenes, traits),
                    fillOptions(Show::Kind::Scenes), QStringLiteral("fill")),
        withOptions(makeCommand(QStringLiteral("show-file"),
                                tr("show-file [--color=always|never|auto] [--play [--program N] "
                                   "[--loops N]] FILE"),
                                tr("print a programs or scenes file as a table; on a terminal "
                                   "each lamp in its colour; --play plays a program"),
                                showFile, Json),
                    {{QStringLiteral("--color=always|never|auto"),
                      tr("lamps in colour always, never, or only on a terminal when NO_COLOR is "
                         "unset [auto]")},
                     {QStringLiteral("--play"),
                      tr("play a program, one step per Scene Time, until Ctrl+C")},
                     {tr("--program N"), tr("with --play: the program to play, 1 to 8 [1]")},
                     {tr("--loops N"), tr("with --play: stop after N rounds [until Ctrl+C]")}}),
    };
}

} // namespace Cli
