// The firmware upgrade as the window runs it against the simulated driver:
// the button, the worker thread, the log pane and the bars, and what the
// window refuses while the upgrade runs.

#include "app/lc460_bootloader.h"
#include "core/clock.h"
#include "sim/simulatedbus.h"
#include "tests/support/sampleimage.h"
#include "tests/support/scripteddialogs.h"
#include "usb/usblc350.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <atomic>
#include <memory>

namespace {

QStringList dumpedLines;

void collectDump(QtMsgType, const QMessageLogContext &, const QString &message)
{
    dumpedLines.append(message.split(QLatin1Char('\n')));
}

// How many receivers the object's signal has, from Qt's own connection dump.
int connectionsOf(QObject *sender, const QString &signal)
{
    dumpedLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectDump);
    sender->dumpObjectInfo();
    qInstallMessageHandler(previous);

    int count = 0;
    bool inSignal = false;
    for (const QString &line : std::as_const(dumpedLines)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("signal:")))
            inSignal = trimmed == QLatin1String("signal: ") + signal;
        else if (inSignal
                 && (trimmed.startsWith(QLatin1String("-->"))
                     || trimmed == QLatin1String("<functor or function pointer>")))
            ++count;
    }
    return count;
}

} // namespace

class TestUpgradeWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void settingsTabKeepsOneConnectionPerBar();
    void upgradeRunsFromTheButton();
    void upgradeEndsWithOneSummary_data();
    void upgradeEndsWithOneSummary();
    void cancelledDialogStartsAWorkerThatSaysNothing();
    void questionNamesTheDriver_data();
    void questionNamesTheDriver();
    void actionsAreRefusedDuringTheRun();

private:
    QTextBrowser *log() const { return window->findChild<QTextBrowser *>(QStringLiteral("txt")); }
    QProgressBar *bar(const char *name) const
    {
        return window->findChild<QProgressBar *>(QLatin1String(name));
    }
    QPushButton *button(const char *name) const
    {
        return window->findChild<QPushButton *>(QLatin1String(name));
    }

    QTemporaryDir dir;
    QString upgradeFile;
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<Lc460_bootloader> window;
    ScriptedDialogs *dialogs = nullptr; // owned by the window
};

void TestUpgradeWindow::initTestCase()
{
    const QByteArray image = sampleUpgradeImage(7);
    upgradeFile = dir.filePath(QStringLiteral("new.upg"));
    QCOMPARE(Upgrade::saveFile(upgradeFile, image), QString());
}

void TestUpgradeWindow::init()
{
    bus = std::make_unique<SimulatedBus>();
    window = std::make_unique<Lc460_bootloader>();
    dialogs = scriptDialogs(*window);
    window->show();
}

void TestUpgradeWindow::cleanup()
{
    window.reset();
    bus.reset();
}

void TestUpgradeWindow::settingsTabKeepsOneConnectionPerBar()
{
    USBLC350 *device = &window->usbDevice();
    auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    const QString write = QStringLiteral("sendPercentExtFlashWrite(int)");
    const QString read = QStringLiteral("sendPercentExtFlashRead(int)");
    // Beside the bars, the window keeps one receiver of its own that notes
    // where an upgrade stands.
    tabs->setCurrentIndex(1);
    const int others = connectionsOf(device, write);
    QCOMPARE(connectionsOf(device, read), others);

    for (int round = 0; round < 3; ++round) {
        tabs->setCurrentIndex(1 + round % 2);
        QCOMPARE(connectionsOf(device, write), others);
        QCOMPARE(connectionsOf(device, read), others);
        Q_EMIT device->sendPercentExtFlashWrite(55);
        QCOMPARE(bar("progressBarExtFlashWr")->value(), 0);

        tabs->setCurrentIndex(0);
        QCOMPARE(connectionsOf(device, write), others + 1);
        QCOMPARE(connectionsOf(device, read), others + 1);
    }
    Q_EMIT device->sendPercentExtFlashRead(77);
    QCOMPARE(bar("progressBarExtFlashRd")->value(), 77);
}

