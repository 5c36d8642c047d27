#pragma once

#include <QString>

namespace Startup {

// The translation file to load for a pass of the start-up loop: the first pass
// (exit code 0) follows the system locale, "lc420_" + localeName, which
// QTranslator shortens to "lc420_pl" for pl_PL; the language codes of the
// main window pick "lc420_pl" or "lc420_en".
[[nodiscard]] QString translationBaseName(int exitCode, const QString &localeName);

// Qt's own catalogue in the language of the program's loaded translation file:
// "qtbase_pl" for ".../lc420_pl.qm".
[[nodiscard]] QString qtTranslationBaseName(const QString &loadedFile);

// Builds the main window under the translation for the locale, runs the event
// loop, and builds it anew under the chosen translation for as long as the
// user switches languages. Returns the last event-loop result (0 after the
// window was closed). The QApplication must exist.
[[nodiscard]] int runMainWindowLoop(const QString &localeName);

} // namespace Startup
