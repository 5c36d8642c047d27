#include "firmware/upgradefile.h"

#include "core/safefile.h"
#include "core/streamread.h"
#include "firmware/hextobin.h"
#include "usb/scramble.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <array>
#include <iterator>
#include <optional>
#include <vector>

namespace Upgrade {

namespace {

constexpr quint32 AppLo = FlashBase + AppOffset;
constexpr quint32 AppHi = FlashBase + AppOffset + AppLength - 1; // 0x0801FFFF
constexpr quint32 ExtLo = FlashBase + ExtOffset;
constexpr quint32 ExtHi = FlashBase + ExtOffset + ExtLength - 1; // 0x08033FFF

} // namespace

quint32 checkWord(const QByteArray &image, int offset, int length)
{
    if (offset < 0 || length < 4 || qsizetype(offset) + length > image.size())
        return 0;
    const auto *bytes = reinterpret_cast<const uchar *>(image.constData()) + offset;
    quint32 sum = 0;
    for (int at = 0; at < length - 4; at += 4)
        sum += qFromLittleEndian<quint32>(bytes + at);
    return sum;
}

void storeCheckWords(QByteArray &image)
{
    if (image.size() != ImageSize)
        return;
    auto *bytes = reinterpret_cast<uchar *>(image.data());
    qToLittleEndian<quint32>(checkWord(image, AppOffset, AppLength), bytes + AppCheckOffset);
    qToLittleEndian<quint32>(checkWord(image, ExtOffset, ExtLength), bytes + ExtCheckOffset);
}

namespace {

// The check words are computed here; HEX data on one of them would be
// overwritten without a trace. Data that holds the very word computed loses
// nothing (a file made from an image that already carried its words); any
// other refuses the build, naming the record's line and the first byte that
// differs. A slot that a record stored into (watched by the first reading)
// is read again on its own, so that only its own bytes are compared; a file
// that leaves the slots out is read once.
void checkWordSlots(const QString &hexFileName, ImageBuild &build,
                    const std::vector<Hex::Watch> &watches)
{
    const struct
    {
        int offset;
        int length;
    } areas[] = {{AppOffset, AppLength}, {ExtOffset, ExtLength}};
    for (std::size_t a = 0; a < std::size(areas); ++a) {
        const auto &area = areas[a];
        if (watches[a].firstLine == 0)
            continue;
        std::array<uchar, 4> computed{};
        qToLittleEndian<quint32>(checkWord(build.image, area.offset, area.length), computed.data());
        std::array<uchar, 4> slot = computed;
        const quint32 slotAddress = FlashBase + quint32(area.offset + area.length - 4);
        Hex::Report report;
        if (HexToBin(hexFileName, slot.data(), slotAddress, slotAddress + 3, &report) != Hex::Ok)
            continue; // the file changed under us; the first reading stands
        for (std::size_t i = 0; i < slot.size(); ++i) {
            if (slot[i] == computed[i])
                continue;
            build.appResult = Hex::CheckWordData;
            build.appReport.line = report.firstStoredLine;
            build.appReport.address = slotAddress + quint32(i);
            return;
        }
    }
}

} // namespace

ImageBuild buildImage(const QString &hexFileName)
{
    ImageBuild build;
    build.image = QByteArray(ImageSize, '\0');
    // The bootloader area and everything above the external-flash block stay
    // zero: only the two areas are read from the HEX file. They lie side by
    // side in the image as in the address space, so one pass over the file
    // fills both; each area's result is that pass's result.
    static_assert(AppHi + 1 == ExtLo && AppOffset + AppLength == ExtOffset);
    const quint32 appSlot = FlashBase + quint32(AppCheckOffset);
    const quint32 extSlot = FlashBase + quint32(ExtCheckOffset);
    std::vector<Hex::Watch> watches{{appSlot, appSlot + 3, 0}, {extSlot, extSlot + 3, 0}};
    build.appResult = HexToBin(hexFileName, build.image.data() + AppOffset, AppLo, ExtHi,
                               &build.appReport, &watches);
    if (build.appResult == Hex::Ok)
        checkWordSlots(hexFileName, build, watches);
    build.extResult = build.appResult;
    build.extReport = build.appReport;
    storeCheckWords(build.image);
    return build;
}

QString ImageBuild::ignoredWarning(const QString &hexFileName) const
{
    const Hex::Report &report = appReport;
    if (report.ignored == 0)
        return {};
    const auto hex32 = [](quint32 value) {
        return QStringLiteral("0x")
               + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
    };
    // The count in "B" needs no plural forms, so the untranslated text of
    // lc420-cli reads as well as any translation.
    QString warning
        = QCoreApplication::translate("Upgrade", "Warning: %1 holds %2 B of data at %3..%4, "
                                                 "outside %5..%6; it was ignored.")
              .arg(QDir::toNativeSeparators(hexFileName), QString::number(report.ignored),
                   hex32(report.lowestIgnored), hex32(report.highestIgnored), hex32(AppLo),
                   hex32(ExtHi));
    if (report.ignoredConflicts > 0)
        warning += QLatin1Char(' ')
                   + QCoreApplication::translate("Upgrade",
                                                 "Records there disagree on %1 B, the first at %2 "
                                                 "(line %3).")
                         .arg(QString::number(report.ignoredConflicts),
                              hex32(report.firstIgnoredConflict),
                              QString::number(report.firstIgnoredConflictLine));
    return warning;
}

bool ImageBuild::hasApplication() const
{
    return appReport.stored > 0 && appReport.lowestStored < FlashBase + AppCheckOffset;
}

bool writeFile(QIODevice &device, const QByteArray &plainImage)
{
    if (plainImage.size() != ImageSize)
        return false;
    QByteArray scrambled = plainImage;
    encodeWords(scrambled.data(), qint32(scrambled.size()));

    QDataStream stream(&device);
    stream.setVersion(QDataStream::Qt_4_8);
    stream << QString::fromLatin1(FileHeader) << QString::fromLatin1(FileVersion) << scrambled;
    return stream.status() == QDataStream::Ok;
}

QString saveFile(const QString &fileName, const QByteArray &plainImage)
{
    if (plainImage.size() != ImageSize)
        return QStringLiteral("Wrong image size %1").arg(plainImage.size());
    return SafeFile::write(
        fileName, [&plainImage](QIODevice &device) { return writeFile(device, plainImage); });
}

namespace {

// A text whose length field is checked before anything is read or allocated.
bool readText(QDataStream &stream, QString &text, QString &damage, const char *what)
{
    quint32 claimed = 0;
    switch (StreamRead::readText(stream, text, claimed)) {
    case StreamRead::TextResult::Ok:
        return true;
    case StreamRead::TextResult::NoLength:
        damage = QStringLiteral("cut short before the %1 text").arg(QLatin1String(what));
        break;
    case StreamRead::TextResult::WrongLength:
        damage
            = QStringLiteral("the %1 text claims %2 bytes").arg(QLatin1String(what)).arg(claimed);
        break;
    case StreamRead::TextResult::CutShort:
        damage = QStringLiteral("cut short in the %1 text").arg(QLatin1String(what));
        break;
    }
    return false;
}

} // namespace

FileContents readFile(QIODevice &device)
{
    FileContents contents;
    QDataStream stream(&device);
    stream.setVersion(QDataStream::Qt_4_8);

    if (!readText(stream, contents.header, contents.damage, "header")
        || !readText(stream, contents.version, contents.damage, "version"))
        return contents;

    // The image must be exactly what the format holds, and nothing may follow
    // it; a length field that says otherwise is never trusted with a read.
    const std::optional<quint32> length = StreamRead::peekLength(device);
    if (!length) {
        contents.damage = QStringLiteral("cut short before the image");
        return contents;
    }
    if (*length != quint32(ImageSize)) {
        contents.damage = QStringLiteral("the image length field says %1 bytes, not %2")
                              .arg(*length)
                              .arg(ImageSize);
        return contents;
    }
    if (!device.isSequential()) {
        const qint64 left = device.size() - device.pos();
        if (left != 4 + qint64(ImageSize)) {
            contents.damage
                = QStringLiteral("the file is %1 bytes, not %2").arg(device.size()).arg(FileSize);
            return contents;
        }
    }
    QByteArray image;
    stream >> image;
    if (stream.status() != QDataStream::Ok || image.size() != ImageSize) {
        contents.damage = QStringLiteral("cut short in the image");
        return contents;
    }
    if (!device.atEnd()) {
        contents.damage = QStringLiteral("bytes follow the image");
        return contents;
    }
    contents.image = image;
    contents.complete = true;
    return contents;
}

FileContents readFile(const QString &fileName)
{
    QFile file(fileName);
    if (!SafeFile::openForReading(file).isEmpty())
        return {};
    return readFile(file);
}

QByteArray unscrambleImage(const QByteArray &storedImage)
{
    if (storedImage.size() < ImageSize)
        return {};
    QByteArray plain = storedImage.left(ImageSize);
    decodeWords(plain.data(), ImageSize);
    return plain;
}

ImageCheck checkImage(const QByteArray &plainImage)
{
    ImageCheck check;
    check.size = int(plainImage.size());
    if (!check.sizeOk())
        return check;
    const auto *bytes = reinterpret_cast<const uchar *>(plainImage.constData());
    check.appStored = qFromLittleEndian<quint32>(bytes + AppCheckOffset);
    check.extStored = qFromLittleEndian<quint32>(bytes + ExtCheckOffset);
    check.appComputed = checkWord(plainImage, AppOffset, AppLength);
    check.extComputed = checkWord(plainImage, ExtOffset, ExtLength);
    return check;
}

} // namespace Upgrade
