#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTranslator;

namespace Startup {

// The translation file to load for a pass of the start-up loop: the first pass
// (exit code 0) follows the system locale, "lc420_" + localeName, which
// QTranslator shortens to "lc420_pl" for pl_PL; the language codes of the
// main window pick "lc420_pl" or "lc420_en".
[[nodiscard]] QString translationBaseName(int exitCode, const QString &localeName);

// Where the program's translation is looked for, in order: the working
// directory (a null text; where a build runs from), the data folder installed
// beside the program (<prefix>/bin/../share/lc420, which holds for a staged
// install too), the data folder of the configured prefix, and the program's own
// folder. A program started from the desktop menu works in the user's home
// folder, so the working directory alone would leave it in English.
[[nodiscard]] QStringList translationFolders();

// Loads the first of the folders that holds the translation.
[[nodiscard]] bool loadTranslation(QTranslator &translator, const QString &baseName,
                                   const QStringList &folders);

// Qt's own catalogue in the language of the program's loaded translation file:
// "qtbase_pl" for ".../lc420_pl.qm".
[[nodiscard]] QString qtTranslationBaseName(const QString &loadedFile);

// Builds the main window under the translation for the locale, runs the event
// loop, and builds it anew under the chosen translation for as long as the
// user switches languages. Returns the last event-loop result (0 after the
// window was closed). With serviceButtons every window built shows the
// service console's buttons; with a serial, every window's device uses only
// the driver of that serial (see UsbDevice::setSerialFilter). The
// QApplication must exist.
[[nodiscard]] int runMainWindowLoop(const QString &localeName, bool serviceButtons = false,
                                    const QByteArray &serial = {});

} // namespace Startup
