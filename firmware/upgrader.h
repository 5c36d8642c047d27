#pragma once

#include "firmware/firmwareverify.h"
#include "firmware/upgradeprocedure.h"

#include <QMutex>
#include <QString>
#include <QThread>

class USBLC350;

// Runs the firmware upgrade on its own thread so the window stays responsive.
// It reaches the window only through its signals (queued across threads): the
// log lines and the progress while it runs, and the outcome as a value at the
// end, which the window reports once the thread has finished. The device
// object is the window's and must outlive the thread's run.
class Upgrader : public QThread
{
    Q_OBJECT

public:
    explicit Upgrader(USBLC350 *device);
    ~Upgrader() override;

public Q_SLOTS:
    // The file of the next run; a null name makes the run end at once.
    void slotSetFileName(QString name);

Q_SIGNALS:
    void sendText(QString text);
    void sendPercent(int percent);
    // After a run that reached the driver, just before upgradeEnded: the
    // check words the driver holds now against the file's.
    void firmwareIdentified(FirmwareCheck::Identity identity);
    // The last signal of every run, the silent one without a file too.
    void upgradeEnded(UpgradeProcedure::Result result);

protected:
    void run() override;

private:
    USBLC350 *device;
    QMutex fileNameMutex; // the name is set on the GUI thread, read by run()
    QString fileName;
};
