#include "sim/lc420model.h"

#include "core/clock.h"
#include "usb/scramble.h"

#include <QMutexLocker>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

namespace {

constexpr quint8 DirectionIn = 0x80;
constexpr quint8 TypeMask = 0x60;
constexpr quint8 TypeStandard = 0x00;
constexpr quint8 TypeVendor = 0x40;
constexpr quint8 RecipientMask = 0x1F;
constexpr quint8 GetDescriptor = 6;
constexpr quint8 DescriptorDevice = 1;
constexpr quint8 DescriptorConfiguration = 2;
constexpr quint8 DescriptorString = 3;

constexpr int Refused = -EPIPE;

// The driver scrambles what request 1 returns. encodeWords from usb/ would write
// its two trace lines for every simulated read into the program's own trace (the
// simulator shares the process with the code under test), so the model applies the
// same key table silently here.
void scramble(quint8 *data, int length)
{
    for (int i = 0; i < length / 4; ++i) {
        const quint32 key = ScrambleKey[size_t(i) % ScrambleKey.size()];
        quint8 *word = data + std::ptrdiff_t(4) * i;
        qToLittleEndian<quint32>((qFromLittleEndian<quint32>(word) ^ key) + key, word);
    }
}

bool inRange(quint32 address, int length, quint32 base, quint32 size)
{
    return address >= base && quint64(address) - base + quint64(length) <= size;
}

QByteArray fixedText(const char *text, int size)
{
    QByteArray bytes(text);
    bytes.resize(size, '\0');
    return bytes;
}

// How long the controller works on a write before it completes it; 0 for
// every other request.
int flashTimeMs(const Lc420Model::Setup &setup)
{
    if ((setup.requestType & TypeMask) != TypeVendor || (setup.requestType & DirectionIn))
        return 0;
    switch (setup.request) {
    case Lc420Model::WritePage:
        return Lc420Model::PageWriteMs;
    case Lc420Model::WriteExternal:
        return Lc420Model::ExternalWriteMs;
    default:
        return 0;
    }
}

Lc420Model::Transfer::Kind kindOf(const Lc420Model::Setup &setup)
{
    using Kind = Lc420Model::Transfer::Kind;
    const quint8 type = setup.requestType & TypeMask;
    if (type == TypeStandard) {
        if (setup.request == GetDescriptor && (setup.value >> 8) == DescriptorString)
            return Kind::StringDescriptor;
        return Kind::OtherStandard;
    }
    if (type == TypeVendor) {
        if (setup.request == Lc420Model::Identify)
            return Kind::Identification;
        if (setup.request >= Lc420Model::ReadMemory && setup.request <= Lc420Model::StatusGet)
            return Kind::Command;
    }
    return Kind::Unknown;
}

} // namespace

bool Lc420Model::Match::matches(const Transfer &transfer) const
{
    switch (scope) {
    case Scope::Any:
        return true;
    case Scope::Commands:
        return transfer.kind == Transfer::Kind::Command;
    case Scope::Request:
        return (transfer.kind == Transfer::Kind::Command
                || transfer.kind == Transfer::Kind::Identification)
               && transfer.request == request;
    }
    return false;
}

Lc420Model::Lc420Model()
    : internal(int(InternalSize), char(0xFF))
    , external(int(ExternalSize), char(0xFF))
{
    // Our own bootloader: a vector table (initial stack pointer, reset handler in
    // thumb mode) and a little code, then the version texts and the serial near the
    // top of the area. The bytes are made up; only the layout matters to the program.
    const QByteArray code = QByteArray::fromHex("00500020"
                                                "c1000008"
                                                "c3000008"
                                                "c3000008"
                                                "72b60848"
                                                "80f30888"
                                                "0748"
                                                "0068"
                                                "0028"
                                                "01d0"
                                                "0649"
                                                "0847"
                                                "fee7"
                                                "00bf");
    internal.replace(0, code.size(), code);
    internal.replace(int(BootVersionAddress - InternalBase), 16, fixedText("LC420 BOOT 2.10", 16));
    internal.replace(int(BootDateAddress - InternalBase), 16, fixedText("2026-11-02", 16));
    internal.replace(int(SerialAddress - InternalBase), 16, fixedText("261107001", 16));

    // A small application and its check word, so that a fresh driver starts it.
    const QByteArray application = QByteArray::fromHex("00500020"
                                                       "09410008"
                                                       "0b410008"
                                                       "0b410008")
                                   + fixedText("LC420 APP 1.03", 16);
    internal.replace(int(ApplicationBase - InternalBase), application.size(), application);
    qToLittleEndian<quint32>(applicationSum(internal),
                             internal.data() + (CheckWordAddress - InternalBase));
}

