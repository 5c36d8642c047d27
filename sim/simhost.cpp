#include "sim/simhost.h"

#include "core/clock.h"
#include "sim/lc420model.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <glib/gstdio.h>
#include <linux/usbdevice_fs.h>
#include <list>
#include <mutex>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <umockdev.h>
#include <unistd.h>

namespace {

// What a control transfer carries: the data pointer sits at offset 16 of the 24-byte
// struct usbdevfs_ctrltransfer on x86-64; it is resolved separately.
constexpr gsize CtrlDataOffset = offsetof(usbdevfs_ctrltransfer, data);

struct GObjectDeleter
{
    void operator()(gpointer object) const { g_object_unref(object); }
};

template<typename T> using GPtr = std::unique_ptr<T, GObjectDeleter>;

// Like the kernel, every plug-in gets a device number never used before in this
// process: libusb-0.1 keeps the devices of earlier scans by file name, so a number
// used again would look like a device it already knows (with its old place in the
// list) even after a reset, a replug or a new fixture.
int takeDevnum()
{
    static std::atomic<int> next{2};
    return next++;
}

QByteArray hex(const QByteArray &bytes)
{
    return bytes.toHex().toUpper();
}

void complete(UMockdevIoctlClient *client, long result, int error)
{
    umockdev_ioctl_client_complete(client, result, result < 0 ? error : 0);
}

} // namespace

struct SimHost::Private
{
    struct Slot;

    // One handler object per plug-in: clients that opened the node before an unplug
    // stay connected to the old handler, which then answers ENODEV like the kernel.
    // Made and read on the worker thread only.
    struct Attachment
    {
        Private *host = nullptr;
        Slot *slot = nullptr;
        int generation = 0;
        int devnum = 0;
        GPtr<UMockdevIoctlBase> handler;
    };

    // A control transfer on its way through a device's own thread: resolved and
    // completed on umockdev's worker thread, answered by the model on the device's.
    struct Job
    {
        Attachment *attachment = nullptr;
        GPtr<UMockdevIoctlClient> client;
        GPtr<UMockdevIoctlData> data;
        GPtr<UMockdevIoctlData> buffer;
        Lc420Model::Setup setup;
        int result = 0;
    };

    struct Slot
    {
        Lc420Model *model = nullptr;
        int order = 0;
        // Under Private::mutex:
        bool plugged = true;
        bool nodePresent = false;
        int devnum = 0;
        std::atomic<bool> accessDenied{false};
        std::atomic<int> generation{0};

        // The device's own thread answers its transfers one after the other, as a
        // controller does, so that its latency or a stall holds up no other device.
        std::thread server;
        std::mutex queueMutex;
        std::condition_variable queueCondition;
        std::deque<Job *> queue;
        bool stopping = false;
    };

    GPtr<UMockdevTestbed> testbed;
    QString root;
    // Every call into the testbed runs on umockdev's own worker thread, where its
    // ioctl handlers run too: umockdev hands objects between the calling thread and
    // its worker under GLib's locks only, and the handlers' data is then never
    // shared at all.
    GMainContext *workerContext = nullptr;
    std::thread::id workerThread;
    std::mutex workerMutex; // guards workerContext until it is found
    std::condition_variable workerFound;
    GPtr<UMockdevIoctlBase> probe;

    std::recursive_mutex mutex; // the slots' plug state; taken on the worker
    std::list<Slot> devices;
    std::list<Attachment> attachments; // worker thread only
    int clockListener = 0;

    // Brings devices back when their time off the bus ends on the real clock.
    std::thread waker;
    std::mutex wakerMutex;
    std::condition_variable wakerCondition;
    bool stopping = false;
    bool rescan = false;

    std::atomic<bool> closing{false};
    bool preloaded = false; // this process runs under the umockdev preload

