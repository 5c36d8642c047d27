#pragma once

#include "sim/lc420model.h"
#include "sim/simhost.h"

#include <memory>

// Test fixture: a simulated Lc420 on an emulated USB bus inside the test process.
// The test executable must run under umockdev-wrapper (lc420_add_test(... UMOCKDEV)).
// Create it in init() (or initTestCase()) and destroy it in cleanup(); libusb-0.1 in
// the same process then finds the device through the ordinary usb_find_busses /
// usb_find_devices calls.
//
//     std::unique_ptr<SimulatedBus> bus;
//     void init() { bus = std::make_unique<SimulatedBus>(); }
//     void cleanup() { bus.reset(); }
//     ... bus->device().failNextTransfers(1, Lc420Model::Match::commands());
//     ... QCOMPARE(bus->device().commandLog().size(), 3);
//
// With Options::virtualClock (the default) it switches Clock to virtual time, so the
// waits of the upgrade and the driver's time off the bus after a reset cost nothing;
// the destructor switches the real clock back on.
class SimulatedBus
{
public:
    struct Options
    {
        bool virtualClock = true;
        // A second device with the same ids that answers the identification request
        // with a wrong word (0x00B3); it is enumerated before the right one.
        bool impostor = false;
        // Plug the right device in at once (else call setPlugged(device(), true)).
        bool plugged = true;
    };

    SimulatedBus();
    explicit SimulatedBus(const Options &options);
    ~SimulatedBus();
    SimulatedBus(const SimulatedBus &) = delete;
    SimulatedBus &operator=(const SimulatedBus &) = delete;

    // The right driver (identification word 0x00B2), in its fresh default state.
    [[nodiscard]] Lc420Model &device();
    // The impostor; only with Options::impostor.
    [[nodiscard]] Lc420Model &impostor();
    [[nodiscard]] SimHost &host();

    void setPlugged(const Lc420Model &model, bool plugged);

private:
    Lc420Model right;
    std::unique_ptr<Lc420Model> wrong;
    std::unique_ptr<SimHost> bus;
    bool switchedClock = false;
};
