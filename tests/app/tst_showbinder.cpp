// A tab's lamp editors and spin boxes bound to the show document, without a
// window: every edit is in the document at once, and the document's own
// changes are shown at once.

#include "app/showbinder.h"
#include "show/showdocument.h"
#include "widgets/superrgb.h"

#include <QSpinBox>
#include <QTest>

using Show::Kind;

class TestShowBinder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editsAreWrittenThroughAtOnce_data();
    void editsAreWrittenThroughAtOnce();
};

void TestShowBinder::editsAreWrittenThroughAtOnce_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("index");
    QTest::newRow("program 1 step 1, bytes 0..47") << Kind::Programs << 0;
    QTest::newRow("program 8 step 20, bytes 7632..7679") << Kind::Programs << 159;
    QTest::newRow("scene 8, bytes 336..383") << Kind::Scenes << 7;
}

void TestShowBinder::editsAreWrittenThroughAtOnce()
{
    QFETCH(Kind, kind);
    QFETCH(int, index);
    Show::ShowDocument document;
    QWidget tab;
    ShowBinder::Controls controls{{},
                                  new QSpinBox(&tab),
                                  new QSpinBox(&tab),
                                  kind == Kind::Programs ? new QSpinBox(&tab) : nullptr};
    controls.riseTime->setRange(0, Show::MaxRiseTime);
    controls.staticTime->setRange(0, Show::MaxStaticTime);
    for (quint16 lamp = 0; lamp < 12; ++lamp) {
        controls.editors.append(new SuperRGB(0, 0, 0, lamp));
        controls.editors.last()->setParent(&tab);
    }
    ShowBinder binder(document, kind, controls);

    // Stored values beyond the ranges are shown limited, and showing writes nothing.
    Show::SceneRecord stored;
    stored.riseTime = 200000;
    stored.endMarker = 7;
    document.setRecord(kind, index, stored);
    binder.showRecord(index);
    QCOMPARE(controls.riseTime->value(), Show::MaxRiseTime);
    QCOMPARE(document.record(kind, index).riseTime, 200000);

    controls.editors[3]->setRedColor(255); // the fourth lamp, "L: 4"
    const int offset = index * Show::RecordSize;
    QCOMPARE(document.table(kind).mid(offset + 9, 3), QByteArray("\xFF\x00\x00", 3));
    QCOMPARE(document.record(kind, index).riseTime, Show::MaxRiseTime);
    QCOMPARE(document.record(kind, index).endMarker, quint8(kind == Kind::Programs ? 1 : 7));

    binder.showRecord(index == 0 ? 1 : 0); // away ...
    QCOMPARE(controls.editors[3]->color(), QColor(0, 0, 0));
    binder.showRecord(index); // ... and back
    QCOMPARE(controls.editors[3]->color(), QColor(255, 0, 0));

    // A change made elsewhere (an undo, a step operation) shows at once.
    stored.lamps[0] = {1, 2, 3};
    document.setRecord(kind, index, stored);
    QCOMPARE(controls.editors[0]->color(), QColor(1, 2, 3));
    QCOMPARE(controls.editors[3]->color(), QColor(0, 0, 0));
}

QTEST_MAIN(TestShowBinder)
#include "tst_showbinder.moc"
