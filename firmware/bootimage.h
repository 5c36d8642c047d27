#pragma once

#include "firmware/hextobin.h"
#include "usb/drivermap.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Bootloader images for production: the bootloader's HEX data for
// 0x08000000..0x08003FFF as a raw 16 KiB image (byte N stands for address
// 0x08000000 + N), with the driver's nine-digit serial YYMMDDNNN at 0x3FF0.
// The driver reports that serial as its USB serial-number string; the
// upgrade tells application from bootloader mode by its length, so the serial
// must always be exactly nine digits.
namespace Boot {

inline constexpr quint32 FlashBase = Driver::FlashBase;
inline constexpr int ImageSize = Driver::BootloaderSize;
inline constexpr int SerialOffset = int(Driver::SerialAddress - Driver::FlashBase);
inline constexpr int SerialLength = 9;
inline constexpr int MaxNumber = 999;

// The choices of the production date: "00".."99", "01".."12", "01".."31"
// (31 days for every month).
[[nodiscard]] QStringList yearChoices();
[[nodiscard]] QStringList monthChoices();
[[nodiscard]] QStringList dayChoices();

// YYMMDD made of the three choices above.
[[nodiscard]] bool isValidDatePrefix(const QString &datePrefix);

// The date prefix followed by the number padded to three digits.
[[nodiscard]] QString serial(const QString &datePrefix, int number);

// "Lc420Bootloader_" + serial + ".bin"
[[nodiscard]] QString fileName(const QString &serial);

// The image: zero, then the HEX data of the bootloader area, then the serial's
// nine ASCII bytes (no terminator) over whatever the HEX put there.
// hexResult is HexToBin's code; the image must not be used unless it is 0.
struct ImageBuild
{
    QByteArray image;
    int hexResult = 0;
    Hex::Report hexReport;
};
[[nodiscard]] ImageBuild buildImage(const QString &hexFileName, const QString &serial);

// What happened to one image of a run.
struct Outcome
{
    QString serial;
    QString fileName;     // as above, without a folder
    QString absolutePath; // where it is (or would have been) written
    int hexResult = 0;    // not 0: the HEX file is faulty, nothing written
    Hex::Report hexReport;
    QString writeError; // not empty: the file could not be written (Qt's text)

    [[nodiscard]] bool written() const { return hexResult == 0 && writeError.isEmpty(); }
};

// Writes `count` images, numbers firstNumber, firstNumber + 1, ..., into the
// folder, each through QSaveFile (an existing file of the same name is
// replaced, a failed write leaves nothing behind). The HEX file is read anew
// for every image. Stops at the first image that cannot be made; that image
// is the last outcome. Returns no outcome at all when the arguments would
// give an invalid serial (bad date prefix, number outside 0..999, count < 1,
// or a last number above 999).
[[nodiscard]] QList<Outcome> writeImages(const QString &hexFileName, const QString &datePrefix,
                                         int firstNumber, int count, const QString &directory);

} // namespace Boot
