#include "cli/cli.h"
#include "cli/productionlog.h"
#include "core/trace.h"
#include "core/translation.h"
#include "core/version.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace {

QList<Cli::Command> allCommands()
{
    return Cli::deviceCommands() + Cli::serviceCommands() + Cli::upgradeCommands()
           + Cli::verifyCommands() + Cli::firmwareCommands() + Cli::showCommands();
}

// Takes --serial SERIAL and --json out of the arguments, wherever they stand.
// An error text for a --serial without its value.
QString takeGlobalOptions(QStringList &arguments, Cli::GlobalOptions &options)
{
    for (int i = 0; i < arguments.size();) {
        if (arguments.at(i) == QLatin1String("--json")) {
            options.json = true;
            arguments.removeAt(i);
        } else if (arguments.at(i) == QLatin1String("--all")) {
            options.all = true;
            arguments.removeAt(i);
        } else if (arguments.at(i) == QLatin1String("--log")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()
                || arguments.at(i + 1).startsWith(QLatin1String("--")))
                return Cli::tr("--log needs a file name");
            options.logFile = arguments.at(i + 1);
            arguments.remove(i, 2);
        } else if (arguments.at(i) == QLatin1String("--serial")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()
                || arguments.at(i + 1).startsWith(QLatin1String("--")))
                return Cli::tr("--serial needs a serial number");
            options.serial = arguments.at(i + 1).toLatin1();
            arguments.remove(i, 2);
        } else {
            ++i;
        }
    }
    return {};
}

// With several drivers attached and none picked, a command would silently
// take whichever the bus lists first. Only when more than one device has the
// driver's ids are they opened and identified (so a single driver sees no
// extra transfer); an impostor with the same ids does not count.
int refuseSeveralDrivers()
{
    USBLC350 probe;
    if (probe.countMatchingDevices() < 2)
        return Cli::Success;
    QList<UsbDevice::Found> drivers = probe.listDrivers();
    drivers.removeIf([](const UsbDevice::Found &found) {
        return found.outcome != UsbDevice::Found::Outcome::Connected;
    });
    if (drivers.size() < 2)
        return Cli::Success;
    Cli::err() << "lc420-cli: "
               << Connection::describe(
                      {Connection::Outcome::SeveralNoneChosen, {}, {}, {}, int(drivers.size())})
               << ' ' << Cli::tr("Pick one with --serial SERIAL:") << '\n';
    Cli::printDrivers(Cli::err(), drivers);
    return Cli::UsageError;
}

