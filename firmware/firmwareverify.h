#pragma once

#include "firmware/upgradefile.h"
#include "usb/connection.h"
#include "usb/driverinfo.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class USBLC350;

// Which firmware a driver runs, and whether it is intact: its two check words
// against an upgrade file's, and a read-back of both firmware areas, compared
// with a file's image or, without a file, summed as the bootloader sums the
// application before it starts it.
namespace FirmwareCheck {

// The check words on a driver against those in an upgrade file; either side
// may be unknown (no driver answered, no file or a damaged one).
struct Identity
{
    std::optional<DriverInfo::CheckWords> driver;
    std::optional<DriverInfo::CheckWords> file;

    [[nodiscard]] bool equal() const { return driver && file && *driver == *file; }
};

// The words stored in a plain upgrade image; nothing for a short one.
[[nodiscard]] std::optional<DriverInfo::CheckWords> imageWords(const QByteArray &plainImage);

// The words on each side and, when both are known, whether they are equal:
// "The driver holds application 0x…, external flash 0x…; the file holds the
// same: the driver runs this firmware." Translated; empty when neither is known.
[[nodiscard]] QString describe(const Identity &identity);

// One firmware area as read back from the driver.
struct AreaCheck
{
    quint32 stored = 0; // the check word the driver holds, the area's last word
    quint32 sum = 0;    // what the area's other words add up to
    // Against a file: the first address that differs (-1: none) and how many
    // units differ: 1024-byte pages of the application, 256-byte chunks (one
    // external write each) of the external block.
    qint64 firstDifference = -1;
    int differingUnits = 0;

    [[nodiscard]] bool addsUp() const { return stored == sum; }
    [[nodiscard]] bool sameAsFile() const { return differingUnits == 0; }
};

struct Result
{
    enum class Outcome {
        Equal,        // both areas hold exactly the file's image
        Differs,      // an area differs from the file
        AddsUp,       // no file: each area adds up to its check word
        DoesNotAddUp, // no file: an area does not add up to its check word
        BadFile,      // the file is no usable upgrade file; the driver was not read
        NoDriver,     // no driver answered (connection says why)
        ReadFailed,   // a read-back failed part-way (connection says why)
    };
    Outcome outcome = Outcome::NoDriver;
    bool withFile = false;
    QString fileName;
    QByteArray serial; // the driver's nine digits; empty when none answered
    Connection::Result connection;
    AreaCheck application;
    AreaCheck external;
    std::optional<DriverInfo::CheckWords> fileWords;

    [[nodiscard]] bool ok() const
    {
        return outcome == Outcome::Equal || outcome == Outcome::AddsUp;
    }
    [[nodiscard]] bool areasRead() const
    {
        return outcome == Outcome::Equal || outcome == Outcome::Differs
               || outcome == Outcome::AddsUp || outcome == Outcome::DoesNotAddUp;
    }
};

// Units of the comparison against a file.
inline constexpr int ExternalUnit = Driver::ExternalWriteChunk;

enum class Area { Application, External };
// Progress of the read-back: the area being read, 0..100 within it.
using PercentSink = std::function<void(Area area, int percent)>;

// Reads back the application area (0x08004000..0x0801FFFF) and the external
// firmware block (0x00000..0x13FFF) of the driver the device reaches, with
// the same transfers as any read, and judges them: against plainImage (a
// whole, consistent upgrade image) when it is given, else by their sums.
// Sends nothing that changes the driver.
[[nodiscard]] Result verify(USBLC350 &device, const std::optional<QByteArray> &plainImage,
                            const PercentSink &percent = {});

// The same against an upgrade file; a file that cannot be read whole, or whose
// image does not add up, is BadFile before the driver is touched.
[[nodiscard]] Result verifyFile(USBLC350 &device, const QString &fileName,
                                const PercentSink &percent = {});

// The verdict in one or two sentences, neutral about who shows it: the first
// differing address and how many pages or chunks differ, the check words,
// and why a read failed.
[[nodiscard]] QString describe(const Result &result);

} // namespace FirmwareCheck
