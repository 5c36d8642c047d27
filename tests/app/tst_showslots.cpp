// The Programs and Scenes tabs as the user works them: Get and Set against
// the simulated driver, Load and Save through the scripted dialogs, the
// questions before anything unsaved is replaced, the status messages, and
// what the window keeps when it closes or switches language.

#include "app/lc460_bootloader.h"
#include "show/recordclipboard.h"
#include "show/showfile.h"
#include "sim/simulatedbus.h"
#include "tests/support/lampeditors.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tracecapture.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"
#include "widgets/overviewview.h"
#include "widgets/superrgb.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Show::Kind;
using Memory = Lc420Model::Memory;
using Match = Lc420Model::Match;

namespace {

QByteArray patternTable(Kind kind, int seed)
{
    QByteArray table(Show::tableSize(kind), '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(i * 11 + seed);
    return table;
}

} // namespace

class TestShowSlots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Loads and saves go into the recent files: settings of our own.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
    }
    void init();
    void cleanup();

    void setThenGet_data();
    void setThenGet();
    void setOfScenesRightAfterStart();
    void transferFailures_data();
    void transferFailures();
    void saveThenLoad_data();
    void saveThenLoad();
    void loadRefusals_data();
    void loadRefusals();
    void failedSaveIsReported();
    void languageSwitchCarriesTheShow();
    void lampEditorsBuiltWhenTheTabIsFirstShown_data();
    void lampEditorsBuiltWhenTheTabIsFirstShown();
    void replacingAsksFirst_data();
    void replacingAsksFirst();
    void closeAsksWhileChanged_data();
    void closeAsksWhileChanged();
    void editMenu_data();
    void editMenu();
    void compareWithDriver_data();
    void compareWithDriver();
    void jobHoldsTheDriverUntilItEnds();

private:
    QSpinBox *spin(const char *name) const { return window->findChild<QSpinBox *>(name); }
    // A Get or a Set runs as a job; the test goes on once it has ended.
    void click(const char *name) const
    {
        window->findChild<QPushButton *>(name)->click();
        waitForJob();
    }
    void waitForJob() const
    {
        QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QProgressBar *>("progressBarJob")->isHidden(),
                                 30000);
    }
    QList<SuperRGB *> editors(Kind kind) const { return lampEditors(*window, kind); }
    const QByteArray &table(Kind kind) const { return window->document().table(kind); }
    void setTable(Kind kind, const QByteArray &table) const
    {
        QVERIFY(window->document().setTable(kind, table));
    }
    QString status() const { return window->statusBar()->currentMessage(); }
    // Selects a record: program and step, or scene (step ignored).
    void select(Kind kind, int number, int step) const
    {
        if (kind == Kind::Programs) {
            spin("spinBoxProgramNumber")->setValue(number);
            spin("spinBoxSceneNumber")->setValue(step);
        } else {
            spin("spinBoxSceneSceneNumber")->setValue(number);
        }
    }
    QSpinBox *xfade(Kind kind) const
    {
        return spin(kind == Kind::Programs ? "spinBoxRiseTime" : "spinBoxSceneRiseTime");
    }
    void expectBox(const char *kind, const QString &title, const QString &text) const
    {
        const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf(QLatin1String(kind));
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].title, title);
        QCOMPARE(boxes[0].label, text);
        QCOMPARE(boxes[0].parent, static_cast<QWidget *>(window.get()));
    }

    QTemporaryDir dir;
    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<Lc460_bootloader> window;
    ScriptedDialogs *dialogs = nullptr; // owned by the window
};

void TestShowSlots::init()
{
    bus = std::make_unique<SimulatedBus>();
    window = std::make_unique<Lc460_bootloader>();
    dialogs = scriptDialogs(*window);
}

void TestShowSlots::cleanup()
{
    window.reset();
    bus.reset();
}

void TestShowSlots::setThenGet_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("setButton");
    QTest::addColumn<QByteArray>("getButton");
    QTest::newRow("programs") << Kind::Programs << QByteArray("pushButtonSetProgramsInLc460")
                              << QByteArray("pushButtonGetProgramsFormLc460");
    QTest::newRow("scenes") << Kind::Scenes << QByteArray("pushButtonSetScenesInLc460")
                            << QByteArray("pushButtonGetScenesFormLc460");
}

