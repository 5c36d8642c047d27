#include "show/overviewmodel.h"
#include "show/showdocument.h"
#include "widgets/overviewview.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace Show;

class TestOverviewView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void activatesColumns_data();
    void activatesColumns();
    void paintsLampColours();
    void keepsSelectionThroughChanges_data();
    void keepsSelectionThroughChanges();
    void readableLayout();
};

void TestOverviewView::activatesColumns_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("activated"); // -1: no signal
    QTest::addColumn<QList<int>>("selected");

    QTest::newRow("click on step 5") << "click 4" << 4 << QList<int>{4};
    QTest::newRow("right arrow moves to the next step") << "Right" << 3 << QList<int>{3};
    QTest::newRow("shift right selects two steps for copy")
        << "Shift+Right" << 3 << QList<int>{2, 3};
    QTest::newRow("down arrow stays on the step") << "Down" << -1 << QList<int>{2};
}

void TestOverviewView::activatesColumns()
{
    QFETCH(QString, input);
    QFETCH(int, activated);
    QFETCH(QList<int>, selected);

    ShowDocument document;
    OverviewModel model(&document, Kind::Programs);
    OverviewView view;
    view.setModel(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setShownColumn(2);
    QSignalSpy spy(&view, &OverviewView::columnActivated);

    if (input.startsWith(QLatin1String("click"))) {
        const QRect cell = view.visualRect(model.index(5, input.section(' ', 1).toInt()));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    } else {
        const QKeySequence keys(input);
        QTest::keyClick(&view, Qt::Key(keys[0].key()), keys[0].keyboardModifiers());
    }

    QCOMPARE(spy.size(), activated < 0 ? 0 : 1);
    if (activated >= 0)
        QCOMPARE(spy.first().at(0).toInt(), activated);
    QCOMPARE(view.selectedColumns(), selected);
}

void TestOverviewView::paintsLampColours()
{
    ShowDocument document;
    SceneRecord record;
    record.lamps[3] = {255, 128, 0};
    document.setRecord(Kind::Programs, 4, record); // step 5, lamp 4
    record.endMarker = 1;
    document.setRecord(Kind::Programs, 1, record); // the program ends with step 2
    OverviewModel model(&document, Kind::Programs);
    OverviewView view;
    view.setModel(&model);
    view.resize(view.sizeHint());

    const QImage image = view.grab().toImage();
    const auto pixel = [&](int column) {
        const QRect cell = view.visualRect(model.index(3, column));
        return image.pixelColor(view.viewport()->mapTo(&view, cell.center()));
    };
    // Step 2 ends the program: its orange is bright, step 5's is faded.
    QCOMPARE(pixel(1).name(), QStringLiteral("#ff8000"));
    QVERIFY(pixel(4).name() != QStringLiteral("#ff8000"));
    QVERIFY(pixel(4).lightness() > pixel(1).lightness());
}

// A step operation, Paste, Get, Load or undo writes a whole table: the
// current step and the selected cells stay, so Copy and the arrow keys go on
// from there.
void TestOverviewView::keepsSelectionThroughChanges_data()
{
    QTest::addColumn<QList<int>>("changedRecords"); // records whose lamp 0 changes
    QTest::addColumn<int>("program");               // shown afterwards

    QTest::newRow("rotate on the shown step") << QList<int>{4} << 0;
    QTest::newRow("paste over the selected steps") << QList<int>{3, 4} << 0;
    QTest::newRow("get changing every step") << QList<int>{0, 19, 40} << 0;
    QTest::newRow("another program shown") << QList<int>{} << 2;
}

void TestOverviewView::keepsSelectionThroughChanges()
{
    QFETCH(QList<int>, changedRecords);
    QFETCH(int, program);
    ShowDocument document;
    OverviewModel model(&document, Kind::Programs);
    OverviewView view;
    view.setModel(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setShownColumn(3);
    QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier); // steps 4 and 5 selected, 5 shown
    QCOMPARE(view.selectedColumns(), (QList<int>{3, 4}));
    QSignalSpy reset(&model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy shown(&view, &OverviewView::shownColumnChanged);

    QByteArray table = document.table(Kind::Programs);
    for (int record : changedRecords)
        table[record * RecordSize] = char(0x80);
    QVERIFY(document.setTable(Kind::Programs, table));
    model.setProgram(program);

    QCOMPARE(reset.size(), 0);
    QCOMPARE(shown.size(), 0);
    QCOMPARE(view.shownColumn(), 4);
    QCOMPARE(view.selectedColumns(), (QList<int>{3, 4}));
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(view.shownColumn(), 5);
    QCOMPARE(shown.size(), 1);
}

void TestOverviewView::readableLayout()
{
    ShowDocument document;
    OverviewModel model(&document, Kind::Programs);
    OverviewModel scenes(&document, Kind::Scenes);
    OverviewView view;
    QFont large = view.font();
    large.setPixelSize(20);
    view.setFont(large);
    view.setModel(&model);
    view.resize(1200, view.sizeHint().height());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // Lamp numbers at the window's font, rows tall enough for them.
    QCOMPARE(view.verticalHeader()->font().pixelSize(), 20);
    QVERIFY(view.rowHeight(0) >= view.fontMetrics().height());
    // The steps share the width.
    int width = 0;
    for (int column = 0; column < model.columnCount(); ++column)
        width += view.columnWidth(column);
    QCOMPARE(width, view.viewport()->width());
    QVERIFY(view.columnWidth(0) > OverviewView::CellWidth);
    // The lines of the header are labelled beside the grid.
    const auto *labels = view.findChild<QWidget *>(QStringLiteral("overviewLabels"));
    QVERIFY(labels != nullptr);
    QCOMPARE(labels->accessibleName(), QStringLiteral("Step, XFade, Scene Time (ms)"));
    QVERIFY(labels->isVisible());
    QCOMPARE(labels->geometry().bottom(), view.horizontalHeader()->geometry().bottom());
    QVERIFY(labels->geometry().right() < view.viewport()->geometry().left());
    view.setModel(&scenes);
    QCOMPARE(labels->accessibleName(), QStringLiteral("Scene, XFade, Scene Time (ms)"));

    // Cells selected one by one: Set Colour takes them as records and lamps.
    view.setShownColumn(2);
    view.selectionModel()->select(scenes.index(5, 6), QItemSelectionModel::ClearAndSelect);
    view.selectionModel()->select(scenes.index(0, 1), QItemSelectionModel::Select);
    QCOMPARE(view.selectedLampCells(), (QList<LampCell>{{1, 0}, {6, 5}}));
    QCOMPARE(view.selectedColumns(), (QList<int>{1, 6}));
    QCOMPARE(scenes.index(5, 6).data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Scene 7, lamp 6: #000000"));
}

QTEST_MAIN(TestOverviewView)
#include "tst_overviewview.moc"
