#include "app/lc460_bootloader.h"
#include "tests/support/lampeditors.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tracecapture.h"
#include "widgets/colorslider.h"
#include "widgets/superrgb.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>

// The main window as a user meets it right after start-up, with no
// translation installed: the texts are the program's own English ones.
class TestLc460Bootloader : public QObject
{
    Q_OBJECT

private:
    template<typename T> T *widget(Lc460_bootloader &window, const char *name)
    {
        T *found = window.findChild<T *>(QLatin1String(name));
        if (!found)
            qWarning("no %s named %s", T::staticMetaObject.className(), name);
        return found;
    }

private Q_SLOTS:
    void windowTitleAndSize();
    void captions_data();
    void captions();
    void tabs();
    void progressBarsShowTheirFormatAtZero_data();
    void progressBarsShowTheirFormatAtZero();
    void settingsTabOffersTheFirmwareButtonsOnly();
    void serviceButtonsHiddenAndDisabled_data();
    void serviceButtonsHiddenAndDisabled();
    void spinBoxes_data();
    void spinBoxes();
    void gridCells_data();
    void gridCells();
    void lampRowsSitInScrollAreas_data();
    void lampRowsSitInScrollAreas();
    void groupEditMovesMarkedSlidersOfOneTab();
    void escapeClearsTheMarksOfTheTabInView();
    void menus();
    void logPaneStartsEmptyReadOnlyFixedWidth();
    void showDataStartsZeroed();
    void constructionWritesTrace();
    void aboutBoxGoesThroughDialogSeam();
    void closeWritesTraceAndAccepts_data();
    void closeWritesTraceAndAccepts();
};

void TestLc460Bootloader::windowTitleAndSize()
{
    Lc460_bootloader window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Lc420 ver. 1.03"));
    QCOMPARE(window.objectName(), QStringLiteral("Lc460_bootloaderClass"));
    // The form's size or more, for the overview and all twelve lamps, but no
    // more than the screen leaves beside the window's frame (the offscreen
    // screen is 800 x 800).
    QCOMPARE(window.size(), QSize(800 - 16, 800 - 48));
}

void TestLc460Bootloader::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    const char *const rows[][2] = {
        {"pushButtonCHF", "Firmware Change"},
        {"pushButtonConnect", "Connect"},
        {"pushButtonDisconnect", "Disconnect"},
        {"pushButtonRead", "Read"},
        {"pushButtonWrite", "Write"},
        {"pushButtonWritePage", "WritePage"},
        {"pushButtonWriteExtFlashBin", "WriteExtFlashBin"},
        {"pushButtonRunApplication", "RunApplication"},
        {"pushButtonWriteExternalFlash", "WriteExternalFlash"},
        {"pushButtonReadExternalFlash", "ReadExternalFlash"},
        {"pushButtonCreateUpg", "CreateUpg"},
        {"pushButtonCreateBootBin", "CreateBootBin"},
        {"pushButtonStatusClr", "StatusClr"},
        {"pushButtonStatusGet", "StatusGet"},
        {"pushButtonStatusSet", "StatusSet"},
        {"labelProgramNr", "Program Number"},
        {"labelSceneNr", "Scene Number"},
        {"labelRiseTime", "XFade"},
        {"labelStaticTime", "Scene Time"},
        {"labelEndMarker", "End Marker"},
        {"pushButtonGetProgramsFormLc460", "Get Programs Form Lc460"},
        {"pushButtonSetProgramsInLc460", "Set Programs In Lc460"},
        {"pushButtonLoadProgramsFromFile", "Load Programs From FIle"},
        {"pushButtonSaveProgramsToFile", "Save Programs To File"},
        {"labelSceneNr_2", "Scene Number"},
        {"labelRiseTime_2", "XFade"},
        {"labelStaticTime_2", "Scene Time"},
        {"pushButtonGetScenesFormLc460", "Get Scenes Form Lc460"},
        {"pushButtonSetScenesInLc460", "Set Scenes In Lc460"},
        {"pushButtonLoadScenesFromFile", "Load Scenes From File"},
        {"pushButtonSaveScenesToFile", "Save Scenes To File"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1]);
}