void TestShowSlots::setThenGet()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, setButton);
    QFETCH(QByteArray, getButton);

    // Reserved bytes and all: the pattern sets every byte.
    const QByteArray expected = patternTable(kind, 3);
    setTable(kind, expected);

    // While the transfer runs on its worker, the status bar shows its
    // progress and the tab takes no edit.
    QList<bool> busy;
    const auto sample = [this, &busy, kind](int) {
        const char *tab = kind == Kind::Programs ? "tabPrograms" : "tabScenes";
        busy.append(!window->findChild<QProgressBar *>("progressBarJob")->isHidden()
                    && !window->findChild<QWidget *>(tab)->isEnabled());
    };
    connect(&window->usbDevice(), &USBLC350::sendPercentExtFlashWrite, this, sample);
    connect(&window->usbDevice(), &USBLC350::sendPercentExtFlashRead, this, sample);

    const QString noun = kind == Kind::Programs ? "programs" : "scenes";
    click(setButton.constData());
    QCOMPARE(status(), "Wrote 8 " + noun + " to driver 261107001.");
    setTable(kind, QByteArray(expected.size(), '\0'));
    editors(kind)[0]->setBlueColor(77); // dropped by the Get, once the user agrees
    dialogs->answers = {int(QMessageBox::Discard)};
    click(getButton.constData());

    QCOMPARE(status(), "Read 8 " + noun + " from driver 261107001.");
    QCOMPARE(table(kind), expected);
    QVERIFY(!window->isWindowModified());
    QCOMPARE(editors(kind)[0]->color(), QColor(uchar(3), uchar(14), uchar(25)));
    QVERIFY(!busy.isEmpty());
    QCOMPARE(busy, QList<bool>(busy.size(), true));
    QVERIFY(window->findChild<QWidget *>(kind == Kind::Programs ? "tabPrograms" : "tabScenes")
                ->isEnabled());
    QCOMPARE(dialogs->asked.size(), 1); // the question before the Get
    QCOMPARE(bus->device().status() & 1, 0u);
}

// Only the first lamp set to (1, 2, 3) and XFade 5, then Set.
void TestShowSlots::setOfScenesRightAfterStart()
{
    editors(Kind::Scenes)[0]->setRedColor(1);
    editors(Kind::Scenes)[0]->setGreenColor(2);
    editors(Kind::Scenes)[0]->setBlueColor(3);
    spin("spinBoxSceneRiseTime")->setValue(5);
    click("pushButtonSetScenesInLc460");

    QByteArray stored = bus->device().read(Memory::External, 0x15E00, 384);
    decodeWords(stored.data(), int(stored.size()));
    QByteArray expected(384, '\0');
    expected.replace(0, 3, "\x01\x02\x03");
    expected[36] = 5;
    QCOMPARE(stored.toHex(), expected.toHex());
}

