// lc420-sim [options] -- COMMAND...
//
// Runs COMMAND against the simulated Lc420: the driver is emulated below the real
// libusb-0.1 with umockdev, its state is kept in $LC420_SIM_DIR (default ./sim-state)
// and saved after every change. With --driver SERIAL (repeated) several drivers are
// attached, each with its state in $LC420_SIM_DIR/SERIAL; the driver options after a
// --driver apply to that driver alone, those before the first --driver to every
// driver. Exits with COMMAND's exit code.
//
// The launcher runs under the umockdev preload itself (it starts itself again with
// it): the events that tell a udev monitor in COMMAND of a plug or an unplug can be
// made only there.

#include "sim/lc420model.h"
#include "sim/simhost.h"
#include "sim/simstate.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <list>
#include <map>
#include <mutex>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::atomic<pid_t> childPid{0};

// Ctrl-C reaches the command too (same process group); the simulator keeps serving
// until the command has ended. A termination request is passed on.
void forwardSignal(int signal)
{
    const pid_t pid = childPid.load();
    if (pid > 0 && signal != SIGINT)
        kill(pid, signal);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "lc420-sim: %s\n", qUtf8Printable(message));
    return 2;
}

bool readCount(const QCommandLineParser &parser, const QString &name, int minimum, int *value)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    *value = parser.value(name).toInt(&ok);
    return ok && *value >= minimum;
}

// What a driver is started with: its mode, timing and faults.
struct ModelOptions
{
    QString mode;
    int latency = 0, resetTime = 1000, failTransfer = 0, failNext = 0, failAt = 0, stallAt = 0,
        count = 1, corruptAt = 0, unplugAfter = 0, replugAfter = 3000, plugAt = -1, unplugAt = -1;
    bool resetAck = false, wrongId = false, noAccess = false;
};

// The options parser holds, over those of base; an error text for a bad value.
QString readModelOptions(const QCommandLineParser &parser, ModelOptions &options)
{
    if (!readCount(parser, QStringLiteral("latency"), 0, &options.latency)
        || !readCount(parser, QStringLiteral("reset-time"), 0, &options.resetTime)
        || !readCount(parser, QStringLiteral("fail-transfer"), 1, &options.failTransfer)
        || !readCount(parser, QStringLiteral("fail-next"), 1, &options.failNext)
        || !readCount(parser, QStringLiteral("fail-at"), 1, &options.failAt)
        || !readCount(parser, QStringLiteral("stall-at"), 1, &options.stallAt)
        || !readCount(parser, QStringLiteral("count"), 1, &options.count)
        || !readCount(parser, QStringLiteral("corrupt-at"), 1, &options.corruptAt)
        || !readCount(parser, QStringLiteral("unplug-after"), 1, &options.unplugAfter)
        || !readCount(parser, QStringLiteral("replug-after"), -1, &options.replugAfter)
        || !readCount(parser, QStringLiteral("plug-at"), 0, &options.plugAt)
        || !readCount(parser, QStringLiteral("unplug-at"), 0, &options.unplugAt))
        return QStringLiteral("a number option has a bad value (see --help)");
    if (options.plugAt >= 0 && options.unplugAt >= 0 && options.unplugAt <= options.plugAt)
        return QStringLiteral("--unplug-at must come later than --plug-at");
    if (parser.isSet(QStringLiteral("count")) && options.failAt == 0 && options.stallAt == 0
        && options.corruptAt == 0)
        return QStringLiteral("--count goes with --fail-at, --stall-at or --corrupt-at");
    if (parser.isSet(QStringLiteral("mode"))) {
        options.mode = parser.value(QStringLiteral("mode"));
        if (options.mode != QLatin1String("application")
            && options.mode != QLatin1String("bootloader"))
            return QStringLiteral("--mode takes application or bootloader");
    }
    options.resetAck = options.resetAck || parser.isSet(QStringLiteral("reset-ack"));
    options.wrongId = options.wrongId || parser.isSet(QStringLiteral("wrong-id"));
    options.noAccess = options.noAccess || parser.isSet(QStringLiteral("no-access"));
    return {};
}

