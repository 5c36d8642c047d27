#include "core/clock.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QThread>

#include <atomic>
#include <map>

namespace {

struct ClockState
{
    QMutex mutex;
    std::atomic<bool> virtualOn{false};
    std::atomic<qint64> virtualNow{0};
    std::map<int, std::function<void(qint64)>> listeners;
    int nextId = 1;
    QElapsedTimer realTimer;

    ClockState() { realTimer.start(); }
};

ClockState &state()
{
    static ClockState s;
    return s;
}

} // namespace

namespace Clock {

void sleepMs(int ms)
{
    ClockState &s = state();
    if (!s.virtualOn) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    const qint64 now = s.virtualNow += ms;
    std::map<int, std::function<void(qint64)>> listeners;
    {
        QMutexLocker lock(&s.mutex);
        listeners = s.listeners;
    }
    for (const auto &entry : listeners)
        entry.second(now);
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
    QMutexLocker lock(&s.mutex);
    const int id = s.nextId++;
    s.listeners.emplace(id, std::move(listener));
    return id;
}

void removeAdvanceListener(int id)
{
    ClockState &s = state();
    QMutexLocker lock(&s.mutex);
    s.listeners.erase(id);
}

} // namespace Clock