// ---- Serving -----------------------------------------------------------------------

int Lc420Model::control(const Setup &setup, quint8 *data)
{
    const int wait = latencyMs();
    if (wait > 0)
        Clock::sleepMs(wait);

    std::vector<Change> changes;
    bool busChanged = false;
    bool stalled = false;
    int result = 0;
    {
        QMutexLocker lock(&mutex);
        updateBusLocked(Clock::nowMs(), changes);
        if (!onBus) {
            result = -ENODEV;
        } else {
            result = serveWithFaultsLocked(setup, data, changes, busChanged, stalled);
        }
    }
    notifyState(changes);
    if (busChanged)
        notifyBus();
    if (const int ms = flashTimeMs(setup); result >= 0 && ms > 0 && flashTimed())
        Clock::sleepMs(ms);
    if (stalled) {
        // The driver never answers: the host gives up when its time-out has run out.
        Clock::sleepMs(int(std::min<quint32>(setup.timeoutMs, INT_MAX)));
    }
    return result;
}

int Lc420Model::serveWithFaultsLocked(const Setup &setup, quint8 *data,
                                      std::vector<Change> &changes, bool &busChanged, bool &stalled)
{
    Transfer transfer;
    transfer.kind = kindOf(setup);
    transfer.in = (setup.requestType & DirectionIn) != 0;
    transfer.requestType = setup.requestType;
    transfer.request = setup.request;
    transfer.value = setup.value;
    transfer.index = setup.index;
    transfer.length = setup.length;
    transfer.atMs = Clock::nowMs();

    const Fault *hit = nullptr;
    for (ActiveFault &active : faults) {
        if (!active.fault.match.matches(transfer))
            continue;
        ++active.seen;
        if (!hit && active.seen > active.fault.skip
            && active.seen <= active.fault.skip + active.fault.count)
            hit = &active.fault;
    }

    int result = 0;
    const Fault::Kind kind = hit ? hit->kind : Fault::Kind::Fail;
    if (hit && kind == Fault::Kind::Fail) {
        result = -hit->error;
    } else if (hit && kind == Fault::Kind::Stall) {
        result = -ETIMEDOUT;
        stalled = true;
    } else if (hit && kind == Fault::Kind::Short) {
        // A short OUT transfer did not arrive whole: the driver ignores it.
        result = transfer.in ? serveLocked(setup, data, changes, busChanged) : validateOut(setup);
        if (result >= 0)
            result = std::max(0, int(setup.length) - hit->missingBytes);
    } else {
        spoilPending = hit && kind == Fault::Kind::Corrupt;
        result = serveLocked(setup, data, changes, busChanged);
        // Requests without their own place to spoil: the reply as it goes out.
        if (transfer.in && result > 0)
            spoilOne(data, result);
        spoilPending = false;
    }
    transfer.result = result;
    log.append(transfer);

    faults.erase(std::remove_if(faults.begin(), faults.end(),
                                [](const ActiveFault &active) {
                                    return active.seen >= active.fault.skip + active.fault.count;
                                }),
                 faults.end());

    if (unplugCountdown > 0 && --unplugCountdown == 0) {
        goOffBus(unplugReplugAfter);
        powerLost = true;
        busChanged = true;
    }
    return result;
}

quint32 Lc420Model::spoiledWord(const quint8 *data)
{
    quint8 word[4];
    std::memcpy(word, data, sizeof word);
    spoilOne(word, sizeof word);
    return qFromLittleEndian<quint32>(word);
}

void Lc420Model::spoilOne(quint8 *data, int length)
{
    if (!spoilPending || !data || length <= 0)
        return;
    data[length / 2] = quint8(~data[length / 2]);
    spoilPending = false;
}

