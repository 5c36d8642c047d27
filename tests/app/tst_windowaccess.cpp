// The window on a 1366 x 768 laptop screen and on a 1024 x 700 one, in
// English and Polish, with a driver this user may not open (the longest
// sentence of the status bar): it fits, every control shows whole, Tab
// walks each tab in reading order, every control a screen reader meets has
// a name, and the Help menu and the tool bar offer what they promise. The
// screens come from screens.json (the offscreen platform's configuration).

#include "app/driverindicator.h"
#include "app/helpmenu.h"
#include "app/lc460_bootloader.h"
#include "sim/simulatedbus.h"
#include "tests/support/lampeditors.h"
#include "tests/support/scripteddialogs.h"
#include "widgets/colorlineedit.h"
#include "widgets/overviewview.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <memory>

class TestWindowAccess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void tabWalksEachTabInReadingOrder_data();
    void tabWalksEachTabInReadingOrder();
    void focusIsVisible_data();
    void focusIsVisible();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void helpMenuOffersGuideAndShortcuts_data();
    void helpMenuOffersGuideAndShortcuts();
    void toolBarActsOnTheCurrentTab();

private:
    // The window on screenName in language ("en", "pl"), shown, with a
    // driver attached that this user may not open.
    void open(const QString &screenName, const QString &language);
    void addRows();

    std::unique_ptr<SimulatedBus> bus;
    std::unique_ptr<QTranslator> translator;
    std::unique_ptr<Lc460_bootloader> window;
    ScriptedDialogs *dialogs = nullptr;
};

void TestWindowAccess::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(QGuiApplication::screens().size(), 2);
}

void TestWindowAccess::cleanup()
{
    window.reset();
    bus.reset();
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()
                || std::none_of(QApplication::topLevelWidgets().cbegin(),
                                QApplication::topLevelWidgets().cend(),
                                [](const QWidget *w) { return w->isVisible(); }));
}

void TestWindowAccess::addRows()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("language");
    for (const char *screen : {"laptop", "small"}) {
        for (const char *language : {"en", "pl"})
            QTest::addRow("%s, %s", screen, language) << screen << language;
    }
}

void TestWindowAccess::open(const QString &screenName, const QString &language)
{
    translator = std::make_unique<QTranslator>();
    QVERIFY(translator->load(QStringLiteral("lc420_") + language, QStringLiteral(".")));
    QCoreApplication::installTranslator(translator.get());

    bus = std::make_unique<SimulatedBus>(SimulatedBus::Options{});
    bus->host().setAccessDenied(bus->device(), true);

    window = std::make_unique<Lc460_bootloader>();
    dialogs = scriptDialogs(*window);
    window->markLanguage(language == QLatin1String("pl"));
    QScreen *screen = nullptr;
    for (QScreen *candidate : QGuiApplication::screens()) {
        if (candidate->name() == screenName)
            screen = candidate;
    }
    QVERIFY(screen);
    window->setScreen(screen);
    window->driverIndicator().monitor().setIntervals(50, 0);
    window->driverIndicator().start({});
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto *indicator = window->findChild<QToolButton *>(QStringLiteral("driverIndicator"));
    // The refusal, which names the bus and device, is the longest sentence.
    QTRY_VERIFY(indicator->text().size() > 60);
}

void TestWindowAccess::fitsTheScreen_data()
{
    addRows();
}

