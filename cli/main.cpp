#include "cli/cli.h"
#include "cli/productionlog.h"
#include "core/trace.h"
#include "core/translation.h"
#include "core/version.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QLocale>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTranslator>

namespace {

// Texts asked of the catalogue that it does not hold, one line each on
// standard error; off unless QT_LOGGING_RULES="lc420.untranslated.debug=true"
// (the test that runs every command under each catalogue turns it on).
Q_LOGGING_CATEGORY(untranslatedTexts, "lc420.untranslated", QtWarningMsg)

// Installed below the catalogue, so that it is asked only for a text the
// catalogue does not hold.
class UntranslatedTrace : public QTranslator
{
public:
    [[nodiscard]] bool isEmpty() const override { return false; }
    [[nodiscard]] QString translate(const char *context, const char *sourceText,
                                    const char *disambiguation, int n) const override
    {
        Q_UNUSED(n)
        qCDebug(untranslatedTexts).noquote()
            << "untranslated:" << context << QString::fromUtf8(sourceText)
            << (disambiguation ? QString::fromUtf8(disambiguation) : QString());
        return {};
    }
};

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
    const QString usageLabel = Cli::tr("usage:") + QLatin1Char(' ');
    out << usageLabel
        << Cli::wrapText(Cli::tr("lc420-cli [--trace] [--serial SERIAL | --all] [--json] "
                                 "[--log FILE.csv] COMMAND [ARGS...]"),
                         4, int(usageLabel.size()))
        << "\n\n"
        << Cli::wrapText(Cli::tr("The Lc420 driver's configuration tool for terminals and "
                                 "scripts."),
                         0)
        << '\n'
        << Cli::wrapText(Cli::tr("Exit codes: 0 success, 1 device failure, 2 usage error, 3 bad "
                                 "or unreadable file."),
                         0)
        << "\n\n"
        << Cli::tr("Commands:") << '\n';
    QList<Cli::HelpEntry> entries;
    for (const Cli::Command &command : commands)
        entries.append({command.synopsis, command.summary});
    Cli::printHelpEntries(out, entries);
    out << '\n'
        << Cli::wrapText(Cli::tr("Each command's own options: lc420-cli COMMAND --help"), 0)
        << "\n\n"
        << Cli::tr("Options:") << '\n';
    Cli::printHelpEntries(
        out,
        {{Cli::tr("--serial SERIAL"),
          Cli::tr("use the driver with this serial number (with or without its bootloader "
                  "\"b\"); needed when several drivers are attached")},
         {QStringLiteral("--json"),
          Cli::tr("one JSON document on standard output and nothing else (list, info, status, "
                  "inspect, show-file, programs verify, scenes verify, verify-firmware; with "
                  "--all the summary as an array); messages and progress go to standard "
                  "error")},
         {QStringLiteral("--all"),
          Cli::tr("upgrade, verify-firmware, programs set and scenes set on every attached "
                  "driver at once, one "
                  "line of progress each; a summary of serial, result and seconds at the end; "
                  "exit 0 only when every driver succeeded")},
         {Cli::tr("--log FILE.csv"),
          Cli::tr("append one line per driver that upgrade, verify-firmware, programs set or "
                  "scenes set ran on, "
                  "whether it succeeded or failed: UTC time, serial, command, file, the check "
                  "words or SHA-256 of the file as sent, result; written as each driver ends")},
         {QStringLiteral("--trace"), Cli::tr("write the debug trace to standard error")},
         {QStringLiteral("--version"), Cli::tr("the program's version")},
         {QStringLiteral("--help"), Cli::tr("this text")}});
    out.flush();
}

// The entry of name whose help "lc420-cli NAME [VARIANT] --help" asks for.
const Cli::Command &helpEntry(const QList<Cli::Command> &commands, const Cli::Command &first,
                              const QStringList &arguments)
{
    for (const Cli::Command &command : commands) {
        if (command.name == first.name && !command.variant.isEmpty()
            && arguments.value(0) == command.variant)
            return command;
    }
    return first;
}

// Runs command after checking the global options against it.
int runCommand(const Cli::Command &command, const QStringList &arguments)
{
    const Cli::GlobalOptions &options = Cli::globalOptions();
    const QString &name = command.name;
    const bool allDrivers = options.all && (command.traits & Cli::AllDrivers);
    if (options.all && !allDrivers)
        return Cli::usage(
            command, Cli::tr("%1 does not run on every driver; --all does not apply").arg(name));
    if (options.all && !options.serial.isEmpty())
        return Cli::usage(command, Cli::tr("--all and --serial exclude each other"));
    if (!options.logFile.isEmpty() && !(command.traits & Cli::Logged))
        return Cli::usage(
            command,
            Cli::tr("--log records upgrade, verify-firmware, programs set and scenes set, not %1")
                .arg(name));
    if (options.json && !(command.traits & Cli::Json) && !allDrivers)
        return Cli::usage(command, Cli::tr("%1 has no --json output").arg(name));
    // Never dropped silently: boot-images, for one, makes serial numbers.
    if (!options.serial.isEmpty() && !(command.traits & Cli::UsesDriver))
        return Cli::usage(command, Cli::tr("%1 uses no driver; --serial does not apply").arg(name));
    if (command.traits & Cli::UsesDriver && options.serial.isEmpty() && !options.all) {
        if (const int refused = refuseSeveralDrivers(); refused != Cli::Success)
            return refused;
    }
    // The record is opened before any driver is touched: a line that
    // cannot be written must not come to light after the work is done.
    if (!options.logFile.isEmpty()) {
        if (const QString why = Cli::productionLog().open(options.logFile); !why.isEmpty()) {
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    Trace::enableFromArguments(arguments);
    // Every text in the user's language, from the catalogues the window
    // loads; English, mended, where none fits. Loaded before the commands
    // are built, whose summaries are translated.
    UntranslatedTrace untranslated;
    if (untranslatedTexts().isDebugEnabled())
        QCoreApplication::installTranslator(&untranslated);
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
                Cli::printCommandHelp(Cli::out(), helpEntry(commands, command, arguments));
                return Cli::Success;
            }
            const int result = runCommand(command, arguments);
            // A script that asked for JSON gets a document even when the
            // command ended before it printed one.
            const bool takesJson = (command.traits & Cli::Json)
                                   || (options.all && (command.traits & Cli::AllDrivers));
            if (options.json && takesJson && !Cli::jsonPrinted())
                Cli::printJson(QJsonObject{
                    {QStringLiteral("ok"), result == Cli::Success},
                    {QStringLiteral("exitCode"), result},
                    {QStringLiteral("errors"), QJsonArray::fromStringList(Cli::errorLines())}});
            return result;
        }
    }
    Cli::err() << "lc420-cli: "
               << Cli::tr("unknown command \"%1\" (see lc420-cli --help)").arg(name) << Qt::endl;
    return Cli::UsageError;
}
