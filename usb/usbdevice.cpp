#include "usb/usbdevice.h"

#include "core/trace.h"
#include "usb/replies.h"

#include <QMutex>
#include <QMutexLocker>

#include <usb.h>

namespace {

// libusb-0.1 keeps global bus lists and is not thread safe: every call that
// enumerates or transfers happens under this one lock, shared by all objects.
QMutex usbMutex;

constexpr int Configuration = 1;
constexpr int Interface = 0;
constexpr int RequestTypeVendorIn = 0xC0;
constexpr int RequestTypeVendorOut = 0x40;
constexpr int TimeoutMs = 2000;
constexpr quint8 IdentificationRequest = 255;
constexpr int BulkOutEndpoint = 0x02;
constexpr int BulkInEndpoint = 0x81;
constexpr int SerialStringIndex = 3;
constexpr int StringDescriptorBufferSize = 256;

QString transferLine(const char *direction, quint8 bRequest, quint16 wValue, quint16 wIndex,
                     int length, int result)
{
    const char *outcome = result < 0 ? "ERROR" : "OK";
    if (length != 0) {
        return QString::asprintf("USB Control %s bRequest=%d, wValue=%d, wIndex=%d, "
                                 "dataLength=%d - %s.",
                                 direction, bRequest, wValue, wIndex, length, outcome);
    }
    return QString::asprintf("USB Control %s bRequest=%d, wValue=%d, wIndex=%d - %s.", direction,
                             bRequest, wValue, wIndex, outcome);
}

// The library reports at most what was asked for; anything else is treated as
// a failed transfer rather than trusted.
int checkedCount(int result, int asked)
{
    return result > asked ? -1 : result;
}

} // namespace

UsbDevice::UsbDevice() = default;

UsbDevice::~UsbDevice()
{
    LC420_TRACE() << "UsbDevice destructor";
    bool open;
    {
        QMutexLocker lock(&usbMutex);
        open = handle != nullptr;
    }
    if (open)
        disconnect();
}

void UsbDevice::setUsbIds(quint16 vendor, quint16 product)
{
    QMutexLocker lock(&usbMutex);
    vendorId = vendor;
    productId = product;
}

void UsbDevice::setExpectedId(quint16 id)
{
    expectedId = id;
}

int UsbDevice::connect()
{
    QMutexLocker lock(&usbMutex);
    return connectPrivate();
}

void UsbDevice::disconnect()
{
    QMutexLocker lock(&usbMutex);
    disconnectPrivate();
}

int UsbDevice::connectPrivate()
{
    LC420_TRACE() << "USB Connect";
    if (handle) {
        usb_close(handle);
        handle = nullptr;
    }

    usb_init();
    usb_find_busses();
    usb_find_devices();

    for (struct usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        LC420_TRACE() << "bus: " << bus->dirname;
        for (struct usb_device *dev = bus->devices; dev; dev = dev->next) {
            LC420_TRACE() << "bus->devices: " << bus->devices->filename;
            LC420_TRACE() << "dev->descriptor.idVendor: " << Qt::hex << dev->descriptor.idVendor;
            LC420_TRACE() << "dev->descriptor.idProduct: " << Qt::hex << dev->descriptor.idProduct;
            LC420_TRACE() << "dev->descriptor.iSerialNumber: " << Qt::hex
                          << dev->descriptor.iSerialNumber;
            LC420_TRACE() << "dev->descriptor.bMaxPacketSize0: " << Qt::hex
                          << dev->descriptor.bMaxPacketSize0;

            if (dev->descriptor.idVendor != vendorId || dev->descriptor.idProduct != productId)
                continue;

            handle = usb_open(dev);
            if (!handle)
                continue;
            LC420_TRACE() << "usb_opened ";

            if (usb_set_configuration(handle, Configuration) < 0) {
                disconnectPrivate();
                continue;
            }
            LC420_TRACE() << "usb_set_configuration ";

            if (usb_claim_interface(handle, Interface) < 0) {
                disconnectPrivate();
                continue;
            }
            LC420_TRACE() << "usb_claim_interface ";

            unsigned char reply[2] = {0, 0};
            const int count
                = control_receivePrivate(IdentificationRequest, 0, 0, reply, sizeof reply);
            LC420_TRACE() << "control_receivePrivate( " << int(IdentificationRequest) << 0
                          << 0
                          // As numbers: a raw 0 byte would cut the line short.
                          << int(reply[0]) << int(reply[1]) << 2 << ")";
            if (const std::optional<quint16> identified
                = Replies::identificationWord(reply, count)) {
                const quint16 word = *identified;
                LC420_TRACE() << QString::asprintf("\nlcid: %x", int(qint16(word)));
                LC420_TRACE() << QString::asprintf("\nUSB_LC510_ID: %x", int(qint16(expectedId)));
                if (word == expectedId)
                    return 0;
            }
            // A failed identification transfer has closed the device already.
            if (handle)
                disconnectPrivate();
        }
    }
    return -1;
}

