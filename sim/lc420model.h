#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QtGlobal>

#include <cerrno>
#include <functional>
#include <optional>
#include <vector>

// The simulated Lc420 driver: its memories, its two firmware modes and its answers
// to USB control transfers, with fault injection and a transfer log for tests.
//
// The model knows nothing about umockdev: SimHost (sim/simhost.h) feeds it the
// control transfers that reach the emulated device node and mirrors its presence
// on the bus (a reset or an unplug takes the node away, coming back adds it again).
//
// Every public function is thread safe: umockdev serves ioctls on its own worker
// thread while tests and the upgrade worker use the control API. Callbacks
// (state and bus listeners) are called without the model's lock held.
class Lc420Model
{
public:
    // Memory map of the controller and the external flash.
    static constexpr quint32 InternalBase = 0x08000000;
    static constexpr quint32 InternalSize = 0x20000; // 128 KiB
    static constexpr quint32 BootloaderSize = 0x4000;
    static constexpr quint32 ApplicationBase = InternalBase + BootloaderSize;
    static constexpr quint32 ApplicationEnd = InternalBase + InternalSize; // exclusive
    static constexpr quint32 PageSize = 1024;
    static constexpr quint32 CheckWordAddress = ApplicationEnd - 4;
    static constexpr quint32 BootVersionAddress = 0x08003FD0;
    static constexpr quint32 BootDateAddress = 0x08003FE0;
    static constexpr quint32 SerialAddress = 0x08003FF0;
    static constexpr quint32 ExternalSize = 0x100000; // 1 MiB
    // Request 1 also reads the boot alias of the internal flash and the RAM;
    // any other address is refused.
    static constexpr quint32 BootAliasBase = 0x00000000;
    static constexpr quint32 RamBase = 0x20000000;
    static constexpr quint32 RamSize = 0x5000; // 20 KiB

    // USB identity and the driver's vendor requests.
    static constexpr quint16 VendorId = 0x16C0;
    static constexpr quint16 ProductId = 0x078A;
    static constexpr quint16 IdentificationWord = 0x00B2;
    static constexpr quint8 SerialStringIndex = 3;
    enum Request : quint8 {
        ReadMemory = 1,
        TestBlock = 2,
        WritePage = 3,
        RunApplication = 4,
        ReadExternal = 5,
        WriteExternal = 6,
        StatusSet = 7,
        StatusClear = 8,
        StatusGet = 9,
        Identify = 255,
    };
    static constexpr int MaxMemoryRead = 2048;
    static constexpr int TestBlockSize = 512;
    static constexpr int MaxExternalRead = 512;
    static constexpr int MaxExternalWrite = 256;
    // How long a real controller works on a write before it completes the
    // transfer, at the least: a 1 KiB internal flash page is erased (20 ms) and
    // programmed as 512 half-words (40 us each); an external flash page of up to
    // 256 bytes is programmed in under a millisecond, rounded up to one USB frame.
    // Waited only with setFlashTimed(true).
    static constexpr int PageWriteMs = 40;
    static constexpr int ExternalWriteMs = 1;

    enum class Mode { Application, Bootloader };
    // How the driver answers a request 4 that resets it. A resetting controller
    // usually leaves the bus before it completes the transfer (the host sees a
    // transaction error, -EPROTO); some firmware acknowledges first.
    enum class ResetBehaviour { Drop, Acknowledge };
    enum class Memory { Internal, External };

    // The setup packet of one control transfer; bit 7 of requestType is the direction.
    struct Setup
    {
        quint8 requestType = 0;
        quint8 request = 0;
        quint16 value = 0;
        quint16 index = 0;
        quint16 length = 0;
        // The host's time-out for this transfer, which a stalled transfer waits out
        // (libusb-0.1 passes it to the kernel with every control transfer).
        quint32 timeoutMs = 2000;
    };

