#pragma once

#include "firmware/upgradefile.h"
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

// The serial a single driver's line in the --log file names: the one it
// reports (without the bootloader's "b"), else --serial, else empty. Leaves
// the device connected when a driver answered.
[[nodiscard]] QByteArray unitSerial(USBLC350 &device);

// Records a single driver's programs set or scenes set in the --log file.
// Empty when recorded or when there is no log, else why it was not recorded.
[[nodiscard]] QString logShowSet(const QByteArray &serial, Show::Kind kind, const QString &fileName,
                                 const QString &check, const Show::TransferResult &result);

// The input of every command that sends a file, read once before any driver
// is touched: what the drivers get and what the log records both come from
// that one reading. Both paths (one driver or --all) accept exactly the same
// files: the show file reader's rules, which skip whatever follows the table
// as the window does; the work is bounded by the table, never by what a
// length field claims. An empty text on success, else why the file cannot be
// used.
struct ShowInput
{
    // With withCheck (a --log run) only: the SHA-256 of the show file as
    // sent, its header, version and table (Show::fileSha256); for a file this
    // program wrote, what sha256sum prints for it.
    QString sha256;
    QByteArray table; // what is written to the driver
};
[[nodiscard]] QString readShowInput(const QString &fileName, Show::Kind kind, ShowInput &input,
                                    bool withCheck);
[[nodiscard]] QString readUpgradeInput(const QString &fileName, Upgrade::FileContents &file);

} // namespace Cli