void TestLc460Bootloader::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);

    Lc460_bootloader window;
    QWidget *found = window.findChild<QWidget *>(name);
    QVERIFY2(found, qPrintable(name));
    if (auto *button = qobject_cast<QPushButton *>(found))
        QCOMPARE(button->text(), caption);
    else if (auto *label = qobject_cast<QLabel *>(found))
        QCOMPARE(label->text(), caption);
    else
        QFAIL("neither a push button nor a label");
}

void TestLc460Bootloader::tabs()
{
    Lc460_bootloader window;
    auto *tabs = widget<QTabWidget>(window, "tabWidget");
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 3);
    const QStringList pages = {"tabSettings", "tabPrograms", "tabScenes"};
    const QStringList texts = {"Settings", "Programs", "Scenes"};
    for (int i = 0; i < tabs->count(); ++i) {
        QCOMPARE(tabs->widget(i)->objectName(), pages.at(i));
        QCOMPARE(tabs->tabText(i), texts.at(i));
    }
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(window.centralWidget()->objectName(), QStringLiteral("centralWidget"));
}

void TestLc460Bootloader::progressBarsShowTheirFormatAtZero_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("flash") << "progressBarFlash"
                           << "Flash 0%";
    QTest::newRow("external flash write") << "progressBarExtFlashWr"
                                          << "External flash write 0%";
    QTest::newRow("external flash verify") << "progressBarExtFlashRd"
                                           << "External flash verify 0%";
}

void TestLc460Bootloader::progressBarsShowTheirFormatAtZero()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    Lc460_bootloader window;
    auto *bar = window.findChild<QProgressBar *>(name);
    QVERIFY(bar);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->text(), text);
    QCOMPARE(bar->maximumHeight(), 15);
    QCOMPARE(bar->alignment(), Qt::AlignJustify | Qt::AlignVCenter);
    bar->setValue(42);
    QCOMPARE(bar->text(), QString(text).replace(QLatin1String("0%"), QLatin1String("42%")));
}

void TestLc460Bootloader::settingsTabOffersTheFirmwareButtonsOnly()
{
    Lc460_bootloader window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *settings = widget<QWidget>(window, "tabSettings");
    QVERIFY(settings);
    const QList<QPushButton *> buttons = settings->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 16);
    QStringList visible;
    for (QPushButton *button : buttons) {
        if (button->isVisibleTo(&window))
            visible.append(button->objectName());
    }
    QCOMPARE(visible, (QStringList{QStringLiteral("pushButtonCHF"),
                                   QStringLiteral("pushButtonVerifyFirmware")}));
    QVERIFY(widget<QPushButton>(window, "pushButtonCHF")->isEnabled());
    QVERIFY(widget<QPushButton>(window, "pushButtonVerifyFirmware")->isEnabled());
}

void TestLc460Bootloader::serviceButtonsHiddenAndDisabled_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"pushButtonConnect", "pushButtonDisconnect", "pushButtonRead", "pushButtonWrite",
          "pushButtonWritePage", "pushButtonWriteExtFlashBin", "pushButtonRunApplication",
          "pushButtonWriteExternalFlash", "pushButtonReadExternalFlash", "pushButtonCreateUpg",
          "pushButtonCreateBootBin", "pushButtonStatusClr", "pushButtonStatusGet",
          "pushButtonStatusSet"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestLc460Bootloader::serviceButtonsHiddenAndDisabled()
{
    QFETCH(QString, name);

    Lc460_bootloader window;
    window.show();
    auto *button = window.findChild<QPushButton *>(name);
    QVERIFY(button);
    QVERIFY(button->isHidden());
    QVERIFY(!button->isEnabled());
}

void TestLc460Bootloader::spinBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("program number 1..8") << "spinBoxProgramNumber" << 1 << 8 << "";
    QTest::newRow("program step 1..20") << "spinBoxSceneNumber" << 1 << 20 << "";
    QTest::newRow("program xfade 0..100000 %") << "spinBoxRiseTime" << 0 << 100000 << "%";
    QTest::newRow("program scene time 0..900000 ms") << "spinBoxStaticTime" << 0 << 900000 << "ms";
    QTest::newRow("program end marker 0..1") << "spinBoxEndMarker" << 0 << 1 << "";
    QTest::newRow("scene number 1..8") << "spinBoxSceneSceneNumber" << 1 << 8 << "";
    QTest::newRow("scene xfade 0..100000 %") << "spinBoxSceneRiseTime" << 0 << 100000 << "%";
    QTest::newRow("scene time 0..900000 ms") << "spinBoxSceneStaticTime" << 0 << 900000 << "ms";
}

