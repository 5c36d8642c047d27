#include "usb/usbdevice.h"

#include "core/trace.h"
#include "usb/devicefile.h"
#include "usb/drivermap.h"
#include "usb/replies.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <cerrno>
#include <usb.h>
#include <utility>

namespace {

// libusb-0.1 keeps global bus lists and is not thread safe: every call that
// enumerates, or opens, configures, claims or closes a device met on those
// lists, happens under this one lock, shared by all objects; so does every
// use of heldNodes(). A transfer on an open device touches only its own
// device's file (DeviceFile sends it, and the library's global error text is
// left alone), so it needs only its object's lock: no transfer runs under
// this lock, so a driver that stalls delays no other object's connect.
QMutex &busMutex()
{
    static QMutex mutex;
    return mutex;
}

// The devices an object of this process holds open, as "bus/device": how many
// objects hold each, and the serial they read. A watcher of the buses leaves
// these alone, so it never comes between a command's transfers (on Linux its
// claim of the interface would fail anyway while another handle has it).
struct HeldNode
{
    int holders = 0;
    QByteArray serial;
};
QHash<QByteArray, HeldNode> &heldNodes()
{
    static QHash<QByteArray, HeldNode> nodes;
    return nodes;
}

// The serial each device node answered with when an object of this process
// last read it. The kernel numbers a device anew at every plug-in and reset,
// so a node keeps its driver while it is on the buses: a connect for another
// serial need not ask it again, and a driver that stalls holds up no connect
// meant for another. Forgotten once an enumeration no longer lists the node.
QHash<QByteArray, QByteArray> &nodeSerials()
{
    static QHash<QByteArray, QByteArray> serials;
    return serials;
}

QByteArray nodeKey(const QByteArray &bus, const QByteArray &device)
{
    return bus + '/' + device;
}

constexpr int Configuration = 1;
constexpr int Interface = 0;
constexpr int RequestTypeVendorIn = 0xC0;
constexpr int RequestTypeVendorOut = 0x40;
constexpr int TimeoutMs = 2000;
constexpr int DescriptorTimeoutMs = 1000;
constexpr quint8 IdentificationRequest = Driver::IdentifyRequest;
constexpr int BulkOutEndpoint = 0x02;
constexpr int BulkInEndpoint = 0x81;
constexpr int SerialStringIndex = 3;
constexpr int StringDescriptorBufferSize = 256;

QString transferLine(const char *direction, quint8 bRequest, quint16 wValue, quint16 wIndex,
                     int length, int result)
{
    const char *outcome = result < 0 ? "ERROR" : "OK";
    if (length != 0) {
        return QString::asprintf("USB Control %s bRequest=%d, wValue=%d, wIndex=%d, "
                                 "dataLength=%d - %s.",
                                 direction, bRequest, wValue, wIndex, length, outcome);
    }
    return QString::asprintf("USB Control %s bRequest=%d, wValue=%d, wIndex=%d - %s.", direction,
                             bRequest, wValue, wIndex, outcome);
}

// The library reports at most what was asked for; anything else is treated as
// a failed transfer rather than trusted.
int checkedCount(int result, int asked)
{
    return result > asked ? -1 : result;
}

} // namespace

UsbDevice::UsbDevice() = default;

UsbDevice::~UsbDevice()
{
    LC420_TRACE() << "UsbDevice destructor";
    QMutexLocker lock(&deviceMutex);
    if (!handle)
        return;
    QMutexLocker busLock(&busMutex());
    disconnectPrivate();
}

void UsbDevice::setUsbIds(quint16 vendor, quint16 product)
{
    QMutexLocker lock(&deviceMutex);
    vendorId = vendor;
    productId = product;
}

void UsbDevice::setExpectedId(quint16 id)
{
    QMutexLocker lock(&deviceMutex);
    expectedId = id;
}

int UsbDevice::connect()
{
    QMutexLocker lock(&deviceMutex);
    return connectPrivate();
}

void UsbDevice::disconnect()
{
    QMutexLocker lock(&deviceMutex);
    QMutexLocker busLock(&busMutex());
    disconnectPrivate();
}

bool UsbDevice::openForTransfer()
{
    return handle || connectPrivate() == 0;
}