void UsbDevice::disconnectPrivate()
{
    LC420_TRACE() << "USB Disconnect";
    if (!handle)
        return;
    usb_release_interface(handle, Interface);
    usb_close(handle);
    handle = nullptr;
}

int UsbDevice::control_receivePrivate(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer,
                                      int length)
{
    if (!handle && connectPrivate() != 0)
        return -1;

    int result = -1;
    if (buffer && length > 0) {
        result = checkedCount(usb_control_msg(handle, RequestTypeVendorIn, bRequest, wValue, wIndex,
                                              static_cast<char *>(buffer), length, TimeoutMs),
                              length);
    }
    LC420_TRACE() << transferLine("Receive", bRequest, wValue, wIndex, length, result);

    if (result < 0) {
        disconnectPrivate();
        return -1;
    }
    return result;
}

int UsbDevice::control_receive(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer,
                               int length)
{
    QMutexLocker lock(&usbMutex);
    return control_receivePrivate(bRequest, wValue, wIndex, buffer, length);
}

int UsbDevice::control_send(quint8 bRequest, quint16 wValue, quint16 wIndex, const void *data,
                            int length)
{
    QMutexLocker lock(&usbMutex);
    LC420_TRACE() << "UsbDevice::control_send()";
    if (!handle && connectPrivate() != 0)
        return -1;

    const bool empty = !data || length <= 0;
    // libusb-0.1 takes a non-const pointer for both directions; it only reads
    // from it for an OUT transfer.
    char *bytes = empty ? nullptr : const_cast<char *>(static_cast<const char *>(data));
    const int sent = empty ? 0 : length;
    const int result = checkedCount(usb_control_msg(handle, RequestTypeVendorOut, bRequest, wValue,
                                                    wIndex, bytes, sent, TimeoutMs),
                                    sent);
    LC420_TRACE() << transferLine("Send", bRequest, wValue, wIndex, sent, result);

    if (result < 0) {
        disconnectPrivate();
        return -1;
    }
    return result;
}

int UsbDevice::bulk_write(const void *data, int length)
{
    QMutexLocker lock(&usbMutex);
    if (!data || length < 1 || !handle)
        return -1;
    const int result
        = usb_bulk_write(handle, BulkOutEndpoint,
                         const_cast<char *>(static_cast<const char *>(data)), length, TimeoutMs);
    return result < 0 ? -1 : checkedCount(result, length);
}

int UsbDevice::bulk_read(void *buffer, int length)
{
    QMutexLocker lock(&usbMutex);
    if (!buffer || length < 1 || !handle)
        return -1;
    const int result
        = usb_bulk_read(handle, BulkInEndpoint, static_cast<char *>(buffer), length, TimeoutMs);
    return result < 0 ? -1 : checkedCount(result, length);
}

QByteArray UsbDevice::read_serial_string()
{
    // Taken even though this makes no transfer of its own: the upgrade thread
    // reads the string while the GUI thread may connect or disconnect, and
    // libusb-0.1 must never see the handle closed under a running request.
    QMutexLocker lock(&usbMutex);
    if (!handle)
        return {};

    unsigned char buffer[StringDescriptorBufferSize] = {};
    const int received
        = usb_get_descriptor(handle, USB_DT_STRING, SerialStringIndex, buffer, sizeof buffer);
    return Replies::serialFromDescriptor(buffer, qMin(received, StringDescriptorBufferSize));
}