void TestLc460Bootloader::spinBoxes()
{
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QString, suffix);

    Lc460_bootloader window;
    auto *spin = window.findChild<QSpinBox *>(name);
    QVERIFY(spin);
    QCOMPARE(spin->minimum(), minimum);
    QCOMPARE(spin->maximum(), maximum);
    QCOMPARE(spin->suffix(), suffix);
    QCOMPARE(spin->minimumWidth(), 80);

    // A user cannot step or type past either end.
    spin->setValue(maximum);
    QTest::keyClick(spin, Qt::Key_Up);
    QCOMPARE(spin->value(), maximum);
    spin->setValue(minimum);
    QTest::keyClick(spin, Qt::Key_Down);
    QCOMPARE(spin->value(), minimum);
}

void TestLc460Bootloader::gridCells_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("item"); // a widget or a nested layout
    QTest::addColumn<QRect>("cell");   // x = column, y = row, size = column span x row span

    struct Cell
    {
        const char *layout;
        const char *item;
        int row, column, rowSpan, columnSpan;
    };
    static const Cell cells[] = {
        {"gridLayout_3", "progressBarFlash", 1, 0, 1, 1},
        {"gridLayout_3", "progressBarExtFlashWr", 2, 0, 1, 1},
        {"gridLayout_3", "progressBarExtFlashRd", 3, 0, 1, 1},
        {"gridLayout_3", "txt", 5, 0, 1, 1},
        {"gridLayout_3", "gridLayout_2", 1, 1, 5, 1},
        {"gridLayout_2", "pushButtonCHF", 0, 0, 1, 1},
        {"gridLayout_2", "pushButtonConnect", 1, 0, 1, 1},
        {"gridLayout_2", "pushButtonDisconnect", 2, 0, 1, 1},
        {"gridLayout_2", "pushButtonRead", 3, 0, 1, 1},
        {"gridLayout_2", "pushButtonWrite", 4, 0, 1, 1},
        {"gridLayout_2", "pushButtonWritePage", 5, 0, 1, 1},
        {"gridLayout_2", "pushButtonWriteExtFlashBin", 6, 0, 1, 1},
        {"gridLayout_2", "pushButtonRunApplication", 7, 0, 1, 1},
        {"gridLayout_2", "pushButtonWriteExternalFlash", 8, 0, 1, 1},
        {"gridLayout_2", "pushButtonReadExternalFlash", 9, 0, 1, 1},
        {"gridLayout_2", "pushButtonCreateUpg", 10, 0, 1, 1},
        {"gridLayout_2", "pushButtonCreateBootBin", 11, 0, 1, 1},
        {"gridLayout_2", "pushButtonStatusClr", 12, 0, 1, 1},
        {"gridLayout_2", "pushButtonStatusGet", 13, 0, 1, 1},
        {"gridLayout_2", "pushButtonStatusSet", 14, 0, 1, 1},
        {"gridLayout_4", "previewPrograms", 0, 0, 1, 1},
        {"gridLayout_4", "overviewPrograms", 1, 0, 1, 1},
        {"gridLayout_4", "scrollArea", 2, 0, 1, 1},
        {"gridLayout_4", "gridLayout_5", 0, 1, 3, 1},
        {"gridLayout_5", "labelProgramNr", 0, 0, 1, 1},
        {"gridLayout_5", "spinBoxProgramNumber", 0, 1, 1, 1},
        {"gridLayout_5", "labelSceneNr", 1, 0, 1, 1},
        {"gridLayout_5", "spinBoxSceneNumber", 1, 1, 1, 1},
        {"gridLayout_5", "labelRiseTime", 2, 0, 1, 1},
        {"gridLayout_5", "spinBoxRiseTime", 2, 1, 1, 1},
        {"gridLayout_5", "labelStaticTime", 3, 0, 1, 1},
        {"gridLayout_5", "spinBoxStaticTime", 3, 1, 1, 1},
        {"gridLayout_5", "labelEndMarker", 4, 0, 1, 1},
        {"gridLayout_5", "spinBoxEndMarker", 4, 1, 1, 1},
        {"gridLayout_5", "pushButtonGetProgramsFormLc460", 5, 0, 1, 2},
        {"gridLayout_5", "pushButtonSetProgramsInLc460", 6, 0, 1, 2},
        {"gridLayout_5", "pushButtonLoadProgramsFromFile", 7, 0, 1, 2},
        {"gridLayout_5", "pushButtonSaveProgramsToFile", 8, 0, 1, 2},
        {"gridLayout_6", "overviewScenes", 0, 0, 1, 1},
        {"gridLayout_6", "scrollArea_2", 1, 0, 1, 1},
        {"gridLayout_6", "gridLayout_7", 0, 1, 2, 1},
        {"gridLayout_7", "labelSceneNr_2", 0, 0, 1, 1},
        {"gridLayout_7", "spinBoxSceneSceneNumber", 0, 1, 1, 1},
        {"gridLayout_7", "labelRiseTime_2", 1, 0, 1, 1},
        {"gridLayout_7", "spinBoxSceneRiseTime", 1, 1, 1, 1},
        {"gridLayout_7", "labelStaticTime_2", 2, 0, 1, 1},
        {"gridLayout_7", "spinBoxSceneStaticTime", 2, 1, 1, 1},
        {"gridLayout_7", "pushButtonGetScenesFormLc460", 3, 0, 1, 2},
        {"gridLayout_7", "pushButtonSetScenesInLc460", 4, 0, 1, 2},
        {"gridLayout_7", "pushButtonLoadScenesFromFile", 5, 0, 1, 2},
        {"gridLayout_7", "pushButtonSaveScenesToFile", 6, 0, 1, 2},
    };
    for (const Cell &c : cells) {
        QTest::addRow("%s in %s", c.item, c.layout)
            << QString::fromLatin1(c.layout) << QString::fromLatin1(c.item)
            << QRect(c.column, c.row, c.columnSpan, c.rowSpan);
    }
}

