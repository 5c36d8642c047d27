#include "usb/drivermonitor.h"

#include "core/trace.h"
#include "usb/drivermap.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <usb.h>

bool AttachedDriver::operator==(const AttachedDriver &other) const
{
    const auto sameVersions = [](const auto &a, const auto &b) {
        return a.has_value() == b.has_value()
               && (!a || (a->first == b->first && a->second == b->second));
    };
    return bus == other.bus && device == other.device && serial == other.serial
           && mode == other.mode && sameVersions(versions, other.versions) && access == other.access
           && locked == other.locked;
}

bool DriverChoice::operator==(const DriverChoice &other) const
{
    return result.outcome == other.result.outcome && result.serial == other.result.serial
           && result.bus == other.result.bus && result.device == other.result.device
           && result.drivers == other.result.drivers && serial == other.serial
           && pinned == other.pinned;
}

DriverChoice chooseDriver(const QList<AttachedDriver> &drivers, const QByteArray &pinned)
{
    using Outcome = Connection::Outcome;
    DriverChoice choice;
    choice.serial = Connection::plainSerial(pinned);
    choice.pinned = !pinned.isEmpty();
    const AttachedDriver *refused = nullptr;
    const AttachedDriver *unavailable = nullptr;
    QList<const AttachedDriver *> known;
    for (const AttachedDriver &driver : drivers) {
        if (!driver.serial.isEmpty())
            known.append(&driver);
        else if (driver.access == AttachedDriver::Access::Denied && !refused)
            refused = &driver;
        else if (driver.access == AttachedDriver::Access::Unavailable && !unavailable)
            unavailable = &driver;
    }
    const auto unknown = [&](Connection::Result otherwise) {
        // A driver whose serial cannot be read may be the one wanted.
        if (refused)
            return Connection::Result{Outcome::NoPermission, {}, refused->bus, refused->device, 0};
        if (unavailable)
            return Connection::Result{
                Outcome::Unavailable, {}, unavailable->bus, unavailable->device, 0};
        return otherwise;
    };
    if (choice.pinned) {
        for (const AttachedDriver *driver : known) {
            if (driver->serial == choice.serial)
                return choice;
        }
        choice.result = unknown({Outcome::ChosenGone, choice.serial, {}, {}, 0});
        return choice;
    }
    if (known.size() == 1) {
        choice.serial = known.first()->serial;
        return choice;
    }
    if (known.size() > 1)
        choice.result = {Outcome::SeveralNoneChosen, {}, {}, {}, int(known.size())};
    else
        choice.result = unknown({Outcome::NoDriver, {}, {}, {}, 0});
    return choice;
}

namespace {

// The monitor's own device object: used only inside withTransportLock,
// through the lock-held forms, on the worker thread.
class Probe : public USBLC350
{
public:
    // noted: status bits a command of this process read or wrote since the
    // last pass, by serial; they stand for drivers it holds open.
    QList<AttachedDriver> pass(bool statusDue, const QHash<QByteArray, bool> &noted = {})
    {
        QHash<QByteArray, Node> seen;
        QList<AttachedDriver> drivers;
        withTransportLock([&] {
            for (struct usb_device *dev : matchingDevicesPrivate()) {
                const QByteArray bus = dev->bus->dirname;
                const QByteArray device = dev->filename;
                const QByteArray key = bus + '/' + device;
                const auto known = nodes.constFind(key);
                Node node = known != nodes.constEnd() ? *known : Node();
                if (known == nodes.constEnd())
                    node.age.start();
                // Just plugged in, a device may refuse for a moment (udev has
                // not yet given this user the node): tried again every pass
                // and not listed as refused until it has settled.
                const bool young = !node.age.hasExpired(SettleMs);
                node.driver.bus = bus;
                node.driver.device = device;
                const AttachedDriver::Access access = node.driver.access;
                QByteArray heldSerial;
                if (heldOpenPrivate(bus, device, &heldSerial)) {
                    // Between a command's transfers: what was read stands,
                    // and what the command itself saw of the lock.
                    if (!node.read) {
                        node.driver.access = AttachedDriver::Access::InUse;
                        node.driver.serial = Connection::plainSerial(heldSerial);
                        node.driver.mode = DriverInfo::modeFromSerial(heldSerial);
                    }
                    if (const auto lock = noted.constFind(node.driver.serial);
                        lock != noted.constEnd())
                        node.driver.locked = *lock;
                } else if (known != nodes.constEnd()
                           && (access == AttachedDriver::Access::Denied
                               || access == AttachedDriver::Access::Unavailable)) {
                    // Refused before: tried again only as often as the status.
                    if (statusDue || young)
                        probe(dev, node);
                } else if (node.lc420
                           && (!node.read || access == AttachedDriver::Access::InUse
                               || statusDue)) {
                    probe(dev, node);
                }
                seen.insert(key, node);
                const bool refused = node.driver.access == AttachedDriver::Access::Denied
                                     || node.driver.access == AttachedDriver::Access::Unavailable;
                if (node.lc420 && !(refused && young))
                    drivers.append(node.driver);
            }
        });
        nodes = seen;
        return drivers;
    }

private:
    struct Node
    {
        AttachedDriver driver;
        bool lc420 = true; // false: another device with the same ids, never opened again
        bool read = false; // serial, mode and version texts read
        QElapsedTimer age; // since the node was first seen
    };
    static constexpr int SettleMs = 500;

