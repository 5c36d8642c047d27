#include "app/startup.h"
#include "core/trace.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

int main(int argc, char *argv[])
{
    const QString localeName = QLocale::system().name();
    QApplication application(argc, argv);
    // The installed desktop entry (lc420.desktop): Wayland compositors take
    // the window's icon and name from it.
    QApplication::setDesktopFileName(QStringLiteral("lc420"));
    // Where QSettings keeps the recent files and the folders last used
    // (~/.config/lc420/lc420.conf).
    QApplication::setOrganizationName(QStringLiteral("lc420"));
    QApplication::setApplicationName(QStringLiteral("lc420"));
    QStringList arguments = QApplication::arguments();
    Trace::enableFromArguments(arguments);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The Lc420 driver's configuration tool."));
    parser.addHelpOption();
    const QCommandLineOption service(
        QStringLiteral("service"),
        QStringLiteral(
            "Show the service console's buttons on the Settings tab (for technicians)."));
    parser.addOption(service);
    const QCommandLineOption serial(
        QStringLiteral("serial"),
        QStringLiteral("Use the driver with this serial number (in either mode) when several are "
                       "attached; without it, the first driver found."),
        QStringLiteral("SERIAL"));
    parser.addOption(serial);
    parser.addOption(
        {QStringLiteral("trace"), QStringLiteral("Write the debug trace to standard error.")});
    // --trace was taken out above; it is declared only for --help.
    parser.process(arguments);

    return Startup::runMainWindowLoop(localeName, parser.isSet(service),
                                      parser.value(serial).toLatin1());
}
