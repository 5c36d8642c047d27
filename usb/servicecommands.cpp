#include "usb/servicecommands.h"

#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QCoreApplication>

#include <algorithm>

namespace Service {

namespace {

constexpr quint8 TestBlockRequest = 2;

// The service console's texts belong to the main window's catalogue, where the
// window showed them first.
QString translated(const char *text)
{
    return QCoreApplication::translate("Lc460_bootloader", text);
}

} // namespace

std::optional<quint32> parseHex(const QString &text)
{
    QStringView digits = QStringView(text).trimmed();
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        digits = digits.mid(2);
    // Hex digits only: toUInt alone would also take a sign or a second "0x".
    const auto isHexDigit = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isHexDigit))
        return std::nullopt;
    bool ok = false;
    const quint32 value = digits.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return value;
}

QString binary32(quint32 value)
{
    return QStringLiteral("%1").arg(value, 32, 2, QLatin1Char('0'));
}

QByteArray testBlock()
{
    QByteArray block(TestBlockSize, '\0');
    for (int i = 0; i < TestBlockSize; ++i)
        block[i] = char(i % 256);
    return block;
}

bool sendTestBlock(USBLC350 &device)
{
    QByteArray block = testBlock();
    return device.control_send(TestBlockRequest, 0, 0, block.data(), TestBlockSize)
           == TestBlockSize;
}

bool writePage(USBLC350 &device, quint8 pattern)
{
    QByteArray page(PageSize, char(pattern));
    return device.WritePageToAddress(page.data(), PageAddress) == 0;
}

std::optional<QByteArray> readMemory(USBLC350 &device, quint32 address, quint32 length)
{
    QByteArray buffer(qsizetype(length), '\0');
    if (device.ReadMemoryFromAddress(buffer.data(), address, length) != 0)
        return std::nullopt;
    return buffer;
}

std::optional<QByteArray> readExternal(USBLC350 &device, quint32 address, quint32 length)
{
    QByteArray buffer(qsizetype(length), '\0');
    if (device.ReadExternalFlashFromAddress(buffer.data(), address, length) != 0)
        return std::nullopt;
    decodeWords(buffer.data(), qint32(buffer.size()));
    return buffer;
}

QByteArray encodedFill(quint8 value, int length)
{
    QByteArray buffer(qMax(0, length), char(value));
    encodeWords(buffer.data(), qint32(buffer.size()));
    return buffer;
}

bool writeExternal(USBLC350 &device, quint32 address, const QByteArray &bytes)
{
    return device.WriteExternalFlashToAddress(bytes.constData(), address, quint32(bytes.size()))
           == 0;
}

ImageResult writeExternalImage(USBLC350 &device, const QByteArray &image)
{
    // The driver refuses a chunk past the end of its flash only after all
    // that fits was overwritten; an image that cannot fit is not sent at all.
    if (image.size() > ExternalFlashSize)
        return ImageResult::TooLarge;
    if (image.isEmpty() || image.size() % 4 != 0)
        return ImageResult::BadLength;
    return writeExternalChecked(device, 0, image);
}

ImageResult writeExternalChecked(USBLC350 &device, quint32 address, const QByteArray &plain)
{
    QByteArray encoded = plain;
    encodeWords(encoded.data(), qint32(encoded.size()));
    if (!writeExternal(device, address, encoded))
        return ImageResult::WriteFailed;
    const std::optional<QByteArray> readBack = readExternal(device, address, quint32(plain.size()));
    if (!readBack)
        return ImageResult::ReadFailed;
    return *readBack == plain ? ImageResult::Written : ImageResult::Mismatch;
}

QString describeWritten(int bytes, quint32 address)
{
    return QCoreApplication::translate("Lc460_bootloader",
                                       "Wrote %n byte(s) to the external flash at 0x%1; the "
                                       "read-back matched.",
                                       nullptr, bytes)
        .arg(address, 8, 16, QLatin1Char('0'));
}

QString describePageWritten(quint8 pattern)
{
    return translated(QT_TRANSLATE_NOOP("Lc460_bootloader",
                                        "Wrote the page at 0x%1 with every byte 0x%2."))
        .arg(PageAddress, 8, 16, QLatin1Char('0'))
        .arg(pattern, 2, 16, QLatin1Char('0'));
}

QString describe(ImageResult result)
{
    switch (result) {
    case ImageResult::Written:
        return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "Write OK"));
    case ImageResult::TooLarge:
        return translated(
                   QT_TRANSLATE_NOOP("Lc460_bootloader",
                                     "The file is larger than the external flash (%1 bytes)"))
            .arg(ExternalFlashSize);
    case ImageResult::BadLength:
        return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "Length should be aligned to 4"));
    case ImageResult::WriteFailed:
        return describe(Failure::WriteExternal);
    case ImageResult::ReadFailed:
        return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "ReadExternalFlashFromAddress"));
    case ImageResult::Mismatch:
        break;
    }
    return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "memcmp"));
}

QString describe(Failure failure)
{
    switch (failure) {
    case Failure::Connect:
        return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "Connect ERROR"));
    case Failure::TestBlock:
        return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "Write ERROR"));
    case Failure::PageWrite:
        return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "page write ERROR"));
    case Failure::ReadMemory:
        return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "ReadMemoryFromAddress error"));
    case Failure::ReadExternal:
        return translated(
            QT_TRANSLATE_NOOP("Lc460_bootloader", "ReadExternalFlashFromAddress error"));
    case Failure::WriteExternal:
        return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "WriteExternalFlashToAddress"));
    case Failure::StatusGet:
        return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "Status: ERROR"));
    case Failure::StatusSet:
        return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "StatusSet() ERROR"));
    case Failure::StatusClear:
        break;
    }
    return translated(QT_TRANSLATE_NOOP("Lc460_bootloader", "StatusClr() ERROR"));
}

} // namespace Service