void TestWindowAccess::fitsTheScreen()
{
    QFETCH(QString, screen);
    QFETCH(QString, language);
    open(screen, language);
    if (QTest::currentTestFailed())
        return;
    const QRect area = window->screen()->availableGeometry();
    QVERIFY2(area.contains(window->frameGeometry()),
             qPrintable(QStringLiteral("%1x%2 on %3x%4")
                            .arg(window->frameGeometry().width())
                            .arg(window->frameGeometry().height())
                            .arg(area.width())
                            .arg(area.height())));

    // The whole sentence is the tool tip; the bar shows what fits.
    auto *indicator = window->findChild<QToolButton *>(QStringLiteral("driverIndicator"));
    QCOMPARE(indicator->toolTip(), indicator->text());
    QVERIFY(window->rect().contains(
        QRect(indicator->mapTo(window.get(), QPoint()), indicator->size())));

    auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        // Every button and spin box outside the lamp rows lies inside the
        // window and is as wide as its caption or largest value needs.
        QWidget *page = tabs->widget(tab);
        QList<QWidget *> controls;
        for (QPushButton *button : page->findChildren<QPushButton *>())
            controls.append(button);
        for (QSpinBox *box : page->findChildren<QSpinBox *>()) {
            box->setValue(box->maximum());
            controls.append(box);
        }
        // The lamp editors keep their own fixed size; their row scrolls.
        const auto *lamps = page->findChild<QScrollArea *>();
        for (QWidget *control : std::as_const(controls)) {
            if (!control->isVisibleTo(window.get()) || (lamps && lamps->isAncestorOf(control)))
                continue;
            const QRect where(control->mapTo(window.get(), QPoint()), control->size());
            QVERIFY2(window->rect().contains(where), qPrintable(control->objectName()));
            QVERIFY2(control->width() >= control->minimumSizeHint().width(),
                     qPrintable(control->objectName()));
        }
        for (auto *box : page->findChildren<QSpinBox *>()) {
            if (!box->isVisibleTo(window.get()))
                continue;
            const auto *edit = box->findChild<QLineEdit *>();
            QVERIFY2(edit->width() > box->fontMetrics().horizontalAdvance(box->text()),
                     qPrintable(box->objectName()));
        }
        // The last step scrolls into view when it is shown.
        if (auto *overview = page->findChild<OverviewView *>()) {
            overview->setShownColumn(overview->model()->columnCount() - 1);
            const QRect last = overview->visualRect(overview->currentIndex());
            QVERIFY2(overview->viewport()->rect().contains(last),
                     qPrintable(overview->objectName()));
            // All twelve lamps show, with no empty strip below them.
            const int rowsEnd = overview->rowViewportPosition(11) + overview->rowHeight(11);
            QVERIFY2(rowsEnd <= overview->viewport()->height()
                         && overview->viewport()->height() - rowsEnd < overview->rowHeight(11),
                     qPrintable(
                         QStringLiteral("%1 %2").arg(rowsEnd).arg(overview->viewport()->height())));
        }
    }
}

void TestWindowAccess::tabWalksEachTabInReadingOrder_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("controls"); // after the overview and the lamp fields
    QTest::newRow("programs") << "tabPrograms"
                              << QStringList{"spinBoxProgramNumber",
                                             "spinBoxSceneNumber",
                                             "spinBoxRiseTime",
                                             "spinBoxStaticTime",
                                             "spinBoxEndMarker",
                                             "pushButtonGetProgramsFormLc460",
                                             "pushButtonSetProgramsInLc460",
                                             "pushButtonLoadProgramsFromFile",
                                             "pushButtonSaveProgramsToFile"};
    QTest::newRow("scenes") << "tabScenes"
                            << QStringList{
                                   "spinBoxSceneSceneNumber",    "spinBoxSceneRiseTime",
                                   "spinBoxSceneStaticTime",     "pushButtonGetScenesFormLc460",
                                   "pushButtonSetScenesInLc460", "pushButtonLoadScenesFromFile",
                                   "pushButtonSaveScenesToFile"};
}

void TestWindowAccess::tabWalksEachTabInReadingOrder()
{
    QFETCH(QString, tab);
    QFETCH(QStringList, controls);
    open(QStringLiteral("laptop"), QStringLiteral("en"));
    if (QTest::currentTestFailed())
        return;
    auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QWidget *page = window->findChild<QWidget *>(tab);
    tabs->setCurrentWidget(page);
    auto *overview = page->findChild<OverviewView *>();
    overview->setShownColumn(2);
    overview->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), overview);

    QStringList expected{overview->objectName()};
    const QList<SuperRGB *> editors = lampEditors(
        *window, tab == QLatin1String("tabPrograms") ? Show::Kind::Programs : Show::Kind::Scenes);
    for (int lamp = 0; lamp < editors.size(); ++lamp) {
        for (const char *field : {"EditRed", "EditGreen", "EditBlue"})
            expected << QStringLiteral("lamp %1 %2").arg(lamp).arg(QLatin1String(field));
    }
    expected << controls << overview->objectName();

    // Real Tab presses, from the overview round the tab and back to it.
    QStringList walked{overview->objectName()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        const auto editor = std::find_if(editors.cbegin(), editors.cend(),
                                         [focus](SuperRGB *e) { return e->isAncestorOf(focus); });
        if (editor != editors.cend()) {
            walked << QStringLiteral("lamp %1 %2")
                          .arg(editor - editors.cbegin())
                          .arg(focus->objectName());
        } else if (page->isAncestorOf(focus) || focus == overview) {
            walked << focus->objectName();
        } else {
            // Leaving the tab for the tab bar is the end of the round.
            break;
        }
    }
    expected.removeLast();
    QCOMPARE(walked.mid(0, expected.size()), expected);
    // The arrow keys move inside the grid, and the step stays shown.
    overview->setFocus(Qt::TabFocusReason);
    QTest::keyClick(overview, Qt::Key_Right);
    QCOMPARE(overview->shownColumn(), 3);
    QCOMPARE(QApplication::focusWidget(), overview);

    // F10 opens the menu bar from anywhere, the first menu open.
    QTest::keyClick(overview, Qt::Key_F10);
    QMenuBar *menus = window->menuBar();
    QTRY_VERIFY(menus->activeAction());
    QCOMPARE(menus->activeAction(), menus->actions().constFirst());
    QTRY_VERIFY(menus->activeAction()->menu()->isVisible());
    menus->activeAction()->menu()->close();
}

