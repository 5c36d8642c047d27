#include "widgets/colorslider.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QTest>

// The slider as a user meets it: values through its slots, marks through real
// mouse and keyboard input.
class TestColorSlider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotsMoveTheValue_data();
    void slotsMoveTheValue();
    void clickMarks_data();
    void clickMarks();
    void sweepMarks_data();
    void sweepMarks();
    void shiftDuringDragStopsTheValue();
};

void TestColorSlider::slotsMoveTheValue_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("expected");

    QTest::newRow("plus 10 percent") << 100 << true << "percent" << 10 << 115;
    QTest::newRow("minus 10 percent") << 100 << true << "percent" << -10 << 85;
    QTest::newRow("percent from black adds 5") << 0 << true << "percent" << 10 << 5;
    QTest::newRow("percent clamped at 255") << 250 << true << "percent" << 10 << 255;
    QTest::newRow("percent clamped at 0") << 4 << true << "percent" << -50 << 0;
    QTest::newRow("zero percent subtracts 5") << 100 << true << "percent" << 0 << 95;
    QTest::newRow("percent ignored unmarked") << 100 << false << "percent" << 10 << 100;
    QTest::newRow("value if selected, marked") << 0 << true << "ifSelected" << 200 << 200;
    QTest::newRow("value if selected, unmarked") << 0 << false << "ifSelected" << 200 << 0;
    QTest::newRow("plus at 255") << 255 << false << "plus" << 0 << 255;
    QTest::newRow("minus at 0") << 0 << false << "minus" << 0 << 0;
    QTest::newRow("setValue clamps") << 0 << false << "setValue" << 300 << 255;
}

void TestColorSlider::slotsMoveTheValue()
{
    QFETCH(int, start);
    QFETCH(bool, selected);
    QFETCH(QString, call);
    QFETCH(int, argument);
    QFETCH(int, expected);

    ColorSlider slider(Qt::Vertical);
    slider.setValue(start);
    slider.setSelected(selected);
    if (call == "percent")
        slider.changePercentifSelected(argument);
    else if (call == "ifSelected")
        slider.setValueIfSelected(argument);
    else if (call == "plus")
        slider.plus();
    else if (call == "minus")
        slider.minus();
    else
        slider.setValue(argument);
    QCOMPARE(slider.value(), expected);
    QCOMPARE(slider.isSelected(), selected);
    QCOMPARE(slider.property("selected").toBool(), selected);
}

void TestColorSlider::clickMarks_data()
{
    QTest::addColumn<bool>("markedBefore");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("markedAfter");
    QTest::addColumn<bool>("moves");

    QTest::newRow("ctrl+click marks")
        << false << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << true << false;
    QTest::newRow("ctrl+click unmarks")
        << true << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier) << false << false;
    QTest::newRow("ctrl+right click toggles")
        << false << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier) << true << false;
    QTest::newRow("shift+click toggles")
        << true << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << false;
    QTest::newRow("plain click moves, keeps mark")
        << true << Qt::LeftButton << Qt::KeyboardModifiers() << true << true;
}

void TestColorSlider::clickMarks()
{
    QFETCH(bool, markedBefore);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, markedAfter);
    QFETCH(bool, moves);

    ColorSlider slider(Qt::Vertical);
    slider.resize(25, 256);
    slider.setSelected(markedBefore);
    // A click on the groove near the top pages the value up.
    QTest::mouseClick(&slider, button, modifiers, QPoint(12, 10));
    QCOMPARE(slider.isSelected(), markedAfter);
    QCOMPARE(slider.value() > 0, moves);
}

// Shift held while the mouse sweeps over the sliders marks each one it
// touches; Ctrl+Shift unmarks; the bare sweep changes nothing.
void TestColorSlider::sweepMarks_data()
{
    QTest::addColumn<bool>("markedBefore");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("markedAfter");

    QTest::newRow("shift sweep marks") << false << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("ctrl+shift sweep unmarks")
        << true << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier) << false;
    QTest::newRow("plain sweep keeps marks") << true << Qt::KeyboardModifiers() << true;
    QTest::newRow("plain sweep marks nothing") << false << Qt::KeyboardModifiers() << false;
}

void TestColorSlider::sweepMarks()
{
    QFETCH(bool, markedBefore);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, markedAfter);

    QWidget row;
    auto *layout = new QHBoxLayout(&row);
    ColorSlider *sliders[] = {new ColorSlider(Qt::Vertical), new ColorSlider(Qt::Vertical)};
    for (ColorSlider *slider : sliders) {
        slider->setSelected(markedBefore);
        layout->addWidget(slider);
    }
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    QWindow *window = row.windowHandle();

    // The modifiers travel with the pointer's moves, as from a real window system.
    QTest::mouseMove(window, QPoint(1, 1));
    for (ColorSlider *slider : sliders)
        QTest::mouseEvent(QTest::MouseMove, window, Qt::NoButton, modifiers,
                          slider->geometry().center());
    QTest::mouseEvent(QTest::MouseMove, window, Qt::NoButton, modifiers, QPoint(1, 1));
    QTest::mouseMove(window, QPoint(1, 1));

    for (ColorSlider *slider : sliders)
        QCOMPARE(slider->isSelected(), markedAfter);
}

void TestColorSlider::shiftDuringDragStopsTheValue()
{
    ColorSlider slider(Qt::Vertical);
    slider.resize(25, 256);
    slider.setValue(128);
    const QPoint handle(12, 128);
    QTest::mousePress(&slider, Qt::LeftButton, {}, handle);
    QTest::mouseMove(&slider, handle - QPoint(0, 40));
    const int dragged = slider.value();
    QVERIFY2(dragged > 128, qPrintable(QString::number(dragged)));

    QMouseEvent shiftMove(QEvent::MouseMove, QPointF(handle - QPoint(0, 80)),
                          QPointF(slider.mapToGlobal(handle - QPoint(0, 80))), Qt::NoButton,
                          Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&slider, &shiftMove);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, handle - QPoint(0, 80));

    QCOMPARE(slider.value(), dragged);
    QVERIFY(slider.isSelected());
}

QTEST_MAIN(TestColorSlider)
#include "tst_colorslider.moc"
