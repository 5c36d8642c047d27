#include "app/startup.h"
#include "core/trace.h"
#include "core/translation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

// The help's texts of QCommandLineParser itself, worded by our catalogues so
// that "lc420 --help" speaks one language whether or not Qt's own catalogue
// is installed.
[[maybe_unused]] constexpr const char *qtWords[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

struct Options
{
    QCommandLineOption service{
        QStringLiteral("service"),
        QCoreApplication::translate(
            "Main", "Show the service console's buttons on the Settings tab (for technicians).")};
    QCommandLineOption serial{
        QStringLiteral("serial"),
        QCoreApplication::translate("Main",
                                    "Use the driver with this serial number (in either mode) when "
                                    "several are attached; without it, the first driver found."),
        QCoreApplication::translate("Main", "SERIAL")};
    QCommandLineOption trace{
        QStringLiteral("trace"),
        QCoreApplication::translate("Main", "Write the debug trace to standard error.")};
};

void declare(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("Main", "The Lc420 driver's configuration tool."));
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
    // In the user's language, from the catalogue the window loads.
    QTranslator translator;
    if (Translation::loadForLocale(translator, QLocale::system().name()))
        QCoreApplication::installTranslator(&translator);
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
    {
        // A wrong option is told in the user's language too; the window
        // loop installs its own translator.
        QTranslator translator;
        if (Translation::loadForLocale(translator, localeName))
            QCoreApplication::installTranslator(&translator);
        declare(parser, options);
        parser.process(arguments);
    }

    return Startup::runMainWindowLoop(localeName, parser.isSet(options.service),
                                      parser.value(options.serial).toLatin1());
}
