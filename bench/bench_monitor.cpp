// The driver monitor against the simulated driver, on the real clock, with its
// default intervals: how long after a plug or an unplug the owning thread
// hears of it, and what watching the buses costs that thread. Runs under
// umockdev:
//     umockdev-wrapper build/bench/bench_monitor
//
// BM_MonitorNoticesPlug and BM_MonitorNoticesUnplug time, per iteration, from
// the change on the emulated bus to the driversChanged signal arriving on the
// benchmark thread (which plays the GUI thread); the aim is under 1 s.
// BM_MonitorGuiThreadPerSecond runs that thread's event loop for one second
// while another thread plugs the driver in and out again: its CPU time is the
// benchmark thread's own (the passes run on the monitor's worker); the aim is
// under 5 ms.

#include "sim/simulatedbus.h"
#include "usb/drivermonitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

SimulatedBus::Options unpluggedOnRealClock()
{
    SimulatedBus::Options options;
    options.virtualClock = false;
    options.plugged = false;
    return options;
}

// Waits on the event loop until the monitor lists `count` drivers; the
// elapsed seconds, or a negative value after 5 s.
double waitForDrivers(DriverMonitor &monitor, int count)
{
    QElapsedTimer timer;
    timer.start();
    QEventLoop loop;
    const QMetaObject::Connection changed = QObject::connect(
        &monitor, &DriverMonitor::driversChanged, &loop, [&](const QList<AttachedDriver> &drivers) {
            if (drivers.size() == count)
                loop.quit();
        });
    QTimer::singleShot(5000, &loop, [&] { loop.exit(1); });
    const bool seen = monitor.drivers().size() == count || loop.exec() == 0;
    QObject::disconnect(changed);
    return seen ? double(timer.nsecsElapsed()) / 1e9 : -1.0;
}

void noticeChange(benchmark::State &state, bool plug)
{
    SimulatedBus bus(unpluggedOnRealClock());
    DriverMonitor monitor;
    monitor.start();
    if (waitForDrivers(monitor, 0) < 0) {
        state.SkipWithError("the monitor did not report the empty bus");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        if (!plug) {
            bus.setPlugged(bus.device(), true);
            waitForDrivers(monitor, 1);
        }
        state.ResumeTiming();
        bus.setPlugged(bus.device(), plug);
        const double seconds = waitForDrivers(monitor, plug ? 1 : 0);
        if (seconds < 0) {
            state.SkipWithError("the change was not noticed within 5 s");
            return;
        }
        state.SetIterationTime(seconds);
        if (plug) {
            bus.setPlugged(bus.device(), false);
            waitForDrivers(monitor, 0);
        }
    }
}

void BM_MonitorNoticesPlug(benchmark::State &state)
{
    noticeChange(state, true);
}
BENCHMARK(BM_MonitorNoticesPlug)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

void BM_MonitorNoticesUnplug(benchmark::State &state)
{
    noticeChange(state, false);
}
BENCHMARK(BM_MonitorNoticesUnplug)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

void BM_MonitorGuiThreadPerSecond(benchmark::State &state)
{
    SimulatedBus bus(unpluggedOnRealClock());
    DriverMonitor monitor;
    int changes = 0;
    QObject::connect(&monitor, &DriverMonitor::driversChanged, &monitor, [&changes] { ++changes; });
    monitor.start();
    for (auto _ : state) {
        // The plugging hand is a thread of its own: the emulated bus's work is
        // no part of what the monitor costs the GUI thread.
        std::unique_ptr<QThread> hand(QThread::create([&bus] {
            QThread::msleep(300);
            bus.setPlugged(bus.device(), true);
            QThread::msleep(350);
            bus.setPlugged(bus.device(), false);
        }));
        hand->start();
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
        hand->wait();
    }
    state.counters["changes"] = changes;
}
BENCHMARK(BM_MonitorGuiThreadPerSecond)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (!SimHost::inMockEnvironment()) {
        std::fprintf(stderr, "bench_monitor: run it under umockdev-wrapper\n");
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
