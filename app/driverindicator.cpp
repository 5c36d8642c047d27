#include "app/driverindicator.h"

#include "usb/usblc350.h"
#include "widgets/dialogs/feedback.h"

#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

namespace {

QString serialText(const QByteArray &serial)
{
    return QString::fromLatin1(Connection::plainSerial(serial));
}

const AttachedDriver *findDriver(const QList<AttachedDriver> &drivers, const QByteArray &serial)
{
    for (const AttachedDriver &driver : drivers) {
        if (!serial.isEmpty() && Connection::plainSerial(driver.serial) == serial)
            return &driver;
    }
    return nullptr;
}

QString releaseActionText()
{
    return DriverIndicator::tr("Release the lock");
}

} // namespace

DriverIndicator::DriverIndicator(USBLC350 &device, Feedback &feedback, QStatusBar *statusBar,
                                 std::function<bool()> refuseWhileBusy, QObject *parent)
    : QObject(parent)
    , device(device)
    , feedback(feedback)
    , refuse(std::move(refuseWhileBusy))
    , button(new QToolButton)
{
    button->setObjectName(QStringLiteral("driverIndicator"));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setPopupMode(QToolButton::InstantPopup);
    menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("driverMenu"));
    button->setMenu(menu);
    statusBar->addPermanentWidget(button);

    connect(&watcher, &DriverMonitor::driversChanged, this, &DriverIndicator::update);
    connect(&watcher, &DriverMonitor::choiceChanged, this, [this](const DriverChoice &choice) {
        // Unpinned, the single driver is the choice; when a second one comes,
        // the device goes back to refusing until one is chosen.
        this->device.setSerialFilter(choice.result.ok() ? choice.serial : watcher.pinned());
        update();
    });
    update();
}

DriverIndicator::~DriverIndicator()
{
    watcher.stop();
}

void DriverIndicator::start(const QByteArray &serial)
{
    if (!serial.isEmpty())
        choose(serial);
    watcher.start();
}

void DriverIndicator::choose(const QByteArray &serial)
{
    // The device follows the choice through choiceChanged alone.
    watcher.pin(serial);
    update();
}

QString DriverIndicator::releaseStep()
{
    return tr("To let the driver's show run again, release its lock: click the driver indicator "
              "in the status bar and choose \"%1\".")
        .arg(releaseActionText());
}

QString DriverIndicator::chooseStep()
{
    return tr("Choose one: click the driver indicator in the status bar.");
}

QString DriverIndicator::entry(const AttachedDriver &driver)
{
    if (!driver.mayOpen())
        return tr("Bus %1 device %2: this user may not open it")
            .arg(QString::fromLatin1(driver.bus), QString::fromLatin1(driver.device));
    if (driver.serial.isEmpty())
        return tr("Bus %1 device %2: not read yet")
            .arg(QString::fromLatin1(driver.bus), QString::fromLatin1(driver.device));
    return driver.mode == DriverInfo::Mode::Bootloader
               ? tr("%1, waiting in its bootloader").arg(serialText(driver.serial))
               : tr("%1, application").arg(serialText(driver.serial));
}

void DriverIndicator::setActivity(Activity now)
{
    if (std::exchange(activity, now) == now)
        return;
    // What a job or an upgrade left is read from the driver once it ends.
    if (now == Activity::Idle)
        watcher.refreshStatus();
    update();
}

QString DriverIndicator::text(const QList<AttachedDriver> &drivers, const DriverChoice &choice,
                              Activity activity)
{
    using Connection::Outcome;
    const QString serial = serialText(choice.serial);
    switch (choice.result.outcome) {
    case Outcome::SeveralNoneChosen:
        // A state, not a refused command: the indicator's own next step.
        return tr("Several drivers are attached: choose one");
    case Outcome::Connected:
        break;
    default:
        return Connection::describe(choice.result);
    }
    if (activity == Activity::Upgrading)
        return tr("Driver %1: the firmware upgrade is running").arg(serial);
    const AttachedDriver *driver = findDriver(drivers, choice.serial);
    if (!driver)
        return tr("Driver %1").arg(serial);
    // While a job holds the driver, its lock is the job's own.
    if (driver->locked.value_or(false) && activity == Activity::Idle)
        return tr("Driver %1 was left locked by an interrupted Get or Set").arg(serial);
    if (driver->mode == DriverInfo::Mode::Bootloader && activity == Activity::Idle)
        return tr("Driver %1 waits in its bootloader: press \"Firmware Change\" to finish the "
                  "upgrade")
            .arg(serial);
    if (driver->mode == DriverInfo::Mode::Bootloader)
        return tr("Driver %1 waits in its bootloader").arg(serial);
    if (!driver->versions)
        return tr("Driver %1: application").arg(serial);
    return tr("Driver %1: application, firmware %2 %3")
        .arg(serial, QString::fromLatin1(driver->versions->first),
             QString::fromLatin1(driver->versions->second));
}

void DriverIndicator::update()
{
    const QList<AttachedDriver> drivers = watcher.drivers();
    const DriverChoice choice = watcher.choice();
    const QString words = text(drivers, choice, activity);
    button->setText(words);
    QStringList serials;
    for (const AttachedDriver &driver : drivers) {
        if (!driver.serial.isEmpty())
            serials.append(serialText(driver.serial));
    }
    button->setAccessibleName(serials.isEmpty()
                                  ? words
                                  : words + QStringLiteral(" (")
                                        + serials.join(QStringLiteral(", ")) + QLatin1Char(')'));

    menu->clear();
    for (const AttachedDriver &driver : drivers) {
        QAction *action = menu->addAction(entry(driver));
        const QByteArray serial = Connection::plainSerial(driver.serial);
        action->setEnabled(driver.mayOpen() && !serial.isEmpty());
        action->setCheckable(true);
        action->setChecked(!serial.isEmpty() && serial == choice.serial);
        connect(action, &QAction::triggered, this, [this, serial] {
            // A transfer keeps the driver it started with.
            if (!refuse || !refuse())
                choose(serial);
        });
    }
    const AttachedDriver *chosen
        = choice.result.ok() ? findDriver(drivers, choice.serial) : nullptr;
    if (chosen && chosen->locked.value_or(false) && activity == Activity::Idle) {
        menu->addSeparator();
        QAction *release = menu->addAction(releaseActionText());
        release->setObjectName(QStringLiteral("actionReleaseLock"));
        connect(release, &QAction::triggered, this, &DriverIndicator::releaseLock);
    }
    button->setEnabled(!menu->isEmpty());
}

void DriverIndicator::releaseLock()
{
    if (refuse && refuse())
        return;
    const QString serial = serialText(watcher.choice().serial);
    if (device.StatusRelease() < 0) {
        feedback.errorBox(tr("Error"), tr("Driver %1 was not released: %2")
                                           .arg(serial, Connection::describe(device.lastResult())));
    } else {
        feedback.statusMessage(tr("Driver %1 was released.").arg(serial));
    }
    // The monitor reads no driver this process holds open.
    device.disconnect();
    watcher.refreshStatus();
}
