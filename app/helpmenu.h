#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QDialog;
class QMainWindow;
class QMenu;
class UserDialogs;

// Help › User Guide (F1), the short guide shipped with the program in the
// window's language, and Help › Keyboard Shortcuts, a list made from the
// window's own actions and shortcuts when it is asked for, so it never
// drifts from what the keys do.
class HelpMenu : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(Lc460_bootloader)

public:
    // One key of the list: where it is found ("Edit", or "Programs and
    // Scenes tabs" for keys of no menu), what it does, and the key.
    struct Shortcut
    {
        QString place;
        QString what;
        QKeySequence keys;
    };

    // menu: the form's Help menu; the entries go before its entry `before`.
    HelpMenu(QMenu *menu, QAction *before, QMainWindow *window,
             std::function<UserDialogs &()> dialogs);

    // The guide in Polish rather than English.
    void setPolish(bool polish) { polishGuide = polish; }
    // The guide's page in the window's language, a Qt resource.
    [[nodiscard]] QString guideSource() const;
    // Opens the guide beside the window, or brings it to the front.
    void showGuide();
    void showShortcuts();

    // Every key of the window: the actions of its menus, in menu order,
    // then its actions outside the menus and its other shortcuts that
    // carry a "what's this" text. Disabled actions are listed too.
    [[nodiscard]] static QList<Shortcut> shortcuts(const QMainWindow &window);

private:
    QMainWindow *window;
    std::function<UserDialogs &()> dialogs;
    QPointer<QDialog> guide;
    bool polishGuide = false;
};
