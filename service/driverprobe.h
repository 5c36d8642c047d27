#pragma once

#include "usb/driverinfo.h"

#include <QByteArray>
#include <QString>

#include <optional>

class USBLC350;

// A short look at the driver before or after a command, so that a message can
// say which driver answered and in what mode: a connect, its serial and, when
// asked, the bootloader's version texts and the firmware's check words. Runs
// on the caller's thread; a few short transfers at most.
namespace DriverProbe {

struct Probe
{
    bool answered = false; // connected and identified
    QByteArray serial;     // as the driver reports it ("261107001b" in its bootloader)
    DriverInfo::Mode mode = DriverInfo::Mode::Unknown;
    // Read only with withVersions; nothing when a read failed.
    std::optional<DriverInfo::BootloaderVersions> versions;
    std::optional<DriverInfo::CheckWords> checkWords;
};

// Leaves the device open when the driver answered.
[[nodiscard]] Probe probe(USBLC350 &device, bool withVersions);

// The serial as the user knows it: the driver's nine digits, never the "b"
// its bootloader adds.
[[nodiscard]] QString serialForUser(const QByteArray &serial);

} // namespace DriverProbe
