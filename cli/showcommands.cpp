#include "cli/alldrivers.h"
#include "cli/cli.h"
#include "cli/productionlog.h"
#include "show/showcompare.h"
#include "show/showfile.h"
#include "show/showtransfer.h"
#include "usb/usblc350.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace Cli {

namespace {

// Reports a failed transfer; Success when it went through and the lock was
// released.
int transferExit(const Show::TransferResult &result, Show::Kind kind, const UsbDevice &device)
{
    using Error = Show::TransferResult::Error;
    switch (result.error) {
    case Error::None:
        break;
    case Error::Handshake:
        reportConnection(device);
        return DeviceFailure;
    case Error::Read:
        err() << "Reading the " << kindName(kind) << " from the driver failed." << Qt::endl;
        break;
    case Error::Write:
        err() << "Writing the " << kindName(kind) << " to the driver failed." << Qt::endl;
        break;
    case Error::Verify:
        err() << "The driver does not hold the " << kindName(kind)
              << " written to it, even after a second write. "
              << QStringLiteral("First difference (written → read back): ")
              << (result.differences.isEmpty()
                      ? QString()
                      : Show::describeDifference(kind, result.differences.first()))
              << Qt::endl;
        break;
    case Error::Unstable:
        err() << "Reading the " << kindName(kind) << " from the driver gave different data on "
              << Show::MaxGetReads << " reads in a row; nothing was taken." << Qt::endl;
        break;
    }
    if (!result.released)
        err() << "The driver's status bit 0 could not be cleared." << Qt::endl;
    return result.ok() ? Success : DeviceFailure;
}

// Progress of a show transfer, one bar per pass over the table: a Get reads
// it twice or more and a Set reads back what it wrote, and a second pass
// should not look like the first starting over.
class TransferProgress
{
public:
    TransferProgress(USBLC350 &device, Show::Kind kind)
        : m_kind(kindName(kind))
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
            const QString verb = !read       ? QStringLiteral("Writing ")
                                 : m_anyPass ? QStringLiteral("Checking ")
                                             : QStringLiteral("Reading ");
            m_bar.reset();
            m_bar.emplace(verb + m_kind);
            m_reading = read;
            m_anyPass = true;
        }
        m_last = percent;
        m_bar->setPercent(percent);
    }

    QString m_kind;
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
        return transferExit(result, kind, device);
    const QString why = Show::saveFile(fileName, kind, table);
    if (!why.isEmpty()) {
        err() << "Cannot write " << fileName << ": " << why << Qt::endl;
        return FileError;
    }
    out() << "Wrote " << fileName << " (" << Show::fileSize(kind) << " bytes)" << Qt::endl;
    return Success;
}

int setTable(Show::Kind kind, const QString &fileName)
{
    // The file is checked whole before the driver is touched.
    const Show::FileContents contents = Show::readFile(fileName, kind);
    if (!contents.ok()) {
        err() << fileName << ": " << fileError(contents) << Qt::endl;
        return FileError;
    }
    Device device;
    TransferProgress progress(device, kind);
    const Show::TransferResult result = Show::writeTable(device, kind, contents.table);
    progress.finish();
    const int exit = transferExit(result, kind, device);
    if (result.error == Show::TransferResult::Error::None)
        out() << "Wrote " << fileName << " to the driver." << Qt::endl;
    if (productionLog().isOpen()) {
        const QString why = logShowSet(device, kind, fileName, result);
        if (!why.isEmpty()) {
            err() << why << Qt::endl;
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
        err() << fileName << ": " << fileError(contents) << Qt::endl;
        return FileError;
    }
    Device device;
    TransferProgress progress(device, kind);
    QByteArray table;
    const Show::TransferResult result = Show::readTable(device, kind, table);
    progress.finish();
    device.disconnect();
    if (!result.ok())
        return transferExit(result, kind, device);

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
        out() << "The driver holds exactly the " << kindName(kind) << " of " << fileName << '.'
              << Qt::endl;
    } else {
        out() << "The driver's " << kindName(kind) << " differ from " << fileName << " in "
              << differences.size() << (differences.size() == 1 ? " record" : " records")
              << QStringLiteral(" (file → driver):\n");
        for (const Show::RecordDifference &difference : differences)
            out() << Show::describeDifference(kind, difference) << '\n';
        out().flush();
    }
    return differences.isEmpty() ? Success : DeviceFailure;
}