void TestLc460Bootloader::gridCells()
{
    QFETCH(QString, layout);
    QFETCH(QString, item);
    QFETCH(QRect, cell);

    Lc460_bootloader window;
    auto *grid = window.findChild<QGridLayout *>(layout);
    QVERIFY(grid);
    int index = -1;
    if (auto *child = window.findChild<QWidget *>(item))
        index = grid->indexOf(child);
    else if (auto *nested = window.findChild<QLayout *>(item))
        index = grid->indexOf(nested);
    QVERIFY2(index >= 0, "not an item of that layout");
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QRect(column, row, columnSpan, rowSpan), cell);
}

void TestLc460Bootloader::lampRowsSitInScrollAreas_data()
{
    QTest::addColumn<QString>("scrollArea");
    QTest::addColumn<QString>("contents");
    QTest::addColumn<QString>("contentsLayout");
    QTest::addColumn<QString>("lampRow");
    QTest::addColumn<bool>("programs");

    QTest::newRow("programs") << "scrollArea"
                              << "scrollAreaWidgetContents"
                              << "horizontalLayout_4"
                              << "horizontalLayout" << true;
    QTest::newRow("scenes") << "scrollArea_2"
                            << "scrollAreaWidgetContents_2"
                            << "horizontalLayout_5"
                            << "horizontalLayoutScenes" << false;
}

