#pragma once

#include <QByteArray>
#include <QString>

// Why the program could or could not reach the driver it wants: the outcome of
// a connect, or of a transfer on a driver that was open. Every front end names
// the cause through describe() and adds only its own next step.
namespace Connection {

enum class Outcome {
    Connected,         // open and identified (the chosen driver, when one is chosen)
    NoDriver,          // no Lc420 on the buses
    NoPermission,      // an Lc420 is there, but the system refuses this user (no udev rule)
    Unavailable,       // an Lc420 is there, but could not be opened (another program has it)
    ChosenGone,        // the chosen driver is not on the buses (others may be)
    SeveralNoneChosen, // several Lc420 are attached and none is chosen: none was touched
    TimedOut,          // the open driver did not answer within the transfer's time-out
    Unplugged,         // the open driver went off the bus during a transfer
    Refused,           // the open driver refused a transfer (a stall or another error)
};

struct Result
{
    Outcome outcome = Outcome::Connected;
    // The driver's nine digits: the chosen one for ChosenGone, the command's
    // for Unplugged and TimedOut once a command was fixed to it.
    QByteArray serial;
    QByteArray bus;    // the refused device, for NoPermission and Unavailable: "001"
    QByteArray device; // "007"
    int drivers = 0;   // how many are attached, for SeveralNoneChosen

    [[nodiscard]] bool ok() const { return outcome == Outcome::Connected; }
    // True once a driver was open: whatever failed then may have changed it.
    // False when none was reached (none attached, no permission, in use,
    // the chosen one gone, several and none chosen).
    [[nodiscard]] bool reachedDriver() const
    {
        return ok() || outcome == Outcome::TimedOut || outcome == Outcome::Unplugged
               || outcome == Outcome::Refused;
    }
};

// The outcome of a failed transfer, from the negative errno libusb-0.1 gave.
[[nodiscard]] Outcome fromTransferError(int error);

// One sentence for the outcome, neutral about who shows it; empty for
// Connected.
[[nodiscard]] QString describe(const Result &result);

// The serial without the bootloader's "b": "261107001b" gives "261107001".
[[nodiscard]] QByteArray plainSerial(const QByteArray &serial);

} // namespace Connection
