#pragma once

#include "firmware/upgradeprocedure.h"
#include "show/scenerecord.h"

#include <QByteArray>
#include <QString>

#include <functional>

class USBLC350;
namespace Show {
struct TransferResult;
}

// lc420-cli --all: one command on every attached driver at once, as a
// production line runs it on a hub full of drivers. Each driver gets its own
// thread and its own device object pinned to its serial (which names it in
// both modes, so it is found again after every reset); the transport lock
// still serialises single transfers only, so one driver's waits overlap the
// others' work. A driver that fails or drops out fails alone.
namespace Cli {

// How one driver's work ended, in plain words: "ok", or "failed: " and why.
struct UnitOutcome
{
    bool ok = false;
    QString result;
    // The driver's status bit 0 may still be set: the result then ends with
    // the command that releases it.
    bool mayLeaveLocked = false;
};

// What a driver's work tells while it runs; thread safe.
class UnitReport
{
public:
    virtual ~UnitReport() = default;
    // A step of the work, or a text it reports.
    virtual void text(const QString &text) = 0;
    // Progress of a long transfer, 0..100.
    virtual void percent(const QString &stage, int percent) = 0;
};

// One driver's work, on its own thread with its own device.
using UnitJob = std::function<UnitOutcome(USBLC350 &device, UnitReport &report)>;

// Runs job on every attached driver at once: progress while they run (on a
// terminal one redrawn line per driver, otherwise one line per driver and
// stage), a line in the --log file as each one ends, and a summary of serial,
// result and seconds at the end (with --json an array). Exit 0 when every
// driver succeeded, 1 when any failed or none was found.
int runOnAllDrivers(const QString &command, const QString &fileName, const QString &fileCheck,
                    const UnitJob &job);

// upgrade --all, programs set --all, scenes set --all.
int upgradeAllDrivers(const QString &fileName);
int setTableOnAllDrivers(Show::Kind kind, const QString &fileName);

// An upgrade's result for the summary and the log: "ok" once the driver runs
// the new firmware, or "failed: " and why.
[[nodiscard]] QString upgradeResult(const UpgradeProcedure::Result &result);

// Records a single driver's programs set or scenes set in the --log file,
// while the device is still open (its serial is read from it; --serial names
// it when it did not answer). Empty when recorded or when no driver can be
// named, else why it was not recorded.
[[nodiscard]] QString logShowSet(USBLC350 &device, Show::Kind kind, const QString &fileName,
                                 const Show::TransferResult &result);

// A show file read whole, at most a generous limit, from a regular file only;
// its bytes are what is written and what the log's SHA-256 is taken of. An
// empty text on success, else why it cannot be used.
struct ShowInput
{
    QByteArray bytes;
    QByteArray table;
};
[[nodiscard]] QString readShowInput(const QString &fileName, Show::Kind kind, ShowInput &input);

} // namespace Cli
