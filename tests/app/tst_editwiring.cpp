// The Edit menu as the window wires it: the shown step survives every
// operation, undo shows what it changes, Set Colour and Fill Steps, and the
// menu's keys while a spin box has the focus.

#include "app/lc460_bootloader.h"
#include "show/patterns.h"
#include "show/recordclipboard.h"
#include "sim/simulatedbus.h"
#include "tests/support/lampeditors.h"
#include "tests/support/scripteddialogs.h"
#include "widgets/overviewview.h"
#include "widgets/superrgb.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

#include <memory>

using Show::Kind;

class TestEditWiring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void copyTakesTheShownStepAfter_data();
    void copyTakesTheShownStepAfter();
    void noOpRotateIsNotRecorded();
    void undoShowsTheStep_data();
    void undoShowsTheStep();
    void setColourOnTheSelectedCells();
    void fillSteps_data();
    void fillSteps();
    void keysWorkInAFocusedSpinBox_data();
    void keysWorkInAFocusedSpinBox();
    void gridTakesTheTableKeys();

private:
    QSpinBox *spin(const char *name) const { return window->findChild<QSpinBox *>(name); }
    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }
    OverviewView *overview() const { return window->findChild<OverviewView *>("overviewPrograms"); }
    const QByteArray &programs() const { return window->document().table(Kind::Programs); }
    void select(int program, int step) const
    {
        spin("spinBoxProgramNumber")->setValue(program);
        spin("spinBoxSceneNumber")->setValue(step);
    }
    QString undoText() const { return action("actionUndo")->text(); }

    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<Lc460_bootloader> window;
    ScriptedDialogs *dialogs = nullptr; // owned by the window
};

void TestEditWiring::init()
{
    bus = std::make_unique<SimulatedBus>();
    window = std::make_unique<Lc460_bootloader>();
    dialogs = scriptDialogs(*window);
    window->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
}

void TestEditWiring::cleanup()
{
    window.reset();
    bus.reset();
}

void TestEditWiring::copyTakesTheShownStepAfter_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("rotate") << "rotate";
    QTest::newRow("undo") << "undo";
    QTest::newRow("paste") << "paste";
    QTest::newRow("get") << "get";
}

// The operation must leave the shown step current: Copy then takes it.
void TestEditWiring::copyTakesTheShownStepAfter()
{
    QFETCH(QString, operation);
    QByteArray table(Show::tableSize(Kind::Programs), '\0');
    for (int i = 0; i < table.size(); ++i)
        table[i] = char(i * 7 + 1);
    QVERIFY(window->document().setTable(Kind::Programs, table));
    select(2, 5);
    if (operation == QLatin1String("rotate")) {
        action("actionRotateLampsRight")->trigger();
    } else if (operation == QLatin1String("undo")) {
        lampEditors(*window, Kind::Programs)[3]->setRedColor(200);
        action("actionUndo")->trigger();
    } else if (operation == QLatin1String("paste")) {
        const Show::RecordClip clip = Show::copyRecords(programs(), Kind::Programs, {0});
        QGuiApplication::clipboard()->setText(Show::recordsToText(clip));
        action("actionPaste")->trigger();
    } else {
        window->findChild<QPushButton *>("pushButtonGetProgramsFormLc460")->click();
        QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QProgressBar *>("progressBarJob")->isHidden(),
                                 30000);
    }
    QCOMPARE(overview()->shownColumn(), 4);
    QCOMPARE(spin("spinBoxSceneNumber")->value(), 5);
    QGuiApplication::clipboard()->clear();
    action("actionCopy")->trigger();
    const std::optional<Show::RecordClip> copied
        = Show::recordsFromMimeData(QGuiApplication::clipboard()->mimeData());
    QVERIFY(copied);
    QCOMPARE(copied->count(), 1);
    QCOMPARE(copied->records, programs().mid(24 * Show::RecordSize, Show::RecordSize));
}

void TestEditWiring::noOpRotateIsNotRecorded()
{
    action("actionRotateLampsRight")->trigger();
    action("actionRotateLampsLeft")->trigger();
    QVERIFY(!window->isWindowModified());
    QVERIFY(!window->windowTitle().contains(QLatin1Char('*')));
    QCOMPARE(undoText(), QStringLiteral("Undo"));
}

void TestEditWiring::undoShowsTheStep_data()
{
    QTest::addColumn<QString>("redo"); // also redo after moving away again
    QTest::addColumn<int>("program");
    QTest::addColumn<int>("step");
    QTest::newRow("undo, same program") << "" << 1 << 7;
    QTest::newRow("undo, other program") << "" << 3 << 17;
    QTest::newRow("redo") << "redo" << 4 << 20;
}

void TestEditWiring::undoShowsTheStep()
{
    QFETCH(QString, redo);
    QFETCH(int, program);
    QFETCH(int, step);
    select(program, step);
    lampEditors(*window, Kind::Programs)[0]->setGreenColor(90);
    select(1, 1);
    action("actionUndo")->trigger();
    if (!redo.isEmpty()) {
        select(2, 2);
        action("actionRedo")->trigger();
    }
    QCOMPARE(spin("spinBoxProgramNumber")->value(), program);
    QCOMPARE(spin("spinBoxSceneNumber")->value(), step);
    QCOMPARE(overview()->shownColumn(), step - 1);
    // The editors show the step too: the next edit goes there.
    QCOMPARE(lampEditors(*window, Kind::Programs)[0]->color().green(), redo.isEmpty() ? 0 : 90);
}

