#pragma once

#include <QByteArray>
#include <QObject>

struct usb_dev_handle;

// The program's only door to the driver: finds it on the USB buses through
// libusb-0.1 by vendor and product id, opens it (configuration 1, interface 0),
// checks its identification word, and carries vendor control transfers with a
// 2000 ms time-out and one trace line per transfer.
//
// Every transfer opens the device by itself when it is closed, and every failed
// transfer closes it, so the next transfer starts from a fresh enumeration.
// One process-wide, non-recursive lock serialises every connect, disconnect and
// single transfer of all objects; no lock spans the several transfers of a
// command. The "Private" forms are for use while that lock is held.
//
// Transfers return the byte count the USB layer reported (which may be less
// than asked for; the caller decides whether that is a failure) or -1.
class UsbDevice : public QObject
{
    Q_OBJECT

public:
    UsbDevice();
    ~UsbDevice() override;
    UsbDevice(const UsbDevice &) = delete;
    UsbDevice &operator=(const UsbDevice &) = delete;

    void setUsbIds(quint16 vendor, quint16 product);
    void setExpectedId(quint16 id);

    // 0 when the driver is open and identified, -1 otherwise.
    int connect();
    void disconnect();

    int control_send(quint8 bRequest, quint16 wValue, quint16 wIndex, const void *data, int length);
    int control_receive(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer, int length);

    int bulk_write(const void *data, int length);
    int bulk_read(void *buffer, int length);

    // The driver's USB serial-number string (string descriptor 3), each UTF-16
    // unit reduced to its low byte; empty when the device is closed. Does not
    // connect by itself.
    [[nodiscard]] QByteArray read_serial_string();

protected:
    int connectPrivate();
    void disconnectPrivate();
    int control_receivePrivate(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer,
                               int length);

private:
    quint16 productId = 0;
    quint16 vendorId = 0;
    quint16 expectedId = 0;
    usb_dev_handle *handle = nullptr;
};
