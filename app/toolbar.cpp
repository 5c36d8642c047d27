#include "app/toolbar.h"

#include <QEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>

QIcon ToolBar::icon(const QWidget *widget, const char *themeName, QStyle::StandardPixmap fallback)
{
    // The style's icon only where the theme has none: it reads and decodes
    // every size of its images at once.
    const QString name = QLatin1String(themeName);
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name)
                                     : widget->style()->standardIcon(fallback);
}

void ToolBar::add(QToolBar *bar, QAction *action, const char *themeName,
                  QStyle::StandardPixmap fallback)
{
    action->setIcon(icon(bar, themeName, fallback));
    bar->addAction(action);
    // The button's tool tip is the action's text; the keys go with it, as the
    // menus show them. Follows the text, which Undo and Redo change.
    const auto tip = [action] {
        QString text = action->text();
        text.remove(QLatin1Char('&'));
        const QKeySequence keys = action->shortcut();
        action->setToolTip(keys.isEmpty() ? text
                                          : QStringLiteral("%1 (%2)").arg(
                                              text, keys.toString(QKeySequence::NativeText)));
    };
    tip();
    QObject::connect(action, &QAction::changed, bar, [action, tip, last = QString()]() mutable {
        // setToolTip emits changed too; only a new text needs a new tip.
        if (action->text() == last)
            return;
        last = action->text();
        tip();
    });
}

TabButtonAction::TabButtonAction(const QString &text, QTabWidget *tabs,
                                 const QList<QPushButton *> &buttons, QObject *parent)
    : QAction(text, parent)
    , ownText(text)
    , tabs(tabs)
    , buttons(buttons)
{
    for (QPushButton *button : buttons)
        button->installEventFilter(this);
    connect(tabs, &QTabWidget::currentChanged, this, &TabButtonAction::follow);
    connect(this, &QAction::triggered, this, [this] {
        if (QPushButton *button = current(); button && button->isEnabled())
            button->click();
    });
    follow();
}

QPushButton *TabButtonAction::current() const
{
    for (QPushButton *button : buttons) {
        if (tabs->currentWidget()->isAncestorOf(button))
            return button;
    }
    return nullptr;
}

bool TabButtonAction::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && watched == current())
        follow();
    return false;
}

void TabButtonAction::follow()
{
    const QPushButton *button = current();
    setText(button ? button->text() : ownText);
    setEnabled(button && button->isEnabled());
}