int Lc420Model::serveLocked(const Setup &setup, quint8 *data, std::vector<Change> &changes,
                            bool &busChanged)
{
    if (setup.length > 0 && !data)
        return -EFAULT;
    const quint8 type = setup.requestType & TypeMask;
    if (type == TypeStandard)
        return standard(setup, data);
    if (type != TypeVendor || (setup.requestType & RecipientMask) != 0)
        return Refused;
    if (setup.requestType & DirectionIn)
        return vendorIn(setup, data);
    const int valid = validateOut(setup);
    if (valid < 0)
        return valid;
    return vendorOut(setup, data, changes, busChanged);
}

int Lc420Model::vendorIn(const Setup &setup, quint8 *data)
{
    const quint32 address = quint32(setup.value) | quint32(setup.index) << 16;
    const int length = setup.length;
    const bool noArguments = setup.value == 0 && setup.index == 0;
    switch (setup.request) {
    case ReadMemory: {
        if (length < 1 || length > MaxMemoryRead)
            return Refused;
        if (inRange(address, length, RamBase, RamSize)) {
            std::memcpy(data, ram.constData() + (address - RamBase), size_t(length));
        } else {
            // The boot alias shows the internal flash from address 0 up.
            const quint32 flash = inRange(address, length, BootAliasBase, InternalSize)
                                      ? address - BootAliasBase + InternalBase
                                      : address;
            if (!inRange(flash, length, InternalBase, InternalSize))
                return Refused;
            std::memcpy(data, internal.constData() + (flash - InternalBase), size_t(length));
            corrupt(Memory::Internal, flash, data, length);
        }
        spoilOne(data, length);
        // The key index starts at 0 at the first word of every transfer.
        scramble(data, length);
        return length;
    }
    case ReadExternal:
        if (length < 1 || length > MaxExternalRead || !inRange(address, length, 0, ExternalSize))
            return Refused;
        std::memcpy(data, external.constData() + address, size_t(length));
        corrupt(Memory::External, address, data, length);
        return length;
    case StatusGet:
        if (length != 4 || !noArguments)
            return Refused;
        qToLittleEndian<quint32>(statusWord, data);
        return 4;
    case Identify:
        if (length != 2 || !noArguments)
            return Refused;
        qToLittleEndian<quint16>(idWord, data);
        return 2;
    default:
        return Refused;
    }
}

int Lc420Model::validateOut(const Setup &setup) const
{
    if ((setup.requestType & TypeMask) != TypeVendor || (setup.requestType & DirectionIn)
        || (setup.requestType & RecipientMask) != 0)
        return Refused;
    const quint32 address = quint32(setup.value) | quint32(setup.index) << 16;
    const int length = setup.length;
    const bool noArguments = setup.value == 0 && setup.index == 0;
    switch (setup.request) {
    case TestBlock:
        return length == TestBlockSize && noArguments ? 0 : Refused;
    case WritePage:
        // Pages are written by the bootloader only, and never over the bootloader.
        if (currentMode != Mode::Bootloader || length != int(PageSize)
            || !inRange(address, length, ApplicationBase, ApplicationEnd - ApplicationBase)
            || (address - ApplicationBase) % PageSize != 0)
            return Refused;
        return 0;
    case RunApplication:
        return length == 0 && noArguments ? 0 : Refused;
    case WriteExternal:
        return length >= 1 && length <= MaxExternalWrite
                       && inRange(address, length, 0, ExternalSize)
                   ? 0
                   : Refused;
    case StatusSet:
    case StatusClear:
        return length == 4 && noArguments ? 0 : Refused;
    default:
        return Refused;
    }
}

