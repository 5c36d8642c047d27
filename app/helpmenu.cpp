#include "app/helpmenu.h"

#include "widgets/dialogs/userdialogs.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// "&Open…" as the menu shows it: "Open…".
QString shown(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QLatin1String("&"));
    return text;
}

void addMenu(const QMenu *menu, const QString &place, QList<HelpMenu::Shortcut> &list,
             QList<const QAction *> &seen)
{
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        if (const QMenu *sub = action->menu()) {
            addMenu(sub, place + QStringLiteral(" › ") + shown(sub->title()), list, seen);
            continue;
        }
        seen.append(action);
        for (const QKeySequence &keys : action->shortcuts())
            list.append({place, shown(action->text()), keys});
    }
}

} // namespace

HelpMenu::HelpMenu(QMenu *menu, QAction *before, QMainWindow *window,
                   std::function<UserDialogs &()> dialogs)
    : QObject(window)
    , window(window)
    , dialogs(std::move(dialogs))
{
    // Like the form's actions, they belong to the window, so F1 works
    // wherever the focus is.
    auto *userGuide = new QAction(tr("&User Guide"), window);
    userGuide->setObjectName(QStringLiteral("actionUserGuide"));
    userGuide->setShortcuts(QKeySequence::HelpContents);
    connect(userGuide, &QAction::triggered, this, &HelpMenu::showGuide);
    auto *keys = new QAction(tr("&Keyboard Shortcuts"), window);
    keys->setObjectName(QStringLiteral("actionKeyboardShortcuts"));
    connect(keys, &QAction::triggered, this, &HelpMenu::showShortcuts);
    window->addActions({userGuide, keys});
    menu->insertActions(before, {userGuide, keys});
    menu->insertSeparator(before);
}

QString HelpMenu::guideSource() const
{
    return polishGuide ? QStringLiteral("qrc:/guide/guide.pl.html")
                       : QStringLiteral("qrc:/guide/guide.en.html");
}

void HelpMenu::showGuide()
{
    if (!guide) {
        // A window of its own beside the main one: the user reads a step and
        // does it. It goes with the main window.
        guide = new QDialog(window, Qt::Window);
        guide->setObjectName(QStringLiteral("userGuide"));
        guide->setWindowTitle(tr("Lc420 User Guide"));
        guide->setAttribute(Qt::WA_DeleteOnClose);
        auto *browser = new QTextBrowser(guide);
        browser->setObjectName(QStringLiteral("guideBrowser"));
        browser->setAccessibleName(tr("User guide"));
        browser->setOpenExternalLinks(true);
        browser->setSource(QUrl(guideSource()));
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, guide);
        connect(buttons, &QDialogButtonBox::rejected, guide.data(), &QDialog::close);
        auto *layout = new QVBoxLayout(guide);
        layout->addWidget(browser);
        layout->addWidget(buttons);
        guide->resize(window->fontMetrics().averageCharWidth() * 80,
                      window->fontMetrics().height() * 36);
    }
    guide->show();
    guide->raise();
    guide->activateWindow();
}

void HelpMenu::showShortcuts()
{
    QDialog dialog(window);
    dialog.setObjectName(QStringLiteral("keyboardShortcuts"));
    dialog.setWindowTitle(tr("Keyboard Shortcuts"));
    auto *list = new QTreeWidget(&dialog);
    list->setObjectName(QStringLiteral("shortcutList"));
    list->setAccessibleName(tr("Keyboard shortcuts"));
    list->setColumnCount(2);
    list->setHeaderLabels({tr("Action"), tr("Keys")});
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    QTreeWidgetItem *group = nullptr;
    for (const Shortcut &key : shortcuts(*window)) {
        if (!group || group->text(0) != key.place) {
            group = new QTreeWidgetItem(list, {key.place});
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setFirstColumnSpanned(true);
        }
        new QTreeWidgetItem(list, {key.what, key.keys.toString(QKeySequence::NativeText)});
    }
    list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(dialog.fontMetrics().averageCharWidth() * 70, dialog.fontMetrics().height() * 30);
    dialogs().exec(dialog);
}

QList<HelpMenu::Shortcut> HelpMenu::shortcuts(const QMainWindow &window)
{
    QList<Shortcut> list;
    QList<const QAction *> seen;
    for (const QAction *entry : window.menuBar()->actions()) {
        if (const QMenu *menu = entry->menu())
            addMenu(menu, shown(menu->title()), list, seen);
    }
    const QString elsewhere = tr("Anywhere in the window");
    for (const QAction *action : window.findChildren<QAction *>()) {
        if (seen.contains(action) || action->menu())
            continue;
        for (const QKeySequence &keys : action->shortcuts())
            list.append({elsewhere, shown(action->text()), keys});
    }
    // Keys of one control (the overview grid of each show tab) are listed
    // once, under the place they work in.
    for (const QShortcut *shortcut : window.findChildren<QShortcut *>()) {
        if (shortcut->whatsThis().isEmpty())
            continue;
        QString place = elsewhere;
        if (shortcut->context() == Qt::WidgetShortcut
            || shortcut->context() == Qt::WidgetWithChildrenShortcut) {
            const auto *owner = qobject_cast<const QWidget *>(shortcut->parent());
            place = qobject_cast<const QAbstractItemView *>(owner) != nullptr
                        ? tr("In the overview grid")
                    : owner != nullptr ? owner->accessibleName()
                                       : elsewhere;
        }
        for (const QKeySequence &keys : shortcut->keys()) {
            const Shortcut row{place, shortcut->whatsThis(), keys};
            const bool listed = std::any_of(list.cbegin(), list.cend(), [&](const Shortcut &s) {
                return s.place == row.place && s.what == row.what && s.keys == row.keys;
            });
            if (!listed)
                list.append(row);
        }
    }
    return list;
}