void UsbDevice::closeAfterFailure()
{
    QMutexLocker busLock(&busMutex());
    disconnectPrivate();
}

void UsbDevice::rescan()
{
    usb_init();
    usb_find_busses();
    usb_find_devices();
    QHash<QByteArray, QByteArray> stillThere;
    for (struct usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device *dev = bus->devices; dev; dev = dev->next) {
            const QByteArray key = nodeKey(bus->dirname, dev->filename);
            if (const auto known = nodeSerials().constFind(key); known != nodeSerials().constEnd())
                stillThere.insert(key, *known);
        }
    }
    nodeSerials() = stillThere;
}

int UsbDevice::connectPrivate()
{
    LC420_TRACE() << "USB Connect";
    // The buses as they are now; each device is opened later under the bus
    // lock by its name and identified outside it.
    QList<Found> onBuses;
    {
        QMutexLocker busLock(&busMutex());
        if (handle) {
            usb_close(handle);
            handle = nullptr;
            transfers = {};
            releaseNode();
        }
        rescan();
        for (struct usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
            LC420_TRACE() << "bus: " << bus->dirname;
            for (struct usb_device *dev = bus->devices; dev; dev = dev->next) {
                LC420_TRACE() << "bus->devices: " << bus->devices->filename;
                LC420_TRACE() << "dev->descriptor.idVendor: " << Qt::hex
                              << dev->descriptor.idVendor;
                LC420_TRACE() << "dev->descriptor.idProduct: " << Qt::hex
                              << dev->descriptor.idProduct;
                LC420_TRACE() << "dev->descriptor.iSerialNumber: " << Qt::hex
                              << dev->descriptor.iSerialNumber;
                LC420_TRACE() << "dev->descriptor.bMaxPacketSize0: " << Qt::hex
                              << dev->descriptor.bMaxPacketSize0;
                if (dev->descriptor.idVendor != vendorId || dev->descriptor.idProduct != productId)
                    continue;
                Found &found = onBuses.emplace_back();
                found.bus = bus->dirname;
                found.device = dev->filename;
            }
        }
    }

    const QByteArray wanted = wantedSerialPrivate();
    connectFound.clear();
    const auto finish = [this](int outcome) {
        result = outcome == 0 ? Connection::Result() : resultOfConnect();
        if (connectObserver)
            connectObserver(connectFound);
        return outcome;
    };
    if (const int several = severalWithoutChoicePrivate(onBuses); several > 1) {
        LC420_TRACE() << "several drivers, none chosen: " << several;
        const int outcome = finish(-1);
        result = {Connection::Outcome::SeveralNoneChosen, {}, {}, {}, several};
        return outcome;
    }
    for (const Found &listed : std::as_const(onBuses)) {
        Found &found = connectFound.emplace_back(listed);
        // Another object of this process is in the middle of a command on
        // a driver that is not the one wanted, or the node is known to be
        // another driver: left alone, so no request of this connect comes
        // between that command's transfers or waits on that driver.
        if (QByteArray known; !wanted.isEmpty() && knownSerial(found.bus, found.device, &known)
                              && !serialMatches(wanted, known)) {
            found.serial = known;
            found.outcome = Found::Outcome::OtherSerial;
            continue;
        }
        bool gone = false;
        found.outcome = openAndIdentify(found, !wanted.isEmpty() || commandDepth > 0, &gone);
        if (gone) {
            connectFound.removeLast();
            continue;
        }
        if (found.outcome == Found::Outcome::Connected) {
            if (commandDepth > 0 && pinnedSerial.isEmpty())
                pinnedSerial = Connection::plainSerial(found.serial);
            return finish(0);
        }
    }
    return finish(-1);
}

int UsbDevice::severalWithoutChoicePrivate(const QList<Found> &onBuses)
{
    if (!wantedSerialPrivate().isEmpty() || !requireChoice || onBuses.size() < 2)
        return 0;
    QList<Found> found;
    int identified = 0;
    for (const Found &listed : onBuses) {
        Found &one = found.emplace_back(listed);
        bool gone = false;
        one.outcome = openAndIdentify(one, false, &gone);
        if (handle)
            closeAfterFailure();
        if (gone)
            found.removeLast();
        else if (one.outcome == Found::Outcome::Connected)
            ++identified;
    }
    connectFound = found;
    return identified;
}

