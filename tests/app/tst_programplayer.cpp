// Play and Stop in the window: the preview strip above the Programs tab's
// overview, the step playing marked there, and a preview that changes
// nothing of the show.

#include "app/lc460_bootloader.h"
#include "core/clock.h"
#include "tests/support/lampeditors.h"
#include "tests/support/scripteddialogs.h"
#include "widgets/overviewview.h"
#include "widgets/previewstrip.h"

#include <QAction>
#include <QDialog>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

#include <memory>

using Show::Kind;

class TestProgramPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void playsTheDefaultChase();
    void editWhilePlayingIsShown();
    void stops_data();
    void stops();

private:
    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }
    PreviewStrip *strip() const { return window->findChild<PreviewStrip *>("previewPrograms"); }
    OverviewView *overview() const { return window->findChild<OverviewView *>("overviewPrograms"); }
    QString previewName() const { return strip()->accessibleName(); }
    void fillDefaultChase();

    std::unique_ptr<Lc460_bootloader> window;
    ScriptedDialogs *dialogs = nullptr; // owned by the window
};

void TestProgramPlayer::init()
{
    window = std::make_unique<Lc460_bootloader>();
    dialogs = scriptDialogs(*window);
    window->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
}

void TestProgramPlayer::cleanup()
{
    window.reset();
    Clock::setVirtual(false);
}

// The red chase over steps 1 to 12 of program 1, 500 ms a step.
void TestProgramPlayer::fillDefaultChase()
{
    dialogs->answers << int(QDialog::Accepted);
    action("actionFillSteps")->trigger();
}

// On the real clock, as a user sees it: the preview names its step and
// moves on by itself; the show is left exactly as it was.
void TestProgramPlayer::playsTheDefaultChase()
{
    fillDefaultChase();
    overview()->setShownColumn(4);
    const QByteArray before = window->document().table(Kind::Programs);
    const QString undoText = action("actionUndo")->text();
    const bool modified = window->isWindowModified();
    QVERIFY(!strip()->isVisibleTo(window.get()));

    action("actionPlay")->trigger();
    QVERIFY(strip()->isVisibleTo(window.get()));
    QCOMPARE(previewName(), QStringLiteral("Preview: program 1, step 1 of 12"));
    QCOMPARE(strip()->colours().at(0), QColor(255, 0, 0));
    QCOMPARE(overview()->playingColumn(), 0);
    QVERIFY(!action("actionPlay")->isEnabled());
    QVERIFY(action("actionStop")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(previewName(), QStringLiteral("Preview: program 1, step 2 of 12"),
                              3000);
    QCOMPARE(strip()->colours().at(0), QColor(0, 0, 0));
    QCOMPARE(strip()->colours().at(1), QColor(255, 0, 0));
    QCOMPARE(overview()->playingColumn(), 1);

    QCOMPARE(overview()->shownColumn(), 4);
    QCOMPARE(window->findChild<QSpinBox *>("spinBoxSceneNumber")->value(), 5);
    QCOMPARE(window->document().table(Kind::Programs), before);
    QCOMPARE(action("actionUndo")->text(), undoText);
    QCOMPARE(window->isWindowModified(), modified);
}

// On a clock that stands still the step playing stays step 1, the one the
// lamp editors show: an edit there is in the preview at once, and an End
// Marker set shortens the round.
void TestProgramPlayer::editWhilePlayingIsShown()
{
    fillDefaultChase();
    Clock::setVirtual(true);
    action("actionPlay")->trigger();
    lampEditors(*window, Kind::Programs)[5]->setGreenColor(200);
    QCOMPARE(strip()->colours().at(5), QColor(0, 200, 0));
    window->findChild<QSpinBox *>("spinBoxEndMarker")->setValue(1);
    QCOMPARE(previewName(), QStringLiteral("Preview: program 1, step 1 of 1"));
    // Editing is not playing: the edits went into the show as usual.
    QCOMPARE(action("actionUndo")->text(), QStringLiteral("Undo End Marker"));
}

void TestProgramPlayer::stops_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("playEnabled"); // afterwards
    QTest::newRow("Stop") << "stop" << true;
    QTest::newRow("Esc") << "esc" << true;
    QTest::newRow("Shift+F5") << "shift+f5" << true;
    QTest::newRow("another program") << "program" << true;
    QTest::newRow("the Scenes tab") << "tab" << false;
    QTest::newRow("a language switch takes the show away") << "handover" << false;
}

void TestProgramPlayer::stops()
{
    QFETCH(QString, how);
    QFETCH(bool, playEnabled);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    fillDefaultChase();
    QTest::keyClick(window.get(), Qt::Key_F5);
    QVERIFY(strip()->isVisible());
    if (how == QLatin1String("stop"))
        action("actionStop")->trigger();
    else if (how == QLatin1String("esc"))
        QTest::keyClick(window.get(), Qt::Key_Escape);
    else if (how == QLatin1String("shift+f5"))
        QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);
    else if (how == QLatin1String("program"))
        window->findChild<QSpinBox *>("spinBoxProgramNumber")->setValue(2);
    else if (how == QLatin1String("tab"))
        window->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(2);
    else
        (void)window->handOver();
    QVERIFY(!strip()->isVisible());
    QCOMPARE(overview()->playingColumn(), -1);
    QVERIFY(!action("actionStop")->isEnabled());
    QCOMPARE(action("actionPlay")->isEnabled(), playEnabled);
}

QTEST_MAIN(TestProgramPlayer)
#include "tst_programplayer.moc"