void TestShowSlots::transferFailures_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QString>("box");  // "critical" or "warning"
    QTest::addColumn<QString>("text"); // how the box begins
    QTest::addColumn<QStringList>("mentions");

    QTest::newRow("get without a driver")
        << QByteArray("pushButtonGetProgramsFormLc460") << "unplug"
        << " Lc460_bootloader::slotpushButtonGetProgramsFromLc460(bool t)"
        << "critical"
        << "No Lc420 driver is attached.\nThe window's programs and scenes are unchanged."
        << QStringList();
    QTest::newRow("set without a driver")
        << QByteArray("pushButtonSetScenesInLc460") << "unplug"
        << "Lc460_bootloader::slotpushButtonSetScenesInLc460(bool t)"
        << "critical"
        << "No Lc420 driver is attached.\nNothing was sent to the driver." << QStringList();
    QTest::newRow("get, the driver times out")
        << QByteArray("pushButtonGetProgramsFormLc460") << "status"
        << " Lc460_bootloader::slotpushButtonGetProgramsFromLc460(bool t)"
        << "critical"
        << "USB Timeout\nCheck USB Cable" << QStringList();
    QTest::newRow("read fails: released, the edit still shown")
        << QByteArray("pushButtonGetScenesFormLc460") << "read"
        << "Lc460_bootloader::slotpushButtonGetScenesFromLc460(bool t)"
        << "critical"
        << "slotUpdateProgramScene\n"
        << QStringList{"(USB time-out)", "status bit 0 was cleared",
                       "The editor still holds your scenes."};
    QTest::newRow("write fails: released")
        << QByteArray("pushButtonSetProgramsInLc460") << "write"
        << " Lc460_bootloader::slotpushButtonSetProgramsInLc460(bool t)"
        << "critical"
        << "WriteExternalFlashToAddress\n"
        << QStringList{"may hold them only in part", "status bit 0 was cleared",
                       "The editor still holds your programs."};
    // The driver stops answering in the middle of the write and never takes
    // the release: it may hold the programs in part and stay locked.
    QTest::newRow("write cut, the driver silent")
        << QByteArray("pushButtonSetProgramsInLc460") << "silent"
        << " Lc460_bootloader::slotpushButtonSetProgramsInLc460(bool t)"
        << "critical"
        << "WriteExternalFlashToAddress\n"
        << QStringList{"may hold them only in part", "(USB time-out)",
                       "status bit 0 may still be set", "Release the lock",
                       "The editor still holds your programs."};
    QTest::newRow("get, the lock not released")
        << QByteArray("pushButtonGetProgramsFormLc460") << "release"
        << " Lc460_bootloader::slotpushButtonGetProgramsFromLc460(bool t)"
        << "warning"
        << "The programs were read. The driver could not be unlocked afterwards: its status bit 0 "
           "is still set."
        << QStringList{"Release the lock"};
    QTest::newRow("set, the lock not released")
        << QByteArray("pushButtonSetScenesInLc460") << "release"
        << "Lc460_bootloader::slotpushButtonSetScenesInLc460(bool t)"
        << "warning"
        << "The scenes were written. The driver could not be unlocked afterwards: its status bit 0 "
           "is still set."
        << QStringList{"Release the lock"};
}

void TestShowSlots::transferFailures()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, fault);
    QFETCH(QString, trace);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QStringList, mentions);

    const Kind kind = button.contains("Programs") ? Kind::Programs : Kind::Scenes;
    editors(kind)[0]->setGreenColor(200);
    const QByteArray edited = table(kind);
    QCOMPARE(edited.at(1), char(200)); // written through at once
    const QMap<QString, quint8> requests{{"read", 5}, {"write", 6}, {"release", 8}, {"status", 9}};
    if (fault == QLatin1String("unplug"))
        bus->device().unplug();
    else if (fault == QLatin1String("silent"))
        bus->device().failTransfers(8, 1000000);
    else
        bus->device().failNextTransfers(200, Match::vendor(requests.value(fault)));

    TraceCapture lines;
    dialogs->answers = {int(QMessageBox::Discard)}; // for a Get: replace the edited table
    click(button.constData());
    QVERIFY2(lines.lines().contains(trace), qPrintable(lines.lines().join(QLatin1Char('|'))));
    const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf(box);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, box == QLatin1String("warning") ? "Warning" : "Error");
    QVERIFY2(boxes[0].label.startsWith(text), qPrintable(boxes[0].label));
    for (const QString &mention : std::as_const(mentions))
        QVERIFY2(boxes[0].label.contains(mention), qPrintable(boxes[0].label));
    if (mentions.isEmpty())
        QCOMPARE(boxes[0].label, text);
    // Only a completed Get replaces the table; a failed one keeps the edit.
    const bool replaced = fault == QLatin1String("release") && button.contains("Get");
    QCOMPARE(table(kind) == edited, !replaced);
    QCOMPARE(editors(kind)[0]->color().green(), int(quint8(table(kind).at(1))));
    // A transfer that completed counts as sent or got, even with the driver locked.
    QCOMPARE(window->isWindowModified(), fault != QLatin1String("release"));
    QCOMPARE(status(), QString());
    const QList<Lc420Model::Transfer> log = bus->device().commandLog();
    // The release is sent whenever the lock was taken and the driver answers.
    QCOMPARE(std::any_of(log.begin(), log.end(),
                         [](const Lc420Model::Transfer &t) { return t.request == 8; }),
             fault != QLatin1String("unplug") && fault != QLatin1String("status")
                 && fault != QLatin1String("silent"));
    QCOMPARE(bus->device().status() & 1,
             fault == QLatin1String("release") || fault == QLatin1String("silent") ? 1u : 0u);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestShowSlots::saveThenLoad_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("save");
    QTest::addColumn<QByteArray>("load");
    QTest::addColumn<QString>("saveCaption");
    QTest::addColumn<QString>("loadCaption");
    QTest::addColumn<QString>("filter");
    QTest::newRow("programs") << Kind::Programs << QByteArray("pushButtonSaveProgramsToFile")
                              << QByteArray("pushButtonLoadProgramsFromFile")
                              << "Save Programs File"
                              << "Open Programs File"
                              << "Programs Files (*.pgm)";
    QTest::newRow("scenes") << Kind::Scenes << QByteArray("pushButtonSaveScenesToFile")
                            << QByteArray("pushButtonLoadScenesFromFile") << "Save Scenes File"
                            << "Open Scenes File"
                            << "Scens Files (*.scn)";
}