int tableCommand(Show::Kind kind, const Command &command, const QStringList &arguments)
{
    if (arguments.size() != 2)
        return usage(command, QStringLiteral("expected get, set or verify and a file"));
    if (arguments.first() == QLatin1String("verify") && !globalOptions().all
        && globalOptions().logFile.isEmpty())
        return verifyTable(kind, arguments.at(1));
    const bool set = arguments.first() == QLatin1String("set");
    if (!set && (globalOptions().all || !globalOptions().logFile.isEmpty()))
        return usage(command, QStringLiteral("--all and --log go with set only"));
    if (globalOptions().json && !globalOptions().all)
        return usage(command, QStringLiteral("--json goes with verify or --all only"));
    if (arguments.first() == QLatin1String("get"))
        return getTable(kind, arguments.at(1));
    if (set && globalOptions().all)
        return setTableOnAllDrivers(kind, arguments.at(1));
    if (set)
        return setTable(kind, arguments.at(1));
    return usage(command, QStringLiteral("expected get, set or verify"));
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
        const Show::FileContents scenes = Show::readFile(fileName, kind);
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

// A block in the lamp's own colour (24-bit SGR background) before its text.
QString swatch(const Show::Rgb &rgb)
{
    return QStringLiteral("\x1b[48;2;%1;%2;%3m  \x1b[0m ")
        .arg(rgb.red)
        .arg(rgb.green)
        .arg(rgb.blue);
}

void printRecord(const QString &position, const Show::SceneRecord &record, bool coloured)
{
    // A space before every column, so values wider than their column (a file
    // may hold any 32-bit time) never run into each other.
    out() << QStringLiteral("%1 %2 %3 %4")
                 .arg(position)
                 .arg(record.riseTime, 6)
                 .arg(record.staticTime, 11)
                 .arg(int(record.endMarker), 11);
    for (const Show::Rgb &lamp : record.lamps)
        out() << ' ' << (coloured ? swatch(lamp) : QString()) << colour(lamp);
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
        return usage(command, QStringLiteral("--color takes always, never or auto"));
    if (arguments.size() != 1)
        return usage(command, QStringLiteral("expected one show file"));
    Show::Kind kind = Show::Kind::Programs;
    const Show::FileContents contents = readEither(arguments.first(), kind);
    if (!contents.ok()) {
        err() << arguments.first() << ": " << fileError(contents) << Qt::endl;
        return FileError;
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
    QString lamps;
    // A coloured lamp is 3 characters wider: its block and a space.
    const int lampWidth = *coloured ? 8 : 5;
    for (int lamp = 1; lamp <= Show::LampCount; ++lamp)
        lamps += QStringLiteral(" L:%1").arg(lamp, lamp < Show::LampCount ? -lampWidth : 0);
    const QString columns = QStringLiteral("  XFade  Scene Time  End Marker") + lamps;
    if (kind == Show::Kind::Programs) {
        out() << "Program Step" << columns << '\n';
        for (int program = 0; program < Show::ProgramCount; ++program) {
            for (int step = 0; step < Show::StepsPerProgram; ++step)
                printRecord(
                    QStringLiteral("%1 %2").arg(program + 1, 7).arg(step + 1, 4),
                    Show::recordAt(contents.table, Show::programRecordOffset(program, step)),
                    *coloured);
        }
    } else {
        out() << "Scene" << columns << '\n';
        for (int scene = 0; scene < Show::SceneCount; ++scene)
            printRecord(QStringLiteral("%1").arg(scene + 1, 5),
                        Show::recordAt(contents.table, Show::sceneRecordOffset(scene)), *coloured);
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
        err() << "Cannot open " << fileName << ": " << contents.why << Qt::endl;
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

    out() << "File:      " << fileName << " (" << contents.fileSize << " bytes, "
          << Show::fileSize(kind) << " expected)\n";
    out() << "Header:    "
          << (contents.error == Error::WrongHeader ? fileError(contents) : contents.header) << '\n';
    if (contents.error != Error::WrongHeader) {
        out() << "Version:   "
              << (contents.error == Error::WrongVersion ? fileError(contents) : contents.version)
              << '\n';
    }
    if (contents.error == Error::WrongLength) {
        out() << "Block:     Wrong file length (";
        if (contents.blockSize < 0)
            out() << "cut short";
        else
            out() << contents.blockSize << " bytes";
        out() << ", needs " << Show::tableSize(kind) << ")\n";
    } else if (contents.ok()) {
        out() << "Block:     " << contents.blockSize << " bytes\n"
              << "Records:   " << used << " of " << records << " in use\n";
    }
    out() << (contents.ok() ? "Consistent" : "Damaged") << Qt::endl;
    return contents.ok() ? Success : FileError;
}

QList<Command> showCommands()
{
    return {
        makeCommand(QStringLiteral("programs"), QStringLiteral("programs get|set|verify FILE.pgm"),
                    QStringLiteral("programs between the driver and a file, or compared with one"),
                    programs, UsesDriver | Json | AllDrivers | Logged),
        makeCommand(QStringLiteral("scenes"), QStringLiteral("scenes get|set|verify FILE.scn"),
                    QStringLiteral("scenes between the driver and a file, or compared with one"),
                    scenes, UsesDriver | Json | AllDrivers | Logged),
        makeCommand(QStringLiteral("show-file"),
                    QStringLiteral("show-file [--color=always|never|auto] FILE"),
                    QStringLiteral("print a programs or scenes file as a table; on a terminal "
                                   "each lamp in its colour"),
                    showFile, Json),
    };
}

} // namespace Cli
