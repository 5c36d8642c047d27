#include "app/logpane.h"

#include <QScrollBar>
#include <QTextEdit>

namespace LogPane {

namespace {

// Below this, appending in place is cheap and keeps QTextEdit's own handling.
constexpr qsizetype LargeText = qsizetype(32) * 1024;

const char *const HookedProperty = "lc420LogHooked";
const char *const FollowProperty = "lc420LogFollowsEnd";

// Every append brings the end into view. A replaced document, and a long
// appended range, are laid out in steps between events that grow the scroll
// range; the view keeps following the end until the reader scrolls away
// from it (and picks it up again when he scrolls back to the end).
void hookScrollBar(QTextEdit &pane)
{
    if (pane.property(HookedProperty).toBool())
        return;
    pane.setProperty(HookedProperty, true);
    QScrollBar *bar = pane.verticalScrollBar();
    QTextEdit *edit = &pane;
    QObject::connect(bar, &QScrollBar::rangeChanged, &pane, [bar, edit](int, int maximum) {
        if (edit->property(FollowProperty).toBool())
            bar->setValue(maximum);
    });
    // Emitted for the reader's scrolling only (wheel, keys, drag, clicks),
    // with the slider already where the action puts it.
    QObject::connect(bar, &QScrollBar::actionTriggered, &pane, [bar, edit](int) {
        edit->setProperty(FollowProperty, bar->sliderPosition() >= bar->maximum());
    });
}

} // namespace

void append(QTextEdit &pane, const QString &text)
{
    hookScrollBar(pane);
    pane.setProperty(FollowProperty, true);
    if (text.size() < LargeText)
        pane.append(text);
    else if (pane.document()->isEmpty())
        pane.setPlainText(text);
    else
        pane.setPlainText(pane.toPlainText() + QLatin1Char('\n') + text);
    QScrollBar *bar = pane.verticalScrollBar();
    bar->setValue(bar->maximum());
}

} // namespace LogPane