// Twelve lamp editors side by side in each row, lamp 0 first, with their DMX
// channels 1..36; the scroll area lets them scroll sideways while the
// controls grid stays in view.
void TestLc460Bootloader::lampRowsSitInScrollAreas()
{
    QFETCH(QString, scrollArea);
    QFETCH(QString, contents);
    QFETCH(QString, contentsLayout);
    QFETCH(QString, lampRow);
    QFETCH(bool, programs);

    Lc460_bootloader window;
    auto *area = window.findChild<QScrollArea *>(scrollArea);
    QVERIFY(area);
    QVERIFY(area->widgetResizable());
    QVERIFY(area->widget());
    QCOMPARE(area->widget()->objectName(), contents);
    QCOMPARE(area->widget()->layout()->objectName(), contentsLayout);
    auto *row = window.findChild<QHBoxLayout *>(lampRow);
    QVERIFY(row);
    QVERIFY(area->widget()->layout()->indexOf(row) >= 0);
    QCOMPARE(row->spacing(), 1);
    QCOMPARE(row->contentsMargins(), QMargins(1, 1, 1, 1));
    const QList<SuperRGB *> editors
        = lampEditors(window, programs ? Show::Kind::Programs : Show::Kind::Scenes);
    QCOMPARE(row->count(), 12);
    QCOMPARE(editors.size(), 12);
    for (int lamp = 0; lamp < 12; ++lamp) {
        QCOMPARE(row->itemAt(lamp)->widget(), editors.at(lamp));
        QCOMPARE(editors.at(lamp)->findChild<QGroupBox *>("LampGroupBox")->title(),
                 QStringLiteral("L: %1").arg(lamp + 1));
        for (int channel = 0; channel < 3; ++channel) {
            const QString name = QStringLiteral("LabelAddress%1").arg(channel + 1);
            QCOMPARE(editors.at(lamp)->findChild<QLabel *>(name)->text(),
                     QString::number(3 * lamp + channel + 1));
        }
    }
}

// Dragging one of the marked sliders moves every marked slider of its tab;
// unmarked sliders and the other tab stay put.
void TestLc460Bootloader::groupEditMovesMarkedSlidersOfOneTab()
{
    Lc460_bootloader window;
    const QList<SuperRGB *> programEditors = lampEditors(window, Show::Kind::Programs);
    const QList<SuperRGB *> sceneEditors = lampEditors(window, Show::Kind::Scenes);
    const auto red = [](SuperRGB *editor) { return editor->findChild<ColorSlider *>("SliderRed"); };
    for (int lamp : {0, 3, 7})
        programEditors.at(lamp)->selectRed(true);
    programEditors.at(5)->selectGreen(true);
    sceneEditors.at(3)->selectRed(true);

    ColorSlider *dragged = red(programEditors.at(0));
    dragged->setSliderDown(true);
    dragged->setSliderPosition(99);
    dragged->setSliderDown(false);

    QList<QColor> programColours;
    for (SuperRGB *editor : std::as_const(programEditors))
        programColours << editor->color();
    QList<QColor> expected(12, QColor(0, 0, 0));
    expected[0] = expected[3] = expected[7] = QColor(99, 0, 0);
    expected[5] = QColor(0, 99, 0);
    QCOMPARE(programColours, expected);
    QCOMPARE(sceneEditors.at(3)->color(), QColor(0, 0, 0));
}

void TestLc460Bootloader::escapeClearsTheMarksOfTheTabInView()
{
    Lc460_bootloader window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
    const QList<SuperRGB *> programEditors = lampEditors(window, Show::Kind::Programs);
    const QList<SuperRGB *> sceneEditors = lampEditors(window, Show::Kind::Scenes);
    programEditors.at(2)->selectRed(true);
    programEditors.at(9)->selectBlue(true);
    sceneEditors.at(4)->selectGreen(true);

    QTest::keyClick(programEditors.at(2)->findChild<QLineEdit *>("EditRed"), Qt::Key_Escape);

    QCOMPARE(programEditors.at(2)->isRedSelected(), false);
    QCOMPARE(programEditors.at(9)->isBlueSelected(), false);
    QCOMPARE(sceneEditors.at(4)->isGreenSelected(), true);
}

