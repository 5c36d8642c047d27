#include "firmware/upgrader.h"

#include "core/trace.h"
#include "firmware/upgradeprocedure.h"

Upgrader::Upgrader(USBLC350 *device)
    : device(device)
{
    LC420_TRACE() << "Upgrader constructor";
}

Upgrader::~Upgrader()
{
    LC420_TRACE() << "Upgrader destructor";
    // Never leave a run going with the object (and the signals it emits) gone.
    wait();
}

void Upgrader::slotSetFileName(QString name)
{
    QMutexLocker lock(&fileNameMutex);
    fileName = std::move(name);
}

void Upgrader::run()
{
    QString name;
    {
        QMutexLocker lock(&fileNameMutex);
        name = fileName;
    }
    UpgradeProcedure procedure(
        *device, [this](const QString &text) { Q_EMIT sendText(text); },
        [this](int percent) { Q_EMIT sendPercent(percent); });
    Q_EMIT upgradeEnded(procedure.runAndConfirm(name));
}
