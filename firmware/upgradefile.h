#pragma once

#include "firmware/hextobin.h"
#include "usb/drivermap.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QIODevice;

// The upgrade file (*.upg) and the flash image inside it. The image is a
// picture of the controller's flash from 0x08000000: byte N stands for address
// 0x08000000 + N. Multi-byte values in it are little-endian. The file stores,
// as a Qt 4.8 QDataStream (big-endian), the header text, the version text and
// the image scrambled in one pass from key index 0.
namespace Upgrade {

inline constexpr quint32 FlashBase = Driver::FlashBase;
inline constexpr int ImageSize = 0x40000;

// What the upgrade transfers: the application (112 pages of 1024 bytes) and
// the external-flash block. Each area's last word is its check word: the sum,
// modulo 2^32, of all the area's other words.
inline constexpr int AppOffset = Driver::BootloaderSize;
inline constexpr int AppLength = 114688;
inline constexpr int ExtOffset = 0x20000;
inline constexpr int ExtLength = 81920;
inline constexpr int AppCheckOffset = AppOffset + AppLength - 4; // 0x1FFFC
inline constexpr int ExtCheckOffset = ExtOffset + ExtLength - 4; // 0x33FFC
inline constexpr int PageSize = Driver::PageSize;

inline constexpr char FileHeader[] = "Lc420 Upgrade File Header";
inline constexpr char FileVersion[] = "01";
// 4 + 50 (header) + 4 + 4 (version) + 4 + ImageSize
inline constexpr qint64 FileSize = 262210;

// The sum of the little-endian words of image[offset, offset + length - 4),
// that is of an area without its own check word. The area must lie inside the
// image.
[[nodiscard]] quint32 checkWord(const QByteArray &image, int offset, int length);

// Computes both check words and stores them at AppCheckOffset and
// ExtCheckOffset. The image must be ImageSize bytes.
void storeCheckWords(QByteArray &image);

// A plain image built from an Intel HEX file: zero everywhere, the HEX data of
// 0x08004000..0x0801FFFF and 0x08020000..0x08033FFF in the two areas, the
// check words stored. HEX data on a check word that differs from the word
// computed makes the result Hex::CheckWordData (the report names the line and
// the address) rather than being overwritten unseen. appResult and extResult are HexToBin's codes
// for the two areas, read in one pass (so they are equal, as are the two reports, which cover both
// areas); the image holds what was read before any error.
struct ImageBuild
{
    QByteArray image;
    int appResult = 0;
    int extResult = 0;
    Hex::Report appReport;
    Hex::Report extReport;

    [[nodiscard]] bool readWhole() const { return appResult == 0 && extResult == 0; }
    // Whether any record put a byte into the application proper
    // (0x08004000..0x0801FFFB). An image without one would flash a driver
    // with zeros, which nobody ever means to do.
    [[nodiscard]] bool hasApplication() const;
    // One line naming the data bytes the HEX file holds outside both areas
    // and their address range, which the image drops (firmware linked for
    // the wrong address, say), and whether records there disagree; empty
    // when there are none. Translated.
    [[nodiscard]] QString ignoredWarning(const QString &hexFileName) const;
};
[[nodiscard]] ImageBuild buildImage(const QString &hexFileName);

// Writes header, version and the scrambled copy of a plain ImageSize-byte
// image. False when the image has the wrong size or the device refused data.
[[nodiscard]] bool writeFile(QIODevice &device, const QByteArray &plainImage);

// writeFile to a file through QSaveFile: the old file stays as it was unless
// the whole new one was written. Returns an empty text on success, else why
// it failed (Qt's translated error text).
[[nodiscard]] QString saveFile(const QString &fileName, const QByteArray &plainImage);

// What an upgrade file holds. Every length field is checked against the
// format before it is read: the header and version texts, an image of exactly
// ImageSize bytes, a file of exactly FileSize bytes. The header reads as a null
// text when the file cannot be opened or its length field lies; the version
// likewise. The image is as stored (scrambled) and empty unless the file was
// read whole.
struct FileContents
{
    QString header;
    QString version;
    QByteArray image;
    bool complete = false; // header, version and image were all read whole
    QString damage;        // when not complete: the first length that did not fit

    [[nodiscard]] bool headerMatches() const { return header == QLatin1String(FileHeader); }
    [[nodiscard]] bool versionMatches() const { return version == QLatin1String(FileVersion); }
};
[[nodiscard]] FileContents readFile(QIODevice &device);
[[nodiscard]] FileContents readFile(const QString &fileName);

// The plain image of a stored (scrambled) one: its first ImageSize bytes
// unscrambled in one pass. Empty when the stored image is shorter.
[[nodiscard]] QByteArray unscrambleImage(const QByteArray &storedImage);

// The check words of a plain image, as stored and as its areas add up.
struct ImageCheck
{
    int size = 0;
    quint32 appStored = 0;
    quint32 appComputed = 0;
    quint32 extStored = 0;
    quint32 extComputed = 0;

    [[nodiscard]] bool sizeOk() const { return size >= ImageSize; }
    [[nodiscard]] bool appMatches() const { return sizeOk() && appStored == appComputed; }
    [[nodiscard]] bool extMatches() const { return sizeOk() && extStored == extComputed; }
    // What an upgrade needs before it touches the driver: the whole image,
    // both areas consistent with their check words.
    [[nodiscard]] bool ok() const { return appMatches() && extMatches(); }
};
[[nodiscard]] ImageCheck checkImage(const QByteArray &plainImage);

} // namespace Upgrade
