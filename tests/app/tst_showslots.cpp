// The Programs and Scenes tabs as the user works them: the lamp editors and
// spin boxes against the tables, Get and Set against the simulated driver,
// Load and Save through the scripted dialogs, and what the window keeps when
// it closes or switches language.

#include "app/lc460_bootloader.h"
#include "show/showfile.h"
#include "sim/simulatedbus.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tracecapture.h"
#include "usb/scramble.h"
#include "usb/usblc350.h"
#include "widgets/superrgb.h"

#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
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
    void initTestCase() { QVERIFY(dir.isValid()); }
    void init();
    void cleanup();

    void editsAreCommittedAtTheChangeOfNumber_data();
    void editsAreCommittedAtTheChangeOfNumber();
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
    void closeAsksWhileChanged_data();
    void closeAsksWhileChanged();

private:
    QSpinBox *spin(const char *name) const { return window->findChild<QSpinBox *>(name); }
    void click(const char *name) const { window->findChild<QPushButton *>(name)->click(); }
    QList<SuperRGB *> editors(Kind kind) const
    {
        return kind == Kind::Programs ? window->programEditors : window->sceneEditors;
    }
    QByteArray &table(Kind kind) const
    {
        return kind == Kind::Programs ? window->programTable : window->sceneTable;
    }
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
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window->setUserDialogs(std::move(scripted));
}

void TestShowSlots::cleanup()
{
    window.reset();
    bus.reset();
}

void TestShowSlots::editsAreCommittedAtTheChangeOfNumber_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("offset");
    // Right after start the first records count as shown: an edit made then
    // is kept like any other.
    QTest::newRow("program 1 step 1 right after start") << Kind::Programs << 1 << 1 << 0;
    QTest::newRow("program 8 step 20, bytes 7632..7679") << Kind::Programs << 8 << 20 << 7632;
    QTest::newRow("scene 1 right after start") << Kind::Scenes << 1 << 0 << 0;
    QTest::newRow("scene 8, bytes 336..383") << Kind::Scenes << 8 << 0 << 336;
}