    [[nodiscard]] static QString nodeName(int devnum)
    {
        return QStringLiteral("/dev/bus/usb/001/%1").arg(devnum, 3, 10, QLatin1Char('0'));
    }
    [[nodiscard]] static QString sysPath(int devnum)
    {
        return QStringLiteral("/sys/devices/pci0000:00/0000:00:14.0/usb1/1-%1").arg(devnum);
    }

    void findWorker();
    static void noteWorker(UMockdevIoctlBase * /*handler*/, UMockdevIoctlClient * /*client*/,
                           gpointer user);
    [[nodiscard]] bool onWorkerThread() const { return std::this_thread::get_id() == workerThread; }
    void post(std::function<void()> function);
    void onWorker(const std::function<void()> &function);

    void sync();
    void syncOnWorker();
    // devnum 0: the next free one.
    void addNode(Slot &slot, int devnum = 0);
    // count fresh device numbers, in the order this file system lists their
    // node names.
    [[nodiscard]] QList<int> devnumsInListingOrder(int count) const;
    void setNodeMode(const Slot &slot);
    void keepBusFolder();
    void removeNode(Slot &slot);
    [[nodiscard]] QStringList listedNodes() const;
    void wakeWaker();
    void runWaker();
    void runServer(Slot &slot);
    void finish(Job *job);
    static gboolean handleIoctl(UMockdevIoctlBase * /*handler*/, UMockdevIoctlClient *client,
                                gpointer user)
    {
        auto *attachment = static_cast<Attachment *>(user);
        return attachment->host->serve(*attachment, client);
    }
    gboolean serve(Attachment &attachment, UMockdevIoctlClient *client);
    void serveControl(Attachment &attachment, UMockdevIoctlClient *client);
};

namespace {

// Orders what a thread wrote before it posts a call to the worker with what the
// call reads there. GLib's own lock does that too, but it is invisible to a race
// detector; this one is process-wide because the call must take it before it
// reads anything.
std::mutex handoff;

struct Posted
{
    std::function<void()> function;
};

gboolean runPosted(gpointer data)
{
    {
        std::lock_guard<std::mutex> lock(handoff);
    }
    std::unique_ptr<Posted> posted(static_cast<Posted *>(data));
    posted->function();
    return G_SOURCE_REMOVE;
}

} // namespace

SimHost::SimHost()
    : d(std::make_unique<Private>())
{
    d->preloaded = inMockEnvironment();
    d->testbed.reset(umockdev_testbed_new());
    g_autofree gchar *root = umockdev_testbed_get_root_dir(d->testbed.get());
    d->root = QString::fromLocal8Bit(root);
    d->findWorker();
    d->onWorker([this] { d->keepBusFolder(); });
    d->clockListener = Clock::addAdvanceListener([this](qint64) { d->sync(); });
    d->waker = std::thread([this] { d->runWaker(); });
}

SimHost::~SimHost()
{
    Clock::removeAdvanceListener(d->clockListener);
    {
        std::lock_guard<std::mutex> lock(d->wakerMutex);
        d->stopping = true;
    }
    d->wakerCondition.notify_all();
    d->waker.join();

    // Transfers still queued (from handles a program kept open) get ENODEV; one being
    // answered (a stall, say) is waited for.
    d->closing = true;
    for (Private::Slot &slot : d->devices) {
        {
            std::lock_guard<std::mutex> lock(slot.queueMutex);
            slot.stopping = true;
        }
        slot.queueCondition.notify_all();
        slot.server.join();
        slot.model->setBusListener({});
    }
    d->onWorker([this] {
        std::lock_guard<std::recursive_mutex> lock(d->mutex);
        for (Private::Attachment &attachment : d->attachments)
            g_signal_handlers_disconnect_by_data(attachment.handler.get(), &attachment);
        for (Private::Slot &slot : d->devices) {
            if (slot.nodePresent)
                d->removeNode(slot);
        }
        d->attachments.clear();
        d->probe.reset();
        // The testbed's last reference: it stops its listeners and its main loop.
        d->testbed.reset();
    });
    g_main_context_unref(d->workerContext);
}

