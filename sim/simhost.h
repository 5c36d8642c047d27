#pragma once

#include <QString>

#include <memory>

class Lc420Model;

// Serves Lc420Model instances to libusb-0.1 through umockdev: each model is an
// emulated USB device node on bus 001 whose usbdevfs ioctls (CONNECTINFO,
// SETCONFIGURATION, CLAIM/RELEASEINTERFACE, CONTROL) are answered from the model.
//
// Creating a SimHost creates the umockdev testbed and sets UMOCKDEV_DIR. A program
// sees the devices only if it runs with the umockdev preload: in-process under
// umockdev-wrapper (tests), or as a child started with LD_PRELOAD (the launcher).
//
// The node follows the model's presence on the bus: when the model goes off the bus
// (a reset on request 4, an unplug) the node is removed from the testbed, so the next
// enumeration does not find it; when it comes back the node is added again. Open
// handles from before get ENODEV, as from the kernel. The time off the bus is measured
// on Clock: with the virtual clock the device comes back from Clock's advance
// listener (on the sleeping thread), with the real clock from a timer on umockdev's
// worker context. One SimHost per process at a time.
class SimHost
{
public:
    SimHost();
    ~SimHost();
    SimHost(const SimHost &) = delete;
    SimHost &operator=(const SimHost &) = delete;

    // Declares a device for the model (not owned; it must outlive the host). Its node
    // appears at the next sync() or setPlugged(). Devices that appear in the same
    // sync are enumerated by libusb-0.1 in the order they were added (libusb keeps the
    // devices it has already seen in place and puts newly found ones first).
    void addDevice(Lc420Model &model);

    // Plugs or unplugs a device regardless of its model (an impostor being connected
    // later, for example). A device that is plugged in shows only while its model is
    // on the bus.
    void setPlugged(const Lc420Model &model, bool plugged);

    // Refuses this user the device, as a system without the udev rule does: the node
    // is not writable, and every usbdevfs ioctl answers EPERM, as the kernel answers
    // a handle opened read-only (libusb-0.1 falls back to read-only when it may not
    // write). Enumeration still lists the device with its descriptors.
    void setAccessDenied(const Lc420Model &model, bool denied);

    // Adds or removes nodes to match each model's presence now. Called by the host
    // itself after every transfer and clock advance; harmless to call at any time.
    void sync();

    // The device node path the program opens, e.g. "/dev/bus/usb/001/002"; empty while
    // the device is off the bus. Like the kernel, every plug-in (also the return after
    // a reset) gets a new device number.
    [[nodiscard]] QString deviceNode(const Lc420Model &model) const;
    // The testbed's root folder (UMOCKDEV_DIR).
    [[nodiscard]] QString rootDir() const;

    // True when this process runs under the umockdev preload (libusb calls made here
    // reach the emulated devices).
    [[nodiscard]] static bool inMockEnvironment();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
