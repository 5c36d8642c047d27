#include "core/workerjob.h"

#include <QThread>

#include <memory>
#include <utility>

WorkerJob::WorkerJob(QObject *context, std::function<void(bool)> setBusy)
    : context(context)
    , setBusy(std::move(setBusy))
{}

WorkerJob::~WorkerJob()
{
    if (thread) {
        thread->wait();
        delete std::exchange(thread, nullptr);
    }
}

void WorkerJob::start(std::function<Report()> work)
{
    Q_ASSERT(!thread);
    auto report = std::make_shared<Report>();
    thread = QThread::create([work = std::move(work), report] { *report = work(); });
    QObject::connect(thread, &QThread::finished, context, [this, report] {
        delete std::exchange(thread, nullptr);
        if (setBusy)
            setBusy(false);
        if (*report)
            (*report)();
    });
    if (setBusy)
        setBusy(true);
    thread->start();
}