int Lc420Model::vendorOut(const Setup &setup, const quint8 *data, std::vector<Change> &changes,
                          bool &busChanged)
{
    const quint32 address = quint32(setup.value) | quint32(setup.index) << 16;
    const int length = setup.length;
    switch (setup.request) {
    case TestBlock:
        testBlock = QByteArray(reinterpret_cast<const char *>(data), length);
        spoilOne(reinterpret_cast<quint8 *>(testBlock.data()), length);
        return length;
    case WritePage: {
        // Pages arrive scrambled, each with the key index starting at its first word.
        QByteArray page(reinterpret_cast<const char *>(data), length);
        decodeWords(page.data(), length);
        spoilOne(reinterpret_cast<quint8 *>(page.data()), length);
        internal.replace(int(address - InternalBase), length, page);
        changes.push_back({Change::What::Internal, address - InternalBase, quint32(length)});
        return length;
    }
    case RunApplication:
        // The application answers with a reset into the bootloader; the bootloader
        // starts the application only if its check word is right, else it stays.
        if (currentMode == Mode::Application) {
            currentMode = Mode::Bootloader;
        } else if (applicationValidLocked()) {
            currentMode = Mode::Application;
        } else {
            return 0;
        }
        changes.push_back({Change::What::Device, 0, 0});
        goOffBus(resetMs);
        busChanged = true;
        // Dropping off the bus, the controller never sends the status stage.
        return reset == ResetBehaviour::Drop ? -EPROTO : 0;
    case WriteExternal:
        std::memcpy(external.data() + address, data, size_t(length));
        spoilOne(reinterpret_cast<quint8 *>(external.data()) + address, length);
        changes.push_back({Change::What::External, address, quint32(length)});
        return length;
    case StatusSet:
        statusWord |= spoiledWord(data);
        changes.push_back({Change::What::Device, 0, 0});
        return 4;
    case StatusClear:
        statusWord &= ~spoiledWord(data);
        changes.push_back({Change::What::Device, 0, 0});
        return 4;
    default:
        return Refused;
    }
}

int Lc420Model::standard(const Setup &setup, quint8 *data)
{
    if (!(setup.requestType & DirectionIn) || setup.request != GetDescriptor)
        return Refused;
    QByteArray descriptor;
    switch (setup.value >> 8) {
    case DescriptorDevice:
        descriptor = deviceDescriptor();
        break;
    case DescriptorConfiguration:
        descriptor = configurationDescriptor();
        break;
    case DescriptorString:
        descriptor = stringDescriptor(quint8(setup.value & 0xFF));
        break;
    default:
        break;
    }
    if (descriptor.isEmpty())
        return Refused;
    const int count = int(std::min<qsizetype>(descriptor.size(), setup.length));
    std::memcpy(data, descriptor.constData(), size_t(count));
    return count;
}

QByteArray Lc420Model::stringDescriptor(quint8 index) const
{
    QString text;
    switch (index) {
    case 0:
        return QByteArray::fromHex("04030904"); // US English only
    case 1:
        text = QStringLiteral("Lc420");
        break;
    case 2:
        text = QStringLiteral("Lc420 RGB LED driver");
        break;
    case SerialStringIndex:
        if (descriptorOverride)
            return *descriptorOverride;
        text = serialStringLocked();
        break;
    default:
        return {};
    }
    text.truncate(126); // the length byte counts up to 254 bytes
    QByteArray descriptor;
    descriptor.append(char(2 + 2 * text.size()));
    descriptor.append(char(DescriptorString));
    for (QChar c : std::as_const(text)) {
        descriptor.append(char(c.unicode() & 0xFF));
        descriptor.append(char(c.unicode() >> 8));
    }
    return descriptor;
}

bool Lc420Model::isOnBus()
{
    std::vector<Change> changes;
    bool on = false;
    {
        QMutexLocker lock(&mutex);
        updateBusLocked(Clock::nowMs(), changes);
        on = onBus;
    }
    notifyState(changes);
    return on;
}

qint64 Lc420Model::backOnBusAtMs() const
{
    QMutexLocker lock(&mutex);
    return onBus ? -1 : offBusUntil;
}

void Lc420Model::goOffBus(qint64 durationMs)
{
    onBus = false;
    offBusUntil = durationMs >= 0 ? Clock::nowMs() + durationMs : -1;
}

bool Lc420Model::updateBusLocked(qint64 now, std::vector<Change> &changes)
{
    if (onBus || offBusUntil < 0 || now < offBusUntil)
        return false;
    comeBackLocked(changes);
    return true;
}

// Back on the bus. Unplugged, the driver lost its power: it boots like a new
// one. After a reset it comes back in the mode the reset chose.
void Lc420Model::comeBackLocked(std::vector<Change> &changes)
{
    onBus = true;
    offBusUntil = -1;
    if (powerLost) {
        powerLost = false;
        bootLocked();
        changes.push_back({Change::What::Device, 0, 0});
    }
}

// The bootloader runs first and starts the application only if its check word
// is right.
void Lc420Model::bootLocked()
{
    currentMode = applicationValidLocked() ? Mode::Application : Mode::Bootloader;
}

