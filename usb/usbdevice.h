#pragma once

#include "usb/connection.h"
#include "usb/devicefile.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>

#include <functional>
#include <optional>

struct usb_dev_handle;

// The program's only door to the driver: finds it on the USB buses through
// libusb-0.1 by vendor and product id, opens it (configuration 1, interface 0),
// checks its identification word, and carries vendor control transfers with a
// 2000 ms time-out and one trace line per transfer.
//
// Every transfer opens the device by itself when it is closed, and every failed
// transfer closes it, so the next transfer starts from a fresh enumeration.
// Two non-recursive locks, always taken in this order: each object's own lock
// serialises its connect, disconnect and single transfers; one process-wide
// bus lock serialises every enumeration, open and close of all objects, and
// is never held across a transfer. Every transfer (the identification, serial
// and status reads of a connect included) holds only its object's lock, so a
// slow or stalled driver holds up no other's connect or command; and each is
// sent on the device's own file (DeviceFile), so transfers of several objects
// share no state of the library, even when they fail. No lock spans
// the several transfers of a command. The "Private" forms are for use while
// this object's lock is held (and the bus lock not, unless a comment says so);
// they take the bus lock themselves where they touch the buses.
//
// Transfers return the byte count the USB layer reported (which may be less
// than asked for; the caller decides whether that is a failure) or -1.
class UsbDevice : public QObject
{
    Q_OBJECT

public:
    // A device with the driver's vendor and product ids, as a connect or
    // listDrivers() met it on the buses.
    struct Found
    {
        enum class Outcome {
            Connected,    // open and identified (and the serial filter's driver)
            AccessDenied, // the system refused this user the device (EACCES, EPERM)
            Failed,       // could not be opened, configured or claimed otherwise
            WrongId,      // no identification word, or another one: no Lc420
            OtherSerial,  // an Lc420, but not the one the serial filter names
        };
        QByteArray bus;    // the bus's folder name, "001"
        QByteArray device; // the device's file name, "007"
        Outcome outcome = Outcome::Failed;
        // How the identification transfer failed, for WrongId: a driver that
        // stopped answering is not a device of another kind.
        Connection::Outcome identification = Connection::Outcome::Connected;
        QByteArray serial; // read with a serial filter set, in a command, and by listDrivers()
        std::optional<quint32> status; // the status word, read by listDrivers(true) only
    };
    using ConnectObserver = std::function<void(const QList<Found> &found)>;

    UsbDevice();
    ~UsbDevice() override;
    UsbDevice(const UsbDevice &) = delete;
    UsbDevice &operator=(const UsbDevice &) = delete;

    void setUsbIds(quint16 vendor, quint16 product);
    void setExpectedId(quint16 id);

    // 0 when the driver is open and identified, -1 otherwise; lastResult()
    // tells why.
    int connect();
    void disconnect();

    int control_send(quint8 bRequest, quint16 wValue, quint16 wIndex, const void *data, int length);
    int control_receive(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer, int length);

    int bulk_write(const void *data, int length);
    int bulk_read(void *buffer, int length);

    // Connects only to the driver whose serial-number string is serial, in
    // either mode: "261107001" and "261107001b" (its bootloader) name the same
    // driver, whichever of the two forms is given. Empty (the default): the
    // first identified driver on the buses. With a filter set, a connect reads
    // the serial of each identified driver before it keeps one.
    void setSerialFilter(const QByteArray &serial);
    [[nodiscard]] static bool serialMatches(const QByteArray &filter, const QByteArray &serial);

    // A command of several transfers keeps the driver it started on. Between
    // beginCommand() and endCommand() the first connect (or the driver already
    // open, when the serial filter allows it) fixes the serial; every later
    // connect and reconnect of the command opens that serial only, whatever
    // the serial filter says meanwhile, or fails as Unplugged. Another driver
    // that arrives while this one is off the bus is never taken instead.
    void beginCommand();
    void endCommand();
    // Commands nest: an inner one keeps the outer one's driver. The serial
    // the running command is fixed to; empty before its first connect and
    // outside a command.
    [[nodiscard]] QByteArray commandSerial() const;
    class Command
    {
    public:
        explicit Command(UsbDevice &device)
            : device(device)
        {
            device.beginCommand();
        }
        ~Command() { device.endCommand(); }
        Command(const Command &) = delete;
        Command &operator=(const Command &) = delete;

    private:
        UsbDevice &device;
    };

    // With no serial filter set and several identified drivers on the buses, a
    // connect refuses (SeveralNoneChosen) instead of taking the first one, and
    // opens none for a transfer. On by default; a single driver costs nothing
    // extra, as the drivers are identified only when several devices carry the
    // driver's ids.
    void setRequireChoice(bool require);

    // The cause of the last connect or transfer: Connected after one that
    // worked, else why it failed.
    [[nodiscard]] Connection::Result lastResult() const;
    // For a command of several transfers whose last step worked although the
    // command failed (a reconnect after a time-out): keeps the real cause.
    void setLastResult(const Connection::Result &cause);
    // How the last transfer failed (TimedOut, Unplugged or Refused), or
    // Connected when it worked. A connect leaves it alone, so after a failed
    // transfer and a failed reconnect it still names the transfer's failure.
    [[nodiscard]] Connection::Outcome lastTransferFailure() const;

