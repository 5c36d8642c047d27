#pragma once

#include "show/patterns.h"
#include "show/scenerecord.h"
#include "show/showfile.h"
#include "usb/driverinfo.h"
#include "usb/usblc350.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QJsonArray;
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

// One entry of a help text: a command's synopsis or an option, and what it
// does (translated).
struct HelpEntry
{
    QString term;
    QString text;
};

struct Command
{
    QString name;                                         // "info", "build-upg", ...
    QString synopsis;                                     // "build-upg IN.hex OUT.upg", translated
    QString summary;                                      // what it does, for --help
    std::function<int(const QStringList &arguments)> run; // arguments after the name
    int traits = 0;
    // The options of its own, for "lc420-cli NAME --help".
    QList<HelpEntry> options;
    // The first argument that picks this entry's help when several entries
    // share a name ("fill" of "programs fill"); empty for the main entry.
    QString variant;
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

// Writes object (or array) to standard output as indented JSON: with --json
// the one document a command prints.
void printJson(const QJsonObject &object);
void printJsonArray(const QJsonArray &array);
// Whether a JSON document was printed in this run.
[[nodiscard]] bool jsonPrinted();
// The lines written to standard error in this run, escape sequences and
// progress left out: what a JSON document tells of a failure.
[[nodiscard]] QStringList errorLines();

// The drivers of listDrivers() as a table: bus, device, serial and mode.
void printDrivers(QTextStream &stream, const QList<UsbDevice::Found> &drivers);

// Standard output and standard error, UTF-8.
QTextStream &out();
QTextStream &err();

// A command whose handler also gets its own description (for usage()).
Command makeCommand(const QString &name, const QString &synopsis, const QString &summary,
                    int (*handler)(const Command &command, const QStringList &arguments),
                    int traits = 0);

// command with its own options listed in its help, and picked for
// "lc420-cli NAME VARIANT --help" when variant is given.
[[nodiscard]] Command withOptions(Command command, QList<HelpEntry> options, QString variant = {});

// Prints "lc420-cli: <message>" and the command's synopsis to standard error;
// returns UsageError.
int usage(const Command &command, const QString &message);

// Help texts fit a terminal of this many columns, in every language.
inline constexpr int HelpWidth = 80;
// text broken into lines of at most width columns at its spaces, every line
// after the first indented by indent (the first is where the caller is);
// firstColumn is where the first line starts. Line breaks in text are kept.
[[nodiscard]] QString wrapText(const QString &text, int indent, int firstColumn = 0,
                               int width = HelpWidth);
// The help's layout of a list of commands or options: each term on its line
// two columns in, its text below it six columns in, wrapped.
void printHelpEntries(QTextStream &stream, const QList<HelpEntry> &entries);
// A command's own help: its usage, what it does and its options.
void printCommandHelp(QTextStream &stream, const Command &command);

// Progress of a long transfer on standard error: one line redrawn in place
// (a bar) when standard error is a terminal, nothing at all in a file or a
// pipe, so that neither a log nor a JSON reader gets a line per step.
class Progress
{
public:
    explicit Progress(QString label);
    ~Progress();
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

    void setPercent(int percent);
    void finish(); // ends the bar's line; also done by the destructor

    // Whether bars are drawn at all: standard error is a terminal.
    [[nodiscard]] static bool shown();
    // The bar as drawn: label, a bar that fits HelpWidth columns, "42 %".
    [[nodiscard]] static QString bar(const QString &label, int percent, int width = HelpWidth);

private:
    QString m_label;
    int m_percent = -1;
    bool m_open = false;
    bool m_terminal;
};

// A count or a length for a person, in the user's locale's digits and
// without group separators; JSON and CSV take plain numbers instead.
[[nodiscard]] QString number(qint64 value);
[[nodiscard]] QString seconds(double value); // one decimal: "8,9" in Polish
// A size: "131090 bytes" in the user's words, plural form and digits.
[[nodiscard]] QString bytes(qint64 size);

// A command to suggest, as the user would type it: "lc420-cli", the global
// options this run was given (--serial, --all, --json, --log) unless
// withOptions is false, then arguments, each quoted for a shell when it
// needs it.
[[nodiscard]] QString suggestion(const QStringList &arguments, bool withOptions = true);
// The same with the serial given instead of --serial and --all (a command for
// one driver of an --all run).
[[nodiscard]] QString suggestionFor(const QByteArray &serial, const QStringList &arguments);

// The words the command line takes (pattern names, colours, directions, "all"
// lamps) in English, always accepted so that scripts run under any locale,
// and as the user's language names them. Each stands in the catalogue with
// the comment KeywordComment.
inline constexpr char KeywordComment[] = "command-line word";
// The keyword as the user's language names it.
[[nodiscard]] QString keywordText(const char *english);
// The English keyword among words that input names in either language (any
// case), or empty.
[[nodiscard]] QString englishKeyword(const QString &input, const QList<const char *> &words);
// The pattern names of programs fill and scenes fill, in the user's words,
// and the pattern a name (English or translated) picks.
[[nodiscard]] QString patternWord(Show::Pattern pattern);
[[nodiscard]] QStringList patternWords();
[[nodiscard]] std::optional<Show::Pattern> patternFromWord(const QString &word);

// The subcommands, grouped by the file that implements them.
QList<Command> deviceCommands();   // list, info, status
QList<Command> firmwareCommands(); // build-upg, boot-images, inspect
QList<Command> upgradeCommands();  // upgrade
QList<Command> verifyCommands();   // verify-firmware
QList<Command> serviceCommands();  // memory, external flash, page, test block
QList<Command> showCommands();     // programs, scenes, show-file

// The tool's own texts in the user's language (context "Cli" of the
// catalogues the window uses too).
[[nodiscard]] QString tr(const char *text, const char *disambiguation = nullptr, int n = -1);

// "programs" or "scenes": the command's name, and the kind in JSON and in
// the production log (never translated).
[[nodiscard]] QString kindName(Show::Kind kind);
// Why a show file was refused, naming the file; when it is a show file of
// the other kind and the command can take that kind, the same command for
// it: arguments are the command's own after the kind ({"verify", "x.pgm"}),
// none for no suggestion.
[[nodiscard]] QString fileError(const Show::FileContents &contents, const QString &fileName,
                                Show::Kind kind, const QStringList &arguments = {});
// The command that releases a driver's status bit 0 (with --serial when one
// was given), as a sentence to print after a failure that may leave it set.
[[nodiscard]] QString releaseHint(const QByteArray &serial = globalOptions().serial);

// show-file --play [--program N] [--loops N]: a program played on the
// terminal, one step per Scene Time, until Ctrl+C or `loops` rounds.
struct PlayOptions
{
    bool play = false;
    int program = 0; // zero-based
    int loops = 0;   // rounds from step 1 to the program's end; 0: until Ctrl+C
};
// Takes --play, --program and --loops out of arguments; the reason for a
// usage error, empty when they are right.
[[nodiscard]] QString takePlayOptions(QStringList &arguments, PlayOptions &options);
// Plays options.program of a programs table on standard output: colour
// blocks when coloured, else #rrggbb. Ctrl+C ends it as a success.
int playProgram(const QByteArray &table, const PlayOptions &options, bool coloured);
// For a file given to upgrade that is an Intel HEX file (by its name or its
// first byte): the build-upg command that makes an upgrade file of it.
// Empty for any other file.
[[nodiscard]] QString hexFileHint(const QString &fileName);

// inspect of a programs (.pgm) or scenes (.scn) file.
int inspectShowFile(const QString &fileName, Show::Kind kind);

} // namespace Cli