Connection::Result UsbDevice::resultOfConnect() const
{
    using Outcome = Connection::Outcome;
    const Found *refused = nullptr;
    const Found *failed = nullptr;
    const Found *silent = nullptr;
    for (const Found &device : connectFound) {
        if (device.outcome == Found::Outcome::Connected)
            return {};
        if (device.outcome == Found::Outcome::AccessDenied && !refused)
            refused = &device;
        if (device.outcome == Found::Outcome::Failed && !failed)
            failed = &device;
        if (device.outcome == Found::Outcome::WrongId
            && device.identification == Connection::Outcome::TimedOut && !silent)
            silent = &device;
    }
    // A device this user may not open, or that cannot be opened, may be the
    // chosen one: its serial cannot be read to tell.
    if (refused)
        return {Outcome::NoPermission, {}, refused->bus, refused->device, 0};
    if (failed)
        return {Outcome::Unavailable, {}, failed->bus, failed->device, 0};
    // A device with the driver's ids that did not answer its identification
    // is a driver that stopped answering, not one that is missing.
    if (silent)
        return {silent->identification, Connection::plainSerial(pinnedSerial), silent->bus,
                silent->device, 0};
    // The command's driver left the bus between its transfers.
    if (!pinnedSerial.isEmpty())
        return {Outcome::Unplugged, pinnedSerial, {}, {}, 0};
    if (!serialFilter.isEmpty())
        return {Outcome::ChosenGone, Connection::plainSerial(serialFilter), {}, {}, 0};
    return {Outcome::NoDriver, {}, {}, {}, 0};
}

void UsbDevice::releaseNode()
{
    if (openNode.isEmpty())
        return;
    QHash<QByteArray, HeldNode> &nodes = heldNodes();
    if (const auto node = nodes.find(openNode); node != nodes.end() && --node->holders <= 0)
        nodes.remove(openNode);
    openNode.clear();
}

void UsbDevice::noteTransfer(int outcome, int asked)
{
    if (outcome >= 0 && outcome <= asked)
        result = {};
    else
        result.outcome
            = outcome < 0 ? Connection::fromTransferError(outcome) : Connection::Outcome::Refused;
    transferFailure = result.outcome;
}

UsbDevice::Found::Outcome UsbDevice::openAndIdentify(Found &found, bool wantSerial, bool *gone,
                                                     bool *held)
{
    // libusb-0.1 returns the system's error as a negative errno. Without the
    // udev rule a user's open falls back to read-only and the kernel then
    // refuses configuration with EPERM; EACCES comes from the open itself.
    const auto refused = [](int error) {
        return error == EACCES || error == EPERM ? Found::Outcome::AccessDenied
                                                 : Found::Outcome::Failed;
    };

    {
        QMutexLocker busLock(&busMutex());
        struct usb_device *dev = deviceOnBusesPrivate(found.bus, found.device);
        if (gone)
            *gone = dev == nullptr;
        if (!dev)
            return Found::Outcome::Failed;
        if (held) {
            *held = heldOpenPrivate(found.bus, found.device, nullptr);
            if (*held)
                return Found::Outcome::Failed;
        }
        errno = 0;
        handle = usb_open(dev);
        if (!handle)
            return refused(errno);
        openNode = nodeKey(found.bus, found.device);
        ++heldNodes()[openNode].holders;
        LC420_TRACE() << "usb_opened ";

        if (const int result = usb_set_configuration(handle, Configuration); result < 0) {
            disconnectPrivate();
            return refused(-result);
        }
        LC420_TRACE() << "usb_set_configuration ";

        if (const int result = usb_claim_interface(handle, Interface); result < 0) {
            disconnectPrivate();
            return refused(-result);
        }
        LC420_TRACE() << "usb_claim_interface ";
        transfers = DeviceFile(handle, dev);
    }

    // The identification and the serial under this object's lock alone.
    unsigned char reply[2] = {0, 0};
    const int count = receiveOpen(IdentificationRequest, 0, 0, reply, sizeof reply);
    if (count < 0)
        closeAfterFailure();
    LC420_TRACE() << "control_receivePrivate( " << int(IdentificationRequest) << 0
                  << 0
                  // As numbers: a raw 0 byte would cut the line short.
                  << int(reply[0]) << int(reply[1]) << 2 << ")";
    if (const std::optional<quint16> identified = Replies::identificationWord(reply, count)) {
        const quint16 word = *identified;
        LC420_TRACE() << QString::asprintf("\nlcid: %x", int(qint16(word)));
        LC420_TRACE() << QString::asprintf("\nUSB_LC510_ID: %x", int(qint16(expectedId)));
        if (word == expectedId) {
            if (!wantSerial)
                return Found::Outcome::Connected;
            found.serial = readSerialPrivate();
            noteNodeSerial(found.serial);
            LC420_TRACE() << "serial: " << found.serial;
            if (const QByteArray wanted = wantedSerialPrivate();
                wanted.isEmpty() || serialMatches(wanted, found.serial))
                return Found::Outcome::Connected;
            closeAfterFailure();
            return Found::Outcome::OtherSerial;
        }
    }
    if (count < 0)
        found.identification = transferFailure;
    // A failed identification transfer has closed the device already.
    if (handle)
        closeAfterFailure();
    return Found::Outcome::WrongId;
}