bool Lc420Model::applicationValidLocked() const
{
    return applicationSum(internal)
           == qFromLittleEndian<quint32>(internal.constData() + (CheckWordAddress - InternalBase));
}

void Lc420Model::corrupt(Memory memory, quint32 address, quint8 *data, int length) const
{
    for (const Range &range : corruptions) {
        if (range.memory != memory)
            continue;
        const quint64 from = std::max<quint64>(address, range.address);
        const quint64 to = std::min<quint64>(quint64(address) + quint64(length),
                                             quint64(range.address) + range.length);
        for (quint64 at = from; at < to; ++at)
            data[at - address] = quint8(~data[at - address]);
    }
}

void Lc420Model::setBusListener(std::function<void()> listener)
{
    QMutexLocker lock(&mutex);
    busListener = std::move(listener);
}

void Lc420Model::setStateListener(std::function<void(const Change &)> listener)
{
    QMutexLocker lock(&mutex);
    stateListener = std::move(listener);
}

void Lc420Model::notifyState(const std::vector<Change> &changes)
{
    if (changes.empty())
        return;
    std::function<void(const Change &)> listener;
    {
        QMutexLocker lock(&mutex);
        listener = stateListener;
    }
    if (listener) {
        for (const Change &change : changes)
            listener(change);
    }
}

void Lc420Model::notifyBus()
{
    std::function<void()> listener;
    {
        QMutexLocker lock(&mutex);
        listener = busListener;
    }
    if (listener)
        listener();
}

// ---- State ---------------------------------------------------------------------------

Lc420Model::Mode Lc420Model::mode() const
{
    QMutexLocker lock(&mutex);
    return currentMode;
}

void Lc420Model::setMode(Mode mode)
{
    {
        QMutexLocker lock(&mutex);
        currentMode = mode;
    }
    notifyState({{Change::What::Device, 0, 0}});
}

void Lc420Model::powerUp()
{
    {
        QMutexLocker lock(&mutex);
        bootLocked();
    }
    notifyState({{Change::What::Device, 0, 0}});
}

QByteArray Lc420Model::serial() const
{
    QMutexLocker lock(&mutex);
    return storedSerialLocked();
}

QByteArray Lc420Model::storedSerialLocked() const
{
    QByteArray serial = internal.mid(int(SerialAddress - InternalBase), 16);
    const qsizetype end = serial.indexOf('\0');
    if (end >= 0)
        serial.truncate(end);
    const qsizetype erased = serial.indexOf(char(0xFF));
    if (erased >= 0)
        serial.truncate(erased);
    return serial;
}

void Lc420Model::setSerial(const QByteArray &serial)
{
    QByteArray stored = serial.left(15);
    stored.resize(16, '\0');
    {
        QMutexLocker lock(&mutex);
        internal.replace(int(SerialAddress - InternalBase), 16, stored);
    }
    notifyState(
        {{Change::What::Internal, SerialAddress - InternalBase, 16}, {Change::What::Device, 0, 0}});
}

QString Lc420Model::serialString() const
{
    QMutexLocker lock(&mutex);
    return serialStringLocked();
}

QString Lc420Model::serialStringLocked() const
{
    if (serialOverride)
        return *serialOverride;
    QString text = QString::fromLatin1(storedSerialLocked());
    if (currentMode == Mode::Bootloader)
        text += QLatin1Char('b');
    return text;
}

quint32 Lc420Model::status() const
{
    QMutexLocker lock(&mutex);
    return statusWord;
}

void Lc420Model::setStatus(quint32 status)
{
    {
        QMutexLocker lock(&mutex);
        statusWord = status;
    }
    notifyState({{Change::What::Device, 0, 0}});
}

QByteArray Lc420Model::internalFlash() const
{
    QMutexLocker lock(&mutex);
    return internal;
}

void Lc420Model::setInternalFlash(const QByteArray &contents)
{
    Q_ASSERT(contents.size() == int(InternalSize));
    {
        QMutexLocker lock(&mutex);
        internal = contents;
        internal.resize(int(InternalSize), char(0xFF));
    }
    notifyState({{Change::What::Internal, 0, InternalSize}});
}

QByteArray Lc420Model::externalFlash() const
{
    QMutexLocker lock(&mutex);
    return external;
}

