#include "res/styleimages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// One look for everything: cool silver bodies with dark blue-grey outlines,
// a light top edge, and green for "on" (the style's hover and progress colour).
const QColor outline(104, 114, 130);
const QColor darkOutline(60, 68, 82);

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A rounded body filled with a gradient along the given line, a 1-pixel
// outline and a soft highlight along its upper half.
void roundedBody(QImage &image, const QRectF &rect, qreal radius, const QLinearGradient &gradient,
                 const QColor &border, int highlightAlpha = 80)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(border, 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(body, radius, radius);
    if (highlightAlpha > 0) {
        QRectF shine = body.adjusted(1.5, 1.5, -1.5, -body.height() / 2);
        const qreal shineRadius = qMin(radius - 1.5, shine.height());
        QLinearGradient fade(shine.topLeft(), shine.bottomLeft());
        fade.setColorAt(0, QColor(255, 255, 255, highlightAlpha));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fade);
        painter.drawRoundedRect(shine, shineRadius, shineRadius);
    }
}

QLinearGradient vertical(qreal height, const QColor &top, const QColor &middle,
                         const QColor &bottom)
{
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, top);
    gradient.setColorAt(0.5, middle);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// A horizontal pill cut into its left cap, a one-pixel middle column that is
// stretched between the caps, and its right cap.
void addCapsAndStretch(QList<std::pair<QString, QImage>> &images, const QString &prefix,
                       const QImage &whole, int capWidth, const QString &leftName,
                       const QString &rightName)
{
    const int h = whole.height();
    images.append({prefix + leftName, whole.copy(0, 0, capWidth, h)});
    images.append({prefix + QStringLiteral("stretch.png"), whole.copy(whole.width() / 2, 0, 1, h)});
    images.append({prefix + rightName, whole.copy(whole.width() - capWidth, 0, capWidth, h)});
}

QImage button(bool pressed)
{
    QImage image = blank(40, 24);
    if (pressed)
        roundedBody(
            image, image.rect(), 8,
            vertical(24, QColor(170, 180, 195), QColor(196, 204, 216), QColor(226, 231, 238)),
            darkOutline, 30);
    else
        roundedBody(
            image, image.rect(), 8,
            vertical(24, QColor(253, 253, 255), QColor(234, 238, 244), QColor(204, 211, 222)),
            outline, 110);
    return image;
}

// An engraved frame line (dark outside, white inside) with round corners and
// a transparent inside, so the style's gradient shows through.
QImage groupFrame()
{
    QImage image = blank(40, 40);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(120, 128, 140), 1));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 39, 39), 13.5, 13.5);
    painter.setPen(QPen(QColor(255, 255, 255, 210), 1));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 37, 37), 12.5, 12.5);
    return image;
}

QImage radioButton(bool checked, bool pressed)
{
    QImage image = blank(14, 14);
    const QRectF ring(0, 0, 14, 14);
    if (pressed)
        roundedBody(
            image, ring, 7,
            vertical(14, QColor(180, 188, 202), QColor(205, 212, 222), QColor(236, 239, 244)),
            darkOutline, 0);
    else
        roundedBody(
            image, ring, 7,
            vertical(14, QColor(255, 255, 255), QColor(240, 243, 247), QColor(210, 216, 226)),
            outline, 0);
    if (checked) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal r = pressed ? 3.0 : 3.5;
        QLinearGradient dot(0, 7 - r, 0, 7 + r);
        dot.setColorAt(0, pressed ? QColor(60, 150, 60) : QColor(110, 215, 110));
        dot.setColorAt(1, pressed ? QColor(15, 90, 15) : QColor(20, 120, 20));
        painter.setPen(QPen(pressed ? QColor(10, 60, 10) : QColor(20, 90, 20), 0.8));
        painter.setBrush(dot);
        painter.drawEllipse(QPointF(7, 7), r, r);
    }
    return image;
}

// A recessed channel: darker at the edge the light does not reach.
QImage sliderBar(int width, int height)
{
    QImage image = blank(width, height);
    const bool horizontal = width > height;
    QLinearGradient gradient(0, 0, horizontal ? 0 : width, horizontal ? height : 0);
    gradient.setColorAt(0, QColor(88, 96, 110));
    gradient.setColorAt(1, QColor(182, 190, 202));
    roundedBody(image, image.rect(), qMin(width, height) / 2.0, gradient, darkOutline, 0);
    return image;
}