void TestWindowAccess::focusIsVisible_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"spinBoxRiseTime", "pushButtonSetProgramsInLc460", "overviewPrograms", "EditRed"})
        QTest::newRow(name) << name;
}

void TestWindowAccess::focusIsVisible()
{
    QFETCH(QString, name);
    open(QStringLiteral("laptop"), QStringLiteral("en"));
    if (QTest::currentTestFailed())
        return;
    window->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
    auto *control = window->findChild<QWidget *>(name);
    window->findChild<QWidget *>(QStringLiteral("spinBoxProgramNumber"))->setFocus();
    QTRY_VERIFY(!control->hasFocus());
    const QImage without = control->grab().toImage();
    control->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(control->hasFocus());
    // A blinking text cursor alone does not count: the two differ in more
    // than a cursor's column.
    const QImage with = control->grab().toImage();
    QCOMPARE(with.size(), without.size());
    int differing = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x)
            differing += with.pixel(x, y) != without.pixel(x, y);
    }
    QVERIFY2(differing > 2 * control->fontMetrics().height(),
             qPrintable(QString::number(differing)));
}

void TestWindowAccess::everyControlHasAName_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("pl") << "pl";
}

// Over the whole tree: every control a screen reader stops at has a name of
// its own in the window's language; a spin box is named by its label.
void TestWindowAccess::everyControlHasAName()
{
    QFETCH(QString, language);
    open(QStringLiteral("laptop"), language);
    if (QTest::currentTestFailed())
        return;
    window->ensureBuilt();         // the Scenes tab's editors too, as when it is shown
    QHash<QString, QString> taken; // tab, role and name -> object
    int named = 0;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool control
            = qobject_cast<QAbstractSpinBox *>(widget)
              || (qobject_cast<QAbstractSlider *>(widget) && !qobject_cast<QScrollBar *>(widget))
              || qobject_cast<ColorLineEdit *>(widget) || qobject_cast<SuperRGB *>(widget)
              || qobject_cast<OverviewView *>(widget)
              || widget->objectName() == QLatin1String("driverIndicator");
        if (!control)
            continue;
        QAccessibleInterface *access = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(access);
        const QString name = access->text(QAccessible::Name);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(widget->objectName()));
        ++named;
        QString tab;
        for (const char *page : {"tabPrograms", "tabScenes"}) {
            if (window->findChild<QWidget *>(QLatin1String(page))->isAncestorOf(widget))
                tab = QLatin1String(page);
        }
        const QString key
            = tab + QLatin1Char('/') + QString::number(access->role()) + QLatin1Char('/') + name;
        QVERIFY2(!taken.contains(key), qPrintable(name + QLatin1String(": ") + taken.value(key)
                                                  + QLatin1String(", ") + widget->objectName()));
        taken.insert(key, widget->objectName());
        if (auto *box = qobject_cast<QAbstractSpinBox *>(widget)) {
            const QList<QLabel *> labels = box->parentWidget()->findChildren<QLabel *>();
            const auto label = std::find_if(labels.cbegin(), labels.cend(),
                                            [box](QLabel *l) { return l->buddy() == box; });
            QVERIFY2(label != labels.cend(), qPrintable(box->objectName()));
            QCOMPARE(name, (*label)->text().remove(QLatin1Char('&')));
        }
    }
    // 8 spin boxes, 2 overviews, the indicator, and per lamp editor 3 fields,
    // 3 sliders, the colour and the editor itself.
    QCOMPARE(named, 8 + 2 + 1 + 24 * 8);
}

void TestWindowAccess::helpMenuOffersGuideAndShortcuts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("heading");
    QTest::newRow("en") << "en"
                        << "Troubleshooting: access and locks";
    QTest::newRow("pl") << "pl"
                        << "Rozwiązywanie problemów: dostęp i blokady";
}

