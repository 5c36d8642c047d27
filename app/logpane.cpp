#include "app/logpane.h"

#include <QScrollBar>
#include <QTextEdit>

#include <memory>

namespace LogPane {

namespace {

// Below this, appending in place is cheap and keeps QTextEdit's own handling.
constexpr qsizetype LargeText = qsizetype(32) * 1024;

const char *const FollowProperty = "lc420LogFollowsEnd";

// While the layout of a replaced document grows the scroll range step by step,
// a pane that showed its end keeps showing it, as append() does at once.
void followEnd(QTextEdit &pane)
{
    if (pane.property(FollowProperty).toBool())
        return;
    pane.setProperty(FollowProperty, true);
    QScrollBar *bar = pane.verticalScrollBar();
    auto lastMaximum = std::make_shared<int>(bar->maximum());
    QObject::connect(bar, &QScrollBar::rangeChanged, &pane, [bar, lastMaximum](int, int maximum) {
        if (bar->value() >= *lastMaximum)
            bar->setValue(maximum);
        *lastMaximum = maximum;
    });
}

} // namespace

void append(QTextEdit &pane, const QString &text)
{
    if (text.size() < LargeText) {
        pane.append(text);
        return;
    }
    followEnd(pane);
    QScrollBar *bar = pane.verticalScrollBar();
    const int position = bar->value();
    const bool atEnd = position >= bar->maximum();
    if (pane.document()->isEmpty())
        pane.setPlainText(text);
    else
        pane.setPlainText(pane.toPlainText() + QLatin1Char('\n') + text);
    // The old text is laid out first, so a reader further up stays where he was.
    bar->setValue(atEnd ? bar->maximum() : position);
}

} // namespace LogPane
