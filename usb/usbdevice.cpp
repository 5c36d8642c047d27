#include "usb/usbdevice.h"

#include "core/trace.h"
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
// enumerates, or opens or closes a device met on those lists, happens under
// this one lock, shared by all objects; so does every use of heldNodes(). A
// transfer on an open device touches only its own handle (one ioctl on the
// device's file; on failure the library also writes its global error text,
// which this program never reads), so it needs only its object's lock.
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

QByteArray nodeKey(const QByteArray &bus, const QByteArray &device)
{
    return bus + '/' + device;
}

constexpr int Configuration = 1;
constexpr int Interface = 0;
constexpr int RequestTypeVendorIn = 0xC0;
constexpr int RequestTypeVendorOut = 0x40;
constexpr int TimeoutMs = 2000;
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
    QMutexLocker busLock(&busMutex());
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
    if (handle)
        return true;
    QMutexLocker busLock(&busMutex());
    return connectPrivate() == 0;
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
}

int UsbDevice::connectPrivate()
{
    LC420_TRACE() << "USB Connect";
    if (handle) {
        usb_close(handle);
        handle = nullptr;
        releaseNode();
    }

    rescan();

    const QByteArray wanted = wantedSerialPrivate();
    connectFound.clear();
    const auto finish = [this](int outcome) {
        result = outcome == 0 ? Connection::Result() : resultOfConnect();
        if (connectObserver)
            connectObserver(connectFound);
        return outcome;
    };
    if (const int several = severalWithoutChoicePrivate(); several > 1) {
        LC420_TRACE() << "several drivers, none chosen: " << several;
        const int outcome = finish(-1);
        result = {Connection::Outcome::SeveralNoneChosen, {}, {}, {}, several};
        return outcome;
    }
    for (struct usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        LC420_TRACE() << "bus: " << bus->dirname;
        for (struct usb_device *dev = bus->devices; dev; dev = dev->next) {
            LC420_TRACE() << "bus->devices: " << bus->devices->filename;
            LC420_TRACE() << "dev->descriptor.idVendor: " << Qt::hex << dev->descriptor.idVendor;
            LC420_TRACE() << "dev->descriptor.idProduct: " << Qt::hex << dev->descriptor.idProduct;
            LC420_TRACE() << "dev->descriptor.iSerialNumber: " << Qt::hex
                          << dev->descriptor.iSerialNumber;
            LC420_TRACE() << "dev->descriptor.bMaxPacketSize0: " << Qt::hex
                          << dev->descriptor.bMaxPacketSize0;

            if (dev->descriptor.idVendor != vendorId || dev->descriptor.idProduct != productId)
                continue;

            Found &found = connectFound.emplace_back();
            found.bus = bus->dirname;
            found.device = dev->filename;
            // Another object of this process is in the middle of a command on
            // a driver that is not the one wanted: left alone, so no request
            // of this connect comes between that command's transfers.
            if (QByteArray held; !wanted.isEmpty()
                                 && heldOpenPrivate(found.bus, found.device, &held)
                                 && !held.isEmpty() && !serialMatches(wanted, held)) {
                found.serial = held;
                found.outcome = Found::Outcome::OtherSerial;
                continue;
            }
            found.outcome = openAndIdentify(dev, found, !wanted.isEmpty() || commandDepth > 0);
            if (found.outcome == Found::Outcome::Connected) {
                if (commandDepth > 0 && pinnedSerial.isEmpty())
                    pinnedSerial = Connection::plainSerial(found.serial);
                return finish(0);
            }
        }
    }
    return finish(-1);
}