void TestWindowAccess::helpMenuOffersGuideAndShortcuts()
{
    QFETCH(QString, language);
    QFETCH(QString, heading);
    open(QStringLiteral("laptop"), language);
    if (QTest::currentTestFailed())
        return;

    QTest::keyClick(window.get(), Qt::Key_F1);
    auto *guide = window->findChild<QWidget *>(QStringLiteral("userGuide"));
    QVERIFY(guide);
    QTRY_VERIFY(guide->isVisible());
    auto *browser = guide->findChild<QTextBrowser *>();
    QVERIFY(browser->toPlainText().contains(heading));
    // Every entry of the contents leads to its section.
    const QTextDocument *page = browser->document();
    int links = 0;
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QString href = fragment.fragment().charFormat().anchorHref();
            if (!href.startsWith(QLatin1Char('#')))
                continue;
            ++links;
            QVERIFY2(page->toHtml().contains(QStringLiteral("name=\"%1\"").arg(href.mid(1))),
                     qPrintable(href));
        }
    }
    QCOMPARE(links, 8);
    guide->close();

    // The list holds every key of every action, and no key does two things.
    const QList<HelpMenu::Shortcut> keys = HelpMenu::shortcuts(*window);
    QHash<QKeySequence, QString> owner;
    for (const HelpMenu::Shortcut &key : keys) {
        if (key.place.isEmpty() || key.what.isEmpty())
            QFAIL(qPrintable(key.keys.toString()));
        if (key.place == HelpMenu::tr("In the overview grid"))
            continue;
        QVERIFY2(!owner.contains(key.keys),
                 qPrintable(key.keys.toString() + QLatin1String(": ") + owner.value(key.keys)
                            + QLatin1String(", ") + key.what));
        owner.insert(key.keys, key.what);
    }
    for (const QAction *action : window->findChildren<QAction *>()) {
        for (const QKeySequence &sequence : action->shortcuts())
            QVERIFY2(owner.contains(sequence), qPrintable(action->objectName()));
    }
    QVERIFY(owner.contains(QKeySequence(QKeySequence::HelpContents)));
    QVERIFY(owner.contains(QKeySequence(Qt::Key_Escape)));

    window->findChild<QAction *>(QStringLiteral("actionKeyboardShortcuts"))->trigger();
    QCOMPARE(dialogs->askedOf(QStringLiteral("exec")).size(), 1);
    QCOMPARE(dialogs->askedOf(QStringLiteral("exec")).constFirst().label,
             QStringLiteral("keyboardShortcuts"));
}

void TestWindowAccess::toolBarActsOnTheCurrentTab()
{
    open(QStringLiteral("laptop"), QStringLiteral("en"));
    if (QTest::currentTestFailed())
        return;
    auto *bar = window->findChild<QToolBar *>(QStringLiteral("mainToolBar"));
    QStringList names;
    for (const QAction *action : bar->actions()) {
        if (action->isSeparator())
            continue;
        names << action->objectName();
        QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
        QVERIFY2(bar->widgetForAction(const_cast<QAction *>(action))->isVisible(),
                 qPrintable(action->objectName()));
    }
    QCOMPARE(names, (QStringList{"actionOpen", "actionSave", "actionGet", "actionSet",
                                 "actionCompareWithDriver", "actionUndo", "actionRedo",
                                 "actionPlay", "actionStop"}));

    auto *get = window->findChild<QAction *>(QStringLiteral("actionGet"));
    auto *tabs = window->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QVERIFY(!get->isEnabled()); // the Settings tab has no Get
    for (const char *name : {"pushButtonGetProgramsFormLc460", "pushButtonGetScenesFormLc460"}) {
        auto *button = window->findChild<QPushButton *>(QLatin1String(name));
        tabs->setCurrentWidget(button->parentWidget());
        QCOMPARE(get->text(), button->text());
        QVERIFY(get->isEnabled());
        button->setEnabled(false);
        QVERIFY(!get->isEnabled());
        button->setEnabled(true);
        QVERIFY(get->isEnabled());
        const QSignalSpy pressed(button, &QPushButton::clicked);
        get->trigger();
        QCOMPARE(pressed.size(), 1);
        // The Get runs as a job; the next tab's waits until it has ended.
        QTRY_VERIFY(button->isEnabled());
    }
}

QTEST_MAIN(TestWindowAccess)
#include "tst_windowaccess.moc"
