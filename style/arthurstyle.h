#pragma once

#include <QProxyStyle>

// The program's own widget style: push buttons, radio buttons, group boxes,
// line edits, frames, progress bars and sliders are painted from the images
// compiled into the program and from gradients, and the colour sliders get
// their red, green and blue thumbs and their selection pill. Everything else
// is the "Windows" style underneath, which this proxy owns.
//
// A colour slider is recognised by its object name ("SliderRed",
// "SliderGreen", "SliderBlue") and its mark is read from its "selected"
// property, so the style needs nothing from the widget classes.
class ArthurStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ArthurStyle();

    void polish(QWidget *widget) override;
    void unpolish(QWidget *widget) override;
    void polish(QPalette &palette) override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    [[nodiscard]] QRect subElementRect(SubElement element, const QStyleOption *option,
                                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    [[nodiscard]] QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                       SubControl subControl,
                                       const QWidget *widget = nullptr) const override;
    [[nodiscard]] int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                                  const QWidget *widget = nullptr) const override;
    [[nodiscard]] QSize sizeFromContents(ContentsType type, const QStyleOption *option,
                                         const QSize &size,
                                         const QWidget *widget = nullptr) const override;

private:
    void drawGroupBoxFrame(const QStyleOption *option, QPainter *painter) const;
    void drawButtonPanel(const QStyleOption *option, QPainter *painter,
                         const QWidget *widget) const;
    void drawProgressGroove(const QStyleOption *option, QPainter *painter) const;
    void drawGroupBox(const QStyleOptionComplex *option, QPainter *painter,
                      const QWidget *widget) const;
    void drawHorizontalSlider(const QStyleOptionComplex *option, QPainter *painter,
                              const QWidget *widget) const;
    void drawVerticalSlider(const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const;
};