void TestUpgradeWindow::upgradeRunsFromTheButton()
{
    bar("progressBarFlash")->setValue(33);
    dialogs->answers = {upgradeFile, int(QMessageBox::Ok)};
    button("pushButtonCHF")->click();

    const QList<ScriptedDialogs::Question> asked = dialogs->askedOf(QStringLiteral("open"));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].parent, static_cast<QWidget *>(nullptr));
    QCOMPARE(asked[0].title, QStringLiteral("Open File"));
    QCOMPARE(asked[0].dir, QStringLiteral("."));
    QCOMPARE(asked[0].label, QStringLiteral("Upg (*.upg)"));

    // The user looks at another tab meanwhile; back on the Settings tab the
    // bars show where the upgrade stands.
    auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    tabs->setCurrentIndex(1);
    QTRY_VERIFY_WITH_TIMEOUT(!window->upgradeInProgress(), 60000);
    tabs->setCurrentIndex(0);
    QTRY_VERIFY(log()->toPlainText().endsWith(
        QStringLiteral("Verify External Flash ...  \nOK\n"
                       "Upgrade finished: driver 261107001 runs the new firmware.")));
    const QStringList lines = log()->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), upgradeFile);
    QVERIFY(lines.contains(QStringLiteral("Apllication mode")));
    QVERIFY(lines.contains(QStringLiteral("Serial:261107001b")));
    QTRY_COMPARE(bar("progressBarFlash")->value(), 100);
    QTRY_COMPARE(bar("progressBarExtFlashWr")->value(), 100);
    QTRY_COMPARE(bar("progressBarExtFlashRd")->value(), 100);
    QTRY_VERIFY(button("pushButtonCHF")->isEnabled());
    QVERIFY(button("pushButtonGetProgramsFormLc460")->isEnabled());
    QVERIFY(!button("pushButtonConnect")->isEnabled()); // service buttons stay as built
}

enum class Fault { None, NoDriver, NeverBack, ReconnectFails };
Q_DECLARE_METATYPE(Fault)

void TestUpgradeWindow::upgradeEndsWithOneSummary_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<bool>("failed");

    // The reconnect failed, but the driver answers in its bootloader afterwards.
    const QString waits = QStringLiteral(
        "The upgrade did not finish: the driver did not answer in time after its reset. The "
        "driver waits in its bootloader (it answers in bootloader mode); its programs and scenes "
        "are kept. Choose the same file again to finish the upgrade.");
    QTest::newRow("success") << Fault::None
                             << "Upgrade finished: driver 261107001 runs the new firmware."
                             << false;
    QTest::newRow("the reconnect after the reset fails") << Fault::ReconnectFails << waits << true;
    QTest::newRow("no driver at all")
        << Fault::NoDriver
        << "The upgrade did not start: no driver answered. Nothing was changed; check the USB "
           "cable and try again."
        << true;
    QTest::newRow("the bootloader never comes")
        << Fault::NeverBack
        << "The upgrade did not start: driver 261107001 was told to start its bootloader, and no "
           "driver answered after the reset. Its firmware, programs and scenes are unchanged. "
           "Plug it in again, then choose the same file again."
        << true;
}

void TestUpgradeWindow::upgradeEndsWithOneSummary()
{
    QFETCH(Fault, fault);
    QFETCH(QString, summary);
    QFETCH(bool, failed);
    Lc420Model &driver = bus->device();
    switch (fault) {
    case Fault::None:
        break;
    case Fault::NoDriver:
        bus->setPlugged(driver, false);
        break;
    case Fault::NeverBack:
        driver.setResetTimeMs(1000000);
        break;
    case Fault::ReconnectFails: // the question's connect, the upgrade's first, the poll that
                                // finds the bootloader, then this one
        driver.failTransfer(4, Lc420Model::Match::vendor(255));
        break;
    }

    dialogs->answers = {upgradeFile, int(QMessageBox::Ok)};
    button("pushButtonCHF")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!window->upgradeInProgress(), 60000);
    QTRY_VERIFY(button("pushButtonCHF")->isEnabled());
    // Asked only when a driver answered before the upgrade.
    QCOMPARE(dialogs->askedOf(QStringLiteral("question")).size(), fault == Fault::NoDriver ? 0 : 1);

    const QStringList lines = log()->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.last(), summary);
    QCOMPARE(lines.count(summary), 1);
    QCOMPARE(lines.contains(QStringLiteral("No driver answered after the reset.")),
             fault == Fault::ReconnectFails);
    const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf(QStringLiteral("critical"));
    QCOMPARE(boxes.size(), failed ? 1 : 0);
    if (failed) {
        QCOMPARE(boxes[0].title, QStringLiteral("Error"));
        QCOMPARE(boxes[0].label, summary);
    }
}