void TestShowSlots::saveThenLoad()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, save);
    QFETCH(QByteArray, load);
    QFETCH(QString, saveCaption);
    QFETCH(QString, loadCaption);
    QFETCH(QString, filter);
    // Typed without an extension: the file gets the table's own.
    const QString typed = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    const QString fileName = typed + (kind == Kind::Programs ? ".pgm" : ".scn");
    const QString shortName = QFileInfo(fileName).fileName();

    // Right after start: exactly the empty table's file.
    dialogs->answers = {typed};
    click(save.constData());
    QCOMPARE(QFile(fileName).size(), Show::fileSize(kind));
    QCOMPARE(Show::readFile(fileName, kind).table, QByteArray(Show::tableSize(kind), '\0'));
    QCOMPARE(status(), "Saved " + shortName + ".");

    // Reserved bytes kept, and the edit shown in the editors saved too.
    setTable(kind, patternTable(kind, 9));
    select(kind, 2, 2);
    editors(kind)[11]->setBlueColor(1);
    dialogs->answers = {fileName};
    click(save.constData());
    QVERIFY(!window->isWindowModified());
    const QByteArray saved = table(kind);
    QCOMPARE(Show::readFile(fileName, kind).table, saved);

    setTable(kind, QByteArray(saved.size(), '\x42'));
    editors(kind)[11]->setBlueColor(99); // dropped by the Load, once the user agrees
    dialogs->answers = {int(QMessageBox::Discard), fileName};
    click(load.constData());
    QCOMPARE(table(kind), saved);
    QCOMPARE(editors(kind)[11]->color().blue(), 1);
    QCOMPARE(status(), "Loaded " + shortName + ".");
    QVERIFY(!window->isWindowModified());

    const QList<ScriptedDialogs::Question> saves = dialogs->askedOf(QStringLiteral("save"));
    const QList<ScriptedDialogs::Question> loads = dialogs->askedOf(QStringLiteral("open"));
    QCOMPARE(saves.size(), 2);
    QCOMPARE(loads.size(), 1);
    for (const ScriptedDialogs::Question &q : {saves[0], loads[0]}) {
        QCOMPARE(q.parent, static_cast<QWidget *>(window.get()));
        QCOMPARE(q.dir, QStringLiteral("."));
        QCOMPARE(q.label, filter);
    }
    QCOMPARE(saves[0].title, saveCaption);
    QCOMPARE(loads[0].title, loadCaption);
    QCOMPARE(dialogs->askedOf(QStringLiteral("critical")).size(), 0);
}

void TestShowSlots::loadRefusals_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("text");
    QByteArray scenes;
    {
        QBuffer buffer(&scenes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(Show::writeFile(buffer, Kind::Scenes, patternTable(Kind::Scenes, 1)));
    }
    QByteArray programs;
    {
        QBuffer buffer(&programs);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(Show::writeFile(buffer, Kind::Programs, patternTable(Kind::Programs, 1)));
    }
    QByteArray version = scenes;
    version[61] = '2';
    QByteArray shortBlock
        = scenes.left(62) + QByteArray("\x00\x00\x01\x7F", 4) + scenes.mid(66, 383);

    // The box's own text, then what the file is and where it opens.
    QTest::newRow("programs file as scenes")
        << programs
        << "Wrong file header\nrefused.scn is a programs file, not a scenes file. Open it on "
           "the Programs tab.";
    QTest::newRow("wrong version") << version
                                   << "Wrong version\nrefused.scn has the version \"Version 02\"; "
                                      "only \"Version 01\" can be read.";
    QTest::newRow("block shorter than the table")
        << shortBlock
        << "Wrong file length\nrefused.scn holds 383 bytes of table where 384 are needed.";
    QTest::newRow("cut short") << scenes.left(400)
                               << "Wrong file length\nrefused.scn is cut short: 400 of 450 bytes.";
}

