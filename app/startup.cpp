#include "app/startup.h"

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
        if (serviceButtons)
            window->showServiceButtons();
        window->usbDevice().setSerialFilter(serial);
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