    // Opens the device, reads what is not known yet (the status bit always),
    // and closes it again.
    void probe(struct usb_device *dev, Node &node)
    {
        LC420_TRACE() << "Driver monitor: bus" << node.driver.bus << "device" << node.driver.device;
        UsbDevice::Found found;
        found.bus = node.driver.bus;
        found.device = node.driver.device;
        switch (openAndIdentify(dev, found, true)) {
        case Found::Outcome::Connected:
        case Found::Outcome::OtherSerial:
            break;
        case Found::Outcome::AccessDenied:
            node.driver.access = AttachedDriver::Access::Denied;
            return;
        case Found::Outcome::Failed:
            node.driver.access = AttachedDriver::Access::Unavailable;
            return;
        case Found::Outcome::WrongId:
            node.lc420 = false;
            return;
        }
        AttachedDriver &driver = node.driver;
        const QByteArray serial = Connection::plainSerial(found.serial);
        const DriverInfo::Mode mode = DriverInfo::modeFromSerial(found.serial);
        if (!node.read || serial != driver.serial || mode != driver.mode) {
            driver.serial = serial;
            driver.mode = mode;
            driver.versions = readVersions();
            node.read = true;
        }
        driver.access = AttachedDriver::Access::Open;
        driver.locked = readLocked();
        disconnectPrivate();
    }

    std::optional<DriverInfo::BootloaderVersions> readVersions()
    {
        QByteArray texts(qsizetype(2) * Driver::VersionTextLength, '\0');
        const quint32 address = Driver::VersionTextsAddress;
        // A failed transfer closes the device: the lock-held form must never
        // connect anew, which would take whichever driver the buses list first.
        if (!isOpenPrivate()
            || control_receivePrivate(Driver::ReadMemory, quint16(address & 0xFFFF),
                                      quint16(address >> 16), texts.data(), int(texts.size()))
                   != int(texts.size()))
            return std::nullopt;
        decodeWords(texts.data(), qint32(texts.size()));
        return DriverInfo::BootloaderVersions{DriverInfo::textAt(texts, 0),
                                              DriverInfo::textAt(texts, Driver::VersionTextLength)};
    }

    std::optional<bool> readLocked()
    {
        uchar word[4] = {};
        if (!isOpenPrivate()
            || control_receivePrivate(Driver::GetStatus, 0, 0, word, sizeof word)
                   != int(sizeof word))
            return std::nullopt;
        return (word[0] & Driver::StatusBit) != 0;
    }

    QHash<QByteArray, Node> nodes;
};

} // namespace

