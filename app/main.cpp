#include "app/startup.h"
#include "core/trace.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    const QString localeName = QLocale::system().name();
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    Trace::enableFromArguments(arguments);
    return Startup::runMainWindowLoop(localeName);
}
