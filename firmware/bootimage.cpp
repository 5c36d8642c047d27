#include "firmware/bootimage.h"

#include "core/safefile.h"
#include "firmware/hextobin.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace Boot {

namespace {

QStringList numberChoices(int first, int last)
{
    QStringList choices;
    for (int value = first; value <= last; ++value)
        choices.append(QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')));
    return choices;
}

} // namespace

QStringList yearChoices()
{
    return numberChoices(0, 99);
}

QStringList monthChoices()
{
    return numberChoices(1, 12);
}

QStringList dayChoices()
{
    return numberChoices(1, 31);
}

bool isValidDatePrefix(const QString &datePrefix)
{
    return datePrefix.size() == 6 && yearChoices().contains(datePrefix.mid(0, 2))
           && monthChoices().contains(datePrefix.mid(2, 2))
           && dayChoices().contains(datePrefix.mid(4, 2));
}

QString serial(const QString &datePrefix, int number)
{
    return datePrefix + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

QString fileName(const QString &serial)
{
    return QStringLiteral("Lc420Bootloader_") + serial + QStringLiteral(".bin");
}

ImageBuild buildImage(const QString &hexFileName, const QString &serial)
{
    ImageBuild build;
    build.image = QByteArray(ImageSize, '\0');
    build.hexResult = HexToBin(hexFileName, build.image.data(), FlashBase,
                               FlashBase + ImageSize - 1, &build.hexReport);
    const QByteArray digits = serial.toLatin1().left(SerialLength);
    std::memcpy(build.image.data() + SerialOffset, digits.constData(), size_t(digits.size()));
    return build;
}

QList<Outcome> writeImages(const QString &hexFileName, const QString &datePrefix, int firstNumber,
                           int count, const QString &directory)
{
    QList<Outcome> outcomes;
    if (!isValidDatePrefix(datePrefix) || firstNumber < 0 || count < 1
        || firstNumber > MaxNumber - (count - 1))
        return outcomes;

    const QDir folder(directory);
    for (int number = firstNumber; number < firstNumber + count; ++number) {
        Outcome outcome;
        outcome.serial = serial(datePrefix, number);
        outcome.fileName = fileName(outcome.serial);
        outcome.absolutePath = QDir::cleanPath(folder.absoluteFilePath(outcome.fileName));

        const ImageBuild build = buildImage(hexFileName, outcome.serial);
        outcome.hexResult = build.hexResult;
        outcome.hexReport = build.hexReport;
        if (outcome.hexResult == Hex::Ok)
            outcome.writeError = SafeFile::write(outcome.absolutePath, build.image);
        outcomes.append(outcome);
        if (!outcome.written())
            break;
    }
    return outcomes;
}

} // namespace Boot