// The passes over the buses, on a thread of their own.
class DriverMonitor::Worker : public QThread
{
public:
    Worker(DriverMonitor *monitor, int scanMs, int statusMs)
        : monitor(monitor)
        , scanMs(scanMs)
        , statusMs(statusMs)
    {}
    ~Worker() override
    {
        {
            QMutexLocker lock(&mutex);
            stopping = true;
            wake.wakeAll();
        }
        wait();
    }
    Worker(const Worker &) = delete;
    Worker &operator=(const Worker &) = delete;

    void requestStatus()
    {
        QMutexLocker lock(&mutex);
        statusWanted = true;
        wake.wakeAll();
    }

    void noteLock(const QByteArray &serial, bool locked)
    {
        QMutexLocker lock(&mutex);
        notedLocks.insert(serial, locked);
        statusWanted = true;
        wake.wakeAll();
    }

protected:
    void run() override
    {
        Probe probe;
        QList<AttachedDriver> published;
        QElapsedTimer sinceStatus;
        sinceStatus.start();
        bool first = true;
        forever
        {
            bool statusDue = false;
            {
                QMutexLocker lock(&mutex);
                if (stopping)
                    return;
                statusDue = std::exchange(statusWanted, false)
                            || (statusMs > 0 && sinceStatus.hasExpired(statusMs));
            }
            if (statusDue)
                sinceStatus.restart();
            QHash<QByteArray, bool> noted;
            {
                QMutexLocker lock(&mutex);
                noted = std::exchange(notedLocks, {});
            }
            const QList<AttachedDriver> drivers = probe.pass(statusDue, noted);
            if (first || drivers != published) {
                first = false;
                published = drivers;
                QMetaObject::invokeMethod(
                    monitor, [monitor = monitor, drivers] { monitor->take(drivers); },
                    Qt::QueuedConnection);
            }
            QMutexLocker lock(&mutex);
            if (!stopping && !statusWanted)
                wake.wait(&mutex, QDeadlineTimer(scanMs));
        }
    }

private:
    DriverMonitor *const monitor;
    const int scanMs;
    const int statusMs;
    QMutex mutex;
    QWaitCondition wake;
    bool stopping = false;
    bool statusWanted = false;
    QHash<QByteArray, bool> notedLocks;
};

DriverMonitor::DriverMonitor(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<QList<AttachedDriver>>();
    qRegisterMetaType<DriverChoice>();
    currentChoice = chooseDriver({}, {});
}

DriverMonitor::~DriverMonitor()
{
    stop();
}

void DriverMonitor::setIntervals(int scanMs, int statusMs)
{
    this->scanMs = qMax(1, scanMs);
    this->statusMs = qMax(0, statusMs);
}

void DriverMonitor::start()
{
    if (worker)
        return;
    worker = std::make_unique<Worker>(this, scanMs, statusMs);
    worker->start();
}

void DriverMonitor::stop()
{
    // Passes still queued to this object are dropped with it or overwritten
    // by the next start's first pass.
    worker.reset();
}

bool DriverMonitor::isRunning() const
{
    return worker != nullptr;
}

QList<AttachedDriver> DriverMonitor::drivers() const
{
    return current;
}

void DriverMonitor::pin(const QByteArray &serial)
{
    pinnedSerial = Connection::plainSerial(serial);
    updateChoice();
}

QByteArray DriverMonitor::pinned() const
{
    return pinnedSerial;
}

DriverChoice DriverMonitor::choice() const
{
    return currentChoice;
}

void DriverMonitor::refreshStatus()
{
    if (worker)
        worker->requestStatus();
}

void DriverMonitor::noteLock(const QByteArray &serial, bool locked)
{
    const QByteArray plain = Connection::plainSerial(serial);
    if (worker && !plain.isEmpty())
        worker->noteLock(plain, locked);
}

void DriverMonitor::take(const QList<AttachedDriver> &drivers)
{
    if (!worker)
        return;
    const bool changed = drivers != current;
    current = drivers;
    if (changed)
        Q_EMIT driversChanged(current);
    updateChoice();
}

void DriverMonitor::updateChoice()
{
    const DriverChoice choice = chooseDriver(current, pinnedSerial);
    if (choice == currentChoice)
        return;
    currentChoice = choice;
    Q_EMIT choiceChanged(currentChoice);
}