void SimHost::addDevice(Lc420Model &model)
{
    std::lock_guard<std::recursive_mutex> lock(d->mutex);
    Private::Slot &slot = d->devices.emplace_back();
    slot.model = &model;
    slot.order = int(d->devices.size());
    slot.server = std::thread([this, &slot] { d->runServer(slot); });
    model.setBusListener([this] {
        d->sync();
        d->wakeWaker();
    });
}

void SimHost::setPlugged(const Lc420Model &model, bool plugged)
{
    {
        std::lock_guard<std::recursive_mutex> lock(d->mutex);
        for (Private::Slot &slot : d->devices) {
            if (slot.model == &model)
                slot.plugged = plugged;
        }
    }
    sync();
}

void SimHost::setAccessDenied(const Lc420Model &model, bool denied)
{
    d->onWorker([this, &model, denied] {
        std::lock_guard<std::recursive_mutex> lock(d->mutex);
        for (Private::Slot &slot : d->devices) {
            if (slot.model != &model)
                continue;
            slot.accessDenied = denied;
            if (slot.nodePresent)
                d->setNodeMode(slot);
        }
    });
}

void SimHost::sync()
{
    d->sync();
}

QString SimHost::deviceNode(const Lc420Model &model) const
{
    std::lock_guard<std::recursive_mutex> lock(d->mutex);
    for (const Private::Slot &slot : d->devices) {
        if (slot.model == &model && slot.nodePresent)
            return Private::nodeName(slot.devnum);
    }
    return {};
}

QString SimHost::rootDir() const
{
    return d->root;
}

bool SimHost::inMockEnvironment()
{
    // umockdev_in_mock_environment() answers false under umockdev-wrapper in the
    // installed umockdev (0.17), so look for the preload itself.
    return qgetenv("LD_PRELOAD").contains("libumockdev-preload");
}