void grips(QImage &image, bool vertical)
{
    QPainter painter(&image);
    const int cx = image.width() / 2;
    const int cy = image.height() / 2;
    for (int i = -2; i <= 2; i += 2) {
        const QPoint at = vertical ? QPoint(cx + i, cy) : QPoint(cx, cy + i);
        const QPoint along = vertical ? QPoint(0, 2) : QPoint(2, 0);
        painter.setPen(QColor(0, 0, 0, 70));
        painter.drawLine(at - along, at + along);
    }
}

QImage horizontalThumb()
{
    QImage image = blank(13, 27);
    QLinearGradient gradient(0, 0, 13, 0);
    gradient.setColorAt(0, QColor(252, 253, 255));
    gradient.setColorAt(1, QColor(196, 204, 216));
    roundedBody(image, image.rect(), 5, gradient, outline, 60);
    grips(image, false);
    return image;
}

QImage colourThumb(const QColor &light, const QColor &clear, const QColor &dark)
{
    QImage image = blank(27, 13);
    roundedBody(image, image.rect(), 6, vertical(13, light, clear, dark), dark.darker(150), 110);
    grips(image, true);
    return image;
}

} // namespace

QList<std::pair<QString, QImage>> drawStyleImages()
{
    QList<std::pair<QString, QImage>> images;

    addCapsAndStretch(images, QStringLiteral("button_normal_"), button(false), 10,
                      QStringLiteral("cap_left.png"), QStringLiteral("cap_right.png"));
    addCapsAndStretch(images, QStringLiteral("button_pressed_"), button(true), 10,
                      QStringLiteral("cap_left.png"), QStringLiteral("cap_right.png"));

    // Corners 14 pixels square: the frame's corner radius.
    const QImage frame = groupFrame();
    const int c = 14;
    const int far = frame.width() - c;
    const int mid = frame.width() / 2;
    images.append({QStringLiteral("groupframe_topleft.png"), frame.copy(0, 0, c, c)});
    images.append({QStringLiteral("groupframe_topright.png"), frame.copy(far, 0, c, c)});
    images.append({QStringLiteral("groupframe_bottom_left.png"), frame.copy(0, far, c, c)});
    images.append({QStringLiteral("groupframe_bottom_right.png"), frame.copy(far, far, c, c)});
    images.append({QStringLiteral("groupframe_left_stretch.png"), frame.copy(0, mid, c, 1)});
    images.append({QStringLiteral("groupframe_top_stretch.png"), frame.copy(mid, 0, 1, c)});
    images.append({QStringLiteral("groupframe_right_stretch.png"), frame.copy(far, mid, c, 1)});
    images.append({QStringLiteral("groupframe_bottom_stretch.png"), frame.copy(mid, far, 1, c)});

    // The title plate: dark enough for the white engraved text on it.
    QImage title = blank(40, 20);
    roundedBody(title, title.rect(), 10,
                vertical(20, QColor(132, 146, 166), QColor(98, 111, 131), QColor(70, 82, 102)),
                QColor(44, 52, 66), 70);
    addCapsAndStretch(images, QStringLiteral("title_"), title, 10, QStringLiteral("cap_left.png"),
                      QStringLiteral("cap_right.png"));

    images.append({QStringLiteral("radiobutton_off.png"), radioButton(false, false)});
    images.append({QStringLiteral("radiobutton_on.png"), radioButton(true, false)});
    images.append({QStringLiteral("radiobutton-on.png"), radioButton(true, true)});

    images.append({QStringLiteral("slider_bar.png"), sliderBar(64, 8)});
    images.append({QStringLiteral("slider_thumb_on.png"), horizontalThumb()});
    images.append({QStringLiteral("slider_bar_vertical.png"), sliderBar(10, 64)});
    images.append({QStringLiteral("slider_thumb_on_v_red.png"),
                   colourThumb(QColor(255, 150, 150), QColor(235, 25, 25), QColor(160, 0, 0))});
    images.append({QStringLiteral("slider_thumb_on_v_green.png"),
                   colourThumb(QColor(160, 255, 160), QColor(25, 205, 25), QColor(0, 120, 0))});
    images.append({QStringLiteral("slider_thumb_on_v_blue.png"),
                   colourThumb(QColor(160, 180, 255), QColor(35, 70, 240), QColor(0, 25, 160))});

    for (auto &[name, image] : images)
        image = image.convertToFormat(QImage::Format_ARGB32);
    return images;
}
