#include "firmware/upgrader.h"

#include "core/trace.h"
#include "firmware/upgradeprocedure.h"
#include "usb/usblc350.h"

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
    // Read once: the driver gets these bytes, and the summary their check words.
    const Upgrade::FileContents file
        = name.isNull() ? Upgrade::FileContents() : Upgrade::readFile(name);
    const UpgradeProcedure::Result result = procedure.runAndConfirm(name, file);
    if (result.answer == UpgradeProcedure::Answer::Application
        || result.answer == UpgradeProcedure::Answer::Bootloader) {
        const FirmwareCheck::Identity identity{
            DriverInfo::readCheckWords(*device),
            FirmwareCheck::imageWords(Upgrade::unscrambleImage(file.image))};
        // Free for the driver monitor, which reads no driver held open.
        device->disconnect();
        Q_EMIT firmwareIdentified(identity);
    }
    Q_EMIT upgradeEnded(result);
}
