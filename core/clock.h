#pragma once

#include <QtGlobal>

#include <functional>

// The one place where the program waits. Production code sleeps for real; tests
// switch to a virtual clock where a wait only advances the time, so sequences
// with seconds of waiting run at once while the waits themselves stay as they are.
// The simulated driver reads the same clock (for example to time a reset).
namespace Clock {

void sleepMs(int ms);

// Milliseconds on a monotonic clock (virtual time when the virtual clock is on).
[[nodiscard]] qint64 nowMs();

// Virtual time starts at 0 when switched on. Thread safe.
void setVirtual(bool on);
[[nodiscard]] bool isVirtual();

// Called (on the sleeping thread) after virtual time has advanced; the simulated
// driver uses it to come back on the bus when its time off the bus is over.
// Returns an id for removeAdvanceListener.
int addAdvanceListener(std::function<void(qint64 nowMs)> listener);
void removeAdvanceListener(int id);

// Total virtual time slept since the virtual clock was switched on.
[[nodiscard]] qint64 virtualSleptMs();

} // namespace Clock
