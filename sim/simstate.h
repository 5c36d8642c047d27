#pragma once

#include "sim/lc420model.h"

#include <QString>

// The simulated driver's state on disk, so that what a program writes to it survives
// a restart of lc420-sim. The folder holds:
//   internal-flash.bin   131072 bytes, the controller's flash as it holds it (plain)
//   external-flash.bin   1048576 bytes, the external flash as stored
//   device.ini           [device] serial=..., mode=application|bootloader, status=0x........
// Missing files are written from the model's current state; files of the wrong size or
// with unreadable values are refused (and left untouched).
class SimState
{
public:
    explicit SimState(QString folder);

    // $LC420_SIM_DIR, else "sim-state" in the current folder (make run starts the
    // simulator from build/, hence build/sim-state/).
    [[nodiscard]] static QString defaultFolder();

    [[nodiscard]] QString folder() const { return dir; }

    // Loads what exists into the model and writes what is missing. false and a
    // message when a file cannot be read or written or holds something invalid.
    [[nodiscard]] bool load(Lc420Model &model, QString *error);
    // Writes all three files.
    [[nodiscard]] bool save(const Lc420Model &model, QString *error) const;
    // From now on writes every change of the model to the files as it happens (only
    // the bytes that changed, so a 1 MiB flash is not rewritten per transfer).
    void track(Lc420Model &model);

private:
    [[nodiscard]] bool saveDevice(const Lc420Model &model, QString *error) const;
    [[nodiscard]] bool saveRange(const QString &name, const QByteArray &bytes, qint64 offset,
                                 QString *error) const;
    [[nodiscard]] QString path(const char *name) const;

    QString dir;
};