    // What the last connect met: every device with the driver's ids, in bus
    // order, and how far it got.
    [[nodiscard]] QList<Found> lastConnect() const;

    // Called at the end of every connect with what it met, on the thread that
    // connects and while this object's lock is held: it must not use any
    // device object (post the news to where it is shown instead).
    void setConnectObserver(ConnectObserver observer);

    // The number of devices with the driver's ids on the buses, without
    // opening any (no transfer, nothing traced).
    [[nodiscard]] int countMatchingDevices();

    // Every device with the driver's ids: each is opened, identified, its
    // serial (withStatus: and its status word) read, and closed again. The
    // object is closed afterwards.
    [[nodiscard]] QList<Found> listDrivers(bool withStatus = false);

    // The user's explanation when a connect failed because the system refused
    // this user a device with the driver's ids (no udev rule): names the
    // device and the fix. Empty when found holds no such refusal, or when a
    // driver was connected after all.
    [[nodiscard]] static QString accessProblem(const QList<Found> &found);

    // The driver's USB serial-number string (string descriptor 3), each UTF-16
    // unit reduced to its low byte; empty when the device is closed. Does not
    // connect by itself.
    [[nodiscard]] QByteArray read_serial_string();

protected:
    int connectPrivate();
    void disconnectPrivate();
    int control_receivePrivate(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer,
                               int length);

    // For a watcher of the buses (DriverMonitor): work runs under one hold of
    // this object's lock and the bus lock, for an enumeration; no transfer.
    void withTransportLock(const std::function<void()> &work);
    // work runs under this object's lock alone: opening, reading and closing
    // through the Private forms.
    void withDeviceLock(const std::function<void()> &work);
    // Under both locks: every device with the driver's ids after a fresh
    // enumeration, in bus order.
    [[nodiscard]] QList<struct usb_device *> matchingDevicesPrivate();
    // Under the bus lock: whether another object of this process holds the
    // device bus/device open (a command between its transfers); then the
    // serial that object read, if any.
    [[nodiscard]] static bool heldOpenPrivate(const QByteArray &bus, const QByteArray &device,
                                              QByteArray *serial);
    // Takes the bus lock: the serial the node bus/device answered with, as
    // the object holding it open or an earlier read found it; false when
    // unknown.
    [[nodiscard]] static bool knownSerial(const QByteArray &bus, const QByteArray &device,
                                          QByteArray *serial);
    [[nodiscard]] bool isOpenPrivate() const { return handle != nullptr; }
    // Under this object's lock alone (after a failed transfer, or when done):
    // closes the device, taking the bus lock for that.
    void closeAfterFailure();

    // Opens, configures and claims the device found names (under the bus
    // lock, as the last enumeration left the buses) and checks its
    // identification word (under this object's lock alone), tracing every
    // step; leaves handle open only for Connected. With wantSerial the
    // driver's serial is read into found.serial, and with a serial filter set
    // a driver it does not name is closed again. gone, when given, tells
    // whether the device has left the buses since (then Failed). held, when
    // given, leaves alone a device another object of this process holds open
    // and tells so (then Failed).
    Found::Outcome openAndIdentify(Found &found, bool wantSerial, bool *gone = nullptr,
                                   bool *held = nullptr);

private:
    [[nodiscard]] QByteArray readSerialPrivate();
    // Under this object's lock, with the device open: the serial the open
    // node answered with, for the other objects of this process (the bus
    // watcher shows it for a driver held open); an empty one is not
    // remembered once the node is closed.
    void noteNodeSerial(const QByteArray &serial);
    // Under this object's lock alone: opens the device for a transfer when it
    // is closed (taking the bus lock for the enumeration and the open), false
    // when none could be.
    bool openForTransfer();
    // Under this object's lock, on an open device: one IN transfer, its trace
    // line and its result noted; the count or -1. Closes nothing.
    int receiveOpen(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer, int length);
    void rescan();
    // Several identified drivers among onBuses and no filter: how many, each
    // closed again; 0 when the filter or a single driver settles the choice.
    int severalWithoutChoicePrivate(const QList<Found> &onBuses);
    // Under the bus lock: the device of that name with the driver's ids on
    // the buses the last enumeration left, or null.
    [[nodiscard]] struct usb_device *deviceOnBusesPrivate(const QByteArray &bus,
                                                          const QByteArray &device);
    [[nodiscard]] Connection::Result resultOfConnect() const;
    // The serial a connect must find: the running command's, else the filter.
    [[nodiscard]] QByteArray wantedSerialPrivate() const;
    void noteTransfer(int outcome, int asked);
    void releaseNode();

    mutable QMutex deviceMutex;
    quint16 productId = 0;
    quint16 vendorId = 0;
    quint16 expectedId = 0;
    usb_dev_handle *handle = nullptr;
    DeviceFile transfers; // handle's transfers, while it is open
    QByteArray serialFilter;
    int commandDepth = 0;    // commands begun and not ended
    QByteArray pinnedSerial; // the running command's driver, nine digits
    bool requireChoice = true;
    QByteArray openNode; // "bus/device" while handle is open
    Connection::Result result;
    Connection::Outcome transferFailure = Connection::Outcome::Connected;
    QList<Found> connectFound;
    ConnectObserver connectObserver;
};
