#pragma once

#include "show/scenerecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

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

struct Command
{
    QString name;                                         // "info", "build-upg", ...
    QString synopsis;                                     // "build-upg IN.hex OUT.upg"
    QString summary;                                      // one line for --help
    std::function<int(const QStringList &arguments)> run; // arguments after the name
};

// Standard output and standard error, UTF-8.
QTextStream &out();
QTextStream &err();

// A command whose handler also gets its own description (for usage()).
Command makeCommand(const QString &name, const QString &synopsis, const QString &summary,
                    int (*handler)(const Command &command, const QStringList &arguments));

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
QList<Command> deviceCommands();   // info, status
QList<Command> firmwareCommands(); // build-upg, boot-images, inspect
QList<Command> upgradeCommands();  // upgrade
QList<Command> serviceCommands();  // memory, external flash, page, test block
QList<Command> showCommands();     // programs, scenes, show-file

// inspect of a programs (.pgm) or scenes (.scn) file.
int inspectShowFile(const QString &fileName, Show::Kind kind);

} // namespace Cli
