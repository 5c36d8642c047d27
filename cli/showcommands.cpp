#include "cli/alldrivers.h"
#include "cli/cli.h"
#include "cli/productionlog.h"
#include "show/showfile.h"
#include "show/showtransfer.h"
#include "usb/usblc350.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QTextStream>

namespace Cli {

namespace {

QString kindName(Show::Kind kind)
{
    return kind == Show::Kind::Programs ? QStringLiteral("programs") : QStringLiteral("scenes");
}

QString fileError(const Show::FileContents &contents)
{
    using Error = Show::FileContents::Error;
    switch (contents.error) {
    case Error::None:
        break;
    case Error::Unreadable:
        return contents.why;
    case Error::WrongHeader:
        return QStringLiteral("Wrong file header");
    case Error::WrongVersion:
        return QStringLiteral("Wrong version");
    case Error::WrongLength:
        return QStringLiteral("Wrong file length");
    }
    return {};
}

// Reports a failed transfer; Success when it went through and the lock was
// released.
int transferExit(const Show::TransferResult &result, Show::Kind kind)
{
    using Error = Show::TransferResult::Error;
    switch (result.error) {
    case Error::None:
        break;
    case Error::Handshake:
        err() << "No Lc420 driver answered (USB Timeout, check the USB cable)." << Qt::endl;
        return DeviceFailure;
    case Error::Read:
        err() << "Reading the " << kindName(kind) << " from the driver failed." << Qt::endl;
        break;
    case Error::Write:
        err() << "Writing the " << kindName(kind) << " to the driver failed." << Qt::endl;
        break;
    }
    if (!result.released)
        err() << "The driver's status bit 0 could not be cleared." << Qt::endl;
    return result.ok() ? Success : DeviceFailure;
}

int getTable(Show::Kind kind, const QString &fileName)
{
    Device device;
    Progress progress(QStringLiteral("Reading ") + kindName(kind));
    QObject::connect(&device, &USBLC350::sendPercentExtFlashRead, &device,
                     [&progress](int percent) { progress.setPercent(percent); });
    QByteArray table;
    const Show::TransferResult result = Show::readTable(device, kind, table);
    progress.finish();
    device.disconnect();
    if (result.error != Show::TransferResult::Error::None)
        return transferExit(result, kind);
    // The table is saved even when only the release failed: it was read whole.
    const QString why = Show::saveFile(fileName, kind, table);
    if (!why.isEmpty()) {
        err() << "Cannot write " << fileName << ": " << why << Qt::endl;
        return FileError;
    }
    out() << "Wrote " << fileName << " (" << Show::fileSize(kind) << " bytes)" << Qt::endl;
    return transferExit(result, kind);
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
    Progress progress(QStringLiteral("Writing ") + kindName(kind));
    QObject::connect(&device, &USBLC350::sendPercentExtFlashWrite, &device,
                     [&progress](int percent) { progress.setPercent(percent); });
    const Show::TransferResult result = Show::writeTable(device, kind, contents.table);
    progress.finish();
    const int exit = transferExit(result, kind);
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

int tableCommand(Show::Kind kind, const Command &command, const QStringList &arguments)
{
    if (arguments.size() != 2)
        return usage(command, QStringLiteral("expected get or set and a file"));
    const bool set = arguments.first() == QLatin1String("set");
    if (!set && (globalOptions().all || !globalOptions().logFile.isEmpty()))
        return usage(command, QStringLiteral("--all and --log go with set only"));
    if (arguments.first() == QLatin1String("get"))
        return getTable(kind, arguments.at(1));
    if (set && globalOptions().all)
        return setTableOnAllDrivers(kind, arguments.at(1));
    if (set)
        return setTable(kind, arguments.at(1));
    return usage(command, QStringLiteral("expected get or set"));
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

void printRecord(const QString &position, const Show::SceneRecord &record)
{
    // A space before every column, so values wider than their column (a file
    // may hold any 32-bit time) never run into each other.
    out() << QStringLiteral("%1 %2 %3 %4")
                 .arg(position)
                 .arg(record.riseTime, 6)
                 .arg(record.staticTime, 11)
                 .arg(int(record.endMarker), 11);
    for (const Show::Rgb &lamp : record.lamps)
        out() << ' ' << colour(lamp);
    out() << '\n';
}

int showFile(const Command &command, const QStringList &arguments)
{
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
    for (int lamp = 1; lamp <= Show::LampCount; ++lamp)
        lamps += QStringLiteral(" L:%1").arg(lamp, lamp < Show::LampCount ? -5 : 0);
    const QString columns = QStringLiteral("  XFade  Scene Time  End Marker") + lamps;
    if (kind == Show::Kind::Programs) {
        out() << "Program Step" << columns << '\n';
        for (int program = 0; program < Show::ProgramCount; ++program) {
            for (int step = 0; step < Show::StepsPerProgram; ++step)
                printRecord(
                    QStringLiteral("%1 %2").arg(program + 1, 7).arg(step + 1, 4),
                    Show::recordAt(contents.table, Show::programRecordOffset(program, step)));
        }
    } else {
        out() << "Scene" << columns << '\n';
        for (int scene = 0; scene < Show::SceneCount; ++scene)
            printRecord(QStringLiteral("%1").arg(scene + 1, 5),
                        Show::recordAt(contents.table, Show::sceneRecordOffset(scene)));
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
        makeCommand(QStringLiteral("programs"), QStringLiteral("programs get|set FILE.pgm"),
                    QStringLiteral("read the driver's programs into a file, or write them"),
                    programs, UsesDriver | AllDrivers | Logged),
        makeCommand(QStringLiteral("scenes"), QStringLiteral("scenes get|set FILE.scn"),
                    QStringLiteral("read the driver's scenes into a file, or write them"), scenes,
                    UsesDriver | AllDrivers | Logged),
        makeCommand(QStringLiteral("show-file"), QStringLiteral("show-file FILE"),
                    QStringLiteral("print a programs or scenes file as a table"), showFile, Json),
    };
}

} // namespace Cli
