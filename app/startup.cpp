#include "app/startup.h"

#include "app/lc460_bootloader.h"
#include "core/trace.h"
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
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QString(), // the working directory
            QDir::cleanPath(programFolder + QStringLiteral("/../share/lc420")),
            QStringLiteral(LC420_DATA_DIR), programFolder};
}

bool loadTranslation(QTranslator &translator, const QString &baseName, const QStringList &folders)
{
    // No delimiters or suffix: ".qm" is tried behind the name, and the name is
    // cut at its last underscore on failure (pl_PL finds lc420_pl.qm). They
    // must be null strings: Qt 6 takes an empty ("") suffix or delimiter set
    // literally and then finds nothing. A null folder is the working
    // directory. A missing file is no error: the window then shows the
    // English texts built into the program.
    for (const QString &folder : folders) {
        if (translator.load(baseName, folder, QString(), QString())) {
            LC420_TRACE() << "Translation:" << QFileInfo(translator.filePath()).absoluteFilePath();
            return true;
        }
    }
    LC420_TRACE() << "Translation: none for" << baseName;
    return false;
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
        const bool loaded = loadTranslation(translator, translationBaseName(exitCode, localeName),
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
