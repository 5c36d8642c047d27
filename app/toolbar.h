#pragma once

#include <QAction>
#include <QList>
#include <QStyle>

class QPushButton;
class QTabWidget;
class QToolBar;

// The main tool bar: the common actions, each with the desktop theme's icon
// or, where the theme has none, the style's own. Another action is one more
// ToolBar::add.
namespace ToolBar {

// The theme's icon themeName, else the style's standard icon fallback.
[[nodiscard]] QIcon icon(const QWidget *widget, const char *themeName,
                         QStyle::StandardPixmap fallback);

// Adds action to bar with that icon; its tool tip names its keys.
void add(QToolBar *bar, QAction *action, const char *themeName, QStyle::StandardPixmap fallback);

} // namespace ToolBar

// An action that presses the current tab's button of one kind (Get or Set):
// it carries that button's caption and is enabled while the button is; on a
// tab without one it carries its own text and is disabled.
class TabButtonAction : public QAction
{
    Q_OBJECT

public:
    TabButtonAction(const QString &text, QTabWidget *tabs, const QList<QPushButton *> &buttons,
                    QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] QPushButton *current() const;
    void follow();

    QString ownText;
    QTabWidget *tabs;
    const QList<QPushButton *> buttons;
};
