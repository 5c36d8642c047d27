#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class Feedback;
class QWidget;
class USBLC350;
class UserDialogs;
class WorkerJob;

// The service console behind the Settings tab's service buttons: connection,
// controller memory, test block, page, status word and external flash, for
// technicians. Each command asks through the dialog seam on the GUI thread,
// then runs its transfers as a job on a thread of its own (with the driver's
// other actions off, through setBusy) and reports through Feedback once the
// job has ended. The window keeps the buttons, their slots and the refusal
// while an upgrade or another job runs; it hands every press to one function
// here. Its texts belong to the window's translation context.
class ServiceConsole
{
    Q_DECLARE_TR_FUNCTIONS(Lc460_bootloader)

public:
    // dialogs is looked up at every question, since tests replace the
    // window's dialogs after it is built; window parents the boxes.
    // job runs the commands' transfers, one at a time for the whole window,
    // and must end before the console does.
    ServiceConsole(USBLC350 &device, Feedback &feedback, std::function<UserDialogs &()> dialogs,
                   QWidget *window, WorkerJob &job);

    // Told, on the console's thread, the status bit 0 a Status Set or Status
    // Clear left on the driver with this serial: the console may hold the
    // driver open, and a watcher of the buses reads no driver held open.
    using LockObserver = std::function<void(const QByteArray &serial, bool locked)>;
    void setLockObserver(LockObserver observer);

    void connectDevice();
    void disconnectDevice();
    void readMemory();
    void sendTestBlock();
    void writePage();
    void runApplication();
    void statusGet();
    void statusSet();
    void statusClear();
    void readExternalFlash();
    void writeExternalFlash();
    void writeExternalFlashFromFile();

private:
    using Report = std::function<void()>;
    void run(std::function<Report()> work);
    // Clears the log and shows a hex dump of bytes read from the driver at
    // address.
    void showDump(const QByteArray &bytes, quint32 address);
    // A failure's sentence and, on the next line, its cause as the device
    // last saw it. On the worker, right after the failure.
    [[nodiscard]] QString failure(const QString &what) const;
    // Why the driver refused a page, in plain words (a transfer or two). On
    // the worker.
    [[nodiscard]] QString whyPageWriteFailed();
    // Status Set (locked) or Status Clear of bit 0, logged, and the bit told.
    void changeLock(bool locked);

    USBLC350 &device;
    Feedback &feedback;
    std::function<UserDialogs &()> dialogs;
    QWidget *window;
    WorkerJob &job;
    LockObserver lockObserver;
};