// umockdev keeps its worker's main context to itself; a handler learns it from the
// first client that connects. So a probe handler is attached to a node of its own
// and this thread connects to it once.
void SimHost::Private::findWorker()
{
    static const char probeNode[] = "/dev/lc420-sim-probe";
    probe.reset(umockdev_ioctl_base_new());
    g_signal_connect(probe.get(), "client-connected", G_CALLBACK(noteWorker), this);
    GError *error = nullptr;
    if (!umockdev_testbed_attach_ioctl(testbed.get(), probeNode, probe.get(), &error))
        qFatal("lc420-sim: cannot attach to the emulated bus: %s", error->message);

    const QByteArray socketPath = QFile::encodeName(root) + "/ioctl" + probeNode;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (size_t(socketPath.size()) >= sizeof address.sun_path)
        qFatal("lc420-sim: the testbed's path is too long: %s", socketPath.constData());
    std::memcpy(address.sun_path, socketPath.constData(), size_t(socketPath.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        qFatal("lc420-sim: cannot reach the emulated bus: %s", std::strerror(errno));
    {
        std::unique_lock<std::mutex> lock(workerMutex);
        workerFound.wait(lock, [this] { return workerContext != nullptr; });
    }
    close(fd);
    onWorker([this] {
        g_signal_handlers_disconnect_by_data(probe.get(), this);
        umockdev_testbed_detach_ioctl(testbed.get(), probeNode, nullptr);
    });
}

void SimHost::Private::noteWorker(UMockdevIoctlBase * /*handler*/, UMockdevIoctlClient * /*client*/,
                                  gpointer user)
{
    auto *self = static_cast<Private *>(user);
    std::lock_guard<std::mutex> lock(self->workerMutex);
    if (self->workerContext)
        return;
    self->workerContext = g_main_context_ref_thread_default();
    self->workerThread = std::this_thread::get_id();
    self->workerFound.notify_all();
}

void SimHost::Private::post(std::function<void()> function)
{
    auto *posted = new Posted{std::move(function)};
    {
        std::lock_guard<std::mutex> lock(handoff);
    }
    g_main_context_invoke_full(workerContext, G_PRIORITY_DEFAULT, runPosted, posted, nullptr);
}

void SimHost::Private::onWorker(const std::function<void()> &function)
{
    if (onWorkerThread()) {
        function();
        return;
    }
    std::mutex doneMutex;
    std::condition_variable doneCondition;
    bool done = false;
    post([&] {
        function();
        std::lock_guard<std::mutex> lock(doneMutex);
        done = true;
        doneCondition.notify_all();
    });
    std::unique_lock<std::mutex> lock(doneMutex);
    doneCondition.wait(lock, [&] { return done; });
}

void SimHost::Private::sync()
{
    onWorker([this] { syncOnWorker(); });
}

void SimHost::Private::syncOnWorker()
{
    std::lock_guard<std::recursive_mutex> lock(mutex);
    if (!testbed)
        return;
    std::vector<Slot *> added;
    for (Slot &slot : devices) {
        const bool present = slot.plugged && slot.model->isOnBus();
        if (present == slot.nodePresent)
            continue;
        if (present)
            added.push_back(&slot);
        else
            removeNode(slot);
    }
    if (added.size() < 2) {
        for (Slot *slot : added)
            addNode(*slot);
        return;
    }

    // libusb-0.1 lists the devices it finds new in one scan in directory order, and
    // that order depends on the file system: on ext4 it is the order of the names'
    // hashes. Devices plugged in together get names that the file system lists in
    // their declared order, so that an impostor reliably comes first: the order of
    // a few spare names is learnt from plain files in a scratch folder beside the
    // nodes. Where that does not hold, all of them are added again until it does.
    std::sort(added.begin(), added.end(),
              [](const Slot *a, const Slot *b) { return a->order < b->order; });
    // The nodes are made in the order the scratch files were, for file systems
    // that list by creation.
    const QList<int> names = devnumsInListingOrder(int(added.size()));
    std::vector<std::pair<int, Slot *>> plan;
    for (std::size_t i = 0; i < added.size(); ++i)
        plan.emplace_back(names.size() == qsizetype(added.size()) ? names[qsizetype(i)] : 0,
                          added[i]);
    std::sort(plan.begin(), plan.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[devnum, slot] : plan)
        addNode(*slot, devnum);
    for (int attempt = 0; attempt < 16; ++attempt) {
        QList<int> orders;
        const QStringList listed = listedNodes();
        for (const QString &name : listed) {
            for (const Slot *slot : added) {
                if (nodeName(slot->devnum).endsWith(QLatin1Char('/') + name))
                    orders.append(slot->order);
            }
        }
        if (std::is_sorted(orders.begin(), orders.end()))
            return;
        for (Slot *slot : added)
            removeNode(*slot);
        for (Slot *slot : added)
            addNode(*slot);
    }
    qWarning("lc420-sim: could not arrange the emulated devices in their declared order");
}

QStringList SimHost::Private::listedNodes() const
{
    // Directory order as readdir gives it, unsorted: the order libusb-0.1 sees.
    QStringList names;
    const QByteArray folder = QFile::encodeName(root) + "/dev/bus/usb/001";
    GDir *dir = g_dir_open(folder.constData(), 0, nullptr);
    if (!dir)
        return names;
    while (const gchar *name = g_dir_read_name(dir))
        names.append(QString::fromLocal8Bit(name));
    g_dir_close(dir);
    return names;
}

QList<int> SimHost::Private::devnumsInListingOrder(int count) const
{
    QList<int> devnums;
    const QString folder = root + QStringLiteral("/.node-names");
    if (!QDir().mkpath(folder))
        return devnums;
    QHash<QString, int> byName;
    for (int i = 0; i < count; ++i) {
        const int devnum = takeDevnum();
        const QString name = nodeName(devnum).section(QLatin1Char('/'), -1);
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly))
            break;
        byName.insert(name, devnum);
    }
    const QByteArray path = QFile::encodeName(folder);
    if (GDir *dir = g_dir_open(path.constData(), 0, nullptr)) {
        while (const gchar *name = g_dir_read_name(dir)) {
            const auto known = byName.constFind(QString::fromLocal8Bit(name));
            if (known != byName.constEnd())
                devnums.append(*known);
        }
        g_dir_close(dir);
    }
    QDir(folder).removeRecursively();
    return devnums;
}