    // One control transfer as the device saw it.
    struct Transfer
    {
        enum class Kind {
            Identification,   // vendor request 255
            Command,          // vendor requests 1..9
            StringDescriptor, // standard GET_DESCRIPTOR of a string
            OtherStandard,    // any other standard request
            Unknown,          // any other vendor or class request (always refused)
        };
        Kind kind = Kind::Unknown;
        bool in = false; // device to host
        quint8 requestType = 0;
        quint8 request = 0;
        quint16 value = 0;
        quint16 index = 0;
        quint16 length = 0; // wLength as asked
        int result = 0;     // bytes transferred, or -errno (-EPIPE refused, -ETIMEDOUT time-out,
                            // -EPROTO left the bus in a reset)
        qint64 atMs = 0;    // Clock::nowMs() when it was served

        // The 32-bit address of a memory or flash request (wIndex:wValue).
        [[nodiscard]] quint32 address() const { return quint32(value) | quint32(index) << 16; }
    };

    // Which transfers a fault counts and hits.
    struct Match
    {
        enum class Scope { Any, Commands, Request };
        Scope scope = Scope::Any;
        quint8 request = 0;

        // Every control transfer, identification and descriptor reads included.
        [[nodiscard]] static Match any() { return {}; }
        // Vendor requests 1..9 only.
        [[nodiscard]] static Match commands() { return {Scope::Commands, 0}; }
        // One vendor request (1..9 or 255).
        [[nodiscard]] static Match vendor(quint8 request) { return {Scope::Request, request}; }
        [[nodiscard]] bool matches(const Transfer &transfer) const;
    };

    struct Fault
    {
        enum class Kind {
            Fail,    // the transfer fails at once with -error and has no effect
            Short,   // missingBytes fewer bytes than asked; an OUT transfer is not applied
            Stall,   // held until the host's time-out has run out on Clock, then fails
                     // with -ETIMEDOUT and has no effect: what a time-out really costs
            Corrupt, // answered, but one byte is wrong: of the reply (IN) or of what the
                     // driver stores (OUT); a memory read is spoiled before scrambling
        };
        Kind kind = Kind::Fail;
        Match match;
        int skip = 0;          // matching transfers let through before the fault hits
        int count = 1;         // matching transfers hit
        int error = ETIMEDOUT; // libusb-0.1 reports -110, as after its 2000 ms time-out
        int missingBytes = 1;
    };

    // What changed through a transfer (for the launcher, which saves its state).
    struct Change
    {
        enum class What { Internal, External, Device }; // Device: mode, serial or status word
        What what = What::Device;
        quint32 offset = 0; // from the start of the memory
        quint32 length = 0;
    };

    // A fresh driver: our own bootloader image (version texts "LC420 BOOT 2.10" and
    // "2026-11-02", serial "261107001"), a small application with a valid check word,
    // application mode, status word 0, external flash erased to 0xFF.
    Lc420Model();
    Lc420Model(const Lc420Model &) = delete;
    Lc420Model &operator=(const Lc420Model &) = delete;

    // ---- Serving (called by the host for each control transfer) -------------------

    // Answers one control transfer. data holds setup.length bytes: read for an OUT
    // transfer, filled for an IN transfer. Returns the byte count or -errno.
    // Waits the configured latency on Clock before answering, and (when flash
    // timed) a write's flash time after it.
    [[nodiscard]] int control(const Setup &setup, quint8 *data);

    // On the bus now (not unplugged, not in the middle of a reset)? Brings the device
    // back when its time off the bus is over on Clock::nowMs().
    [[nodiscard]] bool isOnBus();

    // Clock::nowMs() at which a device that is off the bus comes back, or -1 if it
    // stays off until replug() (or is on the bus).
    [[nodiscard]] qint64 backOnBusAtMs() const;

    // Called after a reset, an unplug or a replug. The end of a time off the bus is not
    // announced: the host watches Clock for it (backOnBusAtMs()).
    void setBusListener(std::function<void()> listener);

    // Called after every transfer or control call that changed stored state.
    void setStateListener(std::function<void(const Change &)> listener);

    // ---- State ----------------------------------------------------------------------