void Lc420Model::setExternalFlash(const QByteArray &contents)
{
    Q_ASSERT(contents.size() == int(ExternalSize));
    {
        QMutexLocker lock(&mutex);
        external = contents;
        external.resize(int(ExternalSize), char(0xFF));
    }
    notifyState({{Change::What::External, 0, ExternalSize}});
}

QByteArray Lc420Model::read(Memory memory, quint32 address, int length) const
{
    QMutexLocker lock(&mutex);
    if (memory == Memory::Internal) {
        if (length < 0 || !inRange(address, length, InternalBase, InternalSize))
            return {};
        return internal.mid(int(address - InternalBase), length);
    }
    if (length < 0 || !inRange(address, length, 0, ExternalSize))
        return {};
    return external.mid(int(address), length);
}

void Lc420Model::write(Memory memory, quint32 address, const QByteArray &bytes)
{
    Change change;
    {
        QMutexLocker lock(&mutex);
        if (memory == Memory::Internal) {
            if (!inRange(address, int(bytes.size()), InternalBase, InternalSize))
                return;
            internal.replace(int(address - InternalBase), int(bytes.size()), bytes);
            change = {Change::What::Internal, address - InternalBase, quint32(bytes.size())};
        } else {
            if (!inRange(address, int(bytes.size()), 0, ExternalSize))
                return;
            external.replace(int(address), int(bytes.size()), bytes);
            change = {Change::What::External, address, quint32(bytes.size())};
        }
    }
    notifyState({change});
}

quint32 Lc420Model::applicationSum(const QByteArray &internalFlash)
{
    if (internalFlash.size() < int(InternalSize))
        return 0;
    quint32 sum = 0;
    const char *words = internalFlash.constData() + (ApplicationBase - InternalBase);
    for (quint32 i = 0; i < (CheckWordAddress - ApplicationBase) / 4; ++i)
        sum += qFromLittleEndian<quint32>(words + std::size_t(4) * i);
    return sum;
}

bool Lc420Model::applicationValid() const
{
    QMutexLocker lock(&mutex);
    return applicationValidLocked();
}

QByteArray Lc420Model::lastTestBlock() const
{
    QMutexLocker lock(&mutex);
    return testBlock;
}

// ---- Timing ----------------------------------------------------------------------------

void Lc420Model::setResetTimeMs(int ms)
{
    QMutexLocker lock(&mutex);
    resetMs = std::max(0, ms);
}

int Lc420Model::resetTimeMs() const
{
    QMutexLocker lock(&mutex);
    return resetMs;
}

void Lc420Model::setLatencyMs(int ms)
{
    QMutexLocker lock(&mutex);
    latency = std::max(0, ms);
}

int Lc420Model::latencyMs() const
{
    QMutexLocker lock(&mutex);
    return latency;
}

void Lc420Model::setFlashTimed(bool timed)
{
    QMutexLocker lock(&mutex);
    flashTime = timed;
}

bool Lc420Model::flashTimed() const
{
    QMutexLocker lock(&mutex);
    return flashTime;
}

void Lc420Model::setResetBehaviour(ResetBehaviour behaviour)
{
    QMutexLocker lock(&mutex);
    reset = behaviour;
}

Lc420Model::ResetBehaviour Lc420Model::resetBehaviour() const
{
    QMutexLocker lock(&mutex);
    return reset;
}

// ---- Fault injection -------------------------------------------------------------------

void Lc420Model::addFault(const Fault &fault)
{
    if (fault.count <= 0)
        return;
    QMutexLocker lock(&mutex);
    faults.push_back({fault, 0});
}

void Lc420Model::clearFaults()
{
    QMutexLocker lock(&mutex);
    faults.clear();
    corruptions.clear();
    serialOverride.reset();
    descriptorOverride.reset();
    idWord = IdentificationWord;
    unplugCountdown = 0;
}

void Lc420Model::addFaultFrom(Fault::Kind kind, int nth, int count, Match match, int error)
{
    Fault fault;
    fault.kind = kind;
    fault.match = match;
    fault.skip = std::max(0, nth - 1);
    fault.count = count;
    fault.error = error;
    addFault(fault);
}

void Lc420Model::failTransfer(int nth, Match match, int error)
{
    addFaultFrom(Fault::Kind::Fail, nth, 1, match, error);
}

void Lc420Model::failTransfers(int nth, int count, Match match, int error)
{
    addFaultFrom(Fault::Kind::Fail, nth, count, match, error);
}

