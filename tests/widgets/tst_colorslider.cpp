#include "widgets/colorslider.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QTest>

namespace {
constexpr Qt::KeyboardModifiers none;
constexpr Qt::KeyboardModifiers shift(Qt::ShiftModifier);
constexpr Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
constexpr Qt::KeyboardModifiers ctrlShift(Qt::ControlModifier | Qt::ShiftModifier);
} // namespace

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
    QTest::addColumn<bool>("marked");
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("argument");
    QTest::addColumn<int>("expected");

    QTest::newRow("+10 % of 100") << 100 << true << "percent" << 10 << 115;
    QTest::newRow("-10 % of 100") << 100 << true << "percent" << -10 << 85;
    QTest::newRow("+10 % of 0 adds 5") << 0 << true << "percent" << 10 << 5;
    QTest::newRow("+10 % of 250 clamped") << 250 << true << "percent" << 10 << 255;
    QTest::newRow("-50 % of 4 clamped") << 4 << true << "percent" << -50 << 0;
    QTest::newRow("0 % subtracts 5") << 100 << true << "percent" << 0 << 95;
    QTest::newRow("percent, unmarked") << 100 << false << "percent" << 10 << 100;
    QTest::newRow("value if marked") << 0 << true << "ifSelected" << 200 << 200;
    QTest::newRow("value if unmarked") << 0 << false << "ifSelected" << 200 << 0;
    QTest::newRow("plus at 255") << 255 << false << "plus" << 0 << 255;
    QTest::newRow("minus at 0") << 0 << false << "minus" << 0 << 0;
}

void TestColorSlider::slotsMoveTheValue()
{
    QFETCH(int, start);
    QFETCH(bool, marked);
    QFETCH(QString, call);
    QFETCH(int, argument);
    QFETCH(int, expected);

    ColorSlider slider(Qt::Vertical);
    slider.setValue(start);
    slider.setSelected(marked);
    if (call == "percent")
        slider.changePercentifSelected(argument);
    else if (call == "ifSelected")
        slider.setValueIfSelected(argument);
    else if (call == "plus")
        slider.plus();
    else
        slider.minus();
    QCOMPARE(slider.value(), expected);
    // The widget style reads the mark through the property.
    QCOMPARE(slider.property("selected").toBool(), marked);
}

void TestColorSlider::clickMarks_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("after");
    QTest::addColumn<bool>("moves");

    QTest::newRow("ctrl+click marks") << false << Qt::LeftButton << ctrl << true << false;
    QTest::newRow("ctrl+click unmarks") << true << Qt::LeftButton << ctrl << false << false;
    QTest::newRow("ctrl+right click marks") << false << Qt::RightButton << ctrl << true << false;
    QTest::newRow("shift+click unmarks") << true << Qt::LeftButton << shift << false << false;
    QTest::newRow("plain click moves, keeps mark")
        << true << Qt::LeftButton << none << true << true;
}

void TestColorSlider::clickMarks()
{
    QFETCH(bool, before);
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, after);
    QFETCH(bool, moves);

    ColorSlider slider(Qt::Vertical);
    slider.resize(25, 256);
    slider.setSelected(before);
    // On the groove near the top, a plain click pages the value up.
    QTest::mouseClick(&slider, button, modifiers, QPoint(12, 10));
    QCOMPARE(slider.isSelected(), after);
    QCOMPARE(slider.value() > 0, moves);
}

void TestColorSlider::sweepMarks_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("after");

    QTest::newRow("shift sweep marks") << false << shift << true;
    QTest::newRow("ctrl+shift sweep unmarks") << true << ctrlShift << false;
    QTest::newRow("plain sweep keeps marks") << true << none << true;
    QTest::newRow("plain sweep marks nothing") << false << none << false;
}

// The pointer passes over two sliders with the keys held; the modifiers
// travel with the moves, as from a real window system.
void TestColorSlider::sweepMarks()
{
    QFETCH(bool, before);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, after);

    QWidget row;
    auto *layout = new QHBoxLayout(&row);
    ColorSlider *sliders[] = {new ColorSlider(Qt::Vertical), new ColorSlider(Qt::Vertical)};
    for (ColorSlider *slider : sliders) {
        slider->setSelected(before);
        layout->addWidget(slider);
    }
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    QWindow *window = row.windowHandle();
    QTest::mouseMove(window, QPoint(1, 1));
    for (ColorSlider *slider : sliders)
        QTest::mouseEvent(QTest::MouseMove, window, Qt::NoButton, modifiers,
                          slider->geometry().center());
    QTest::mouseEvent(QTest::MouseMove, window, Qt::NoButton, modifiers, QPoint(1, 1));
    QTest::mouseMove(window, QPoint(1, 1)); // keys released

    for (ColorSlider *slider : sliders)
        QCOMPARE(slider->isSelected(), after);
}

void TestColorSlider::shiftDuringDragStopsTheValue()
{
    ColorSlider slider(Qt::Vertical);
    slider.resize(25, 256);
    slider.setValue(128);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(12, 128)); // on the handle
    QTest::mouseMove(&slider, QPoint(12, 88));
    const int dragged = slider.value();
    QVERIFY2(dragged > 128, qPrintable(QString::number(dragged)));

    QMouseEvent shiftMove(QEvent::MouseMove, QPointF(12, 48), slider.mapToGlobal(QPointF(12, 48)),
                          Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&slider, &shiftMove);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(12, 48));
    QCOMPARE(slider.value(), dragged);
    QVERIFY(slider.isSelected());
}

QTEST_MAIN(TestColorSlider)
#include "tst_colorslider.moc"
