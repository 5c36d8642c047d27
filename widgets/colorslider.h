#pragma once

#include <QSlider>

// The slider of one colour channel of a lamp editor, 0..255, with a "selected"
// mark. The user marks sliders across all lamp editors with the keyboard
// modifiers: a Shift sweep of the mouse marks every slider it touches, a
// Ctrl+Shift sweep unmarks, a Ctrl+click toggles one. The lamp editor then
// moves or scales the marked sliders together. The slider paints nothing of
// its own; the widget style reads the mark through the "selected" property.
class ColorSlider : public QSlider
{
    Q_OBJECT
    // The style reads the mark when it paints, and setSelected repaints: no
    // one waits for a change signal.
    // clazy:excludeall=qproperty-without-notify
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected)

public:
    explicit ColorSlider(Qt::Orientation orientation, QWidget *parent = nullptr);
    // For forms: the orientation follows from the form's property.
    explicit ColorSlider(QWidget *parent = nullptr);

    [[nodiscard]] bool isSelected() const { return selected; }
    void setSelected(bool state);

public Q_SLOTS:
    void setValue(int value);
    void setValueIfSelected(int value);
    void plus();
    void minus();
    // Scales the value by percent of itself plus 5 (minus 5 for percent <= 0),
    // so that even a dark channel moves; clamped to 0..255.
    void changePercentifSelected(int percent);

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool selected = false;
};
