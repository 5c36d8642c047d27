#include "usb/connection.h"

#include <QCoreApplication>

#include <cerrno>

namespace Connection {

Outcome fromTransferError(int error)
{
    switch (-error) {
    case ETIMEDOUT:
        return Outcome::TimedOut;
    case ENODEV:
    case ESHUTDOWN:
        return Outcome::Unplugged;
    default:
        break;
    }
    return Outcome::Refused;
}

QString describe(const Result &result)
{
    const auto tr
        = [](const char *text) { return QCoreApplication::translate("Connection", text); };
    switch (result.outcome) {
    case Outcome::Connected:
        break;
    case Outcome::NoDriver:
        return tr("No Lc420 driver is attached.");
    case Outcome::NoPermission:
        return tr("Found an Lc420 on bus %1 device %2, but this user may not open it. Install the "
                  "udev rule (packaging/60-lc420.rules, or the package) and plug the driver in "
                  "again.")
            .arg(QString::fromLatin1(result.bus), QString::fromLatin1(result.device));
    case Outcome::Unavailable:
        return tr("Found an Lc420 on bus %1 device %2, but it cannot be opened; another program "
                  "may be using it.")
            .arg(QString::fromLatin1(result.bus), QString::fromLatin1(result.device));
    case Outcome::ChosenGone:
        return tr("Driver %1 is not attached.").arg(QString::fromLatin1(result.serial));
    case Outcome::SeveralNoneChosen:
        return tr("%1 Lc420 drivers are attached and none is chosen; nothing was sent to any of "
                  "them.")
            .arg(result.drivers);
    case Outcome::TimedOut:
        return tr("The driver did not answer in time (USB time-out); check the USB cable.");
    case Outcome::Unplugged:
        if (!result.serial.isEmpty())
            return tr("Driver %1 went off the USB bus during the command; no other driver was "
                      "used in its place.")
                .arg(QString::fromLatin1(result.serial));
        return tr("The driver went off the USB bus during a transfer.");
    case Outcome::Refused:
        return tr("The driver refused a USB transfer.");
    }
    return {};
}

QByteArray plainSerial(const QByteArray &serial)
{
    return serial.endsWith('b') ? serial.chopped(1) : serial;
}

} // namespace Connection
