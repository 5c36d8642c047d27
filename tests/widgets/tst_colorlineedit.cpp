#include "tests/support/dragdrop.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tracecapture.h"
#include "widgets/colorlineedit.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

namespace {

// The three channel signals as one ordered list: "r10", "g200", "b30".
class ColorRecorder : public QObject
{
public:
    QStringList seen;
    explicit ColorRecorder(ColorLineEdit &edit)
    {
        connect(&edit, &ColorLineEdit::redChanged, this,
                [this](int v) { seen << "r" + QString::number(v); });
        connect(&edit, &ColorLineEdit::greenChanged, this,
                [this](int v) { seen << "g" + QString::number(v); });
        connect(&edit, &ColorLineEdit::blueChanged, this,
                [this](int v) { seen << "b" + QString::number(v); });
    }
};

// Records which object saw a key first.
class KeyOrder : public QObject
{
public:
    QStringList *order = nullptr;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            *order << "parent";
        return false;
    }
};

} // namespace

class TestColorLineEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void doubleClickAsksForAColour_data();
    void doubleClickAsksForAColour();
    void dropPaintsColoursOnly_data();
    void dropPaintsColoursOnly();
    void keyGoesToTheParentFirst();
};

void TestColorLineEdit::doubleClickAsksForAColour_data()
{
    QTest::addColumn<QVariant>("answer");
    QTest::addColumn<bool>("ownFilter");
    QTest::addColumn<QStringList>("emitted");
    QTest::addColumn<int>("questions");

    QTest::newRow("chosen colour")
        << QVariant(QColor(10, 200, 30)) << false << QStringList{"r10", "g200", "b30"} << 1;
    QTest::newRow("cancelled") << QVariant() << false << QStringList() << 1;
    QTest::newRow("channel field swallows it")
        << QVariant(QColor(10, 200, 30)) << true << QStringList() << 0;
}

void TestColorLineEdit::doubleClickAsksForAColour()
{
    QFETCH(QVariant, answer);
    QFETCH(bool, ownFilter);
    QFETCH(QStringList, emitted);
    QFETCH(int, questions);

    ColorLineEdit edit;
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    edit.setPalette(palette);
    ScriptedDialogs dialogs;
    dialogs.answers << answer;
    edit.setUserDialogs(&dialogs);
    if (ownFilter)
        edit.installEventFilter(&edit);
    ColorRecorder recorder(edit);

    QTest::mouseDClick(&edit, Qt::LeftButton);

    QCOMPARE(recorder.seen, emitted);
    QCOMPARE(dialogs.askedOf("color").size(), questions);
    if (questions) {
        QCOMPARE(dialogs.asked.first().value.value<QColor>(), QColor(1, 2, 3));
        QCOMPARE(dialogs.asked.first().parent, &edit);
    }
    // The dialog's colour reaches the swatch only through the signals' receivers.
    QCOMPARE(edit.palette().color(QPalette::Base), QColor(1, 2, 3));
}

void TestColorLineEdit::dropPaintsColoursOnly_data()
{
    QTest::addColumn<bool>("colour");
    QTest::addColumn<QStringList>("emitted");
    QTest::addColumn<QStringList>("traced");
    QTest::addColumn<QColor>("base");

    QTest::newRow("colour painted and announced")
        << true << QStringList{"r40", "g50", "b60"}
        << QStringList{"ColorLineEdit::dragMoveEvent QPoint(30,10)",
                       "ColorLineEdit::dropEvent 40 50 60"}
        << QColor(40, 50, 60);
    QTest::newRow("text refused at drag enter")
        << false << QStringList() << QStringList() << QColor(Qt::white);
}

void TestColorLineEdit::dropPaintsColoursOnly()
{
    QFETCH(bool, colour);
    QFETCH(QStringList, emitted);
    QFETCH(QStringList, traced);
    QFETCH(QColor, base);

    ColorLineEdit edit;
    edit.resize(60, 20);
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, Qt::white);
    edit.setPalette(palette);
    ColorRecorder recorder(edit);
    TraceCapture trace;
    QMimeData data;
    if (colour)
        data.setColorData(QColor(40, 50, 60));
    else
        data.setText(QStringLiteral("123"));

    QCOMPARE(dragAndDrop(&edit, data, QPoint(30, 10)), colour);
    QCOMPARE(recorder.seen, emitted);
    QCOMPARE(trace.lines(), traced);
    QCOMPARE(edit.text(), QString());
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(edit.palette().color(group, QPalette::Base), base);
    QCOMPARE(edit.grab().toImage().pixelColor(30, 10), base);
}

void TestColorLineEdit::keyGoesToTheParentFirst()
{
    QWidget parent;
    auto *edit = new ColorLineEdit(&parent);
    QStringList order;
    KeyOrder filter;
    filter.order = &order;
    parent.installEventFilter(&filter);
    connect(edit, &QLineEdit::textEdited, edit, [&order](const QString &text) { order << text; });

    QTest::keyClick(edit, Qt::Key_7);

    QCOMPARE(order, (QStringList{"parent", "7"}));
}

QTEST_MAIN(TestColorLineEdit)
#include "tst_colorlineedit.moc"
