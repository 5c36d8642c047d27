#pragma once

#include "firmware/upgradefile.h"
#include "usb/connection.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

class USBLC350;

// The firmware upgrade, step by step: checks the upgrade file, brings the
// driver into its bootloader, writes and reads back every application page,
// writes and verifies the external-flash block, and starts the new
// application. Reports through the two callbacks only; every wait goes through
// the clock seam. Runs on whatever thread calls run() (the GUI's worker thread
// or the command-line tool's main thread).
//
// Nothing that failed verification is ever started: a page that reads back
// wrong (or cannot be read back) leaves the driver in its bootloader, where the
// next run rewrites everything.
//
// The driver's bootloader starts the application only when the check word in
// the last application page matches. That page is therefore erased before any
// other page is written, and written with its new contents only after every
// other page and the external flash have verified: an upgrade cut short at any
// point leaves a driver that either stays in its bootloader or runs complete
// firmware, never a new application over an old or half-written external flash.
class UpgradeProcedure
{
public:
    enum class Outcome {
        NoFile,        // no file name given: nothing done
        BadFile,       // wrong header, version or a damaged image: driver untouched
        NoDriver,      // no driver found, or it did not come back in its bootloader
        DriverRefused, // version read, page write or external flash failed
        VerifyFailed,  // what was written did not read back the same
        Started,       // everything verified and the new application started
        Running,       // started, and the driver came back running it (runAndConfirm)
        NotBack,       // started, but the driver did not come back running it
    };

    // Where a run left the driver: what the user may rely on afterwards.
    enum class DriverLeft {
        Untouched,    // nothing was sent that changes it (or no driver was reached)
        Resetting,    // told to start its bootloader; it never came back as expected
        InBootloader, // in its bootloader, firmware not (completely) written
        Started,      // told to start the new firmware
    };

    // Who answered with the driver's serial when the run had ended: how the
    // driver is now, as far as the bus tells.
    enum class Answer {
        NotAsked,    // the run ended before anything was sent that changes the driver
        Application, // its application: it runs firmware (the new one after Running)
        Bootloader,  // its bootloader: it waits for an upgrade
        Nothing,     // nothing with its serial answered (unplugged, powered off, or hung)
    };

    // The outcome of a whole upgrade, as the window and lc420-cli report it.
    struct Result
    {
        Outcome outcome = Outcome::NoFile;
        DriverLeft driver = DriverLeft::Untouched;
        Answer answer = Answer::NotAsked;
        QByteArray serial; // the driver's serial without the bootloader's "b"; may be empty
        // How the transfer that ended a failed run failed (Connected: none did).
        Connection::Outcome transfer = Connection::Outcome::Connected;

        [[nodiscard]] bool succeeded() const { return outcome == Outcome::Running; }
    };

    using TextSink = std::function<void(const QString &text)>;
    using PercentSink = std::function<void(int percent)>;

    UpgradeProcedure(USBLC350 &device, TextSink text, PercentSink percent);

    // The procedure alone: ends with Started once the new firmware was told to run.
    Outcome run(const QString &fileName);
    // The same with the file already read: what is sent is exactly file, and
    // fileName only names it in the log.
    Outcome run(const QString &fileName, const Upgrade::FileContents &file);

    // run(), and after Started waits until the same driver is back on the bus
    // running its application (Running), else NotBack. A run that changed the
    // driver and failed then asks the bus once more who answers, so that the
    // summary tells how the driver is now rather than where the run stopped.
    [[nodiscard]] Result runAndConfirm(const QString &fileName);
    [[nodiscard]] Result runAndConfirm(const QString &fileName, const Upgrade::FileContents &file);

    // The serial-number string of the driver this run upgraded (as it reported it
    // first); empty before a driver was found.
    [[nodiscard]] QByteArray driverSerial() const { return m_serial; }

private:
    // Each step returns the outcome to stop with, or nothing to go on.
    std::optional<Outcome> bringIntoBootloader();
    std::optional<Outcome> writeInternalFlash(const QByteArray &application);
    std::optional<Outcome> writeExternalFlash(const QByteArray &external);
    Outcome writeCheckWordPageAndStart(const QByteArray &application);

    enum class PageResult { Verified, Differs, ReadFailed, WriteFailed };
    PageResult writePage(const char *contents, quint32 address);
    std::optional<Outcome> anotherDriverAnswered(const QByteArray &serial);
    [[nodiscard]] Answer comesBackRunning();
    [[nodiscard]] Answer askDriver();
    [[nodiscard]] QByteArray applicationSerial() const;

    void send(const char *text);

    USBLC350 &m_device;
    TextSink m_text;
    PercentSink m_percent;
    QByteArray m_serial;
    DriverLeft m_left = DriverLeft::Untouched;
};

// What came of the upgrade for the user, in neutral words that any front end
// can show: after a failure, how the driver is now (runs firmware, waits in
// its bootloader, or does not answer) and what to do next, naming no button
// or command; a front end may add its own way to do it. Empty for NoFile
// (nothing was asked of the driver, nothing to tell).
[[nodiscard]] QString describe(const UpgradeProcedure::Result &result);
