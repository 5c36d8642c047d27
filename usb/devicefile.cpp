#include "usb/devicefile.h"

#include <cerrno>
#include <cstring>
#include <usb.h>

#ifdef __linux__
#include <fcntl.h>
#include <sys/ioctl.h>
// After <sys/ioctl.h>: the header's request numbers use its macros.
#include <linux/usbdevice_fs.h>
#endif

namespace {

#ifdef __linux__
// libusb-0.1 on Linux keeps the open usbdevfs file as the first member of its
// handle; a build that wraps another library keeps a pointer there. The file
// is taken only when the kernel confirms it is this device's: an open file,
// a usbdevfs node, and the device number the enumeration found.
int usbdevfsFile(usb_dev_handle *handle, const struct usb_device *device)
{
    int file = -1;
    std::memcpy(&file, handle, sizeof file);
    if (file < 0 || fcntl(file, F_GETFD) == -1)
        return -1;
    usbdevfs_connectinfo info{};
    if (ioctl(file, USBDEVFS_CONNECTINFO, &info) != 0 || info.devnum != device->devnum)
        return -1;
    return file;
}
#endif

} // namespace

DeviceFile::DeviceFile(usb_dev_handle *handle, const struct usb_device *device)
    : handle(handle)
{
#ifdef __linux__
    if (handle && device)
        file = usbdevfsFile(handle, device);
#else
    static_cast<void>(device);
#endif
}

int DeviceFile::control(int requestType, int request, int value, int index, char *bytes, int size,
                        int timeoutMs) const
{
#ifdef __linux__
    if (file >= 0) {
        usbdevfs_ctrltransfer transfer{};
        transfer.bRequestType = static_cast<__u8>(requestType);
        transfer.bRequest = static_cast<__u8>(request);
        transfer.wValue = static_cast<__u16>(value);
        transfer.wIndex = static_cast<__u16>(index);
        transfer.wLength = static_cast<__u16>(size);
        transfer.timeout = static_cast<__u32>(timeoutMs);
        transfer.data = bytes;
        const int result = ioctl(file, USBDEVFS_CONTROL, &transfer);
        return result < 0 ? -errno : result;
    }
#endif
    return usb_control_msg(handle, requestType, request, value, index, bytes, size, timeoutMs);
}

int DeviceFile::bulk(int endpoint, char *bytes, int size, int timeoutMs) const
{
    const bool in = (endpoint & USB_ENDPOINT_DIR_MASK) != 0;
#ifdef __linux__
    if (file >= 0) {
        usbdevfs_bulktransfer transfer{};
        transfer.ep = static_cast<unsigned>(endpoint);
        transfer.len = static_cast<unsigned>(size);
        transfer.timeout = static_cast<unsigned>(timeoutMs);
        transfer.data = bytes;
        const int result = ioctl(file, USBDEVFS_BULK, &transfer);
        return result < 0 ? -errno : result;
    }
#endif
    return in ? usb_bulk_read(handle, endpoint, bytes, size, timeoutMs)
              : usb_bulk_write(handle, endpoint, bytes, size, timeoutMs);
}