void TestEditWiring::setColourOnTheSelectedCells()
{
    select(1, 3);
    lampEditors(*window, Kind::Programs)[0]->setRedColor(17);
    dialogs->answers << QColor(10, 128, 255);
    action("actionSetColour")->trigger();
    const QList<ScriptedDialogs::Question> asked = dialogs->askedOf(QStringLiteral("color"));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].value.value<QColor>(), QColor(17, 0, 0));
    // The shown column is selected: every lamp of step 3 takes the colour.
    const Show::SceneRecord record = window->document().record(Kind::Programs, 2);
    for (const Show::Rgb &lamp : record.lamps)
        QCOMPARE(lamp, (Show::Rgb{10, 128, 255}));
    QCOMPARE(undoText(), QStringLiteral("Undo Set Colour"));
    action("actionUndo")->trigger();
    QCOMPARE(window->document().record(Kind::Programs, 2).lamps[0], (Show::Rgb{17, 0, 0}));
}

void TestEditWiring::fillSteps_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("ok") << int(QDialog::Accepted);
    QTest::newRow("cancel") << int(QDialog::Rejected);
}

void TestEditWiring::fillSteps()
{
    QFETCH(int, answer);
    const QByteArray before = programs();
    dialogs->answers << answer;
    action("actionFillSteps")->trigger();
    QCOMPARE(dialogs->askedOf(QStringLiteral("exec")).size(), 1);
    if (answer != QDialog::Accepted) {
        QCOMPARE(programs(), before);
        QVERIFY(!window->isWindowModified());
        QCOMPARE(undoText(), QStringLiteral("Undo"));
        return;
    }
    // The red chase over black on steps 1 to 12, 500 ms a step, the End
    // Marker on step 12.
    for (int step = 0; step < 20; ++step) {
        const Show::SceneRecord record = window->document().record(Kind::Programs, step);
        for (int lamp = 0; lamp < Show::LampCount; ++lamp)
            QCOMPARE(record.lamps[lamp],
                     (step < 12 && lamp == step ? Show::Rgb{255, 0, 0} : Show::Rgb{}));
        QCOMPARE(record.staticTime, step < 12 ? 500 : 0);
        QCOMPARE(int(record.endMarker), step == 11 ? 1 : 0);
    }
    QVERIFY(window->isWindowModified());
    QCOMPARE(undoText(), QStringLiteral("Undo Fill Steps"));
    action("actionUndo")->trigger();
    QCOMPARE(programs(), before);
    QVERIFY(!window->isWindowModified());
}

void TestEditWiring::keysWorkInAFocusedSpinBox_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<int>("lamp1Red"); // step 1, afterwards
    QTest::newRow("rotate right") << QKeySequence(Qt::CTRL | Qt::Key_BracketRight)
                                  << "Undo Rotate Lamps Right" << 0;
    QTest::newRow("duplicate") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D) << "Undo Duplicate"
                               << 99;
    QTest::newRow("undo") << QKeySequence(Qt::CTRL | Qt::Key_Z) << "Undo" << 0;
}

void TestEditWiring::keysWorkInAFocusedSpinBox()
{
    QFETCH(QKeySequence, key);
    QFETCH(QString, undoText);
    QFETCH(int, lamp1Red);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    lampEditors(*window, Kind::Programs)[0]->setRedColor(99);
    QSpinBox *sceneTime = spin("spinBoxStaticTime");
    sceneTime->setFocus();
    QTRY_VERIFY(sceneTime->hasFocus());
    QTest::keySequence(sceneTime, key);
    QCOMPARE(this->undoText(), undoText);
    QCOMPARE(int(quint8(programs().at(0))), lamp1Red);
}

// Ctrl+C, Ctrl+V and Delete act on the steps while the grid has the focus.
void TestEditWiring::gridTakesTheTableKeys()
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    lampEditors(*window, Kind::Programs)[0]->setRedColor(99);
    overview()->setFocus();
    QTRY_VERIFY(overview()->hasFocus());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(overview(), Qt::Key_C, Qt::ControlModifier);
    const std::optional<Show::RecordClip> copied
        = Show::recordsFromMimeData(QGuiApplication::clipboard()->mimeData());
    QVERIFY(copied);
    QCOMPARE(copied->records, programs().left(Show::RecordSize));
    select(1, 2);
    QTest::keyClick(overview(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(undoText(), QStringLiteral("Undo Paste"));
    QCOMPARE(int(quint8(programs().at(Show::RecordSize))), 99);
    QTest::keyClick(overview(), Qt::Key_Delete);
    QCOMPARE(undoText(), QStringLiteral("Undo Delete"));
    QCOMPARE(int(quint8(programs().at(Show::RecordSize))), 0);
}

QTEST_MAIN(TestEditWiring)
#include "tst_editwiring.moc"
