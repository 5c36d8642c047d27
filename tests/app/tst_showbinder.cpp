// A tab's lamp editors and spin boxes bound to the show document, without a
// window: every edit is in the document at once, and the document's own
// changes are shown at once.

#include "app/showbinder.h"
#include "show/showdocument.h"
#include "tests/support/scripteddialogs.h"
#include "widgets/colorlineedit.h"
#include "widgets/colorslider.h"
#include "widgets/superrgb.h"

#include <QAction>
#include <QSpinBox>
#include <QTest>
#include <QUndoStack>

using Show::Kind;

class TestShowBinder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editsAreWrittenThroughAtOnce_data();
    void editsAreWrittenThroughAtOnce();
    void oneGestureIsOneUndoStep_data();
    void oneGestureIsOneUndoStep();
};

void TestShowBinder::editsAreWrittenThroughAtOnce_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("index");
    QTest::newRow("program 1 step 1, bytes 0..47") << Kind::Programs << 0;
    QTest::newRow("program 8 step 20, bytes 7632..7679") << Kind::Programs << 159;
    QTest::newRow("scene 8, bytes 336..383") << Kind::Scenes << 7;
}

void TestShowBinder::editsAreWrittenThroughAtOnce()
{
    QFETCH(Kind, kind);
    QFETCH(int, index);
    Show::ShowDocument document;
    QWidget tab;
    ShowBinder::Controls controls{{},
                                  new QSpinBox(&tab),
                                  new QSpinBox(&tab),
                                  kind == Kind::Programs ? new QSpinBox(&tab) : nullptr};
    controls.riseTime->setRange(0, Show::MaxRiseTime);
    controls.staticTime->setRange(0, Show::MaxStaticTime);
    for (quint16 lamp = 0; lamp < 12; ++lamp) {
        controls.editors.append(new SuperRGB(0, 0, 0, lamp));
        controls.editors.last()->setParent(&tab);
    }
    int shown = 0;
    ShowBinder binder(document, kind, controls, [&shown] { return shown; });

    // Stored values beyond the ranges are shown limited, and showing writes nothing.
    Show::SceneRecord stored;
    stored.riseTime = 200000;
    stored.endMarker = 7;
    document.setRecord(kind, index, stored);
    shown = index;
    binder.shownChanged();
    QCOMPARE(controls.riseTime->value(), Show::MaxRiseTime);
    QCOMPARE(document.record(kind, index).riseTime, 200000);

    controls.editors[3]->setRedColor(255); // the fourth lamp, "L: 4"
    const int offset = index * Show::RecordSize;
    QCOMPARE(document.table(kind).mid(offset + 9, 3), QByteArray("\xFF\x00\x00", 3));
    QCOMPARE(document.record(kind, index).riseTime, Show::MaxRiseTime);
    QCOMPARE(document.record(kind, index).endMarker, quint8(kind == Kind::Programs ? 1 : 7));

    shown = index == 0 ? 1 : 0; // away ...
    binder.shownChanged();
    QCOMPARE(controls.editors[3]->color(), QColor(0, 0, 0));
    shown = index; // ... and back
    binder.shownChanged();
    QCOMPARE(controls.editors[3]->color(), QColor(255, 0, 0));

    // A change made elsewhere (an undo, a step operation) shows at once.
    stored.lamps[0] = {1, 2, 3};
    document.setRecord(kind, index, stored);
    QCOMPARE(controls.editors[0]->color(), QColor(1, 2, 3));
    QCOMPARE(controls.editors[3]->color(), QColor(0, 0, 0));
}

void TestShowBinder::oneGestureIsOneUndoStep_data()
{
    // "press" and "release" the mouse on lamp 3's red slider, "move N" it
    // there while pressed, "choose" a colour in lamp 3's context menu,
    // "type TEXT" into Scene Time, "key NAME" there.
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("undoText");

    QTest::newRow("one slider drag")
        << QStringList{"press", "move 10", "move 20", "release"} << 1 << "Lamp 3 Colour";
    QTest::newRow("two drags of the same slider")
        << QStringList{"press", "move 10", "release", "press", "move 20", "release"} << 2
        << "Lamp 3 Colour";
    QTest::newRow("a colour chosen in the dialog") << QStringList{"choose"} << 1 << "Lamp 3 Colour";
    QTest::newRow("a drag, then a colour chosen for the same lamp")
        << QStringList{"press", "move 10", "release", "choose"} << 2 << "Lamp 3 Colour";
    QTest::newRow("a value typed digit by digit") << QStringList{"type 500"} << 1 << "Scene Time";
    QTest::newRow("two values typed, each ended by Return")
        << QStringList{"type 500", "key Return", "type 7"} << 2 << "Scene Time";
    QTest::newRow("up twice, apart") << QStringList{"key Up", "key Up"} << 2 << "Scene Time";
}

void TestShowBinder::oneGestureIsOneUndoStep()
{
    QFETCH(QStringList, actions);
    QFETCH(int, steps);
    QFETCH(QString, undoText);

    Show::ShowDocument document;
    QWidget tab;
    ShowBinder::Controls controls{{}, new QSpinBox(&tab), new QSpinBox(&tab), nullptr};
    controls.riseTime->setRange(0, Show::MaxRiseTime);
    controls.staticTime->setRange(0, Show::MaxStaticTime);
    ScriptedDialogs dialogs;
    dialogs.answers << QColor(1, 2, 3);
    for (quint16 lamp = 0; lamp < 12; ++lamp) {
        controls.editors.append(new SuperRGB(0, 0, 0, lamp));
        controls.editors.last()->setParent(&tab);
        controls.editors.last()->setUserDialogs(&dialogs);
    }
    int shown = 0;
    ShowBinder binder(document, Kind::Scenes, controls, [&shown] { return shown; });
    QUndoStack stack;
    binder.setUndoStack(&stack);
    shown = 2;
    binder.shownChanged();

    auto *slider = controls.editors[2]->findChild<ColorSlider *>(QStringLiteral("SliderRed"));
    auto *strip = controls.editors[2]->findChild<ColorLineEdit *>(QStringLiteral("EditColor"));
    QVERIFY(slider && strip);
    const QPoint handle(slider->width() / 2, slider->height() - 2);
    for (const QString &action : std::as_const(actions)) {
        const QString argument = action.section(' ', 1);
        if (action == "press")
            QTest::mousePress(slider, Qt::LeftButton, {}, handle);
        else if (action == "release")
            QTest::mouseRelease(slider, Qt::LeftButton, {}, handle);
        else if (action.startsWith("move"))
            slider->setValue(argument.toInt());
        else if (action == "choose")
            strip->actions().first()->trigger();
        else if (action.startsWith("type"))
            QTest::keyClicks(controls.staticTime, argument);
        else
            QTest::keyClick(controls.staticTime, QKeySequence(argument)[0].key());
    }

    QCOMPARE(stack.count(), steps);
    QCOMPARE(stack.undoText(), undoText);
    QVERIFY(document.record(Kind::Scenes, 2).lamps[2] != Show::Rgb{}
            || document.record(Kind::Scenes, 2).staticTime != 0);
    while (stack.canUndo())
        stack.undo();
    QCOMPARE(document.table(Kind::Scenes), QByteArray(Show::SceneTableSize, '\0'));
}

QTEST_MAIN(TestShowBinder)
#include "tst_showbinder.moc"
