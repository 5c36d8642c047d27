#include "service/driverprobe.h"

#include "usb/usblc350.h"

namespace DriverProbe {

Probe probe(USBLC350 &device, bool withVersions)
{
    Probe result;
    if (device.connect() != 0)
        return result;
    result.answered = true;
    result.serial = DriverInfo::readSerial(device);
    result.mode = DriverInfo::modeFromSerial(result.serial);
    if (withVersions) {
        result.versions = DriverInfo::readBootloaderVersions(device);
        result.checkWords = DriverInfo::readCheckWords(device);
    }
    return result;
}

QString serialForUser(const QByteArray &serial)
{
    if (DriverInfo::modeFromSerial(serial) == DriverInfo::Mode::Bootloader)
        return QString::fromLatin1(serial.left(serial.size() - 1));
    return QString::fromLatin1(serial);
}

} // namespace DriverProbe
