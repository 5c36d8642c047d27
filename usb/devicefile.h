#pragma once

struct usb_dev_handle;
struct usb_device;

// Transfers on a device libusb-0.1 has opened, configured and claimed, sent
// as the very usbdevfs ioctls the library sends, on the library's own file
// for the device.
//
// libusb-0.1 writes one process-wide error text inside every transfer that
// fails, so two drivers' transfers failing at the same moment (a reset into
// the bootloader on two drivers, a cable pulled from a hub) would write it at
// once. A transfer sent here touches nothing but its own device's file: the
// transfers of different drivers share no state and need no common lock.
// Where the library keeps its file out of reach (another build of the
// libusb-0.1 interface), each transfer goes through the library instead.
class DeviceFile
{
public:
    DeviceFile() = default;
    // handle is open for device; it must stay open as long as this is used.
    DeviceFile(usb_dev_handle *handle, const struct usb_device *device);

    // Whether transfers go straight to the device's file.
    [[nodiscard]] bool isDirect() const { return file >= 0; }

    // As usb_control_msg() and usb_bulk_write()/usb_bulk_read(): the byte
    // count, or the system's error as a negative errno.
    int control(int requestType, int request, int value, int index, char *bytes, int size,
                int timeoutMs) const;
    int bulk(int endpoint, char *bytes, int size, int timeoutMs) const;

private:
    usb_dev_handle *handle = nullptr;
    int file = -1;
};