void Lc420Model::stallTransfers(int nth, int count, Match match)
{
    addFaultFrom(Fault::Kind::Stall, nth, count, match, ETIMEDOUT);
}

void Lc420Model::corruptTransfer(int nth, Match match)
{
    addFaultFrom(Fault::Kind::Corrupt, nth, 1, match, 0);
}

void Lc420Model::corruptTransfers(int nth, int count, Match match)
{
    addFaultFrom(Fault::Kind::Corrupt, nth, count, match, 0);
}

void Lc420Model::failNextTransfers(int count, Match match, int error)
{
    addFaultFrom(Fault::Kind::Fail, 1, count, match, error);
}

void Lc420Model::shortNextTransfers(int count, int missingBytes, Match match)
{
    Fault fault;
    fault.kind = Fault::Kind::Short;
    fault.match = match;
    fault.count = count;
    fault.missingBytes = std::max(1, missingBytes);
    addFault(fault);
}

void Lc420Model::setIdentificationWord(quint16 word)
{
    QMutexLocker lock(&mutex);
    idWord = word;
}

quint16 Lc420Model::identificationWord() const
{
    QMutexLocker lock(&mutex);
    return idWord;
}

void Lc420Model::setSerialStringOverride(std::optional<QString> serial)
{
    QMutexLocker lock(&mutex);
    serialOverride = std::move(serial);
}

void Lc420Model::setSerialDescriptorOverride(std::optional<QByteArray> descriptor)
{
    QMutexLocker lock(&mutex);
    descriptorOverride = std::move(descriptor);
}

void Lc420Model::corruptReadBack(Memory memory, quint32 address, quint32 length)
{
    QMutexLocker lock(&mutex);
    corruptions.push_back({memory, address, length});
}

void Lc420Model::unplug(qint64 replugAfterMs)
{
    {
        QMutexLocker lock(&mutex);
        goOffBus(replugAfterMs);
        powerLost = true;
    }
    notifyBus();
}

void Lc420Model::replug()
{
    std::vector<Change> changes;
    {
        QMutexLocker lock(&mutex);
        comeBackLocked(changes);
    }
    notifyState(changes);
    notifyBus();
}

void Lc420Model::unplugAfterTransfers(int nth, qint64 replugAfterMs)
{
    QMutexLocker lock(&mutex);
    unplugCountdown = std::max(0, nth);
    unplugReplugAfter = replugAfterMs;
}

// ---- Transfer log ----------------------------------------------------------------------

QList<Lc420Model::Transfer> Lc420Model::transferLog() const
{
    QMutexLocker lock(&mutex);
    return log;
}

QList<Lc420Model::Transfer> Lc420Model::commandLog() const
{
    QMutexLocker lock(&mutex);
    QList<Transfer> commands;
    for (const Transfer &transfer : log) {
        if (transfer.kind == Transfer::Kind::Command)
            commands.append(transfer);
    }
    return commands;
}

void Lc420Model::clearTransferLog()
{
    QMutexLocker lock(&mutex);
    log.clear();
}

// ---- Descriptors -----------------------------------------------------------------------

QByteArray Lc420Model::deviceDescriptor()
{
    QByteArray d(18, '\0');
    d[0] = 18;   // bLength
    d[1] = 1;    // bDescriptorType: device
    d[2] = 0x10; // bcdUSB 1.10
    d[3] = 0x01;
    d[4] = char(0xFF); // bDeviceClass: vendor specific
    d[7] = 8;          // bMaxPacketSize0: a low-speed device
    qToLittleEndian<quint16>(VendorId, d.data() + 8);
    qToLittleEndian<quint16>(ProductId, d.data() + 10);
    qToLittleEndian<quint16>(0x0103, d.data() + 12); // bcdDevice
    d[14] = 1;                                       // iManufacturer
    d[15] = 2;                                       // iProduct
    d[16] = char(SerialStringIndex);
    d[17] = 1; // bNumConfigurations
    return d;
}

QByteArray Lc420Model::configurationDescriptor()
{
    // Configuration 1 with interface 0 and the two bulk endpoints (0x02 out, 0x81 in)
    // that the transport knows of but no command uses.
    return QByteArray::fromHex("09022000010100"
                               "8032"
                               "0904000002ff000000"
                               "0705020208000a"
                               "0705810208000a");
}
