#pragma once

#include "usb/connection.h"
#include "usb/driverinfo.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <memory>
#include <optional>

// One attached Lc420 as the monitor last saw it.
struct AttachedDriver
{
    enum class Access {
        Open,        // opened and identified: serial, mode, versions and status read
        Denied,      // the system refuses this user the device (no udev rule)
        Unavailable, // it could not be opened (another program may hold it)
        InUse,       // a command of this process holds it open; read once it is free
    };
    QByteArray bus;    // "001"
    QByteArray device; // "007": a new number at every plug-in and after every reset
    QByteArray serial; // the nine digits, never with the bootloader's "b"; empty when unread
    DriverInfo::Mode mode = DriverInfo::Mode::Unknown;
    std::optional<DriverInfo::BootloaderVersions> versions; // nothing when unread
    Access access = Access::Open;
    // Status bit 0, which a Get or Set sets and clears again; set while no
    // transfer runs, it was left by one that was interrupted. Nothing when
    // unread.
    std::optional<bool> locked;

    [[nodiscard]] bool mayOpen() const { return access != Access::Denied; }
    [[nodiscard]] bool operator==(const AttachedDriver &other) const;
    [[nodiscard]] bool operator!=(const AttachedDriver &other) const { return !(*this == other); }
};

// The driver a front end's commands go to: result is Connected when serial
// names an attached driver, else why no command may touch a driver.
struct DriverChoice
{
    Connection::Result result;
    QByteArray serial; // nine digits; empty when none is chosen
    bool pinned = false;

    [[nodiscard]] bool operator==(const DriverChoice &other) const;
    [[nodiscard]] bool operator!=(const DriverChoice &other) const { return !(*this == other); }
};

// A pinned serial names the driver whatever else is attached (and whether it
// is attached at all: ChosenGone until it comes back). With none pinned, a
// single attached driver is the choice; several refuse.
[[nodiscard]] DriverChoice chooseDriver(const QList<AttachedDriver> &drivers,
                                        const QByteArray &pinned);

// Watches the USB buses for Lc420 drivers from a worker thread of its own and
// reports the list to the thread that owns the monitor (the GUI thread) by
// queued signals, only when it changed.
//
// Every pass enumerates under the transport lock, with an object of its own:
// the program's device objects are never touched, and a device another object
// of this process holds open (a command between its transfers) is not opened.
// A device node is read in full once (serial, mode, version texts, status):
// the kernel gives a driver a new node at every plug-in and reset, so a known
// node has the same serial and mode. Only the status bit is read again, every
// statusMs and after refreshStatus().
class DriverMonitor : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultScanMs = 250;
    static constexpr int DefaultStatusMs = 5000;

    explicit DriverMonitor(QObject *parent = nullptr);
    ~DriverMonitor() override; // stops the worker and waits for it
    DriverMonitor(const DriverMonitor &) = delete;
    DriverMonitor &operator=(const DriverMonitor &) = delete;

    // Before start(): the time between passes, and between reads of a known
    // driver's status bit (0: only on refreshStatus()).
    void setIntervals(int scanMs, int statusMs);
    void start();
    void stop();
    [[nodiscard]] bool isRunning() const;

    // The drivers of the last pass, in bus order.
    [[nodiscard]] QList<AttachedDriver> drivers() const;

    // Pins the driver with this serial, in either mode ("261107001" and
    // "261107001b" name the same); empty unpins. Takes effect at once.
    void pin(const QByteArray &serial);
    [[nodiscard]] QByteArray pinned() const;
    [[nodiscard]] DriverChoice choice() const;

    // Reads every driver's status bit again at once (after a Get, a Set or a
    // release of the bit).
    void refreshStatus();
    // Status bit 0 as a command of this process found or left it on the
    // driver with this serial: shown for a driver the process holds open,
    // which the monitor does not read; every other one is read again.
    void noteLock(const QByteArray &serial, bool locked);

Q_SIGNALS:
    void driversChanged(const QList<AttachedDriver> &drivers);
    void choiceChanged(const DriverChoice &choice);

private:
    class Worker;
    void take(const QList<AttachedDriver> &drivers);
    void updateChoice();

    std::unique_ptr<Worker> worker;
    int scanMs = DefaultScanMs;
    int statusMs = DefaultStatusMs;
    QList<AttachedDriver> current;
    QByteArray pinnedSerial;
    DriverChoice currentChoice;
};
