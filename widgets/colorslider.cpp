#include "widgets/colorslider.h"

#include "core/trace.h"

#include <QApplication>
#include <QMouseEvent>

ColorSlider::ColorSlider(Qt::Orientation orientation, QWidget *parent)
    : QSlider(orientation, parent)
{
    setMaximum(255);
    setMinimum(0);
    setValue(0);
    setSelected(false);
    setAcceptDrops(false);
    // Marking by a Shift sweep needs hover events. The widget style sets this
    // too when it polishes a slider; setting it here keeps the marks working
    // under any style.
    setAttribute(Qt::WA_Hover, true);
}

ColorSlider::ColorSlider(QWidget *parent)
    : ColorSlider(Qt::Vertical, parent)
{}

void ColorSlider::setSelected(bool state)
{
    selected = state;
    update();
}

void ColorSlider::setValue(int value)
{
    QSlider::setValue(value);
    update();
}

void ColorSlider::setValueIfSelected(int value)
{
    if (selected)
        QSlider::setValue(value);
}

void ColorSlider::plus()
{
    QSlider::setValue(value() + 1);
}

void ColorSlider::minus()
{
    QSlider::setValue(value() - 1);
}

void ColorSlider::changePercentifSelected(int percent)
{
    if (!selected)
        return;
    const int current = value();
    int step = percent * current / 100;
    if (percent >= 1)
        step += 5;
    else
        step -= 5;
    QSlider::setValue(qBound(0, current + step, 255));
    update();
}

bool ColorSlider::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverLeave: {
        // Hover events carry no modifiers of their own.
        const Qt::KeyboardModifiers modifiers = QApplication::keyboardModifiers();
        if (modifiers & Qt::ShiftModifier)
            setSelected(!(modifiers & Qt::ControlModifier));
        update();
        return true;
    }
    default:
        // The slider base classes' own hover tracking is left out on purpose:
        // hover belongs to the marks here.
        return QWidget::event(event); // NOLINT(bugprone-parent-virtual-call): on purpose, see above
    }
}

void ColorSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        setSelected(!selected);
        return;
    }
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier)) {
        setSelected(!selected);
        LC420_TRACE() << "mouse start" << event->position().toPoint();
        return;
    }
    QSlider::mousePressEvent(event);
    update();
}

void ColorSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (event->modifiers() & Qt::ShiftModifier) {
        // Holding Shift over a slider marks it, even in the middle of a drag,
        // and the handle stays where it is.
        setSelected(true);
        return;
    }
    QSlider::mouseMoveEvent(event);
}