void TestLc460Bootloader::menus()
{
    Lc460_bootloader window;
    QMenuBar *bar = window.menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("menuBar"));

    QStringList layout;
    for (QAction *menuAction : bar->actions()) {
        QMenu *menu = menuAction->menu();
        QVERIFY(menu);
        QStringList entries;
        for (QAction *action : menu->actions()) {
            if (action->isSeparator()) {
                entries.append(QStringLiteral("-"));
                continue;
            }
            // Entries belong to the window; a submenu is named by its menu.
            if (QMenu *submenu = action->menu()) {
                entries.append(submenu->objectName() + QLatin1Char('=') + action->text());
                continue;
            }
            QCOMPARE(action->parent(), &window);
            entries.append(action->objectName() + QLatin1Char('=') + action->text());
        }
        layout.append(menu->objectName() + QLatin1Char('=') + menu->title() + QLatin1String(": ")
                      + entries.join(QLatin1String(", ")));
    }
    const QStringList expected = {
        "menuFile=File: actionOpen=&Open…, menuRecentFiles=&Recent Files, actionSave=&Save, "
        "actionSaveAs=Save &As…, -, actionCompareWithDriver=Compare With Driver, -, "
        "actionClose=Close",
        "menuEdit=Edit: actionUndo=Undo, actionRedo=Redo, -, actionCopy=Copy, actionPaste=Paste, "
        "-, actionDuplicate=Duplicate, actionInsertBlank=Insert Blank, actionDelete=Delete, -, "
        "actionRotateLampsLeft=Rotate Lamps Left, actionRotateLampsRight=Rotate Lamps Right, -, "
        "actionSetColour=Set Colour…, actionFillSteps=Fill Steps…",
        "menuPlayback=Pla&yback: actionPlay=&Play Program, actionStop=&Stop",
        "menuLanguage=Language: actionPolish=Polish, actionEnglish=English",
        "menuHelp=Help: actionUserGuide=&User Guide, actionKeyboardShortcuts=&Keyboard Shortcuts, "
        "-, actionLc460_info=Lc420 - info",
    };
    QCOMPARE(layout, expected);
}

void TestLc460Bootloader::logPaneStartsEmptyReadOnlyFixedWidth()
{
    Lc460_bootloader window;
    auto *txt = widget<QTextBrowser>(window, "txt");
    QVERIFY(txt);
    QVERIFY(txt->isReadOnly());
    QVERIFY(txt->toPlainText().isEmpty());
    QCOMPARE(txt->font().family(), QStringLiteral("Courier New"));
}

void TestLc460Bootloader::showDataStartsZeroed()
{
    Lc460_bootloader window;
    QCOMPARE(window.document().table(Show::Kind::Programs), QByteArray(7680, '\0'));
    QCOMPARE(window.document().table(Show::Kind::Scenes), QByteArray(384, '\0'));
}

void TestLc460Bootloader::constructionWritesTrace()
{
    TraceCapture trace;
    Lc460_bootloader window;
    QVERIFY2(trace.lines().contains(QStringLiteral("MY_DEBUG")),
             qPrintable(trace.lines().join(QLatin1Char('|'))));
}

void TestLc460Bootloader::aboutBoxGoesThroughDialogSeam()
{
    Lc460_bootloader window;
    ScriptedDialogs &dialogs = *scriptDialogs(window);
    TraceCapture trace;

    widget<QAction>(window, "actionLc460_info")->trigger();

    QCOMPARE(trace.lines(), QStringList{QStringLiteral("Lc460_bootloader::slotShowInfo(bool t)")});
    QCOMPARE(dialogs.asked.size(), 1);
    const ScriptedDialogs::Question &question = dialogs.asked.constFirst();
    QCOMPARE(question.kind, QStringLiteral("exec"));
    QCOMPARE(question.label, QStringLiteral("DialogInfo"));
    QCOMPARE(question.title, QStringLiteral("Lc420 Information"));
    QCOMPARE(question.parent, &window);
}

void TestLc460Bootloader::closeWritesTraceAndAccepts_data()
{
    QTest::addColumn<bool>("throughMenu");
    QTest::newRow("File > Close") << true;
    QTest::newRow("title bar close") << false;
}

void TestLc460Bootloader::closeWritesTraceAndAccepts()
{
    QFETCH(bool, throughMenu);

    Lc460_bootloader window;
    window.show();
    TraceCapture trace;
    if (throughMenu)
        widget<QAction>(window, "actionClose")->trigger();
    else
        QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(trace.lines(),
             QStringList{QStringLiteral("Lc460_bootloader::closeEvent ( QCloseEvent * event )")});
}

QTEST_MAIN(TestLc460Bootloader)
#include "tst_lc460_bootloader.moc"
