#include "usb/driverinfo.h"

namespace DriverInfo {

Mode modeFromSerial(const QByteArray &serial)
{
    if (serial.size() == 9)
        return Mode::Application;
    if (serial.size() == 10 && serial.at(9) == 'b')
        return Mode::Bootloader;
    return Mode::Unknown;
}

QByteArray textAt(const QByteArray &data, int offset)
{
    if (offset < 0 || offset >= data.size())
        return {};
    const QByteArray rest = data.mid(offset);
    const qsizetype zero = rest.indexOf('\0');
    return zero < 0 ? rest : rest.left(zero);
}

QByteArray printableSerial(const QByteArray &serial)
{
    return textAt(serial, 0);
}

} // namespace DriverInfo