int UsbDevice::severalWithoutChoicePrivate()
{
    if (!wantedSerialPrivate().isEmpty() || !requireChoice)
        return 0;
    const QList<struct usb_device *> devices = matchingDevicesPrivate();
    if (devices.size() < 2)
        return 0;
    QList<Found> found;
    int identified = 0;
    for (struct usb_device *dev : devices) {
        Found &one = found.emplace_back();
        one.bus = dev->bus->dirname;
        one.device = dev->filename;
        one.outcome = openAndIdentify(dev, one, false);
        if (handle)
            disconnectPrivate();
        if (one.outcome == Found::Outcome::Connected)
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

UsbDevice::Found::Outcome UsbDevice::openAndIdentify(struct usb_device *dev, Found &found,
                                                     bool wantSerial)
{
    // libusb-0.1 returns the system's error as a negative errno. Without the
    // udev rule a user's open falls back to read-only and the kernel then
    // refuses configuration with EPERM; EACCES comes from the open itself.
    const auto refused = [](int error) {
        return error == EACCES || error == EPERM ? Found::Outcome::AccessDenied
                                                 : Found::Outcome::Failed;
    };

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

    unsigned char reply[2] = {0, 0};
    const int count = control_receivePrivate(IdentificationRequest, 0, 0, reply, sizeof reply);
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
            heldNodes()[openNode].serial = found.serial;
            LC420_TRACE() << "serial: " << found.serial;
            if (const QByteArray wanted = wantedSerialPrivate();
                wanted.isEmpty() || serialMatches(wanted, found.serial))
                return Found::Outcome::Connected;
            disconnectPrivate();
            return Found::Outcome::OtherSerial;
        }
    }
    if (count < 0)
        found.identification = transferFailure;
    // A failed identification transfer has closed the device already.
    if (handle)
        disconnectPrivate();
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
    QMutexLocker busLock(&busMutex());
    QByteArray serial = heldNodes().value(openNode).serial;
    if (serial.isEmpty())
        serial = readSerialPrivate();
    if (serial.isEmpty() || (!serialFilter.isEmpty() && !serialMatches(serialFilter, serial)))
        disconnectPrivate();
    else
        pinnedSerial = Connection::plainSerial(serial);
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
    QMutexLocker busLock(&busMutex());
    LC420_TRACE() << "USB List";
    if (handle)
        disconnectPrivate();
    rescan();
    // Every driver is wanted here, not only the one the filter names.
    const QByteArray filter = std::exchange(serialFilter, QByteArray());
    const QByteArray pinned = std::exchange(pinnedSerial, QByteArray());
    QList<Found> drivers;
    for (struct usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device *dev = bus->devices; dev; dev = dev->next) {
            if (dev->descriptor.idVendor != vendorId || dev->descriptor.idProduct != productId)
                continue;
            Found &found = drivers.emplace_back();
            found.bus = bus->dirname;
            found.device = dev->filename;
            found.outcome = openAndIdentify(dev, found, true);
            if (withStatus && found.outcome == Found::Outcome::Connected) {
                uchar word[4] = {};
                if (control_receivePrivate(Driver::GetStatus, 0, 0, word, sizeof word)
                    == int(sizeof word))
                    found.status = quint32(word[0] | word[1] << 8 | word[2] << 16 | word[3] << 24);
            }
            if (handle)
                disconnectPrivate();
        }
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
    releaseNode();
}

int UsbDevice::control_receivePrivate(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer,
                                      int length)
{
    if (!handle && connectPrivate() != 0)
        return -1;
    const int received = receiveOpen(bRequest, wValue, wIndex, buffer, length);
    if (received < 0)
        disconnectPrivate();
    return received;
}

int UsbDevice::receiveOpen(quint8 bRequest, quint16 wValue, quint16 wIndex, void *buffer,
                           int length)
{
    int received = -1;
    if (buffer && length > 0) {
        received = usb_control_msg(handle, RequestTypeVendorIn, bRequest, wValue, wIndex,
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
    const int raw = usb_control_msg(handle, RequestTypeVendorOut, bRequest, wValue, wIndex, bytes,
                                    sent, TimeoutMs);
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
    const int result
        = usb_bulk_write(handle, BulkOutEndpoint,
                         const_cast<char *>(static_cast<const char *>(data)), length, TimeoutMs);
    return result < 0 ? -1 : checkedCount(result, length);
}

int UsbDevice::bulk_read(void *buffer, int length)
{
    QMutexLocker lock(&deviceMutex);
    if (!buffer || length < 1 || !handle)
        return -1;
    const int result
        = usb_bulk_read(handle, BulkInEndpoint, static_cast<char *>(buffer), length, TimeoutMs);
    return result < 0 ? -1 : checkedCount(result, length);
}

QByteArray UsbDevice::read_serial_string()
{
    // The upgrade thread reads the string while the GUI thread may connect or
    // disconnect the same object: the handle must never close under a running
    // request.
    QMutexLocker lock(&deviceMutex);
    return readSerialPrivate();
}

QByteArray UsbDevice::readSerialPrivate()
{
    if (!handle)
        return {};

    unsigned char buffer[StringDescriptorBufferSize] = {};
    const int received
        = usb_get_descriptor(handle, USB_DT_STRING, SerialStringIndex, buffer, sizeof buffer);
    return Replies::serialFromDescriptor(buffer, qMin(received, StringDescriptorBufferSize));
}