void applyModelOptions(const ModelOptions &options, Lc420Model &model)
{
    // Starting the simulator is plugging the driver in.
    if (options.mode.isEmpty())
        model.powerUp();
    else
        model.setMode(options.mode == QLatin1String("application") ? Lc420Model::Mode::Application
                                                                   : Lc420Model::Mode::Bootloader);
    model.setLatencyMs(options.latency);
    // The simulator stands for real drivers in the demo, the command-line tests
    // and the benchmarks: their writes take a controller's flash time.
    model.setFlashTimed(true);
    model.setResetTimeMs(options.resetTime);
    if (options.resetAck)
        model.setResetBehaviour(Lc420Model::ResetBehaviour::Acknowledge);
    if (options.failTransfer > 0)
        model.failTransfer(options.failTransfer);
    if (options.failAt > 0)
        model.failTransfers(options.failAt, options.count);
    if (options.stallAt > 0)
        model.stallTransfers(options.stallAt, options.count);
    if (options.corruptAt > 0)
        model.corruptTransfers(options.corruptAt, options.count);
    if (options.failNext > 0)
        model.failNextTransfers(options.failNext, Lc420Model::Match::commands());
    if (options.unplugAfter > 0)
        model.unplugAfterTransfers(options.unplugAfter, options.replugAfter);
    if (options.wrongId)
        model.setIdentificationWord(Lc420Model::IdentificationWord + 1);
}

// Plugs and unplugs at given times after the command starts, on a thread of its own.
class Schedule
{
public:
    Schedule() = default;
    Schedule(const Schedule &) = delete;
    Schedule &operator=(const Schedule &) = delete;
    ~Schedule()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopping = true;
        }
        condition.notify_all();
        if (thread.joinable())
            thread.join();
    }

    void add(int atMs, std::function<void()> action) { actions.emplace(atMs, std::move(action)); }

    void start()
    {
        if (actions.empty())
            return;
        const auto started = std::chrono::steady_clock::now();
        thread = std::thread([this, started] {
            std::unique_lock<std::mutex> lock(mutex);
            for (const auto &[atMs, action] : actions) {
                if (condition.wait_until(lock, started + std::chrono::milliseconds(atMs),
                                         [this] { return stopping; }))
                    return;
                action();
            }
        });
    }

private:
    std::multimap<int, std::function<void()>> actions;
    std::thread thread;
    std::mutex mutex;
    std::condition_variable condition;
    bool stopping = false;
};

// The options before "--" cut at each --driver: the first part holds what
// stands before any --driver, each further part one driver's serial and the
// options that follow it.
struct OptionPart
{
    QByteArray serial; // empty for the first part
    QStringList options;
};
QList<OptionPart> splitAtDrivers(const QStringList &options)
{
    QList<OptionPart> parts(1);
    for (qsizetype i = 1; i < options.size(); ++i) {
        const QString &option = options.at(i);
        if (option == QLatin1String("--driver") && i + 1 < options.size()) {
            parts.append({options.at(++i).toLatin1(), {}});
        } else if (option.startsWith(QLatin1String("--driver="))) {
            parts.append({option.mid(9).toLatin1(), {}});
        } else {
            parts.last().options.append(option);
        }
    }
    return parts;
}

// Starts this program again under the umockdev preload, unless it runs there
// already. Returns only if that failed.
void runUnderPreload(char *argv[])
{
    if (SimHost::inMockEnvironment())
        return;
    QByteArray preload("libumockdev-preload.so.0");
    const QByteArray existing = qgetenv("LD_PRELOAD");
    if (!existing.isEmpty())
        preload += ':' + existing;
    qputenv("LD_PRELOAD", preload);
    execv("/proc/self/exe", argv);
    std::fprintf(stderr, "lc420-sim: cannot start under the umockdev preload: %s\n",
                 std::strerror(errno));
}

