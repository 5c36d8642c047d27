#include "core/trace.h"
#include "core/version.h"
#include "cli/cli.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

QList<Cli::Command> allCommands()
{
    return Cli::deviceCommands() + Cli::serviceCommands() + Cli::upgradeCommands()
           + Cli::firmwareCommands() + Cli::showCommands();
}

void printHelp(const QList<Cli::Command> &commands)
{
    QTextStream &out = Cli::out();
    out << "usage: lc420-cli [--trace] COMMAND [ARGS...]\n\n"
           "The Lc420 driver's configuration tool for terminals and scripts.\n"
           "Exit codes: 0 success, 1 device failure, 2 usage error, 3 bad or unreadable file.\n\n"
           "Commands:\n";
    qsizetype width = 0;
    for (const Cli::Command &command : commands)
        width = qMax(width, command.synopsis.size());
    for (const Cli::Command &command : commands)
        out << "  " << command.synopsis.leftJustified(width) << "  " << command.summary << '\n';
    out << "\nOptions:\n  --trace   write the debug trace to standard error\n"
           "  --version the program's version\n"
           "  --help    this text\n";
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    Trace::enableFromArguments(arguments);

    const QList<Cli::Command> commands = allCommands();
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
                Cli::out() << "usage: lc420-cli " << command.synopsis << "\n  " << command.summary
                           << Qt::endl;
                return Cli::Success;
            }
            return command.run(arguments);
        }
    }
    Cli::err() << "lc420-cli: unknown command \"" << name << "\" (see lc420-cli --help)"
               << Qt::endl;
    return Cli::UsageError;
}
