#include "widgets/elidedtoolbutton.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

#include <algorithm>

namespace {

// The widest the hint asks for, and the narrowest the button gets, in
// average characters of its font.
constexpr int HintCharacters = 80;
constexpr int MinimumCharacters = 12;

} // namespace

ElidedToolButton::ElidedToolButton(QWidget *parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ElidedToolButton::setFullText(const QString &text)
{
    setText(text);
    setToolTip(text);
    updateGeometry();
    update();
}

int ElidedToolButton::chrome() const
{
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    int width = style()
                    ->sizeFromContents(QStyle::CT_ToolButton, &option,
                                       QSize(0, fontMetrics().height()), this)
                    .width();
    if (menu() && popupMode() != MenuButtonPopup)
        width += style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, this);
    return width;
}

QString ElidedToolButton::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, std::max(0, width() - chrome()),
                                    Qt::TextShowMnemonic);
}

QSize ElidedToolButton::sizeHint() const
{
    const int cap = fontMetrics().averageCharWidth() * HintCharacters;
    const int whole = fontMetrics().horizontalAdvance(text()) + 1;
    return {chrome() + std::min(cap, whole), QToolButton::sizeHint().height()};
}

QSize ElidedToolButton::minimumSizeHint() const
{
    const int narrow = chrome() + fontMetrics().averageCharWidth() * MinimumCharacters;
    return {std::min(narrow, sizeHint().width()), QToolButton::minimumSizeHint().height()};
}

void ElidedToolButton::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text = shownText();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}