int runCommand(const QStringList &command)
{
    std::vector<QByteArray> storage;
    storage.reserve(command.size());
    for (const QString &argument : command)
        storage.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    argv.reserve(storage.size() + 1);
    for (QByteArray &argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // The command reaches the emulated device through the umockdev preload, which
    // it inherits with the environment (UMOCKDEV_DIR was set when the testbed was
    // created).
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        return fail(QStringLiteral("cannot start %1: %2")
                        .arg(command.first(), QString::fromLocal8Bit(std::strerror(errno))));
    if (pid == 0) {
        execvp(argv[0], argv.data());
        const char message[] = "lc420-sim: cannot run the command\n";
        [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
        _exit(127);
    }
    childPid = pid;

    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return fail(QStringLiteral("lost the command: %1")
                            .arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    childPid = 0;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    runUnderPreload(argv);
    if (!SimHost::inMockEnvironment())
        return 2;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lc420-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs COMMAND against a simulated Lc420 driver (emulated USB device).\n"
                       "The driver's memories are kept in $LC420_SIM_DIR (default: ./sim-state)\n"
                       "and saved after every change.\n\n"
                       "Example: lc420-sim -- ./lc420-cli info"));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("COMMAND"),
        QStringLiteral("The program to run, with its arguments (after --)."),
        QStringLiteral("-- COMMAND..."));
    const QList<QCommandLineOption> simOptions{
        {QStringLiteral("serial"),
         QStringLiteral("Store this serial number (nine digits) in the driver."),
         QStringLiteral("DIGITS")},
        {QStringLiteral("mode"),
         QStringLiteral("Start in this mode instead of booting anew: application or bootloader. By "
                        "default the driver boots like one just plugged in: the bootloader starts "
                        "the application if its check word is right, else it stays."),
         QStringLiteral("MODE")},
        {QStringLiteral("latency"),
         QStringLiteral("Wait this long before answering each transfer."), QStringLiteral("MS")},
        {QStringLiteral("reset-time"),
         QStringLiteral("Time off the bus after a reset (default 1000)."), QStringLiteral("MS")},
        {QStringLiteral("reset-ack"),
         QStringLiteral(
             "Complete a reset request (4) before leaving the bus. By default the driver drops off "
             "the bus without completing it, as a resetting controller does.")},
        {QStringLiteral("fail-transfer"), QStringLiteral("The Nth control transfer times out."),
         QStringLiteral("N")},
        {QStringLiteral("fail-next"),
         QStringLiteral("The next N vendor commands (requests 1..9) time out."),
         QStringLiteral("N")},
        {QStringLiteral("fail-at"),
         QStringLiteral("From the Nth control transfer on, --count transfers time out at once."),
         QStringLiteral("N")},
        {QStringLiteral("stall-at"),
         QStringLiteral("From the Nth control transfer on, --count transfers are held until the "
                        "host's time-out (2000 ms) has run out."),
         QStringLiteral("N")},
        {QStringLiteral("count"),
         QStringLiteral(
             "How many transfers --fail-at, --stall-at and --corrupt-at hit (default 1)."),
         QStringLiteral("K")},
        {QStringLiteral("corrupt-at"),
         QStringLiteral("The Nth control transfer (and --count in all from there) carries one "
                        "wrong byte: in its reply, or in the data the driver stores."),
         QStringLiteral("N")},
        {QStringLiteral("unplug-after"), QStringLiteral("Unplug the driver after N transfers."),
         QStringLiteral("N")},
        {QStringLiteral("replug-after"),
         QStringLiteral("Plug it in again this long after an unplug (default 3000; -1: never)."),
         QStringLiteral("MS")},
        {QStringLiteral("plug-at"),
         QStringLiteral("Plug the driver in this long after COMMAND starts; it is absent until "
                        "then and boots like one just plugged in."),
         QStringLiteral("MS")},
        {QStringLiteral("unplug-at"),
         QStringLiteral("Unplug the driver this long after COMMAND starts; --replug-after "
                        "applies."),
         QStringLiteral("MS")},
        {QStringLiteral("wrong-id"),
         QStringLiteral("Answer the identification request with a wrong word.")},
        {QStringLiteral("impostor"), QStringLiteral("Add a second device with the same ids and a "
                                                    "wrong identification word, listed first.")},
        {QStringLiteral("driver"),
         QStringLiteral("Attach a driver with this serial number, its state in "
                        "$LC420_SIM_DIR/SERIAL; repeat for several drivers on one host. Mode, "
                        "timing and fault options after a --driver apply to that driver alone; "
                        "those before the first --driver apply to every driver."),
         QStringLiteral("SERIAL")},
        {QStringLiteral("no-access"),
         QStringLiteral("Refuse this user the device, as a system without the udev rule does.")},
    };
    parser.addOptions(simOptions);

    const QStringList arguments = QCoreApplication::arguments();
    const int separator = int(arguments.indexOf(QStringLiteral("--")));
    const QStringList options = separator < 0 ? arguments : arguments.mid(0, separator);
    const QStringList command = separator < 0 ? QStringList() : arguments.mid(separator + 1);
    if (!parser.parse(options))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (!parser.positionalArguments().isEmpty() || command.isEmpty())
        return fail(QStringLiteral("usage: lc420-sim [options] -- COMMAND... (see --help)"));

    // Options before the first --driver hold for every driver; those after a
    // --driver add to them for that driver alone.
    const QList<OptionPart> parts = splitAtDrivers(options);
    ModelOptions common;
    {
        QCommandLineParser partParser;
        partParser.addOptions(simOptions);
        if (!partParser.parse(QStringList{arguments.first()} + parts.first().options))
            return fail(partParser.errorText());
        if (const QString error = readModelOptions(partParser, common); !error.isEmpty())
            return fail(error);
    }
    const auto validSerial = [](const QByteArray &text) {
        return !text.isEmpty() && text.size() <= 15 && !text.contains('/');
    };
    const QByteArray serial = parser.value(QStringLiteral("serial")).toLatin1();
    if (parser.isSet(QStringLiteral("serial")) && !validSerial(serial))
        return fail(QStringLiteral("--serial takes 1 to 15 characters"));

    // One driver in the state folder itself, or one per --driver in a folder named
    // after its serial.
    struct Driver
    {
        Lc420Model model;
        QString folder;
        QByteArray serial;
        ModelOptions options;
    };
    std::list<Driver> drivers; // the models outlive the host that serves them
    if (parts.size() == 1) {
        Driver &driver = drivers.emplace_back();
        driver.folder = SimState::defaultFolder();
        driver.serial = serial;
        driver.options = common;
    }
    for (const OptionPart &part : parts.mid(1)) {
        if (!validSerial(part.serial) || part.serial == "." || part.serial == "..")
            return fail(QStringLiteral("--driver takes 1 to 15 characters, no \"/\""));
        for (const Driver &other : drivers) {
            if (other.serial == part.serial)
                return fail(QStringLiteral("--driver %1 is given twice")
                                .arg(QString::fromLatin1(part.serial)));
        }
        Driver &driver = drivers.emplace_back();
        driver.folder = QDir(SimState::defaultFolder()).filePath(QString::fromLatin1(part.serial));
        driver.serial = part.serial;
        driver.options = common;
        QCommandLineParser partParser;
        partParser.addOptions(simOptions);
        if (!partParser.parse(QStringList{arguments.first()} + part.options))
            return fail(partParser.errorText());
        for (const char *hostWide : {"serial", "impostor"}) {
            if (partParser.isSet(QString::fromLatin1(hostWide)))
                return fail(QStringLiteral("--%1 goes before the first --driver")
                                .arg(QString::fromLatin1(hostWide)));
        }
        if (const QString error = readModelOptions(partParser, driver.options); !error.isEmpty())
            return fail(
                QStringLiteral("--driver %1: %2").arg(QString::fromLatin1(part.serial), error));
    }
    if (parts.size() > 1 && parser.isSet(QStringLiteral("serial")))
        return fail(QStringLiteral("--serial is for a single driver; --driver names each serial"));

    std::list<SimState> states;
    for (Driver &driver : drivers) {
        Lc420Model &model = driver.model;
        SimState &state = states.emplace_back(driver.folder);
        QString error;
        if (!state.load(model, &error))
            return fail(error);
        state.track(model);
        if (!driver.serial.isEmpty())
            model.setSerial(driver.serial);
        applyModelOptions(driver.options, model);
    }

    Lc420Model impostor; // outlives the host that serves it
    SimHost host;
    if (parser.isSet(QStringLiteral("impostor"))) {
        impostor.setIdentificationWord(Lc420Model::IdentificationWord + 1);
        host.addDevice(impostor);
    }
    Schedule schedule; // ends before the host
    for (Driver &driver : drivers) {
        Lc420Model &model = driver.model;
        const ModelOptions &timing = driver.options;
        if (timing.plugAt > 0) {
            model.unplug();
            schedule.add(timing.plugAt, [&model] { model.replug(); });
        }
        if (timing.unplugAt >= 0) {
            const qint64 replugAfter = timing.replugAfter;
            schedule.add(timing.unplugAt, [&model, replugAfter] { model.unplug(replugAfter); });
        }
        host.addDevice(model);
        host.setAccessDenied(model, timing.noAccess);
    }
    host.sync();

    schedule.start();
    return runCommand(command);
}
