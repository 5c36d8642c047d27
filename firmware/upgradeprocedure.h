#pragma once

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
    };

    using TextSink = std::function<void(const QString &text)>;
    using PercentSink = std::function<void(int percent)>;

    UpgradeProcedure(USBLC350 &device, TextSink text, PercentSink percent);

    Outcome run(const QString &fileName);

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

    void send(const char *text);

    USBLC350 &m_device;
    TextSink m_text;
    PercentSink m_percent;
    QByteArray m_serial;
};