void UsbDevice::setSerialFilter(const QByteArray &serial)
{
    QMutexLocker lock(&deviceMutex);
    serialFilter = serial;
}

void UsbDevice::beginCommand()
{
    QMutexLocker lock(&deviceMutex);
    // A command inside another (a show transfer within a command of the
    // terminal tool) keeps the outer one's driver.
    if (commandDepth++ > 0)
        return;
    pinnedSerial.clear();
    if (!handle)
        return;
    // A driver left open by an earlier command goes on when the filter still
    // allows it; one the user has chosen away from is closed, so the first
    // connect finds the chosen one.
    QByteArray serial;
    {
        QMutexLocker busLock(&busMutex());
        serial = heldNodes().value(openNode).serial;
    }
    if (serial.isEmpty())
        serial = readSerialPrivate();
    if (!serial.isEmpty() && (serialFilter.isEmpty() || serialMatches(serialFilter, serial))) {
        pinnedSerial = Connection::plainSerial(serial);
        return;
    }
    QMutexLocker busLock(&busMutex());
    disconnectPrivate();
}

void UsbDevice::endCommand()
{
    QMutexLocker lock(&deviceMutex);
    if (commandDepth > 0 && --commandDepth == 0)
        pinnedSerial.clear();
}

QByteArray UsbDevice::commandSerial() const
{
    QMutexLocker lock(&deviceMutex);
    return pinnedSerial;
}

QByteArray UsbDevice::wantedSerialPrivate() const
{
    return pinnedSerial.isEmpty() ? serialFilter : pinnedSerial;
}

void UsbDevice::setRequireChoice(bool require)
{
    QMutexLocker lock(&deviceMutex);
    requireChoice = require;
}

Connection::Result UsbDevice::lastResult() const
{
    QMutexLocker lock(&deviceMutex);
    return result;
}

void UsbDevice::setLastResult(const Connection::Result &cause)
{
    QMutexLocker lock(&deviceMutex);
    result = cause;
}

void UsbDevice::withTransportLock(const std::function<void()> &work)
{
    QMutexLocker lock(&deviceMutex);
    QMutexLocker busLock(&busMutex());
    work();
}

void UsbDevice::withDeviceLock(const std::function<void()> &work)
{
    QMutexLocker lock(&deviceMutex);
    work();
}

struct usb_device *UsbDevice::deviceOnBusesPrivate(const QByteArray &bus, const QByteArray &device)
{
    for (struct usb_bus *onBus = usb_get_busses(); onBus; onBus = onBus->next) {
        if (bus != onBus->dirname)
            continue;
        for (struct usb_device *dev = onBus->devices; dev; dev = dev->next) {
            if (device == dev->filename && dev->descriptor.idVendor == vendorId
                && dev->descriptor.idProduct == productId)
                return dev;
        }
    }
    return nullptr;
}