void TestUpgradeWindow::cancelledDialogStartsAWorkerThatSaysNothing()
{
    bar("progressBarFlash")->setValue(50);
    dialogs->answers = {QVariant()};
    button("pushButtonCHF")->click();
    QCOMPARE(bar("progressBarFlash")->value(), 0);
    QTRY_VERIFY(!window->upgradeInProgress());
    QTRY_VERIFY(button("pushButtonCHF")->isEnabled());
    QCoreApplication::processEvents();
    QCOMPARE(log()->toPlainText(), QString());
    QCOMPARE(bus->device().transferLog().size(), 0);
}

void TestUpgradeWindow::questionNamesTheDriver_data()
{
    QTest::addColumn<bool>("bootloader");
    QTest::addColumn<int>("answer");

    QTest::newRow("application, cancelled") << false << int(QMessageBox::Cancel);
    QTest::newRow("bootloader, cancelled") << true << int(QMessageBox::Cancel);
    QTest::newRow("closed without an answer") << false << 0;
    QTest::newRow("application, confirmed") << false << int(QMessageBox::Ok);
}

// Before flashing, the question names the driver by its nine digits, its
// mode, its bootloader's version texts and the file, and warns not to unplug
// it. Anything but OK leaves the window and the driver as they were.
void TestUpgradeWindow::questionNamesTheDriver()
{
    QFETCH(bool, bootloader);
    QFETCH(int, answer);
    Lc420Model &driver = bus->device();
    if (bootloader)
        driver.setMode(Lc420Model::Mode::Bootloader);
    const QByteArray flashBefore = driver.read(Lc420Model::Memory::Internal, 0x08004000, 0x1C000);
    bar("progressBarFlash")->setValue(33);
    bar("progressBarExtFlashWr")->setValue(44);
    bar("progressBarExtFlashRd")->setValue(55);
    log()->append(QStringLiteral("earlier"));
    dialogs->answers = {upgradeFile};
    if (answer)
        dialogs->answers.append(answer);
    button("pushButtonCHF")->click();

    const QList<ScriptedDialogs::Question> asked = dialogs->askedOf(QStringLiteral("question"));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].title, QStringLiteral("Firmware Change"));
    QCOMPARE(
        asked[0].label,
        QStringLiteral("Upgrade the firmware of driver 261107001 with %1?\n\n"
                       "The driver %2. Its bootloader version:\nLC420 BOOT 2.10\n2026-11-02\n\n"
                       "Do not unplug the driver until the upgrade has ended.")
            .arg(QDir::toNativeSeparators(upgradeFile),
                 bootloader ? QStringLiteral("waits in its bootloader")
                            : QStringLiteral("runs its application")));
    QCOMPARE(asked[0].defaultButton, int(QMessageBox::Cancel));
    QCOMPARE(asked[0].parent, static_cast<QWidget *>(window.get()));

    if (answer == int(QMessageBox::Ok)) {
        QVERIFY(window->upgradeInProgress() || bar("progressBarFlash")->value() != 33);
        QTRY_VERIFY_WITH_TIMEOUT(!window->upgradeInProgress(), 60000);
        QTRY_VERIFY(log()->toPlainText().endsWith(
            QStringLiteral("Upgrade finished: driver 261107001 runs the new firmware.")));
        return;
    }
    QVERIFY(!window->upgradeInProgress());
    QVERIFY(button("pushButtonCHF")->isEnabled());
    QCOMPARE(bar("progressBarFlash")->value(), 33);
    QCOMPARE(bar("progressBarExtFlashWr")->value(), 44);
    QCOMPARE(bar("progressBarExtFlashRd")->value(), 55);
    QCoreApplication::processEvents();
    // Nothing but the refusal itself is said.
    QCOMPARE(log()->toPlainText(),
             QStringLiteral("earlier\nFirmware Change cancelled: nothing was sent to driver "
                            "261107001."));
    QCOMPARE(driver.mode(),
             bootloader ? Lc420Model::Mode::Bootloader : Lc420Model::Mode::Application);
    QCOMPARE(driver.read(Lc420Model::Memory::Internal, 0x08004000, 0x1C000), flashBefore);
}

