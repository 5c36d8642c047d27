// A small libusb-0.1 client for the launcher test: run under lc420-sim, it performs
// its arguments in order against the first device that identifies as an Lc420 and
// prints one line per step.
//   serial | status | set-status VALUE | write-ext ADDRESS HEX | read-ext ADDRESS LENGTH
//   | reset | exit CODE

#include <cstdio>
#include <cstdlib>
#include <string>
#include <usb.h>
#include <vector>

namespace {

usb_dev_handle *openLc420()
{
    usb_init();
    usb_find_busses();
    usb_find_devices();
    for (struct usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device *device = bus->devices; device; device = device->next) {
            if (device->descriptor.idVendor != 0x16C0 || device->descriptor.idProduct != 0x078A)
                continue;
            usb_dev_handle *handle = usb_open(device);
            if (!handle)
                continue;
            char id[2] = {};
            if (usb_set_configuration(handle, 1) == 0 && usb_claim_interface(handle, 0) == 0
                && usb_control_msg(handle, 0xC0, 255, 0, 0, id, 2, 2000) == 2 && id[0] == char(0xB2)
                && id[1] == 0)
                return handle;
            usb_close(handle);
        }
    }
    return nullptr;
}

std::string hex(const std::vector<char> &bytes)
{
    std::string text;
    char digits[3];
    for (char byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", unsigned(static_cast<unsigned char>(byte)));
        text += digits;
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    usb_dev_handle *handle = openLc420();
    if (!handle) {
        std::printf("no device\n");
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string step = argv[i];
        const auto number = [&](int at) { return std::strtoul(argv[at], nullptr, 0); };
        if (step == "serial") {
            char buffer[256] = {};
            const int count = usb_get_descriptor(handle, USB_DT_STRING, 3, buffer, sizeof buffer);
            std::string serial;
            for (int at = 2; at + 1 < count; at += 2)
                serial += buffer[at];
            std::printf("serial %s\n", serial.c_str());
        } else if (step == "status") {
            unsigned char word[4] = {};
            const int count
                = usb_control_msg(handle, 0xC0, 9, 0, 0, reinterpret_cast<char *>(word), 4, 2000);
            if (count == 4)
                std::printf("status %08x\n", unsigned(word[0] | word[1] << 8 | word[2] << 16
                                                      | unsigned(word[3]) << 24));
            else
                std::printf("status error %d\n", count);
        } else if (step == "set-status" && i + 1 < argc) {
            const unsigned long value = number(++i);
            char word[4] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
            std::printf("set-status %d\n", usb_control_msg(handle, 0x40, 7, 0, 0, word, 4, 2000));
        } else if (step == "write-ext" && i + 2 < argc) {
            const unsigned long address = number(++i);
            const std::string digits = argv[++i];
            std::vector<char> bytes;
            for (size_t at = 0; at + 1 < digits.size(); at += 2)
                bytes.push_back(char(std::strtoul(digits.substr(at, 2).c_str(), nullptr, 16)));
            std::printf("write-ext %d\n",
                        usb_control_msg(handle, 0x40, 6, int(address & 0xFFFF), int(address >> 16),
                                        bytes.data(), int(bytes.size()), 2000));
        } else if (step == "read-ext" && i + 2 < argc) {
            const unsigned long address = number(++i);
            std::vector<char> bytes(number(++i));
            const int count
                = usb_control_msg(handle, 0xC0, 5, int(address & 0xFFFF), int(address >> 16),
                                  bytes.data(), int(bytes.size()), 2000);
            std::printf("read-ext %d %s\n", count, hex(bytes).c_str());
        } else if (step == "reset") {
            std::printf("reset %d\n", usb_control_msg(handle, 0x40, 4, 0, 0, nullptr, 0, 2000));
        } else if (step == "exit" && i + 1 < argc) {
            usb_close(handle);
            return int(number(++i));
        } else {
            std::printf("unknown step %s\n", step.c_str());
            usb_close(handle);
            return 2;
        }
    }
    usb_release_interface(handle, 0);
    usb_close(handle);
    return 0;
}
