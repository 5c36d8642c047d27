#include "show/overviewmodel.h"
#include "show/showdocument.h"
#include "widgets/overviewview.h"

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

QTEST_MAIN(TestOverviewView)
#include "tst_overviewview.moc"
