#pragma once

#include <QObject>

#include <functional>

class QThread;

// One job at a time on a thread of its own, as the window runs its work on
// the driver: work runs on the worker and returns the report, which runs on
// the context object's thread once the worker has ended. setBusy(true) as a
// job starts and setBusy(false) just before its report, so the report may
// start the next job (a question between a look at the driver and a write).
class WorkerJob
{
public:
    using Report = std::function<void()>;

    WorkerJob(QObject *context, std::function<void(bool busy)> setBusy);
    ~WorkerJob(); // waits for a running job; its report is dropped
    WorkerJob(const WorkerJob &) = delete;
    WorkerJob &operator=(const WorkerJob &) = delete;

    [[nodiscard]] bool running() const { return thread != nullptr; }
    // Must not be called while a job runs. work must not touch a widget.
    void start(std::function<Report()> work);

private:
    QObject *context;
    std::function<void(bool)> setBusy;
    QThread *thread = nullptr;
};
