// The status bar's driver indicator against simulated drivers: what it says
// for no driver, one, several, a refused one, one in its bootloader and one
// left locked; which driver a Get reads once one is chosen (by --serial or
// the indicator's menu), and that with several and none chosen a Get sends
// nothing and names the cause.

#include "app/driverindicator.h"
#include "app/lc460_bootloader.h"
#include "sim/simulatedbus.h"
#include "tests/support/scripteddialogs.h"
#include "usb/connection.h"
#include "usb/drivermap.h"

#include <QAction>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace {

const QString firmware = QStringLiteral("firmware LC420 BOOT 2.10 2026-11-02");

} // namespace

class TestDriverIndicator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup()
    {
        window.reset();
        bus.reset();
        second.reset();
    }
    void indicatorAndGet_data();
    void indicatorAndGet();
    void getClearsALeftLock();
    void firmwareChangeNeedsAChoice();

private:
    QToolButton *indicator() const { return window->findChild<QToolButton *>("driverIndicator"); }

    std::unique_ptr<Lc420Model> second;
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<Lc460_bootloader> window;
};

enum class Get { Reads, Refused, NotTried };
Q_DECLARE_METATYPE(Get)

void TestDriverIndicator::indicatorAndGet_data()
{
    QTest::addColumn<bool>("plugged");      // the first driver, 261107001
    QTest::addColumn<bool>("secondToo");    // 261107002
    QTest::addColumn<bool>("denied");       // the first refuses this user
    QTest::addColumn<bool>("bootloader");   // the first waits in its bootloader
    QTest::addColumn<bool>("locked");       // the first has status bit 0 set
    QTest::addColumn<QByteArray>("serial"); // --serial
    QTest::addColumn<QByteArray>("menuChoice");
    QTest::addColumn<bool>("secondLater"); // 261107002 comes once 261107001 is shown
    QTest::addColumn<QString>("text");
    QTest::addColumn<Get>("get");
    QTest::addColumn<QString>("box"); // part of the error box of a refused Get

    const QByteArray none;
    QTest::newRow("no driver") << false << false << false << false << false << none << none << false
                               << "No Lc420 driver is attached." << Get::Refused
                               << "No Lc420 driver is attached.";
    QTest::newRow("one driver") << true << false << false << false << false << none << none << false
                                << "Driver 261107001: application, " + firmware << Get::Reads
                                << QString();
    QTest::newRow("bootloader")
        << true << false << false << true << false << none << none << false
        << "Driver 261107001 waits in its bootloader: press \"Firmware Change\" to finish the "
           "upgrade"
        << Get::NotTried << QString();
    QTest::newRow("locked") << true << false << false << false << true << none << none << false
                            << "Driver 261107001 was left locked by an interrupted Get or Set"
                            << Get::NotTried << QString();
    QTest::newRow("refused") << true << false << true << false << false << none << none << false
                             << "Found an Lc420 on bus 001 device" << Get::Refused << "udev rule";
    QTest::newRow("two, none chosen")
        << true << true << false << false << false << none << none << false
        << "Several drivers are attached: choose one" << Get::Refused
        << "2 Lc420 drivers are attached and none is chosen; nothing was sent to any of them.";
    QTest::newRow("a second comes, none chosen")
        << true << false << false << false << false << none << none << true
        << "Several drivers are attached: choose one" << Get::Refused
        << "2 Lc420 drivers are attached and none is chosen; nothing was sent to any of them.";
    QTest::newRow("two, --serial")
        << true << true << false << false << false << QByteArray("261107002") << none << false
        << "Driver 261107002: application, " + firmware << Get::Reads << QString();
    QTest::newRow("two, chosen in the menu")
        << true << true << false << false << false << none << QByteArray("261107002") << false
        << "Driver 261107002: application, " + firmware << Get::Reads << QString();
    QTest::newRow("chosen one gone")
        << true << false << false << false << false << QByteArray("261107009") << none << false
        << "Driver 261107009 is not attached" << Get::Refused
        << "Driver 261107009 is not attached.";
}