bool UsbDevice::knownSerial(const QByteArray &bus, const QByteArray &device, QByteArray *serial)
{
    QMutexLocker busLock(&busMutex());
    if (heldOpenPrivate(bus, device, serial) && !serial->isEmpty())
        return true;
    *serial = nodeSerials().value(nodeKey(bus, device));
    return !serial->isEmpty();
}

QList<struct usb_device *> UsbDevice::matchingDevicesPrivate()
{
    rescan();
    QList<struct usb_device *> devices;
    for (struct usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device *dev = bus->devices; dev; dev = dev->next) {
            if (dev->descriptor.idVendor == vendorId && dev->descriptor.idProduct == productId)
                devices.append(dev);
        }
    }
    return devices;
}

bool UsbDevice::heldOpenPrivate(const QByteArray &bus, const QByteArray &device, QByteArray *serial)
{
    const auto node = heldNodes().constFind(nodeKey(bus, device));
    if (node == heldNodes().constEnd())
        return false;
    if (serial)
        *serial = node->serial;
    return true;
}

bool UsbDevice::serialMatches(const QByteArray &filter, const QByteArray &serial)
{
    // The bootloader reports the serial followed by "b".
    const auto plain = [](QByteArray text) {
        if (text.endsWith('b'))
            text.chop(1);
        return text;
    };
    return !filter.isEmpty() && plain(filter) == plain(serial);
}

Connection::Outcome UsbDevice::lastTransferFailure() const
{
    QMutexLocker lock(&deviceMutex);
    return transferFailure;
}

QList<UsbDevice::Found> UsbDevice::lastConnect() const
{
    QMutexLocker lock(&deviceMutex);
    return connectFound;
}

void UsbDevice::setConnectObserver(ConnectObserver observer)
{
    QMutexLocker lock(&deviceMutex);
    connectObserver = std::move(observer);
}

int UsbDevice::countMatchingDevices()
{
    QMutexLocker lock(&deviceMutex);
    QMutexLocker busLock(&busMutex());
    return int(matchingDevicesPrivate().size());
}

QList<UsbDevice::Found> UsbDevice::listDrivers(bool withStatus)
{
    QMutexLocker lock(&deviceMutex);
    LC420_TRACE() << "USB List";
    QList<Found> listed;
    {
        QMutexLocker busLock(&busMutex());
        if (handle)
            disconnectPrivate();
        for (struct usb_device *dev : matchingDevicesPrivate()) {
            Found &found = listed.emplace_back();
            found.bus = dev->bus->dirname;
            found.device = dev->filename;
        }
    }
    // Every driver is wanted here, not only the one the filter names.
    const QByteArray filter = std::exchange(serialFilter, QByteArray());
    const QByteArray pinned = std::exchange(pinnedSerial, QByteArray());
    QList<Found> drivers;
    for (const Found &one : std::as_const(listed)) {
        Found &found = drivers.emplace_back(one);
        bool gone = false;
        found.outcome = openAndIdentify(found, true, &gone);
        if (withStatus && found.outcome == Found::Outcome::Connected) {
            uchar word[4] = {};
            if (receiveOpen(Driver::GetStatus, 0, 0, word, sizeof word) == int(sizeof word))
                found.status = quint32(word[0] | word[1] << 8 | word[2] << 16 | word[3] << 24);
        }
        if (handle)
            closeAfterFailure();
        if (gone)
            drivers.removeLast();
    }
    serialFilter = filter;
    pinnedSerial = pinned;
    return drivers;
}

QString UsbDevice::accessProblem(const QList<Found> &found)
{
    const Found *refused = nullptr;
    for (const Found &device : found) {
        if (device.outcome == Found::Outcome::Connected)
            return {};
        if (device.outcome == Found::Outcome::AccessDenied && !refused)
            refused = &device;
    }
    if (!refused)
        return {};
    return Connection::describe(
        {Connection::Outcome::NoPermission, {}, refused->bus, refused->device, 0});
}

void UsbDevice::disconnectPrivate()
{
    LC420_TRACE() << "USB Disconnect";
    if (!handle)
        return;
    usb_release_interface(handle, Interface);
    usb_close(handle);
    handle = nullptr;
    transfers = {};
    releaseNode();
}

