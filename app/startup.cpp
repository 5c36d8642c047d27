#include "app/startup.h"

#include "app/lc460_bootloader.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <optional>

namespace Startup {

QString translationBaseName(int exitCode, const QString &localeName)
{
    switch (exitCode) {
    case Lc460_bootloader::ExitCodePolish:
        return QStringLiteral("lc420_pl");
    case Lc460_bootloader::ExitCodeEnglish:
        return QStringLiteral("lc420_en");
    default:
        return QStringLiteral("lc420_") + localeName;
    }
}

QString qtTranslationBaseName(const QString &loadedFile)
{
    const QString baseName = QFileInfo(loadedFile).completeBaseName(); // "lc420_pl"
    return QStringLiteral("qtbase_") + baseName.section(QLatin1Char('_'), 1);
}

int runMainWindowLoop(const QString &localeName)
{
    int exitCode = 0;
    // What the user edited survives the rebuild of a language switch.
    std::optional<Lc460_bootloader::ShowState> show;
    do {
        QTranslator translator;
        // No directory, delimiters or suffix: the file is looked for in the
        // working directory, with ".qm" behind the name and the name cut at its
        // last underscore on failure. They must be null strings: Qt 6 takes an
        // empty ("") suffix or delimiter set literally and then finds nothing.
        // A missing file is no error: the window then shows the English texts
        // built into the program.
        const bool loaded = translator.load(translationBaseName(exitCode, localeName), QString(),
                                            QString(), QString());
        QCoreApplication::installTranslator(&translator);
        // Qt's own texts (file dialogs, message-box buttons) in the same
        // language as the window, never in the locale's when the window falls
        // back to English.
        QTranslator qtTranslator;
        if (loaded
            && qtTranslator.load(qtTranslationBaseName(translator.filePath()),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTranslator);

        auto window = std::make_unique<Lc460_bootloader>();
        if (show)
            window->restoreShowState(*show);
        window->show();
        exitCode = QApplication::exec();
        show = window->takeShowState();
        // The window goes before the translators that its texts came from.
        window.reset();
    } while (exitCode == Lc460_bootloader::ExitCodePolish
             || exitCode == Lc460_bootloader::ExitCodeEnglish);
    return exitCode;
}

} // namespace Startup
