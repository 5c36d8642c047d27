#include "firmware/upgradefile.h"

#include "core/safefile.h"
#include "firmware/hextobin.h"
#include "usb/scramble.h"

#include <QDataStream>
#include <QFile>
#include <QtEndian>

#include <optional>

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

ImageBuild buildImage(const QString &hexFileName)
{
    ImageBuild build;
    build.image = QByteArray(ImageSize, '\0');
    // The bootloader area and everything above the external-flash block stay
    // zero: only the two windows are read from the HEX file.
    build.appResult
        = HexToBin(hexFileName, build.image.data() + AppOffset, AppLo, AppHi, &build.appReport);
    build.extResult
        = HexToBin(hexFileName, build.image.data() + ExtOffset, ExtLo, ExtHi, &build.extReport);
    storeCheckWords(build.image);
    return build;
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

constexpr quint32 NullText = 0xFFFFFFFF;
// Far above what the header or version text holds; a longer length field lies.
constexpr quint32 MaxTextBytes = 1024;

std::optional<quint32> peekLength(QIODevice &device)
{
    const QByteArray prefix = device.peek(4);
    if (prefix.size() != 4)
        return std::nullopt;
    return qFromBigEndian<quint32>(prefix.constData());
}

// A text whose length field is checked before anything is read or allocated.
bool readText(QDataStream &stream, QIODevice &device, QString &text, QString &damage,
              const char *what)
{
    const std::optional<quint32> bytes = peekLength(device);
    if (!bytes) {
        damage = QStringLiteral("cut short before the %1 text").arg(QLatin1String(what));
        return false;
    }
    if (*bytes != NullText && (*bytes > MaxTextBytes || *bytes % 2 != 0)) {
        damage = QStringLiteral("the %1 text claims %2 bytes").arg(QLatin1String(what)).arg(*bytes);
        return false;
    }
    stream >> text;
    if (stream.status() != QDataStream::Ok) {
        damage = QStringLiteral("cut short in the %1 text").arg(QLatin1String(what));
        return false;
    }
    return true;
}

} // namespace

FileContents readFile(QIODevice &device)
{
    FileContents contents;
    QDataStream stream(&device);
    stream.setVersion(QDataStream::Qt_4_8);

    if (!readText(stream, device, contents.header, contents.damage, "header")
        || !readText(stream, device, contents.version, contents.damage, "version"))
        return contents;

    // The image must be exactly what the format holds, and nothing may follow
    // it; a length field that says otherwise is never trusted with a read.
    const std::optional<quint32> length = peekLength(device);
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
    if (!file.open(QIODevice::ReadOnly))
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
