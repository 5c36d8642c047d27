#pragma once

#include "usb/drivermonitor.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class Feedback;
class QMenu;
class QStatusBar;
class QToolButton;
class USBLC350;

// The status bar's word on the driver the window talks to, always in view:
// which drivers are attached, in what mode, which one is chosen, and why none
// is. It owns the window's driver monitor, pins the window's device to the
// chosen serial, and its menu chooses among several drivers and releases a
// status bit left set by an interrupted Get or Set.
class DriverIndicator : public QObject
{
    Q_OBJECT

public:
    // refuseWhileBusy: tells the user and returns true while the driver may
    // not be touched (an upgrade or a show transfer runs).
    DriverIndicator(USBLC350 &device, Feedback &feedback, QStatusBar *statusBar,
                    std::function<bool()> refuseWhileBusy, QObject *parent = nullptr);
    ~DriverIndicator() override; // stops the monitor

    // Pins serial (empty: none) and starts watching the buses.
    void start(const QByteArray &serial);
    // Chooses the driver with this serial for every command of the window.
    void choose(const QByteArray &serial);
    [[nodiscard]] DriverMonitor &monitor() { return watcher; }

    // What the window is doing with the driver: the indicator never asks for
    // a button that is off meanwhile.
    enum class Activity {
        Idle,
        Upgrading, // Firmware Change runs
        Busy,      // another job on the driver runs
    };
    void setActivity(Activity now);

    // The indicator's words for what the monitor saw.
    [[nodiscard]] static QString text(const QList<AttachedDriver> &drivers,
                                      const DriverChoice &choice,
                                      Activity activity = Activity::Idle);
    // The window's next steps that the indicator's menu offers, for the boxes
    // of other pages: releasing a lock left set, and choosing among drivers.
    [[nodiscard]] static QString releaseStep();
    [[nodiscard]] static QString chooseStep();

    // "261107001, application": a driver in the chooser.
    [[nodiscard]] static QString entry(const AttachedDriver &driver);

private:
    void update();
    void releaseLock();

    USBLC350 &device;
    Feedback &feedback;
    std::function<bool()> refuse;
    DriverMonitor watcher;
    QToolButton *button = nullptr; // in the status bar, which owns it
    QMenu *menu = nullptr;         // owned by the button
    Activity activity = Activity::Idle;
};