void TestShowSlots::loadRefusals()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, text);
    const QString fileName = dir.filePath(QStringLiteral("refused.scn"));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    file.close();

    editors(Kind::Scenes)[5]->setRedColor(9);
    const QByteArray edited = table(Kind::Scenes);
    dialogs->answers = {int(QMessageBox::Discard), fileName};
    click("pushButtonLoadScenesFromFile");
    expectBox("critical", QStringLiteral("File error"), text);
    QCOMPARE(table(Kind::Scenes), edited);
    QCOMPARE(editors(Kind::Scenes)[5]->color().red(), 9);
}

void TestShowSlots::failedSaveIsReported()
{
    const QString folder = dir.filePath(QStringLiteral("a-folder.pgm"));
    QVERIFY(QDir().mkpath(folder));
    dialogs->answers = {folder};
    editors(Kind::Programs)[0]->setRedColor(1);
    click("pushButtonSaveProgramsToFile");
    const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf(QStringLiteral("critical"));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QStringLiteral("File error"));
    QVERIFY2(boxes[0].label.startsWith(QStringLiteral("Cannot write ") + folder + ": "),
             qPrintable(boxes[0].label));
    QVERIFY(window->isWindowModified()); // still unsaved
}

void TestShowSlots::languageSwitchCarriesTheShow()
{
    setTable(Kind::Programs, patternTable(Kind::Programs, 4));
    select(Kind::Programs, 3, 7);
    select(Kind::Scenes, 6, 0);
    editors(Kind::Scenes)[4]->setGreenColor(18);
    window->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(2);
    window->setGeometry(40, 50, 1111, 777);
    const QByteArray programs = table(Kind::Programs);
    const QByteArray scenes = table(Kind::Scenes);
    Lc460_bootloader::Handover handover = window->handOver();
    window.reset();

    Lc460_bootloader rebuilt;
    rebuilt.takeOver(std::move(handover));
    QCOMPARE(rebuilt.document().table(Kind::Programs), programs);
    QCOMPARE(rebuilt.document().table(Kind::Scenes), scenes);
    QCOMPARE(rebuilt.findChild<QSpinBox *>("spinBoxProgramNumber")->value(), 3);
    QCOMPARE(rebuilt.findChild<QSpinBox *>("spinBoxSceneNumber")->value(), 7);
    QCOMPARE(rebuilt.findChild<QSpinBox *>("spinBoxSceneSceneNumber")->value(), 6);
    QCOMPARE(lampEditors(rebuilt, Kind::Programs)[2]->color().red(),
             int(quint8(programs.at(Show::programRecordOffset(2, 6) + 6))));
    QCOMPARE(lampEditors(rebuilt, Kind::Scenes)[4]->color().green(), 18);
    QCOMPARE(rebuilt.findChild<QTabWidget *>("tabWidget")->currentIndex(), 2);
    QCOMPARE(rebuilt.size(), QSize(1111, 777));
    QVERIFY(rebuilt.isWindowModified());
    // The carried edit is still one the rebuilt window can be asked to keep.
    lampEditors(rebuilt, Kind::Scenes)[4]->setGreenColor(19);
    QCOMPARE(rebuilt.document().table(Kind::Scenes).at(Show::sceneRecordOffset(5) + 13), char(19));
}

void TestShowSlots::lampEditorsBuiltWhenTheTabIsFirstShown_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("scenes, get") << Kind::Scenes << QByteArray("pushButtonGetScenesFormLc460");
    QTest::newRow("scenes, load") << Kind::Scenes << QByteArray("pushButtonLoadScenesFromFile");
    QTest::newRow("programs, load")
        << Kind::Programs << QByteArray("pushButtonLoadProgramsFromFile");
}