void SimHost::Private::addNode(Slot &slot, int devnum)
{
    slot.devnum = devnum > 0 ? devnum : takeDevnum();
    devnum = slot.devnum;
    const QByteArray contents
        = Lc420Model::deviceDescriptor() + Lc420Model::configurationDescriptor();
    const QString node = nodeName(devnum);
    const QString record = QStringLiteral("P: %1\n"
                                          "N: bus/usb/001/%2=%3\n"
                                          "E: DEVNAME=%4\n"
                                          "E: SUBSYSTEM=usb\n"
                                          "E: DEVTYPE=usb_device\n"
                                          "E: BUSNUM=001\n"
                                          "E: DEVNUM=%2\n"
                                          "A: idVendor=%5\n"
                                          "A: idProduct=%6\n"
                                          "A: busnum=1\n"
                                          "A: devnum=%7\n"
                                          "A: speed=1.5\n"
                                          "A: dev=189:%8\n"
                                          "\n")
                               .arg(sysPath(devnum).mid(4))
                               .arg(devnum, 3, 10, QLatin1Char('0'))
                               .arg(QString::fromLatin1(hex(contents)), node)
                               .arg(Lc420Model::VendorId, 4, 16, QLatin1Char('0'))
                               .arg(Lc420Model::ProductId, 4, 16, QLatin1Char('0'))
                               .arg(devnum)
                               .arg(devnum - 1);

    // The ioctl handler is attached before the node exists and stays after it is gone
    // (see removeNode): a program that scans the bus in between would otherwise open a
    // node without a handler, and the umockdev preload kills it ("Failed to connect to
    // ioctl socket").
    GError *error = nullptr;
    const int generation = ++slot.generation;
    Attachment &attachment = attachments.emplace_back();
    attachment.host = this;
    attachment.slot = &slot;
    attachment.generation = generation;
    attachment.devnum = devnum;
    attachment.handler.reset(umockdev_ioctl_base_new());
    g_signal_connect(attachment.handler.get(), "handle-ioctl", G_CALLBACK(handleIoctl),
                     &attachment);
    if (!umockdev_testbed_attach_ioctl(testbed.get(), node.toUtf8().constData(),
                                       attachment.handler.get(), &error)) {
        qWarning("lc420-sim: cannot serve the emulated device: %s", error->message);
        g_clear_error(&error);
        return;
    }
    if (!umockdev_testbed_add_from_string(testbed.get(), record.toUtf8().constData(), &error)) {
        qWarning("lc420-sim: cannot add the emulated device: %s", error->message);
        g_clear_error(&error);
        umockdev_testbed_detach_ioctl(testbed.get(), node.toUtf8().constData(), nullptr);
        return;
    }
    // A udev monitor in the program learns of the device from an "add" event, as from
    // the kernel. Events can be sent only from inside the preload (they name the device
    // by its place in the emulated /sys); the testbed sends this one itself when its
    // own test for the preload succeeds.
    if (preloaded && !umockdev_in_mock_environment())
        umockdev_testbed_uevent(testbed.get(), sysPath(devnum).toUtf8().constData(), "add");
    slot.nodePresent = true;
    setNodeMode(slot);
}