void TestDriverIndicator::indicatorAndGet()
{
    QFETCH(bool, plugged);
    QFETCH(bool, secondToo);
    QFETCH(bool, denied);
    QFETCH(bool, bootloader);
    QFETCH(bool, locked);
    QFETCH(QByteArray, serial);
    QFETCH(QByteArray, menuChoice);
    QFETCH(bool, secondLater);
    QFETCH(QString, text);
    QFETCH(Get, get);
    QFETCH(QString, box);

    second = std::make_unique<Lc420Model>();
    second->setSerial("261107002");
    SimulatedBus::Options options;
    options.plugged = plugged;
    bus = std::make_unique<SimulatedBus>(options);
    if (secondToo) {
        bus->host().addDevice(*second);
        bus->host().sync();
    }
    bus->host().setAccessDenied(bus->device(), denied);
    if (bootloader)
        bus->device().setMode(Lc420Model::Mode::Bootloader);
    if (locked)
        bus->device().setStatus(1);

    window = std::make_unique<Lc460_bootloader>();
    ScriptedDialogs *dialogs = scriptDialogs(*window);
    QVERIFY(indicator());
    window->driverIndicator().monitor().setIntervals(50, 0);
    window->driverIndicator().start(serial);

    if (secondLater) {
        QTRY_VERIFY(indicator()->text().startsWith(QLatin1String("Driver 261107001: application")));
        bus->host().addDevice(*second);
        bus->host().sync();
    }
    if (!menuChoice.isEmpty()) {
        QTRY_COMPARE(indicator()->text(),
                     QStringLiteral("Several drivers are attached: choose one"));
        QAction *entry = nullptr;
        for (QAction *action : indicator()->menu()->actions()) {
            if (action->text().startsWith(QLatin1String(menuChoice)))
                entry = action;
        }
        QVERIFY(entry);
        QCOMPARE(entry->text(), QString::fromLatin1(menuChoice) + QStringLiteral(", application"));
        entry->trigger();
    }
    QTRY_VERIFY2(indicator()->text().startsWith(text), qPrintable(indicator()->text()));
    QVERIFY(indicator()->isVisible() || !window->isVisible());
    QVERIFY(!indicator()->text().contains(QLatin1String("261107001b")));
    if (secondToo || secondLater) {
        QVERIFY(indicator()->accessibleName().contains(QLatin1String("261107001")));
        QVERIFY(indicator()->accessibleName().contains(QLatin1String("261107002")));
    }

    // The monitor has read every driver it may open: it sends nothing more.
    const auto allRead = [this, count = int(plugged) + int(secondToo) + int(secondLater)] {
        const QList<AttachedDriver> drivers = window->driverIndicator().monitor().drivers();
        return drivers.size() == count
               && std::all_of(drivers.begin(), drivers.end(), [](const AttachedDriver &driver) {
                      return !driver.mayOpen() || driver.locked.has_value();
                  });
    };
    QTRY_VERIFY(allRead());

    if (locked) {
        QAction *release = indicator()->menu()->findChild<QAction *>("actionReleaseLock");
        QVERIFY(release);
        release->trigger();
        QCOMPARE(bus->device().status() & 1u, 0u);
        QTRY_COMPARE(indicator()->text(), "Driver 261107001: application, " + firmware);
    }
    if (get == Get::NotTried)
        return;

    // What the Get sent; the monitor reads each driver's status bit again
    // once a job has ended, which changes nothing.
    const auto sent = [](const Lc420Model &driver) {
        const QList<Lc420Model::Transfer> log = driver.commandLog();
        return std::count_if(log.begin(), log.end(), [](const Lc420Model::Transfer &t) {
            return t.request != Driver::GetStatus;
        });
    };
    const qsizetype firstBefore = sent(bus->device());
    const qsizetype secondBefore = sent(*second);
    window->findChild<QPushButton *>("pushButtonGetProgramsFormLc460")->click();
    QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QProgressBar *>("progressBarJob")->isHidden(),
                             30000);
    const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf(QStringLiteral("critical"));
    const bool readSecond = serial == "261107002" || menuChoice == "261107002";
    if (get == Get::Reads) {
        QCOMPARE(boxes.size(), 0);
        QVERIFY(readSecond ? sent(*second) > secondBefore : sent(bus->device()) > firstBefore);
        QCOMPARE(readSecond ? sent(bus->device()) : sent(*second),
                 readSecond ? firstBefore : secondBefore);
    } else {
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].label.contains(box), qPrintable(boxes[0].label));
        QVERIFY(boxes[0].label.contains(QLatin1String("programs and scenes are unchanged")));
        QVERIFY(!boxes[0].label.contains(QLatin1String("USB Timeout")));
        QCOMPARE(sent(bus->device()), firstBefore);
        QCOMPARE(sent(*second), secondBefore);
    }
}

// The lock shown is the driver's: a Get that took and released the bit
// leaves an indicator that no longer calls the driver locked.
void TestDriverIndicator::getClearsALeftLock()
{
    bus = std::make_unique<SimulatedBus>();
    bus->device().setStatus(1);
    window = std::make_unique<Lc460_bootloader>();
    scriptDialogs(*window);
    window->driverIndicator().monitor().setIntervals(50, 0);
    window->driverIndicator().start({});
    QTRY_VERIFY(indicator()->text().contains(QLatin1String("left locked")));

    window->findChild<QPushButton *>("pushButtonGetProgramsFormLc460")->click();
    QTRY_VERIFY(window->findChild<QProgressBar *>("progressBarJob")->isHidden());
    QCOMPARE(bus->device().status() & 1u, 0u);
    QTRY_COMPARE(indicator()->text(), "Driver 261107001: application, " + firmware);
}

// With several drivers and none chosen, Firmware Change asks for no file:
// it says how to choose, and blames no cable.
void TestDriverIndicator::firmwareChangeNeedsAChoice()
{
    second = std::make_unique<Lc420Model>();
    second->setSerial("261107002");
    bus = std::make_unique<SimulatedBus>();
    bus->host().addDevice(*second);
    bus->host().sync();
    window = std::make_unique<Lc460_bootloader>();
    ScriptedDialogs *dialogs = scriptDialogs(*window);
    window->driverIndicator().monitor().setIntervals(50, 0);
    window->driverIndicator().start({});
    QTRY_COMPARE(indicator()->text(), QStringLiteral("Several drivers are attached: choose one"));

    window->findChild<QPushButton *>("pushButtonCHF")->click();
    QCOMPARE(dialogs->askedOf(QStringLiteral("open")).size(), 0);
    const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf(QStringLiteral("critical"));
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].label.contains(QLatin1String("none is chosen"))
                 && boxes[0].label.contains(QLatin1String("driver indicator"))
                 && !boxes[0].label.contains(QLatin1String("cable")),
             qPrintable(boxes[0].label));
}

QTEST_MAIN(TestDriverIndicator)
#include "tst_driverindicator.moc"