// A tab's lamp editors come with the tab: a table read or loaded, and a time
// edited, before it was ever shown are there when it is, and the editors
// take the room their stand-ins held, so the window's first size was right.
void TestShowSlots::lampEditorsBuiltWhenTheTabIsFirstShown()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, button);
    const bool scenes = kind == Kind::Scenes;
    const QByteArray expected = patternTable(kind, 5);
    QByteArray stored = expected;
    encodeWords(stored.data(), int(stored.size()));
    bus->device().write(Memory::External, 0x15E00, stored);
    const QString fileName = dir.filePath(scenes ? QStringLiteral("late.scn") : "late.pgm");
    QCOMPARE(Show::saveFile(fileName, kind, expected), QString());
    if (button.startsWith("pushButtonLoad"))
        dialogs->answers = {fileName};
    click(button.constData());
    QCOMPARE(table(kind), expected);

    // Scene 3 or program 1 step 3: its XFade; its lamps stay as they were.
    select(kind, scenes ? 3 : 1, 3);
    xfade(kind)->setValue(7);
    const int record = scenes ? Show::sceneRecordOffset(2) : Show::programRecordOffset(0, 2);
    QCOMPARE(table(kind).mid(record, Show::LampBytes), expected.mid(record, Show::LampBytes));
    QCOMPARE(table(kind).at(record + Show::RiseTimeOffset), char(7));

    window->show();
    auto *row = window->findChild<QWidget *>(scenes ? "scrollAreaWidgetContents_2"
                                                    : "scrollAreaWidgetContents");
    const QSize heldRoom = row->sizeHint();
    window->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(scenes ? 2 : 1);
    const QList<SuperRGB *> shown = row->findChildren<SuperRGB *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(shown.size(), Show::LampCount);
    QCOMPARE(row->sizeHint(), heldRoom);
    for (int lamp = 0; lamp < Show::LampCount; ++lamp) {
        const char *rgb = expected.constData() + record + 3 * lamp;
        QCOMPARE(shown[lamp]->color(), QColor(uchar(rgb[0]), uchar(rgb[1]), uchar(rgb[2])));
        QVERIFY(shown[lamp]->isVisible());
    }
    // Their edits are written through, as on a tab built at the start.
    shown[4]->setGreenColor(19);
    QCOMPARE(table(kind).at(record + 3 * 4 + 1), char(19));
}

void TestShowSlots::replacingAsksFirst_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("get") << QByteArray("pushButtonGetProgramsFormLc460");
    QTest::newRow("load") << QByteArray("pushButtonLoadProgramsFromFile");
}

// Cancel, the default, leaves the edited table and the driver alone.
void TestShowSlots::replacingAsksFirst()
{
    QFETCH(QByteArray, button);
    editors(Kind::Programs)[1]->setRedColor(5);
    const QByteArray edited = table(Kind::Programs);
    click(button.constData()); // unscripted: Cancel
    const QList<ScriptedDialogs::Question> questions = dialogs->askedOf(QStringLiteral("question"));
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions[0].label,
             QStringLiteral("The programs have changes that are not saved. Discard them?"));
    QCOMPARE(questions[0].defaultButton, int(QMessageBox::Cancel));
    QCOMPARE(dialogs->asked.size(), 1); // no file dialog
    QCOMPARE(bus->device().commandLog().size(), 0);
    QCOMPARE(table(Kind::Programs), edited);
}

void TestShowSlots::closeAsksWhileChanged_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QVariantList>("answers");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closes");
    QTest::newRow("nothing changed") << "" << QVariantList() << false << true;
    QTest::newRow("edited, cancel")
        << "edit" << QVariantList{int(QMessageBox::Cancel)} << true << false;
    QTest::newRow("edited, discard")
        << "edit" << QVariantList{int(QMessageBox::Discard)} << true << true;
    QTest::newRow("edited, save, the Save dialog cancelled")
        << "edit" << QVariantList{int(QMessageBox::Save), QVariant()} << true << false;
    QTest::newRow("edited, save") << "edit" << QVariantList{int(QMessageBox::Save), "kept.pgm"}
                                  << true << true;
    QTest::newRow("edited, then set") << "set" << QVariantList() << false << true;
}

