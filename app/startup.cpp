#include "app/startup.h"

#include "app/driverindicator.h"
#include "app/lc460_bootloader.h"
#include "core/trace.h"
#include "core/translation.h"
#include "usb/usblc350.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <optional>

namespace {

// Qt's own texts that our catalogues word themselves, so that the buttons of
// our questions and file dialogs say what the questions say: the close
// question asks "Zapisać…?" and offers "Zapisz", where Qt's Polish catalogue
// has "Zachowaj". lupdate takes them from here into both catalogues; at run
// time Qt asks the translators for them, ours first (see runMainWindowLoop).
// The GNOME theme words the buttons itself ("&Save", "Close without Saving").
[[maybe_unused]] constexpr const char *qtWords[][2] = {
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Save")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Discard")},
    {"QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel")},
    {"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "&Save")},
    {"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "Close without Saving")},
    {"QGnomeTheme", QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "&Save")},
    {"QFileDialog", QT_TRANSLATE_NOOP("QFileDialog", "&Open")},
};

} // namespace

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

QStringList translationFolders()
{
    return Translation::folders();
}

bool loadTranslation(QTranslator &translator, const QString &baseName, const QStringList &folders)
{
    return Translation::load(translator, baseName, folders);
}

QString qtTranslationBaseName(const QString &loadedFile)
{
    const QString baseName = QFileInfo(loadedFile).completeBaseName(); // "lc420_pl"
    return QStringLiteral("qtbase_") + baseName.section(QLatin1Char('_'), 1);
}

int runMainWindowLoop(const QString &localeName, bool serviceButtons, const QByteArray &serial)
{
    int exitCode = 0;
    // What the user edited, and where the window was, survive the rebuild of
    // a language switch.
    std::optional<Lc460_bootloader::Handover> handover;
    do {
        QTranslator translator;
        // Without a catalogue for the locale, the English one: it mends the
        // source texts.
        const bool loaded
            = exitCode == 0 ? Translation::loadForLocale(translator, localeName)
                            : loadTranslation(translator, translationBaseName(exitCode, localeName),
                                              translationFolders());
        // Qt's own texts (file dialogs, message-box buttons) in the same
        // language as the window, never in the locale's when the window falls
        // back to English.
        QTranslator qtTranslator;
        if (loaded
            && qtTranslator.load(qtTranslationBaseName(translator.filePath()),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qtTranslator);
        // Ours goes in last: the last translator installed is asked first, so
        // the Qt texts our catalogue words itself (qtWords) win over Qt's.
        QCoreApplication::installTranslator(&translator);

        auto window = std::make_unique<Lc460_bootloader>();
        if (serviceButtons)
            window->showServiceButtons();
        window->driverIndicator().start(serial);
        window->markLanguage(loaded
                             && QFileInfo(translator.filePath()).completeBaseName()
                                    == QLatin1String("lc420_pl"));
        if (handover)
            window->takeOver(std::move(*handover));
        window->show();
        exitCode = QApplication::exec();
        handover = window->handOver();
        // The window goes before the translators that its texts came from.
        window.reset();
    } while (exitCode == Lc460_bootloader::ExitCodePolish
             || exitCode == Lc460_bootloader::ExitCodeEnglish);
    return exitCode;
}

} // namespace Startup