void TestShowSlots::editsAreCommittedAtTheChangeOfNumber()
{
    QFETCH(Kind, kind);
    QFETCH(int, number);
    QFETCH(int, step);
    QFETCH(int, offset);

    select(kind, number, step);
    editors(kind)[3]->setRedColor(255); // the fourth lamp, "L: 4"
    xfade(kind)->setValue(5);
    select(kind, number == 1 ? 2 : 1, step); // away ...
    QCOMPARE(editors(kind)[3]->color(), QColor(0, 0, 0));
    QCOMPARE(table(kind).mid(offset + 9, 3), QByteArray("\xFF\x00\x00", 3));
    QCOMPARE(table(kind).mid(offset + 36, 4), QByteArray("\x05\x00\x00\x00", 4));
    QCOMPARE(table(kind).count('\0'), table(kind).size() - 2);
    select(kind, number, step); // ... and back
    QCOMPARE(editors(kind)[3]->color(), QColor(255, 0, 0));
    QCOMPARE(xfade(kind)->value(), 5);
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
    table(kind) = patternTable(kind, 3);
    kind == Kind::Programs ? window->slotUpdateProgramScene(0) : window->slotUpdateScene(0);
    // Set commits the shown record first, its times limited to the spin boxes.
    window->commitShownProgramStep();
    window->commitShownScene();
    const QByteArray expected = table(kind);

    QList<bool> waitCursor;
    const auto sample = [&waitCursor](int) {
        waitCursor.append(QApplication::overrideCursor()
                          && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
    };
    connect(&window->usbDevice(), &USBLC350::sendPercentExtFlashWrite, this, sample);
    connect(&window->usbDevice(), &USBLC350::sendPercentExtFlashRead, this, sample);

    click(setButton.constData());
    table(kind).fill('\0');
    editors(kind)[0]->setBlueColor(77); // dropped by the Get
    click(getButton.constData());

    QCOMPARE(table(kind), expected);
    QCOMPARE(editors(kind)[0]->color(), QColor(uchar(3), uchar(14), uchar(25)));
    QVERIFY(!waitCursor.isEmpty());
    QCOMPARE(waitCursor, QList<bool>(waitCursor.size(), true));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(dialogs->asked.size(), 0);
    QCOMPARE(bus->device().status() & 1, 0u);
}

// Only the first lamp set to (1, 2, 3) and XFade 5, then Set.
void TestShowSlots::setOfScenesRightAfterStart()
{
    window->sceneEditors[0]->setRedColor(1);
    window->sceneEditors[0]->setGreenColor(2);
    window->sceneEditors[0]->setBlueColor(3);
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
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("editKept");  // the uncommitted edit still in the editor
    QTest::addColumn<bool>("committed"); // the edit is in the table

    QTest::newRow("get without a driver")
        << QByteArray("pushButtonGetProgramsFormLc460") << "unplug"
        << " Lc460_bootloader::slotpushButtonGetProgramsFromLc460(bool t)"
        << "USB Timeout\nCheck USB Cable" << true << false;
    QTest::newRow("set without a driver")
        << QByteArray("pushButtonSetScenesInLc460") << "unplug"
        << "Lc460_bootloader::slotpushButtonSetScenesInLc460(bool t)"
        << "USB Timeout\nCheck USB Cable" << true << false;
    QTest::newRow("read fails: released, tab reloaded")
        << QByteArray("pushButtonGetScenesFormLc460") << "read"
        << "Lc460_bootloader::slotpushButtonGetScenesFromLc460(bool t)"
        << "slotUpdateProgramScene" << false << false;
    QTest::newRow("write fails: released, shown record committed")
        << QByteArray("pushButtonSetProgramsInLc460") << "write"
        << " Lc460_bootloader::slotpushButtonSetProgramsInLc460(bool t)"
        << "WriteExternalFlashToAddress" << true << true;
}

void TestShowSlots::transferFailures()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, fault);
    QFETCH(QString, trace);
    QFETCH(QString, text);
    QFETCH(bool, editKept);
    QFETCH(bool, committed);

    const Kind kind = button.contains("Programs") ? Kind::Programs : Kind::Scenes;
    const QByteArray before = table(kind);
    editors(kind)[0]->setGreenColor(200);
    if (fault == QLatin1String("unplug"))
        bus->device().unplug();
    else
        bus->device().failNextTransfers(200, Match::vendor(fault == QLatin1String("read") ? 5 : 6));

    TraceCapture lines;
    click(button.constData());
    QVERIFY2(lines.lines().contains(trace), qPrintable(lines.lines().join(QLatin1Char('|'))));
    expectBox("critical", QStringLiteral("Error"), text);
    QCOMPARE(editors(kind)[0]->color().green(), editKept ? 200 : 0);
    QCOMPARE(table(kind).at(1) == char(200), committed);
    if (!committed)
        QCOMPARE(table(kind), before);
    const QList<Lc420Model::Transfer> log = bus->device().commandLog();
    QCOMPARE(!log.isEmpty() && log.last().request == 8, fault != QLatin1String("unplug"));
    QCOMPARE(bus->device().status() & 1, 0u);
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
    const QString fileName = dir.filePath(QString::fromLatin1(QTest::currentDataTag()));

    // Right after start: exactly the empty table's file.
    dialogs->answers = {fileName};
    click(save.constData());
    QCOMPARE(QFile(fileName).size(), Show::fileSize(kind));
    QCOMPARE(Show::readFile(fileName, kind).table, QByteArray(Show::tableSize(kind), '\0'));

    // Reserved bytes kept, and the edit shown in the editors saved too.
    table(kind) = patternTable(kind, 9);
    select(kind, 2, 2);
    editors(kind)[11]->setBlueColor(1);
    dialogs->answers = {fileName};
    click(save.constData());
    QVERIFY(!window->isWindowModified());
    const QByteArray saved = table(kind);
    QCOMPARE(Show::readFile(fileName, kind).table, saved);

    table(kind).fill('\x42');
    editors(kind)[11]->setBlueColor(99); // dropped by the Load
    dialogs->answers = {fileName};
    click(load.constData());
    QCOMPARE(table(kind), saved);
    QCOMPARE(editors(kind)[11]->color().blue(), 1);

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

    QTest::newRow("programs file as scenes") << programs << "Wrong file header";
    QTest::newRow("wrong version") << version << "Wrong version";
    QTest::newRow("block shorter than the table") << shortBlock << "Wrong file length";
    QTest::newRow("cut short") << scenes.left(400) << "Wrong file length";
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

    window->sceneEditors[5]->setRedColor(9);
    dialogs->answers = {fileName};
    click("pushButtonLoadScenesFromFile");
    expectBox("critical", QStringLiteral("File error"), text);
    QCOMPARE(window->sceneTable, QByteArray(384, '\0'));
    QCOMPARE(window->sceneEditors[5]->color().red(), 9);
}