void TestShowSlots::closeAsksWhileChanged()
{
    QFETCH(QString, before);
    QFETCH(QVariantList, answers);
    QFETCH(bool, asked);
    QFETCH(bool, closes);

    const QString title = window->windowTitle();
    if (!before.isEmpty()) {
        spin("spinBoxStaticTime")->setValue(100);
        QVERIFY(window->isWindowModified());
        QCOMPARE(window->windowTitle(), title + QStringLiteral("[*]"));
    }
    if (before == QLatin1String("set"))
        click("pushButtonSetProgramsInLc460");
    QCOMPARE(window->isWindowModified(), asked);

    for (QVariant &answer : answers) {
        if (answer.typeId() == QMetaType::QString)
            answer = dir.filePath(answer.toString());
    }
    dialogs->answers = answers;
    QCloseEvent close;
    QCoreApplication::sendEvent(window.get(), &close);
    QCOMPARE(close.isAccepted(), closes);
    const QList<ScriptedDialogs::Question> questions = dialogs->askedOf(QStringLiteral("question"));
    QCOMPARE(questions.size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(questions[0].label,
                 QStringLiteral("Programs or scenes have changed since they were last saved or "
                                "sent to the driver. Save them before closing?"));
        QCOMPARE(questions[0].defaultButton, int(QMessageBox::Save));
    }
    // Only the changed table is asked for a file name.
    QCOMPARE(dialogs->askedOf(QStringLiteral("save")).size(), answers.size() > 1 ? 1 : 0);
    if (closes && asked && answers.size() > 1)
        QCOMPARE(Show::readFile(dir.filePath("kept.pgm"), Kind::Programs).table,
                 table(Kind::Programs));
    if (!asked)
        QCOMPARE(window->windowTitle(), title);
}

void TestShowSlots::editMenu_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("steps"); // action names, "edit", "set", "step 19", "clip 3"
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("offset"); // a byte of the table afterwards
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("message");
    const QString none;
    // "edit" sets lamp 1 of the shown record to red 255 (byte 0 of step 1).
    QTest::newRow("an edit is one undo step") << Kind::Programs << QStringList{"edit"}
                                              << "Undo Lamp 1 Colour" << true << 0 << 255 << none;
    QTest::newRow("undoing back to the saved table clears the mark")
        << Kind::Programs << QStringList{"edit", "actionUndo"} << "Undo" << false << 0 << 0 << none;
    QTest::newRow("redo") << Kind::Programs << QStringList{"edit", "actionUndo", "actionRedo"}
                          << "Undo Lamp 1 Colour" << true << 0 << 255 << none;
    QTest::newRow("duplicate shows the copy, rotate right moves it on a lamp")
        << Kind::Programs << QStringList{"edit", "actionDuplicate", "actionRotateLampsRight"}
        << "Undo Rotate Lamps Right" << true << 48 + 3 << 255 << none;
    QTest::newRow("scenes: insert blank shifts the scene on")
        << Kind::Scenes << QStringList{"edit", "actionInsertBlank"} << "Undo Insert Blank" << true
        << 48 << 255 << none;
    QTest::newRow("scenes: delete, then undo")
        << Kind::Scenes << QStringList{"edit", "actionDelete", "actionUndo"} << "Undo Lamp 1 Colour"
        << true << 0 << 255 << none;
    QTest::newRow("undo after a Set changes only the window")
        << Kind::Programs << QStringList{"edit", "set", "actionUndo"} << "Undo" << true << 0 << 0
        << "Wrote 8 programs to driver 261107001.";
    QTest::newRow("a paste into step 19 drops what does not fit")
        << Kind::Programs << QStringList{"edit", "clip 3", "step 19", "actionPaste"} << "Undo Paste"
        << true << 18 * 48 << 255
        << "Records dropped by the paste, since they did not fit after "
           "the last step: 1 of 3.";
}