void SimHost::Private::setNodeMode(const Slot &slot)
{
    const QByteArray file = QFile::encodeName(root + nodeName(slot.devnum));
    g_chmod(file.constData(), slot.accessDenied ? 0444 : 0644);
}

void SimHost::Private::removeNode(Slot &slot)
{
    ++slot.generation; // handles opened before now get ENODEV
    const QByteArray path = sysPath(slot.devnum).toUtf8();
    // The "remove" event carries the device's properties, so it goes out while the
    // device is still there.
    if (preloaded)
        umockdev_testbed_uevent(testbed.get(), path.constData(), "remove");
    umockdev_testbed_remove_device(testbed.get(), path.constData());
    // The handler stays attached (a node's number is never used again): a program
    // that opened the node just before it went has its connection still waiting to
    // be accepted, and must get ENODEV from its next ioctl, as from the kernel.
    // Detaching would close the listener and reset that connection, and the umockdev
    // preload aborts the program on a reset.
    slot.nodePresent = false;
    keepBusFolder();
}

void SimHost::Private::keepBusFolder()
{
    // A real system always lists its buses (each has its root hub). Without the bus
    // folder libusb-0.1 fails to scan and keeps its stale device list.
    const QByteArray folder = QFile::encodeName(root) + "/dev/bus/usb/001";
    g_mkdir_with_parents(folder.constData(), 0755);
}

void SimHost::Private::wakeWaker()
{
    {
        std::lock_guard<std::mutex> lock(wakerMutex);
        rescan = true;
    }
    wakerCondition.notify_all();
}

void SimHost::Private::runWaker()
{
    std::unique_lock<std::mutex> lock(wakerMutex);
    while (!stopping) {
        // With the virtual clock the advance listener does this work.
        qint64 next = -1;
        if (!Clock::isVirtual()) {
            std::lock_guard<std::recursive_mutex> slotsLock(mutex);
            for (const Slot &slot : devices) {
                const qint64 at = slot.model->backOnBusAtMs();
                if (slot.plugged && at >= 0 && (next < 0 || at < next))
                    next = at;
            }
        }
        rescan = false;
        if (next < 0) {
            wakerCondition.wait(lock, [this] { return stopping || rescan; });
        } else {
            const auto wait = std::chrono::milliseconds(std::max<qint64>(0, next - Clock::nowMs()));
            if (!wakerCondition.wait_for(lock, wait, [this] { return stopping || rescan; })) {
                lock.unlock();
                sync();
                lock.lock();
            }
        }
    }
}

void SimHost::Private::runServer(Slot &slot)
{
    for (;;) {
        Job *job = nullptr;
        bool stop = false;
        {
            std::unique_lock<std::mutex> lock(slot.queueMutex);
            slot.queueCondition.wait(lock, [&] { return slot.stopping || !slot.queue.empty(); });
            stop = slot.stopping;
            if (!slot.queue.empty()) {
                job = slot.queue.front();
                slot.queue.pop_front();
            }
        }
        if (!job)
            return;
        if (stop || closing || job->attachment->generation != slot.generation.load()) {
            job->result = -ENODEV;
        } else {
            // A request that takes the device off the bus tells the host through the
            // model's bus listener before control() returns, so the node is gone
            // before the caller sees the answer and its next scan does not find it.
            job->result
                = slot.model->control(job->setup, job->buffer ? job->buffer->data : nullptr);
        }
        finish(job);
    }
}

void SimHost::Private::finish(Job *job)
{
    post([job] {
        const std::unique_ptr<Job> done(job);
        complete(done->client.get(), done->result >= 0 ? done->result : -1, -done->result);
    });
}