int UsbDevice::control_receivePrivate(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer,
                                      int length)
{
    if (!handle && connectPrivate() != 0)
        return -1;
    const int received = receiveOpen(bRequest, wValue, wIndex, buffer, length);
    if (received < 0)
        closeAfterFailure();
    return received;
}

int UsbDevice::receiveOpen(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer,
                           int length)
{
    int received = -1;
    if (buffer && length > 0) {
        received = transfers.control(RequestTypeVendorIn, bRequest, wValue, wIndex,
                                     static_cast<char *>(buffer), length, TimeoutMs);
        noteTransfer(received, length);
        received = received < 0 ? -1 : checkedCount(received, length);
    } else {
        result.outcome = transferFailure = Connection::Outcome::Refused;
    }
    LC420_TRACE() << transferLine("Receive", bRequest, wValue, wIndex, length, received);
    return received;
}

int UsbDevice::control_receive(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer,
                               int length)
{
    QMutexLocker lock(&deviceMutex);
    if (!openForTransfer())
        return -1;
    const int received = receiveOpen(bRequest, wValue, wIndex, buffer, length);
    if (received < 0)
        closeAfterFailure();
    return received;
}

int UsbDevice::control_send(quint8 bRequest, quint16 wValue, quint16 wIndex, const void *data,
                            int length)
{
    QMutexLocker lock(&deviceMutex);
    LC420_TRACE() << "UsbDevice::control_send()";
    if (!openForTransfer())
        return -1;

    const bool empty = !data || length <= 0;
    // libusb-0.1 takes a non-const pointer for both directions; it only reads
    // from it for an OUT transfer.
    char *bytes = empty ? nullptr : const_cast<char *>(static_cast<const char *>(data));
    const int sent = empty ? 0 : length;
    const int raw
        = transfers.control(RequestTypeVendorOut, bRequest, wValue, wIndex, bytes, sent, TimeoutMs);
    noteTransfer(raw, sent);
    const int count = checkedCount(raw, sent);
    LC420_TRACE() << transferLine("Send", bRequest, wValue, wIndex, sent, count);

    if (count < 0)
        closeAfterFailure();
    return count;
}

int UsbDevice::bulk_write(const void *data, int length)
{
    QMutexLocker lock(&deviceMutex);
    if (!data || length < 1 || !handle)
        return -1;
    const int result = transfers.bulk(
        BulkOutEndpoint, const_cast<char *>(static_cast<const char *>(data)), length, TimeoutMs);
    return result < 0 ? -1 : checkedCount(result, length);
}

int UsbDevice::bulk_read(void *buffer, int length)
{
    QMutexLocker lock(&deviceMutex);
    if (!buffer || length < 1 || !handle)
        return -1;
    const int result
        = transfers.bulk(BulkInEndpoint, static_cast<char *>(buffer), length, TimeoutMs);
    return result < 0 ? -1 : checkedCount(result, length);
}

QByteArray UsbDevice::read_serial_string()
{
    // The upgrade thread reads the string while the GUI thread may connect or
    // disconnect the same object: the handle must never close under a running
    // request.
    QMutexLocker lock(&deviceMutex);
    QByteArray serial = readSerialPrivate();
    if (!serial.isEmpty())
        noteNodeSerial(serial);
    return serial;
}

void UsbDevice::noteNodeSerial(const QByteArray &serial)
{
    QMutexLocker busLock(&busMutex());
    heldNodes()[openNode].serial = serial;
    if (!serial.isEmpty())
        nodeSerials().insert(openNode, serial);
}

QByteArray UsbDevice::readSerialPrivate()
{
    if (!handle)
        return {};

    // A standard request for string descriptor 3, as usb_get_descriptor()
    // sends it, with the library's own 1000 ms time-out.
    unsigned char buffer[StringDescriptorBufferSize] = {};
    const int received = transfers.control(
        USB_ENDPOINT_IN, USB_REQ_GET_DESCRIPTOR, (USB_DT_STRING << 8) | SerialStringIndex, 0,
        reinterpret_cast<char *>(buffer), sizeof buffer, DescriptorTimeoutMs);
    return Replies::serialFromDescriptor(buffer, qMin(received, StringDescriptorBufferSize));
}
