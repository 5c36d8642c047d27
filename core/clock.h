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

// Virtual time now, that is the time slept since the virtual clock was switched
// on (concurrent sleeps overlap, as real ones do).
[[nodiscard]] qint64 virtualSleptMs();

// Marks the current thread, for the object's lifetime, as one of a group of
// threads that wait side by side on one virtual time line (the command-line
// tool's one thread per driver). A participant's sleep ends when the shared
// time reaches its own deadline, and the time moves on, to the earliest
// deadline, only once every participant sleeps: two participants sleeping
// 200 ms at once take 200 ms of virtual time, not 400. Work between sleeps
// takes no virtual time.
//
// A participant held up outside the clock (a USB transfer, a lock another
// sleeper holds) would stop the time for all. So that this can never hang,
// the earliest sleeper moves the time on by itself after StallRealMs of real
// time in which no participant slept or woke; the order of deadlines is still
// kept. Threads that are not participants sleep as before: their wait
// advances the time to their deadline at once. On the real clock a
// participant changes nothing.
class Participant
{
public:
    Participant();
    ~Participant();
    Participant(const Participant &) = delete;
    Participant &operator=(const Participant &) = delete;
};

inline constexpr int StallRealMs = 250;

} // namespace Clock
