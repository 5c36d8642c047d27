#include "app/startup.h"
#include "core/trace.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

namespace {

struct Options
{
    QCommandLineOption service{
        QStringLiteral("service"),
        QStringLiteral(
            "Show the service console's buttons on the Settings tab (for technicians).")};
    QCommandLineOption serial{
        QStringLiteral("serial"),
        QStringLiteral("Use the driver with this serial number (in either mode) when several are "
                       "attached; without it, the first driver found."),
        QStringLiteral("SERIAL")};
    QCommandLineOption trace{QStringLiteral("trace"),
                             QStringLiteral("Write the debug trace to standard error.")};
};

void declare(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(QStringLiteral("The Lc420 driver's configuration tool."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.service);
    parser.addOption(options.serial);
    // --trace is taken out before parsing; it is declared only for --help.
    parser.addOption(options.trace);
}

// --help and --version are answered before the QApplication exists, which
// needs a display; a QCoreApplication alone names the program in the help
// text. Both exit the program. --help-all is left to the QApplication, the
// one that knows the platform's own options.
void answerHelpAndVersion(int argc, char *argv[])
{
    const QCoreApplication probe(argc, argv);
    QCommandLineParser parser;
    const Options options;
    declare(parser, options);
    // Qt's own options (-platform, -style) are still among the arguments, so
    // a parse error is left for the second parse to report.
    (void)parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
}

} // namespace

int main(int argc, char *argv[])
{
    const QString localeName = QLocale::system().name();
    // Where QSettings keeps the recent files and the folders last used
    // (~/.config/lc420/lc420.conf).
    QCoreApplication::setOrganizationName(QStringLiteral("lc420"));
    QCoreApplication::setApplicationName(QStringLiteral("lc420"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LC420_VERSION));
    answerHelpAndVersion(argc, argv);

    QApplication application(argc, argv);
    // The installed desktop entry (lc420.desktop): Wayland compositors take
    // the window's icon and name from it.
    QApplication::setDesktopFileName(QStringLiteral("lc420"));
    QStringList arguments = QApplication::arguments();
    Trace::enableFromArguments(arguments);

    QCommandLineParser parser;
    const Options options;
    declare(parser, options);
    parser.process(arguments);

    return Startup::runMainWindowLoop(localeName, parser.isSet(options.service),
                                      parser.value(options.serial).toLatin1());
}