void TestUpgradeWindow::actionsAreRefusedDuringTheRun()
{
    // Hold the worker in its first wait (after telling the driver to reset).
    QSemaphore reached;
    QSemaphore proceed;
    std::atomic<bool> held{false};
    const int listener = Clock::addAdvanceListener([&](qint64) {
        if (!held.exchange(true)) {
            reached.release();
            proceed.acquire();
        }
    });

    dialogs->answers = {upgradeFile, int(QMessageBox::Ok)};
    button("pushButtonCHF")->click();
    QVERIFY(reached.tryAcquire(1, 60000));
    QVERIFY(window->upgradeInProgress());

    for (const char *name :
         {"pushButtonCHF", "pushButtonGetProgramsFormLc460", "pushButtonSetProgramsInLc460",
          "pushButtonGetScenesFormLc460", "pushButtonSetScenesInLc460"})
        QVERIFY2(!button(name)->isEnabled(), name);

    // A second Firmware Change asks nothing and starts nothing.
    window->slotpushButtonCHF(false);
    QCOMPARE(dialogs->askedOf(QStringLiteral("open")).size(), 1);

    // Closing and choosing a language are refused with a box; the window stays.
    QCloseEvent close;
    QCoreApplication::sendEvent(window.get(), &close);
    QVERIFY(!close.isAccepted());
    window->findChild<QAction *>(QStringLiteral("actionPolish"))->trigger();
    window->findChild<QAction *>(QStringLiteral("actionEnglish"))->trigger();
    // So is every service command, before it touches the driver.
    const int transfers = int(bus->device().transferLog().size());
    for (const char *name :
         {"pushButtonConnect", "pushButtonDisconnect", "pushButtonRead", "pushButtonWrite",
          "pushButtonWritePage", "pushButtonRunApplication", "pushButtonReadExternalFlash",
          "pushButtonWriteExternalFlash", "pushButtonWriteExtFlashBin", "pushButtonStatusGet",
          "pushButtonStatusSet", "pushButtonStatusClr"})
        Q_EMIT button(name)->clicked(false);
    QCOMPARE(bus->device().transferLog().size(), transfers);
    // So are the show-data transfers, should their slots run all the same.
    window->slotpushButtonGetProgramsFromLc460(false);
    window->slotpushButtonSetProgramsInLc460(false);
    window->slotpushButtonGetScenesFromLc460(false);
    window->slotpushButtonSetScenesInLc460(false);
    QCOMPARE(bus->device().transferLog().size(), transfers);
    const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf(QStringLiteral("information"));
    QCOMPARE(boxes.size(), 7 + 12);
    for (const ScriptedDialogs::Question &box : boxes) {
        QCOMPARE(box.title, QStringLiteral("Info"));
        QCOMPARE(box.label, QStringLiteral("Firmware upgrade in progress"));
        QCOMPARE(box.parent, static_cast<QWidget *>(window.get()));
    }
    QVERIFY(window->isVisible());

    proceed.release();
    QTRY_VERIFY_WITH_TIMEOUT(!window->upgradeInProgress(), 60000);
    Clock::removeAdvanceListener(listener);
    QTRY_VERIFY(button("pushButtonCHF")->isEnabled());
    QTRY_VERIFY(log()->toPlainText().endsWith(QStringLiteral("\nOK\nUpgrade finished: driver "
                                                             "261107001 runs the new firmware.")));

    // Afterwards the window closes as usual.
    QCloseEvent later;
    QCoreApplication::sendEvent(window.get(), &later);
    QVERIFY(later.isAccepted());
}

QTEST_MAIN(TestUpgradeWindow)
#include "tst_upgradewindow.moc"