void TestShowSlots::failedSaveIsReported()
{
    const QString folder = dir.filePath(QStringLiteral("a-folder.pgm"));
    QVERIFY(QDir().mkpath(folder));
    dialogs->answers = {folder};
    window->programEditors[0]->setRedColor(1);
    click("pushButtonSaveProgramsToFile");
    const QList<ScriptedDialogs::Question> boxes = dialogs->askedOf(QStringLiteral("critical"));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, QStringLiteral("File error"));
    QVERIFY2(boxes[0].label.startsWith(QStringLiteral("Cannot write ") + folder + ":\n"),
             qPrintable(boxes[0].label));
    QVERIFY(window->isWindowModified()); // still unsaved
}

void TestShowSlots::languageSwitchCarriesTheShow()
{
    window->programTable = patternTable(Kind::Programs, 4);
    window->sceneTable = patternTable(Kind::Scenes, 5);
    select(Kind::Programs, 3, 7);
    select(Kind::Scenes, 6, 0);
    window->programEditors[2]->setRedColor(17); // shown, not yet committed
    window->sceneEditors[4]->setGreenColor(18);
    const Lc460_bootloader::ShowState state = window->takeShowState();
    const QByteArray programs = window->programTable;
    const QByteArray scenes = window->sceneTable;
    QCOMPARE(programs.at(Show::programRecordOffset(2, 6) + 6), char(17));
    QCOMPARE(scenes.at(Show::sceneRecordOffset(5) + 13), char(18));

    Lc460_bootloader rebuilt;
    rebuilt.restoreShowState(state);
    QCOMPARE(rebuilt.programTable, programs);
    QCOMPARE(rebuilt.sceneTable, scenes);
    QCOMPARE(rebuilt.findChild<QSpinBox *>("spinBoxProgramNumber")->value(), 3);
    QCOMPARE(rebuilt.findChild<QSpinBox *>("spinBoxSceneNumber")->value(), 7);
    QCOMPARE(rebuilt.findChild<QSpinBox *>("spinBoxSceneSceneNumber")->value(), 6);
    QCOMPARE(rebuilt.programEditors[2]->color().red(), 17);
    QCOMPARE(rebuilt.sceneEditors[4]->color().green(), 18);
    QVERIFY(rebuilt.isWindowModified());
}

void TestShowSlots::closeAsksWhileChanged_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QVariant>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closes");
    QTest::newRow("nothing changed") << "" << QVariant() << false << true;
    QTest::newRow("edited, stay") << "edit" << QVariant(int(QMessageBox::No)) << true << false;
    QTest::newRow("edited, close anyway")
        << "edit" << QVariant(int(QMessageBox::Yes)) << true << true;
    QTest::newRow("edited, then set") << "set" << QVariant() << false << true;
}

void TestShowSlots::closeAsksWhileChanged()
{
    QFETCH(QString, before);
    QFETCH(QVariant, answer);
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

    dialogs->answers = {answer};
    QCloseEvent close;
    QCoreApplication::sendEvent(window.get(), &close);
    QCOMPARE(close.isAccepted(), closes);
    const QList<ScriptedDialogs::Question> questions = dialogs->askedOf(QStringLiteral("question"));
    QCOMPARE(questions.size(), asked ? 1 : 0);
    if (asked)
        QCOMPARE(questions[0].label,
                 QStringLiteral("Programs or scenes have changed since they were last saved or "
                                "sent to the driver. Close anyway?"));
    if (!asked)
        QCOMPARE(window->windowTitle(), title);
}

QTEST_MAIN(TestShowSlots)
#include "tst_showslots.moc"
