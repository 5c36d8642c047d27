#include "core/translation.h"

#include "core/trace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

namespace Translation {

QStringList folders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QString(), // the working directory
            QDir::cleanPath(programFolder + QStringLiteral("/../share/lc420")),
            QStringLiteral(LC420_DATA_DIR), programFolder};
}

bool load(QTranslator &translator, const QString &baseName, const QStringList &folders)
{
    // No delimiters or suffix: ".qm" is tried behind the name, and the name is
    // cut at its last underscore on failure (pl_PL finds lc420_pl.qm). They
    // must be null strings: Qt 6 takes an empty ("") suffix or delimiter set
    // literally and then finds nothing. A null folder is the working
    // directory.
    for (const QString &folder : folders) {
        if (translator.load(baseName, folder, QString(), QString())) {
            LC420_TRACE() << "Translation:" << QFileInfo(translator.filePath()).absoluteFilePath();
            return true;
        }
    }
    LC420_TRACE() << "Translation: none for" << baseName;
    return false;
}

bool loadForLocale(QTranslator &translator, const QString &localeName)
{
    const QStringList where = folders();
    return load(translator, QStringLiteral("lc420_") + localeName, where)
           || load(translator, QStringLiteral("lc420_en"), where);
}

} // namespace Translation
