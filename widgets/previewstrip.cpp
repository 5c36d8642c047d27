#include "widgets/previewstrip.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int LampSize = 22; // the disc's diameter
constexpr int Gap = 4;       // around each disc

} // namespace

PreviewStrip::PreviewStrip(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    retranslate();
}

void PreviewStrip::setColours(const QList<QColor> &colours)
{
    if (colours == lamps)
        return;
    lamps = colours;
    update();
}

QSize PreviewStrip::sizeHint() const
{
    return minimumSizeHint();
}

QSize PreviewStrip::minimumSizeHint() const
{
    const int count = std::max(int(lamps.size()), 1);
    return {count * (LampSize + Gap) + Gap, LampSize + 2 * Gap};
}

void PreviewStrip::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (lamps.isEmpty())
        return;
    // The discs share the width, each in the middle of its share.
    const qreal share = qreal(width()) / qreal(lamps.size());
    const qreal size = std::min<qreal>(LampSize, std::min<qreal>(share, height()) - Gap);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    for (int lamp = 0; lamp < lamps.size(); ++lamp) {
        painter.setBrush(lamps.at(lamp));
        const QPointF centre(share * (lamp + 0.5), height() / 2.0);
        painter.drawEllipse(centre, size / 2, size / 2);
    }
}

void PreviewStrip::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void PreviewStrip::retranslate()
{
    setToolTip(tr("The program as it plays: each step's colours held for its Scene Time. "
                  "Cross-fades (XFade) are not shown, since how the driver times them is not "
                  "known here."));
}