gboolean SimHost::Private::serve(Attachment &attachment, UMockdevIoctlClient *client)
{
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    Slot &slot = *attachment.slot;
    if (closing || attachment.generation != slot.generation.load()) {
        complete(client, -1, ENODEV);
        return TRUE;
    }

    if (slot.accessDenied) {
        complete(client, -1, EPERM);
        return TRUE;
    }

    if (request == static_cast<unsigned long>(USBDEVFS_CONTROL)) {
        serveControl(attachment, client);
        return TRUE;
    }

    UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
    if (request == static_cast<unsigned long>(USBDEVFS_CONNECTINFO)) {
        GError *error = nullptr;
        GPtr<UMockdevIoctlData> data(
            umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_connectinfo), &error));
        if (!data) {
            g_clear_error(&error);
            complete(client, -1, EFAULT);
            return TRUE;
        }
        auto *info = reinterpret_cast<usbdevfs_connectinfo *>(data->data);
        info->devnum = unsigned(attachment.devnum);
        info->slow = 1; // a low-speed device
        complete(client, 0, 0);
    } else if (request == static_cast<unsigned long>(USBDEVFS_SETCONFIGURATION)
               || request == static_cast<unsigned long>(USBDEVFS_CLAIMINTERFACE)
               || request == static_cast<unsigned long>(USBDEVFS_RELEASEINTERFACE)) {
        GError *error = nullptr;
        GPtr<UMockdevIoctlData> data(umockdev_ioctl_data_resolve(arg, 0, sizeof(unsigned), &error));
        if (!data) {
            g_clear_error(&error);
            complete(client, -1, EFAULT);
            return TRUE;
        }
        const unsigned value = *reinterpret_cast<const unsigned *>(data->data);
        // Configuration 1 and interface 0 are all the device has.
        const unsigned valid
            = request == static_cast<unsigned long>(USBDEVFS_SETCONFIGURATION) ? 1 : 0;
        complete(client, value == valid ? 0 : -1, value == valid ? 0 : EINVAL);
    } else if (request == static_cast<unsigned long>(USBDEVFS_IOCTL)) {
        complete(client, -1, ENOSYS); // not a hub
    } else if (request == static_cast<unsigned long>(USBDEVFS_BULK)) {
        complete(client, -1, EPIPE); // the bulk endpoints are not served
    } else {
        complete(client, -1, ENOTTY);
    }
    return TRUE;
}

void SimHost::Private::serveControl(Attachment &attachment, UMockdevIoctlClient *client)
{
    Slot &slot = *attachment.slot;
    UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
    GError *error = nullptr;
    GPtr<UMockdevIoctlData> data(
        umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_ctrltransfer), &error));
    if (!data) {
        g_clear_error(&error);
        complete(client, -1, EFAULT);
        return;
    }
    const auto *transfer = reinterpret_cast<const usbdevfs_ctrltransfer *>(data->data);
    Lc420Model::Setup setup;
    setup.requestType = transfer->bRequestType;
    setup.request = transfer->bRequest;
    setup.value = transfer->wValue;
    setup.index = transfer->wIndex;
    setup.length = transfer->wLength;
    setup.timeoutMs = transfer->timeout;

    // A zero-length transfer has a null data pointer, which must not be resolved.
    GPtr<UMockdevIoctlData> buffer;
    if (setup.length > 0) {
        buffer.reset(umockdev_ioctl_data_resolve(data.get(), CtrlDataOffset, setup.length, &error));
        if (!buffer || buffer->data_len < setup.length) {
            g_clear_error(&error);
            complete(client, -1, EFAULT);
            return;
        }
    }

    auto job = std::make_unique<Job>();
    job->attachment = &attachment;
    job->client.reset(static_cast<UMockdevIoctlClient *>(g_object_ref(client)));
    job->data = std::move(data);
    job->buffer = std::move(buffer);
    job->setup = setup;
    {
        std::lock_guard<std::mutex> lock(slot.queueMutex);
        if (!slot.stopping)
            slot.queue.push_back(job.release());
    }
    if (job) {
        // The host is going away: its device thread takes no more work.
        complete(client, -1, ENODEV);
        return;
    }
    slot.queueCondition.notify_all();
}
