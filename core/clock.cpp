#include "core/clock.h"

#include <QElapsedTimer>
#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>

namespace {

struct ClockState
{
    std::mutex mutex;
    std::condition_variable changed;
    std::atomic<bool> virtualOn{false};
    std::atomic<qint64> virtualNow{0};
    std::map<int, std::function<void(qint64)>> listeners;
    int nextId = 1;
    QElapsedTimer realTimer;

    // Participants (see Clock::Participant), all under mutex.
    int participants = 0;
    std::multiset<qint64> deadlines; // of the participants asleep now
    bool advancing = false;          // listeners run for the latest advance
    quint64 generation = 0;          // changes whenever a participant sleeps or wakes

    ClockState() { realTimer.start(); }
};

ClockState &state()
{
    static ClockState s;
    return s;
}

thread_local bool participating = false;

// Moves virtual time to at least `to` and tells the listeners, on this thread
// and without the lock (the simulated driver's listener takes its own locks).
// While they run no other sleeper wakes, so whoever wakes next finds the
// driver in the state the new time gives it.
void advanceTo(ClockState &s, std::unique_lock<std::mutex> &lock, qint64 to)
{
    if (to > s.virtualNow)
        s.virtualNow = to;
    const qint64 now = s.virtualNow;
    s.advancing = true;
    const auto listeners = s.listeners;
    lock.unlock();
    for (const auto &entry : listeners)
        entry.second(now);
    lock.lock();
    s.advancing = false;
    ++s.generation;
    s.changed.notify_all();
}

void participantSleep(ClockState &s, std::unique_lock<std::mutex> &lock, int ms)
{
    const qint64 deadline = s.virtualNow + ms;
    const auto mine = s.deadlines.insert(deadline);
    ++s.generation;
    s.changed.notify_all();
    bool stalled = false;
    for (;;) {
        if (!s.advancing && s.virtualNow >= deadline)
            break;
        const bool earliest = *s.deadlines.begin() == deadline;
        const bool allAsleep = int(s.deadlines.size()) >= s.participants;
        if (!s.advancing && earliest && (allAsleep || stalled)) {
            advanceTo(s, lock, deadline);
            break;
        }
        const quint64 seen = s.generation;
        stalled = !s.changed.wait_for(lock, std::chrono::milliseconds(Clock::StallRealMs),
                                      [&] { return s.generation != seen; });
    }
    s.deadlines.erase(mine);
    ++s.generation;
    s.changed.notify_all();
}

} // namespace

namespace Clock {

void sleepMs(int ms)
{
    ClockState &s = state();
    if (!s.virtualOn) {
        QThread::msleep(static_cast<unsigned long>(qMax(ms, 0)));
        return;
    }
    std::unique_lock lock(s.mutex);
    if (participating)
        participantSleep(s, lock, qMax(ms, 0));
    else
        advanceTo(s, lock, s.virtualNow + qMax(ms, 0));
}

qint64 nowMs()
{
    ClockState &s = state();
    return s.virtualOn ? s.virtualNow.load() : s.realTimer.elapsed();
}

void setVirtual(bool on)
{
    ClockState &s = state();
    s.virtualNow = 0;
    s.virtualOn = on;
}

bool isVirtual()
{
    return state().virtualOn;
}

qint64 virtualSleptMs()
{
    return state().virtualNow;
}

int addAdvanceListener(std::function<void(qint64)> listener)
{
    ClockState &s = state();
    std::lock_guard lock(s.mutex);
    const int id = s.nextId++;
    s.listeners.emplace(id, std::move(listener));
    return id;
}

void removeAdvanceListener(int id)
{
    ClockState &s = state();
    std::lock_guard lock(s.mutex);
    s.listeners.erase(id);
}

Participant::Participant()
{
    ClockState &s = state();
    std::lock_guard lock(s.mutex);
    ++s.participants;
    participating = true;
}

Participant::~Participant()
{
    ClockState &s = state();
    std::lock_guard lock(s.mutex);
    --s.participants;
    participating = false;
    // Sleepers waiting for this thread to fall asleep need not wait any more.
    ++s.generation;
    s.changed.notify_all();
}

} // namespace Clock