void TestShowSlots::editMenu()
{
    QFETCH(Kind, kind);
    QFETCH(QStringList, steps);
    QFETCH(QString, undoText);
    QFETCH(bool, modified);
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(QString, message);

    window->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(kind == Kind::Programs ? 1 : 2);
    int transfers = 0;
    for (const QString &step : steps) {
        if (step == QLatin1String("edit")) {
            editors(kind)[0]->setRedColor(255);
        } else if (step == QLatin1String("set")) {
            click(kind == Kind::Programs ? "pushButtonSetProgramsInLc460"
                                         : "pushButtonSetScenesInLc460");
            transfers = bus->device().commandLog().size();
        } else if (step == QLatin1String("step 19")) {
            select(kind, 1, 19);
        } else if (step == QLatin1String("clip 3")) {
            const Show::RecordClip clip = Show::copyRecords(table(kind), kind, {0, 0, 0});
            QGuiApplication::clipboard()->setText(Show::recordsToText(clip));
        } else {
            window->findChild<QAction *>(step)->trigger();
        }
    }
    QCOMPARE(window->findChild<QAction *>("actionUndo")->text(), undoText);
    QCOMPARE(window->isWindowModified(), modified);
    QCOMPARE(int(quint8(table(kind).at(offset))), value);
    QCOMPARE(status(), message);
    QCOMPARE(bus->device().commandLog().size(), transfers); // undo never reaches the driver
}

void TestShowSlots::compareWithDriver_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("editedStep"); // 0: none
    QTest::addColumn<QString>("box");    // its second line; empty: no box
    QTest::newRow("programs equal") << Kind::Programs << 0 << QString();
    QTest::newRow("programs: step 3 differs")
        << Kind::Programs << 3 << "program 1, step 3: lamp 2 #c80000 → #000000";
    QTest::newRow("scenes: scene 2 differs")
        << Kind::Scenes << 2 << "scene 2: lamp 2 #c80000 → #000000";
}

void TestShowSlots::compareWithDriver()
{
    QFETCH(Kind, kind);
    QFETCH(int, editedStep);
    QFETCH(QString, box);

    window->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(kind == Kind::Programs ? 1 : 2);
    click(kind == Kind::Programs ? "pushButtonSetProgramsInLc460" : "pushButtonSetScenesInLc460");
    if (editedStep > 0) {
        select(kind, kind == Kind::Programs ? 1 : editedStep, editedStep);
        editors(kind)[1]->setRedColor(200);
    }
    const QByteArray before = table(kind);
    window->findChild<QAction *>("actionCompareWithDriver")->trigger();
    waitForJob();

    QCOMPARE(table(kind), before); // the driver's table never replaces the window's
    auto *overview = window->findChild<OverviewView *>(kind == Kind::Programs ? "overviewPrograms"
                                                                              : "overviewScenes");
    const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf("information");
    if (box.isEmpty()) {
        QCOMPARE(boxes.size(), 0);
        QCOMPARE(status(), QString("Driver 261107001 holds exactly the %1 this window shows.")
                               .arg(kind == Kind::Programs ? "programs" : "scenes"));
        QCOMPARE(overview->markedColumns(), QList<int>());
        return;
    }
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].label.split('\n').value(1), box);
    QCOMPARE(overview->markedColumns(), QList<int>{editedStep - 1});
    // The comparison holds until the table changes.
    editors(kind)[1]->setRedColor(0);
    QCOMPARE(overview->markedColumns(), QList<int>());
}

// A slow driver: the window answers while the Get runs, keeps the driver to
// the Get, and a close waits for it.
void TestShowSlots::jobHoldsTheDriverUntilItEnds()
{
    bus->device().setLatencyMs(20);
    window->show();
    window->findChild<QPushButton *>("pushButtonGetProgramsFormLc460")->click();

    QVERIFY(!window->findChild<QWidget *>("tabPrograms")->isEnabled());
    for (const char *name :
         {"pushButtonSetScenesInLc460", "pushButtonGetScenesFormLc460", "pushButtonCHF"})
        QVERIFY(!window->findChild<QPushButton *>(name)->isEnabled());
    QVERIFY(!window->findChild<QAction *>("actionCompareWithDriver")->isEnabled());
    window->slotPolish(false);
    expectBox("information", "Info",
              "The driver is busy with a transfer. Try again when it has ended.");

    QVERIFY(!window->close());
    QCOMPARE(status(), QString("The window closes when the transfer has ended."));
    QVERIFY(window->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 30000);
    QCOMPARE(status(), QString("Read 8 programs from driver 261107001."));
    QCOMPARE(bus->device().status() & 1, 0u);
}

QTEST_MAIN(TestShowSlots)
#include "tst_showslots.moc"