    [[nodiscard]] Mode mode() const;
    void setMode(Mode mode); // at once, without a reset
    // Boots as after plugging in: the bootloader starts the application if its check
    // word is right, else it stays in the bootloader.
    void powerUp();

    // The nine digits stored at 0x08003FF0 (what the string descriptor reports).
    [[nodiscard]] QByteArray serial() const;
    void setSerial(const QByteArray &serial); // up to 15 characters, stored zero-padded

    // The serial-number string the driver reports now: serial, plus "b" in the bootloader.
    [[nodiscard]] QString serialString() const;

    [[nodiscard]] quint32 status() const;
    void setStatus(quint32 status);

    // Plain contents, as the controller holds them (not scrambled).
    [[nodiscard]] QByteArray internalFlash() const;    // 131072 bytes
    void setInternalFlash(const QByteArray &contents); // must be 131072 bytes
    [[nodiscard]] QByteArray externalFlash() const;    // 1048576 bytes, as stored
    void setExternalFlash(const QByteArray &contents); // must be 1048576 bytes
    // address is a controller address (0x08000000..) for Internal, 0.. for External.
    [[nodiscard]] QByteArray read(Memory memory, quint32 address, int length) const;
    void write(Memory memory, quint32 address, const QByteArray &bytes); // no protection

    // The 32-bit sum of the 28671 little-endian words at 0x08004000..0x0801FFF8.
    [[nodiscard]] static quint32 applicationSum(const QByteArray &internalFlash);
    [[nodiscard]] bool applicationValid() const; // sum equals the word at 0x0801FFFC

    // The last test block received with request 2 (empty if none).
    [[nodiscard]] QByteArray lastTestBlock() const;

    // ---- Timing ---------------------------------------------------------------------

    void setResetTimeMs(int ms); // time off the bus after request 4; default 1000
    [[nodiscard]] int resetTimeMs() const;
    void setResetBehaviour(ResetBehaviour behaviour); // default Drop
    [[nodiscard]] ResetBehaviour resetBehaviour() const;
    void setLatencyMs(int ms); // waited on Clock before each transfer; default 0
    [[nodiscard]] int latencyMs() const;
    // Whether writes take the flash time of a real controller (PageWriteMs,
    // ExternalWriteMs); default off, so that a test's virtual time holds only
    // the host's own waits and the latency it sets.
    void setFlashTimed(bool timed);
    [[nodiscard]] bool flashTimed() const;

    // ---- Fault injection ---------------------------------------------------------------

    void addFault(const Fault &fault);
    // Also clears corruptions, the identification word and serial overrides, and a
    // pending unplugAfterTransfers.
    void clearFaults();
    // The nth matching transfer from now (1 = the next) fails with -error.
    void failTransfer(int nth, Match match = Match::any(), int error = ETIMEDOUT);
    // count matching transfers from the nth on fail with -error.
    void failTransfers(int nth, int count, Match match = Match::any(), int error = ETIMEDOUT);
    // count matching transfers from the nth on are held until the host's time-out.
    void stallTransfers(int nth, int count, Match match = Match::any());
    // The nth matching transfer from now carries one wrong byte (Fault::Kind::Corrupt).
    void corruptTransfer(int nth, Match match = Match::any());
    // count matching transfers from the nth on each carry one wrong byte.
    void corruptTransfers(int nth, int count, Match match = Match::any());
    // The next count matching transfers fail with -error.
    void failNextTransfers(int count, Match match = Match::any(), int error = ETIMEDOUT);
    // The next count matching transfers move missingBytes fewer bytes than asked.
    void shortNextTransfers(int count, int missingBytes, Match match = Match::commands());

    // Answer the identification request with this word (0x00B2 is right).
    void setIdentificationWord(quint16 word);
    [[nodiscard]] quint16 identificationWord() const;
    // Report this serial-number string instead of the stored serial (no "b" added).
    void setSerialStringOverride(std::optional<QString> serial);
    // Answer string descriptor 3 with these raw bytes (cut to wLength), malformed or not.
    void setSerialDescriptorOverride(std::optional<QByteArray> descriptor);
    // Reads of this range come back wrong (every byte inverted before scrambling).
    void corruptReadBack(Memory memory, quint32 address, quint32 length);

