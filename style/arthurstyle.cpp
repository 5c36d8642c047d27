#include "style/arthurstyle.h"

#include "style/stylepixmaps.h"

#include <QGroupBox>
#include <QLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>

// Outside any namespace: the resource's registration function is a global one.
static void registerStyleImages()
{
    Q_INIT_RESOURCE(lc420_style_images);
}

namespace {

QPixmap image(const char *name)
{
    return StylePixmaps::load(QStringLiteral(":/res/images/") + QLatin1String(name));
}

const QColor windowGrey(241, 241, 241);

// A rectangle whose short sides are half circles.
QPainterPath pill(const QRectF &rect)
{
    const qreal radius = qMin(rect.width(), rect.height()) / 2;
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void drawHoverPill(QPainter *painter, const QRect &rect)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(pill(rect), QColor(191, 215, 191));
    painter->restore();
}

bool isHovered(const QStyleOption *option)
{
    return (option->state & QStyle::State_Enabled) && (option->state & QStyle::State_MouseOver);
}

bool takesHover(const QWidget *widget)
{
    return qobject_cast<const QPushButton *>(widget) || qobject_cast<const QRadioButton *>(widget)
           || qobject_cast<const QSlider *>(widget);
}

bool isRadioElement(QStyle::SubElement element)
{
    switch (element) {
    case QStyle::SE_RadioButtonIndicator:
    case QStyle::SE_RadioButtonContents:
    case QStyle::SE_RadioButtonFocusRect:
    case QStyle::SE_RadioButtonClickRect:
    case QStyle::SE_RadioButtonLayoutItem:
        return true;
    default:
        return false;
    }
}

} // namespace

ArthurStyle::ArthurStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows")))
{
    registerStyleImages();
}

void ArthurStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    if (auto *box = qobject_cast<QGroupBox *>(widget); box && box->layout()) {
        // A box of plain controls packs them tight; a box of boxes gives its
        // inner boxes room for their rounded frames.
        if (box->findChildren<QGroupBox *>().isEmpty())
            box->layout()->setSpacing(0);
        else
            box->layout()->setContentsMargins(10, 10, 10, 10);
    }
    // Hover events make these repaint with their hover highlight.
    if (takesHover(widget))
        widget->setAttribute(Qt::WA_Hover);
    if (widget->isWindow()) {
        QPalette palette = widget->palette();
        palette.setBrush(QPalette::Window, windowGrey);
        widget->setPalette(palette);
    }
}

void ArthurStyle::unpolish(QWidget *widget)
{
    if (takesHover(widget))
        widget->setAttribute(Qt::WA_Hover, false);
    QProxyStyle::unpolish(widget);
}

void ArthurStyle::polish(QPalette &palette)
{
    QProxyStyle::polish(palette);
    palette.setBrush(QPalette::Window, windowGrey);
}

void ArthurStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_Frame:
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(Qt::white, 1));
        painter->setBrush(option->palette.base());
        painter->drawRoundedRect(option->rect, 25, 25, Qt::RelativeSize);
        painter->restore();
        return;
    case PE_FrameGroupBox:
        drawGroupBoxFrame(option, painter);
        return;
    case PE_PanelButtonCommand:
        drawButtonPanel(option, painter, widget);
        return;
    case PE_PanelLineEdit: {
        const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        // The field with the keyboard focus stands out by its frame.
        const bool focused = option->state & State_HasFocus;
        painter->setPen(focused ? QPen(option->palette.color(QPalette::Highlight), 2)
                                : QPen(Qt::black, frame ? frame->lineWidth : 1));
        painter->setBrush(option->palette.base());
        const QRect r = option->rect;
        painter->drawRoundedRect(QRect(QPoint(r.left() + 1, r.top() + 1),
                                       QPoint(r.left() + r.width() - 1, r.top() + r.height() - 1)),
                                 10, 25, Qt::RelativeSize);
        painter->restore();
        return;
    }
    case PE_IndicatorRadioButton: {
        if (isHovered(option))
            drawHoverPill(painter, widget ? widget->rect() : option->rect);
        const char *name = (option->state & State_Sunken) ? "radiobutton-on.png"
                           : (option->state & State_On)   ? "radiobutton_on.png"
                                                          : "radiobutton_off.png";
        painter->drawPixmap(option->rect.topLeft(), image(name));
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ArthurStyle::drawGroupBoxFrame(const QStyleOption *option, QPainter *painter) const
{
    const QRect r = option->rect;
    const int titleHalf = image("title_stretch.png").height() / 2;
    painter->save();
    QPainterPath corners;
    corners.addRoundedRect(r, 14, 14);
    painter->setClipPath(corners, Qt::IntersectClip);

    const QRect fill = r.adjusted(0, titleHalf, 0, 0);
    QLinearGradient gradient(fill.topLeft(), fill.bottomLeft());
    gradient.setColorAt(0, QColor(100, 100, 100));
    gradient.setColorAt(1, QColor(255, 255, 255));
    painter->fillRect(fill, gradient);

    const QPixmap topLeft = image("groupframe_topleft.png");
    const QPixmap topRight = image("groupframe_topright.png");
    const QPixmap bottomLeft = image("groupframe_bottom_left.png");
    const QPixmap bottomRight = image("groupframe_bottom_right.png");
    const QPixmap left = image("groupframe_left_stretch.png");
    const QPixmap top = image("groupframe_top_stretch.png");
    const QPixmap right = image("groupframe_right_stretch.png");
    const QPixmap bottom = image("groupframe_bottom_stretch.png");

    const int y = r.top() + titleHalf - 2;
    const int rightX = r.right() + 1;
    const int bottomY = r.bottom() + 1;
    painter->drawPixmap(r.left(), y, topLeft);
    painter->drawPixmap(rightX - topRight.width(), y, topRight);
    painter->drawPixmap(r.left(), bottomY - bottomLeft.height(), bottomLeft);
    painter->drawPixmap(rightX - bottomRight.width(), bottomY - bottomRight.height(), bottomRight);
    painter->drawTiledPixmap(QRect(QPoint(r.left() + topLeft.width(), y),
                                   QPoint(rightX - topRight.width() - 1, y + top.height() - 1)),
                             top);
    painter->drawTiledPixmap(QRect(QPoint(r.left() + bottomLeft.width(), bottomY - bottom.height()),
                                   QPoint(rightX - bottomRight.width() - 1, r.bottom())),
                             bottom);
    painter->drawTiledPixmap(
        QRect(QPoint(r.left(), y + topLeft.height()),
              QPoint(r.left() + left.width() - 1, bottomY - bottomLeft.height() - 1)),
        left);
    painter->drawTiledPixmap(QRect(QPoint(rightX - right.width(), y + topRight.height()),
                                   QPoint(r.right(), bottomY - bottomRight.height() - 1)),
                             right);
    painter->restore();
}

void ArthurStyle::drawButtonPanel(const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    const QRect r = option->rect;
    // In a group box the button's background continues the box's gradient,
    // so the rounded caps blend into it.
    if (widget) {
        if (const auto *box = qobject_cast<const QGroupBox *>(widget->parentWidget())) {
            const int y = r.top() - widget->y();
            QLinearGradient gradient(0, y, 0, y + box->height());
            gradient.setColorAt(0, QColor(224, 224, 224));
            gradient.setColorAt(1, QColor(255, 255, 255));
            painter->fillRect(r, gradient);
        }
    }

    const bool pressed = option->state & (State_Sunken | State_On);
    const QPixmap capLeft
        = image(pressed ? "button_pressed_cap_left.png" : "button_normal_cap_left.png");
    const QPixmap stretch
        = image(pressed ? "button_pressed_stretch.png" : "button_normal_stretch.png");
    const QPixmap capRight
        = image(pressed ? "button_pressed_cap_right.png" : "button_normal_cap_right.png");
    // The images are drawn to the button's height; a button narrower than
    // both caps gets narrower caps.
    const int leftWidth = qMin(capLeft.width(), r.width() / 2);
    const int rightWidth = qMin(capRight.width(), r.width() - leftWidth);
    painter->drawPixmap(QRect(r.left(), r.top(), leftWidth, r.height()), capLeft);
    painter->drawPixmap(
        QRect(r.left() + leftWidth, r.top(), r.width() - leftWidth - rightWidth, r.height()),
        stretch);
    painter->drawPixmap(QRect(r.right() + 1 - rightWidth, r.top(), rightWidth, r.height()),
                        capRight);

    if (isHovered(option)) {
        const QRect area = widget ? widget->rect() : r;
        painter->fillRect(area.adjusted(3, 5, -3, -5), QColor(31, 127, 31, 63));
    }
}

void ArthurStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    switch (element) {
    case CE_ProgressBarContents:
        // The groove shows the progress.
        return;
    case CE_ProgressBarGroove:
        drawProgressGroove(option, painter);
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void ArthurStyle::drawProgressGroove(const QStyleOption *option, QPainter *painter) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionProgressBar *>(option);
    if (!bar)
        return;
    // A bar without a range (maximum 0: the busy indicator) shows no fill.
    const qint64 range = qint64(bar->maximum) - bar->minimum;
    if (range <= 0)
        return;
    const qint64 done = qBound<qint64>(0, qint64(bar->progress) - bar->minimum, range);
    const QRect r = option->rect;
    const int width = int(r.width() * done / range);
    if (width <= 0)
        return;
    const QRect fill(r.left(), r.top(), width, r.height());
    QLinearGradient gradient(fill.topLeft(), fill.bottomRight());
    gradient.setColorAt(0, Qt::black);
    gradient.setColorAt(1, QColor(0, 255, 0));
    painter->fillRect(fill, gradient);
}

QRect ArthurStyle::subElementRect(SubElement element, const QStyleOption *option,
                                  const QWidget *widget) const
{
    // Without a widget (a layout or a test asking) the option's rectangle
    // stands for the widget's.
    const QRect whole = widget ? widget->rect() : option->rect;
    QRect rect;
    switch (element) {
    case SE_RadioButtonContents:
        rect = whole.adjusted(20, 0, 0, 0);
        break;
    case SE_RadioButtonClickRect:
        rect = whole;
        break;
    default:
        rect = QProxyStyle::subElementRect(element, option, widget);
    }
    if (isRadioElement(element) || qobject_cast<const QRadioButton *>(widget))
        rect.adjust(5, 0, -5, 0);
    return rect;
}

void ArthurStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                     QPainter *painter, const QWidget *widget) const
{
    switch (control) {
    case CC_GroupBox:
        drawGroupBox(option, painter, widget);
        return;
    case CC_Slider:
        if (const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option)) {
            if (slider->orientation == Qt::Horizontal)
                drawHorizontalSlider(option, painter, widget);
            else
                drawVerticalSlider(option, painter, widget);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void ArthurStyle::drawGroupBox(const QStyleOptionComplex *option, QPainter *painter,
                               const QWidget *widget) const
{
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (!box) {
        QProxyStyle::drawComplexControl(CC_GroupBox, option, painter, widget);
        return;
    }
    const QRect r = option->rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRect frame(QPoint(r.left() + 3, r.top() + 5),
                      QPoint(r.left() + r.width() - 5, r.top() + r.height() - 6));
    QLinearGradient gradient(frame.topLeft(), frame.bottomLeft());
    gradient.setColorAt(0, QColor(128, 128, 128));
    gradient.setColorAt(1, QColor(255, 255, 255, 128));
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(gradient);
    painter->drawRoundedRect(frame, 15, 5, Qt::RelativeSize);
    painter->restore();

    if ((box->subControls & SC_GroupBoxLabel) && !box->text.isEmpty()) {
        const QRect label = proxy()->subControlRect(CC_GroupBox, option, SC_GroupBoxLabel, widget);
        const QPixmap capLeft = image("title_cap_left.png");
        painter->drawPixmap(label.left() - capLeft.width(), label.top(), capLeft);
        painter->drawTiledPixmap(label, image("title_stretch.png"));
        painter->drawPixmap(label.right() + 1, label.top(), image("title_cap_right.png"));

        // Engraved: three faint shadows below and to the right, then white.
        struct Layer
        {
            int dx;
            int dy;
            QColor colour;
        };
        const Layer layers[] = {{0, 1, QColor(0, 0, 0, 31)},
                                {2, 1, QColor(0, 0, 0, 31)},
                                {1, 1, QColor(0, 0, 0, 62)},
                                {0, 0, Qt::white}};
        painter->save();
        for (const Layer &layer : layers) {
            painter->setPen(layer.colour);
            painter->drawText(label.translated(layer.dx, layer.dy), Qt::AlignCenter, box->text);
        }
        painter->restore();
    }

    if (box->subControls & SC_GroupBoxCheckBox) {
        QStyleOptionButton check;
        check.QStyleOption::operator=(*box);
        check.rect = proxy()->subControlRect(CC_GroupBox, option, SC_GroupBoxCheckBox, widget);
        proxy()->drawPrimitive(PE_IndicatorCheckBox, &check, painter, widget);
    }
}

void ArthurStyle::drawHorizontalSlider(const QStyleOptionComplex *option, QPainter *painter,
                                       const QWidget *widget) const
{
    if (option->state & State_MouseOver)
        drawHoverPill(painter, option->rect);
    const QRect groove = proxy()->subControlRect(CC_Slider, option, SC_SliderGroove, widget);
    const QPixmap bar = image("slider_bar.png");
    painter->drawPixmap(QRect(groove.left() + 5, groove.top(), groove.width() - 10, bar.height()),
                        bar);
    const QRect handle = proxy()->subControlRect(CC_Slider, option, SC_SliderHandle, widget);
    painter->drawPixmap(handle.topLeft(), image("slider_thumb_on.png"));
}

void ArthurStyle::drawVerticalSlider(const QStyleOptionComplex *option, QPainter *painter,
                                     const QWidget *widget) const
{
    const QRect groove = proxy()->subControlRect(CC_Slider, option, SC_SliderGroove, widget);
    painter->drawPixmap(QRect(groove.left() + 10, groove.top() + 5, 10, groove.height() - 10),
                        image("slider_bar_vertical.png"));

    // The colour sliders of the lamp editors are known by their names.
    const QString name = widget ? widget->objectName() : QString();
    const char *thumb = "slider_thumb_on_v_blue.png";
    QColor colour(0, 0, 255, 128);
    bool colourSlider = true;
    if (name == QLatin1String("SliderRed")) {
        thumb = "slider_thumb_on_v_red.png";
        colour = QColor(255, 0, 0, 128);
    } else if (name == QLatin1String("SliderGreen")) {
        thumb = "slider_thumb_on_v_green.png";
        colour = QColor(0, 255, 0, 128);
    } else if (name != QLatin1String("SliderBlue")) {
        colourSlider = false;
    }

    const QPainterPath mark = pill(option->rect.adjusted(4, 0, -4, 0));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (colourSlider && widget->property("selected").toBool()) {
        const QRectF bounds = mark.boundingRect();
        QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
        gradient.setColorAt(0, colour);
        gradient.setColorAt(1, QColor(255, 255, 255, 128));
        painter->fillPath(mark, gradient);
    }
    if (isHovered(option)) {
        colour.setAlpha(255);
        painter->setPen(QPen(colour, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(mark);
    }
    painter->restore();

    const QRect handle = proxy()->subControlRect(CC_Slider, option, SC_SliderHandle, widget);
    painter->drawPixmap(handle.topLeft(), image(thumb));
}

QRect ArthurStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                  SubControl subControl, const QWidget *widget) const
{
    if (control == CC_GroupBox) {
        switch (subControl) {
        case SC_GroupBoxLabel:
            if (const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option)) {
                const int capLeft = image("title_cap_left.png").width();
                const int capRight = image("title_cap_right.png").width();
                const int titleWidth = box->fontMetrics.horizontalAdvance(box->text) + 20;
                const int titleLeft = option->rect.center().x() - titleWidth / 2;
                return QRect(titleLeft + capLeft, option->rect.top(),
                             titleWidth - capLeft - capRight, image("title_stretch.png").height());
            }
            break;
        case SC_GroupBoxContents:
            return QProxyStyle::subControlRect(control, option, subControl, widget)
                .adjusted(0, -8, 0, 0);
        case SC_GroupBoxFrame:
            return option->rect;
        default:
            break;
        }
    }

    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_Slider) {
        const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
        const bool horizontal = !slider || slider->orientation == Qt::Horizontal;
        if (subControl == SC_SliderHandle)
            rect.setSize(horizontal ? QSize(13, 27) : QSize(27, 13));
        else if (subControl == SC_SliderGroove && horizontal)
            rect.setCoords(rect.left(), 9, rect.right(), 17);
        else if (subControl == SC_SliderGroove)
            rect.setWidth(27);
    }
    return rect;
}

int ArthurStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                             const QWidget *widget) const
{
    if (metric == PM_SliderLength)
        return 13;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize ArthurStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                    const QSize &size, const QWidget *widget) const
{
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_PushButton) {
        // The caption keeps clear of the rounded caps the panel draws at both
        // ends, with the base style's margin inside them.
        const int caps = image("button_normal_cap_left.png").width()
                         + image("button_normal_cap_right.png").width();
        result.setWidth(std::max(
            result.width(),
            size.width() + caps + 2 * QProxyStyle::pixelMetric(PM_ButtonMargin, option, widget)));
    }
    return result;
}