void printHelp(const QList<Cli::Command> &commands)
{
    QTextStream &out = Cli::out();
    out << Cli::tr(
        "usage: lc420-cli [--trace] [--serial SERIAL | --all] [--json] [--log FILE.csv]\n"
        "                 COMMAND [ARGS...]\n\n"
        "The Lc420 driver's configuration tool for terminals and scripts.\n"
        "Exit codes: 0 success, 1 device failure, 2 usage error, 3 bad or unreadable "
        "file.\n\n"
        "Commands:\n");
    qsizetype width = 0;
    for (const Cli::Command &command : commands)
        width = qMax(width, command.synopsis.size());
    for (const Cli::Command &command : commands)
        out << "  " << command.synopsis.leftJustified(width) << "  " << command.summary << '\n';
    out << '\n'
        << Cli::tr(
               "Options:\n"
               "  --serial SERIAL  use the driver with this serial number (with or without its\n"
               "                   bootloader \"b\"); needed when several drivers are attached\n"
               "  --json           one JSON object on standard output instead of the text\n"
               "                   (list, info, status, inspect, show-file, programs verify,\n"
               "                   scenes verify, verify-firmware; with --all the summary as\n"
               "                   an array)\n"
               "  --all            upgrade, verify-firmware, programs set and scenes set on\n"
               "                   every attached driver at once, one line of progress each;\n"
               "                   a summary of serial, result and seconds at the end; exit 0\n"
               "                   only when every driver succeeded\n"
               "  --log FILE.csv   append one line per driver that upgrade, verify-firmware,\n"
               "                   programs set or scenes set ran on, whether it succeeded or\n"
               "                   failed: UTC time, serial, command, file, the check words or\n"
               "                   SHA-256 of the file as sent, result; written as each driver\n"
               "                   ends\n"
               "  --trace          write the debug trace to standard error\n"
               "  --version        the program's version\n"
               "  --help           this text\n");
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    Trace::enableFromArguments(arguments);
    // Every text in the user's language, from the catalogues the window
    // loads; English, mended, where none fits. Loaded before the commands
    // are built, whose summaries are translated.
    QTranslator translator;
    if (Translation::loadForLocale(translator, QLocale::system().name()))
        QCoreApplication::installTranslator(&translator);

    const QList<Cli::Command> commands = allCommands();
    Cli::GlobalOptions &options = Cli::globalOptions();
    if (const QString error = takeGlobalOptions(arguments, options); !error.isEmpty()) {
        Cli::err() << "lc420-cli: " << Cli::tr("%1 (see lc420-cli --help)").arg(error) << Qt::endl;
        return Cli::UsageError;
    }
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help")
        || arguments.first() == QLatin1String("-h")) {
        printHelp(commands);
        return arguments.isEmpty() ? Cli::UsageError : Cli::Success;
    }

    if (arguments.first() == QLatin1String("--version")) {
        Cli::out() << "lc420-cli " << Lc420::version << Qt::endl;
        return Cli::Success;
    }

    const QString name = arguments.takeFirst();
    for (const Cli::Command &command : commands) {
        if (command.name == name) {
            if (arguments.contains(QLatin1String("--help"))) {
                Cli::out() << Cli::tr("usage: lc420-cli %1").arg(command.synopsis) << "\n  "
                           << command.summary << Qt::endl;
                return Cli::Success;
            }
            const bool allDrivers = options.all && (command.traits & Cli::AllDrivers);
            if (options.all && !allDrivers)
                return Cli::usage(
                    command,
                    Cli::tr("%1 does not run on every driver; --all does not apply").arg(name));
            if (options.all && !options.serial.isEmpty())
                return Cli::usage(command, Cli::tr("--all and --serial exclude each other"));
            if (!options.logFile.isEmpty() && !(command.traits & Cli::Logged))
                return Cli::usage(
                    command,
                    Cli::tr("--log records upgrade, verify-firmware, programs set and scenes "
                            "set, not %1")
                        .arg(name));
            if (options.json && !(command.traits & Cli::Json) && !allDrivers)
                return Cli::usage(command, Cli::tr("%1 has no --json output").arg(name));
            // Never dropped silently: boot-images, for one, makes serial numbers.
            if (!options.serial.isEmpty() && !(command.traits & Cli::UsesDriver))
                return Cli::usage(command,
                                  Cli::tr("%1 uses no driver; --serial does not apply").arg(name));
            if (command.traits & Cli::UsesDriver && options.serial.isEmpty() && !options.all) {
                if (const int refused = refuseSeveralDrivers(); refused != Cli::Success)
                    return refused;
            }
            // The record is opened before any driver is touched: a line that
            // cannot be written must not come to light after the work is done.
            if (!options.logFile.isEmpty()) {
                if (const QString why = Cli::productionLog().open(options.logFile);
                    !why.isEmpty()) {
                    Cli::err() << "lc420-cli: "
                               << Cli::tr("cannot open the log %1: %2").arg(options.logFile, why)
                               << Qt::endl;
                    return Cli::FileError;
                }
            }
            const int result = command.run(arguments);
            // The command's own message says the driver did not answer; this
            // says why and what to do about it.
            if (result == Cli::DeviceFailure && !Cli::connectionReported()
                && !Cli::accessProblem().isEmpty())
                Cli::err() << Cli::accessProblem() << Qt::endl;
            return result;
        }
    }
    Cli::err() << "lc420-cli: "
               << Cli::tr("unknown command \"%1\" (see lc420-cli --help)").arg(name) << Qt::endl;
    return Cli::UsageError;
}
