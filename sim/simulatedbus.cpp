#include "sim/simulatedbus.h"

#include "core/clock.h"

SimulatedBus::SimulatedBus()
    : SimulatedBus(Options())
{}

SimulatedBus::SimulatedBus(const Options &options)
{
    if (options.virtualClock && !Clock::isVirtual()) {
        Clock::setVirtual(true);
        switchedClock = true;
    }
    bus = std::make_unique<SimHost>();
    if (options.impostor) {
        wrong = std::make_unique<Lc420Model>();
        wrong->setIdentificationWord(Lc420Model::IdentificationWord + 1);
        bus->addDevice(*wrong); // declared first: enumerated first
    }
    bus->addDevice(right);
    bus->setPlugged(right, options.plugged);
    bus->sync();
}

SimulatedBus::~SimulatedBus()
{
    bus.reset();
    if (switchedClock)
        Clock::setVirtual(false);
}

Lc420Model &SimulatedBus::device()
{
    return right;
}

Lc420Model &SimulatedBus::impostor()
{
    Q_ASSERT(wrong);
    return *wrong;
}

SimHost &SimulatedBus::host()
{
    return *bus;
}

void SimulatedBus::setPlugged(const Lc420Model &model, bool plugged)
{
    bus->setPlugged(model, plugged);
}
