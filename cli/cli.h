#pragma once

#include "show/scenerecord.h"
#include "show/showfile.h"
#include "usb/driverinfo.h"
#include "usb/usblc350.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QJsonObject;
class QTextStream;

// lc420-cli: subcommands on the same core as the GUI, for production lines,
// scripts and support.
namespace Cli {

// Exit codes of every subcommand.
enum Exit : int {
    Success = 0,
    DeviceFailure = 1, // the driver is missing, refused a transfer or failed a check
    UsageError = 2,    // wrong arguments
    FileError = 3,     // a bad, unreadable or unwritable file
};

// What a command takes besides its own arguments.
enum Trait : int {
    UsesDriver = 1, // talks to a driver: --serial picks it, several without it refuse
    Json = 2,       // --json prints one JSON object instead of the text
    AllDrivers = 4, // --all runs it on every attached driver at once
    Logged = 8,     // --log FILE.csv records each driver it changed
};

struct Command
{
    QString name;                                         // "info", "build-upg", ...
    QString synopsis;                                     // "build-upg IN.hex OUT.upg"
    QString summary;                                      // one line for --help
    std::function<int(const QStringList &arguments)> run; // arguments after the name
    int traits = 0;
};

// The options that hold for every command, taken from anywhere on the line.
struct GlobalOptions
{
    QByteArray serial; // --serial SERIAL: the driver to use, in either mode
    bool json = false; // --json
    bool all = false;  // --all: every attached driver at once
    QString logFile;   // --log FILE.csv: the production record (see productionlog.h)
};
GlobalOptions &globalOptions();

// The driver as every command opens it: limited to the --serial driver, fixed
// to the driver its first connect found for the rest of the command, and
// remembering why its last connect failed when the system refused this user
// a driver (see accessProblem()).
class Device : public USBLC350
{
public:
    Device();
};

// The explanation of the last failed connect of any Device when the system
// refused this user a driver; empty otherwise.
[[nodiscard]] QString accessProblem();

// Prints why device could not reach its driver (Connection::describe) to
// standard error; the access problem is then not repeated at the end.
void reportConnection(const UsbDevice &device);
void reportConnection(const Connection::Result &result);
[[nodiscard]] bool connectionReported();

// Status bit 0 of the driver with this serial in plain words: free, or left
// locked by an interrupted Get or Set, and how to release it.
[[nodiscard]] QString lockText(quint32 status, const QByteArray &serial);

// "application", "bootloader" or "unknown".
[[nodiscard]] QString modeName(DriverInfo::Mode mode);

// Writes object to standard output as indented JSON.
void printJson(const QJsonObject &object);

// The drivers of listDrivers() as a table: bus, device, serial and mode.
void printDrivers(QTextStream &stream, const QList<UsbDevice::Found> &drivers);

// Standard output and standard error, UTF-8.
QTextStream &out();
QTextStream &err();

// A command whose handler also gets its own description (for usage()).
Command makeCommand(const QString &name, const QString &synopsis, const QString &summary,
                    int (*handler)(const Command &command, const QStringList &arguments),
                    int traits = 0);

// Prints "lc420-cli: <message>" and the command's synopsis to standard error;
// returns UsageError.
int usage(const Command &command, const QString &message);

// Progress of a long transfer: a redrawn bar on a terminal, plain lines
// ("label: 42%") when standard output is not a terminal.
class Progress
{
public:
    explicit Progress(QString label);
    ~Progress();
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

    void setPercent(int percent);
    void finish(); // ends the bar's line; also done by the destructor

private:
    QString m_label;
    int m_percent = -1;
    int m_loggedTenth = -1;
    bool m_open = false;
    bool m_terminal;
};

// The subcommands, grouped by the file that implements them.
QList<Command> deviceCommands();   // list, info, status
QList<Command> firmwareCommands(); // build-upg, boot-images, inspect
QList<Command> upgradeCommands();  // upgrade
QList<Command> serviceCommands();  // memory, external flash, page, test block
QList<Command> showCommands();     // programs, scenes, show-file

// The tool's own texts in the user's language (context "Cli" of the
// catalogues the window uses too).
[[nodiscard]] QString tr(const char *text, const char *disambiguation = nullptr, int n = -1);

// "programs" or "scenes": the command's name, and the kind in JSON and in
// the production log (never translated).
[[nodiscard]] QString kindName(Show::Kind kind);
// Why a show file was refused, naming the file, and which command takes it
// when it is a show file of the other kind; empty for a good one.
[[nodiscard]] QString fileError(const Show::FileContents &contents, const QString &fileName,
                                Show::Kind kind);
// The command that releases a driver's status bit 0 (with --serial when one
// was given), as a sentence to print after a failure that may leave it set.
[[nodiscard]] QString releaseHint(const QByteArray &serial = globalOptions().serial);

// inspect of a programs (.pgm) or scenes (.scn) file.
int inspectShowFile(const QString &fileName, Show::Kind kind);

} // namespace Cli
