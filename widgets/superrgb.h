#pragma once

#include <QColor>
#include <QWidget>
#include <QtGlobal>

#include <memory>

class ColorLineEdit;
class ColorSlider;
class QRegularExpressionValidator;
class QStyle;
class UserDialogs;

namespace Ui {
class Lamp;
}

// The editor of one lamp: a colour strip, three channel fields, three "+"
// buttons, three sliders, three "-" buttons and the lamp's three DMX channel
// numbers. It holds one colour and keeps the sliders, the fields, the channel
// swatches and the strip in step; it knows nothing of programs, scenes or the
// driver.
//
// A channel update (setRedColor and its siblings) writes the field, and the
// slider follows through the field's textChanged. Loading a colour therefore
// takes only the three setXColor calls.
class SuperRGB : public QWidget
{
    Q_OBJECT

public:
    SuperRGB(quint8 red, quint8 green, quint8 blue, quint16 lampNumber);
    ~SuperRGB() override;

    [[nodiscard]] QColor color() const { return lampColor; }
    [[nodiscard]] bool isRedSelected() const;
    [[nodiscard]] bool isGreenSelected() const;
    [[nodiscard]] bool isBlueSelected() const;

    // Sets the style on the group box and every widget below it; this widget
    // keeps its own. Not owned; null changes nothing.
    void setGroupStyle(QStyle *style);
    // The colour strip asks for colours through these; not owned.
    void setUserDialogs(UserDialogs *dialogs);

Q_SIGNALS:
    void selectedSliderValueChange(int value);
    void colorChanged(QColor color);

public Q_SLOTS:
    void setRedColor(int value);
    void setGreenColor(int value);
    void setBlueColor(int value);
    void textRedChanged(const QString &s);
    void textGreenChanged(const QString &s);
    void textBlueChanged(const QString &s);
    void redPlusPlus();
    void greenPlusPlus();
    void bluePlusPlus();
    void redMinusMinus();
    void greenMinusMinus();
    void blueMinusMinus();
    void updateRGBColor();
    void setRGB(uint r, uint g, uint b);
    void setValueIfSelected(int value);
    void sliderRedMoved(int value);
    void sliderGreenMoved(int value);
    void sliderBlueMoved(int value);
    void setAll(bool state);
    void selectRed(bool state);
    void selectGreen(bool state);
    void selectBlue(bool state);
    void changePercentifSelected(int percent);

protected:
    // Up/Down and Page Up/Page Down in a channel field step its channel.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Channel { Red, Green, Blue };

    void nameForAccessibility();
    ColorLineEdit *field(Channel channel) const;
    ColorSlider *slider(Channel channel) const;
    quint8 &value(Channel channel);
    void setChannel(Channel channel, int value);
    void textChanged(Channel channel, const QString &s);
    void sliderMoved(Channel channel, int value);
    void setSwatch(Channel channel, int value);

    std::unique_ptr<Ui::Lamp> ui;
    // The combined colour, alpha 255 (invalid only while constructing).
    QColor lampColor;
    quint8 red;
    quint8 green;
    quint8 blue;
    // Shared by the three channel fields; a child of this widget.
    QRegularExpressionValidator *validator = nullptr;
    quint16 lampNumber;
    // Set while a typed value travels through the slider back to setXColor,
    // so that the field keeps the text as typed.
    bool editing = false;
};