    // Off the bus at once, and without power: back after replugAfterMs on Clock, or on
    // replug() if negative, booting anew (application if its check word is right, else
    // bootloader).
    void unplug(qint64 replugAfterMs = -1);
    void replug();
    // Unplugged right after the nth transfer from now (answered normally).
    void unplugAfterTransfers(int nth, qint64 replugAfterMs = -1);

    // ---- Transfer log ------------------------------------------------------------------
    // Every control transfer the device answered, faults included. Transfers it never
    // saw (sent while it was off the bus, or on a handle from before) are not logged.

    [[nodiscard]] QList<Transfer> transferLog() const;
    // Only vendor requests 1..9 (no identification, no descriptor reads).
    [[nodiscard]] QList<Transfer> commandLog() const;
    void clearTransferLog();

    // The standard descriptors of the device, as the host declares them.
    [[nodiscard]] static QByteArray deviceDescriptor();
    [[nodiscard]] static QByteArray configurationDescriptor(); // with interface and endpoints

private:
    int serveLocked(const Setup &setup, quint8 *data, std::vector<Change> &changes,
                    bool &busChanged);
    int serveWithFaultsLocked(const Setup &setup, quint8 *data, std::vector<Change> &changes,
                              bool &busChanged, bool &stalled);
    void addFaultFrom(Fault::Kind kind, int nth, int count, Match match, int error);
    void spoilOne(quint8 *data, int length);
    [[nodiscard]] quint32 spoiledWord(const quint8 *data);
    int vendorIn(const Setup &setup, quint8 *data);
    [[nodiscard]] int validateOut(const Setup &setup) const;
    int vendorOut(const Setup &setup, const quint8 *data, std::vector<Change> &changes,
                  bool &busChanged);
    int standard(const Setup &setup, quint8 *data);
    [[nodiscard]] QByteArray stringDescriptor(quint8 index) const;
    [[nodiscard]] QByteArray storedSerialLocked() const;
    [[nodiscard]] QString serialStringLocked() const;
    void corrupt(Memory memory, quint32 address, quint8 *data, int length) const;
    void goOffBus(qint64 durationMs);
    bool updateBusLocked(qint64 now, std::vector<Change> &changes);
    void comeBackLocked(std::vector<Change> &changes);
    void bootLocked();
    [[nodiscard]] bool applicationValidLocked() const;
    void notifyState(const std::vector<Change> &changes);
    void notifyBus();

    mutable QMutex mutex;
    QByteArray internal;
    QByteArray external;
    QByteArray ram = QByteArray(int(RamSize), '\0'); // volatile, never saved
    QByteArray testBlock;
    Mode currentMode = Mode::Application;
    quint32 statusWord = 0;
    quint16 idWord = IdentificationWord;
    std::optional<QString> serialOverride;
    std::optional<QByteArray> descriptorOverride;
    int resetMs = 1000;
    ResetBehaviour reset = ResetBehaviour::Drop;
    bool spoilPending = false; // the transfer being served carries a Corrupt fault
    int latency = 0;
    bool flashTime = false;
    bool onBus = true;
    bool powerLost = false;  // unplugged rather than reset: boots anew when back
    qint64 offBusUntil = -1; // -1: until replug()
    int unplugCountdown = 0; // 0: none pending
    qint64 unplugReplugAfter = -1;
    struct ActiveFault
    {
        Fault fault;
        int seen = 0;
    };
    std::vector<ActiveFault> faults;
    struct Range
    {
        Memory memory;
        quint32 address;
        quint32 length;
    };
    std::vector<Range> corruptions;
    QList<Transfer> log;
    std::function<void()> busListener;
    std::function<void(const Change &)> stateListener;
};
