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

private:
    // Each step returns the outcome to stop with, or nothing to go on.
    std::optional<Outcome> bringIntoBootloader();
    std::optional<Outcome> writeInternalFlash(const QByteArray &application);
    Outcome writeExternalFlashAndStart(const QByteArray &external);

    void send(const char *text);
    void sendSerial();

    USBLC350 &m_device;
    TextSink m_text;
    PercentSink m_percent;
};
