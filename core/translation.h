#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// Where the program's catalogues (lc420_pl.qm, lc420_en.qm) are found, shared
// by the window and lc420-cli so both speak the same language.
namespace Translation {

// Where a catalogue is looked for, in order: the working directory (a null
// text; where a build runs from), the data folder installed beside the program
// (<prefix>/bin/../share/lc420, which holds for a staged install too), the
// data folder of the configured prefix, and the program's own folder. A
// program started from the desktop menu works in the user's home folder, so
// the working directory alone would leave it in the source texts.
[[nodiscard]] QStringList folders();

// Loads baseName from the first of the folders that holds it.
[[nodiscard]] bool load(QTranslator &translator, const QString &baseName,
                        const QStringList &folders);

// The catalogue of the user's language ("lc420_" + localeName, cut at its
// last underscore by QTranslator), else the English one, whose translations
// mend the source texts. False when neither is found.
[[nodiscard]] bool loadForLocale(QTranslator &translator, const QString &localeName);

} // namespace Translation
