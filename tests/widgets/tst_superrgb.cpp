#include "tests/support/dragdrop.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tracecapture.h"
#include "widgets/colorlineedit.h"
#include "widgets/colorslider.h"
#include "widgets/superrgb.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

class TestSuperRGB : public QObject
{
    Q_OBJECT

private:
    template<typename T> static T *child(SuperRGB &editor, const char *name)
    {
        T *found = editor.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    static QStringList texts(SuperRGB &editor, const char *a, const char *b, const char *c)
    {
        QStringList result;
        for (const char *name : {a, b, c}) {
            auto *widget = child<QWidget>(editor, name);
            auto *label = qobject_cast<QLabel *>(widget);
            result << (label ? label->text() : qobject_cast<QLineEdit *>(widget)->text());
        }
        return result;
    }
    static QList<int> sliders(SuperRGB &editor)
    {
        return {child<ColorSlider>(editor, "SliderRed")->value(),
                child<ColorSlider>(editor, "SliderGreen")->value(),
                child<ColorSlider>(editor, "SliderBlue")->value()};
    }

private Q_SLOTS:
    void construction_data();
    void construction();
    void setRedColorMovesEverything();
    void typing_data();
    void typing();
    void typedValueEqualToTheSliderStillFollowsUpdates();
    void keysStepTheChannel_data();
    void keysStepTheChannel();
    void colourArrivesAtTheStrip_data();
    void colourArrivesAtTheStrip();
    void movedSliderReportsOnlyWhenMarked_data();
    void movedSliderReportsOnlyWhenMarked();
};

void TestSuperRGB::construction_data()
{
    QTest::addColumn<int>("lamp");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("lamp 0, black") << 0 << QColor(0, 0, 0) << "L: 1" << QStringList{"1", "2", "3"}
                                   << QStringList{"000", "000", "000"};
    QTest::newRow("lamp 11, coloured")
        << 11 << QColor(7, 80, 255) << "L: 12" << QStringList{"34", "35", "36"}
        << QStringList{"007", "080", "255"};
}

void TestSuperRGB::construction()
{
    QFETCH(int, lamp);
    QFETCH(QColor, colour);
    QFETCH(QString, title);
    QFETCH(QStringList, addresses);
    QFETCH(QStringList, fields);

    TraceCapture trace;
    SuperRGB editor(colour.red(), colour.green(), colour.blue(), lamp);

    QCOMPARE(trace.lines(), QStringList{QStringLiteral("Lamp %1 constructor").arg(lamp)});
    QCOMPARE(child<QGroupBox>(editor, "LampGroupBox")->title(), title);
    QCOMPARE(texts(editor, "LabelAddress1", "LabelAddress2", "LabelAddress3"), addresses);
    QCOMPARE(texts(editor, "EditRed", "EditGreen", "EditBlue"), fields);
    QCOMPARE(sliders(editor), (QList<int>{colour.red(), colour.green(), colour.blue()}));
    QCOMPARE(editor.color(), colour);

    // The strip shows the colour; each channel field its pure channel in white digits.
    editor.resize(editor.minimumSize());
    const QImage image = editor.grab().toImage();
    auto *strip = child<QWidget>(editor, "EditColor");
    QCOMPARE(image.pixelColor(strip->mapTo(&editor, QPoint(3, 3))), colour);
    const QColor pure[]
        = {QColor(colour.red(), 0, 0), QColor(0, colour.green(), 0), QColor(0, 0, colour.blue())};
    const char *const names[] = {"EditRed", "EditGreen", "EditBlue"};
    for (int i = 0; i < 3; ++i) {
        auto *field = child<QLineEdit>(editor, names[i]);
        QCOMPARE(image.pixelColor(field->mapTo(&editor, QPoint(0, 0))), pure[i]);
        QCOMPARE(field->palette().color(QPalette::Text), QColor(Qt::white));
    }
    // Only the strip takes a dropped colour.
    QMimeData data;
    data.setColorData(QColor(Qt::yellow));
    QVERIFY(!dragAndDrop(child<QWidget>(editor, "EditGreen"), data));
    QVERIFY(!dragAndDrop(child<QWidget>(editor, "SliderGreen"), data));
    QCOMPARE(editor.color(), colour);
}

void TestSuperRGB::setRedColorMovesEverything()
{
    SuperRGB editor(0, 20, 30, 0);
    QSignalSpy changed(&editor, &SuperRGB::colorChanged);
    editor.setRedColor(255);

    QCOMPARE(child<QLineEdit>(editor, "EditRed")->text(), QStringLiteral("255"));
    QCOMPARE(sliders(editor), (QList<int>{255, 20, 30}));
    QCOMPARE(child<QLineEdit>(editor, "EditRed")->palette().color(QPalette::Base),
             QColor(255, 0, 0));
    QCOMPARE(child<QLineEdit>(editor, "EditColor")->palette().color(QPalette::Base),
             QColor(255, 20, 30));
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.last().first().value<QColor>(), QColor(255, 20, 30));
}

void TestSuperRGB::typing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("red");

    QTest::newRow("25 stays as typed") << "25"
                                       << "25" << 25;
    QTest::newRow("256 refused after 25") << "256"
                                          << "25" << 25;
    QTest::newRow("255") << "255"
                         << "255" << 255;
    QTest::newRow("empty text changes nothing") << ""
                                                << "" << 9;
}

void TestSuperRGB::typing()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, red);

    SuperRGB editor(9, 0, 0, 0);
    auto *field = child<QLineEdit>(editor, "EditRed");
    field->clear();
    QTest::keyClicks(field, keys);

    QCOMPARE(field->text(), text);
    QCOMPARE(sliders(editor).first(), red);
    QCOMPARE(editor.color(), QColor(red, 0, 0));
    QCOMPARE(field->palette().color(QPalette::Base), QColor(red, 0, 0));
}

// Typing the value the slider already holds: the next update from the program
// must still show its own value.
void TestSuperRGB::typedValueEqualToTheSliderStillFollowsUpdates()
{
    SuperRGB editor(0, 0, 0, 0);
    editor.setRGB(7, 0, 0);
    auto *field = child<QLineEdit>(editor, "EditRed");
    field->selectAll();
    QTest::keyClick(field, Qt::Key_7);
    QCOMPARE(field->text(), QStringLiteral("7"));

    editor.setRedColor(9);
    QCOMPARE(field->text(), QStringLiteral("009"));
    QCOMPARE(sliders(editor).first(), 9);
}

void TestSuperRGB::keysStepTheChannel_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("up") << 10 << int(Qt::Key_Up) << 11;
    QTest::newRow("down") << 10 << int(Qt::Key_Down) << 9;
    QTest::newRow("page up") << 10 << int(Qt::Key_PageUp) << 26;
    QTest::newRow("page down") << 20 << int(Qt::Key_PageDown) << 4;
    QTest::newRow("page up clamped") << 250 << int(Qt::Key_PageUp) << 255;
    QTest::newRow("down clamped") << 0 << int(Qt::Key_Down) << 0;
}

void TestSuperRGB::keysStepTheChannel()
{
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);

    SuperRGB editor(0, start, 0, 0);
    auto *field = child<QLineEdit>(editor, "EditGreen");
    QTest::keyClick(field, Qt::Key(key));

    QCOMPARE(sliders(editor), (QList<int>{0, expected, 0}));
    QCOMPARE(field->text(), QString::asprintf("%03d", expected));
}

void TestSuperRGB::colourArrivesAtTheStrip_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("dropped") << "drop";
    QTest::newRow("chosen in the dialog after a double-click") << "double-click";
    QTest::newRow("chosen in the dialog from the context menu") << "menu";
}

void TestSuperRGB::colourArrivesAtTheStrip()
{
    QFETCH(QString, way);

    SuperRGB editor(0, 0, 0, 0);
    ScriptedDialogs dialogs;
    dialogs.answers << QColor(1, 2, 3);
    editor.setUserDialogs(&dialogs);
    auto *strip = child<ColorLineEdit>(editor, "EditColor");
    if (way == "drop") {
        QMimeData data;
        data.setColorData(QColor(1, 2, 3));
        QVERIFY(dragAndDrop(strip, data));
    } else if (way == "double-click") {
        QTest::mouseDClick(strip, Qt::LeftButton);
    } else {
        QCOMPARE(strip->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(strip->actions().size(), 1);
        QCOMPARE(strip->actions().first()->text(), QStringLiteral("Choose Colour…"));
        strip->actions().first()->trigger();
    }
    QCOMPARE(dialogs.askedOf("color").size(), way == "drop" ? 0 : 1);

    QCOMPARE(sliders(editor), (QList<int>{1, 2, 3}));
    QCOMPARE(texts(editor, "EditRed", "EditGreen", "EditBlue"), (QStringList{"001", "002", "003"}));
    QCOMPARE(editor.color(), QColor(1, 2, 3));
    QCOMPARE(strip->toolTip(), QStringLiteral("#010203 (red 1, green 2, blue 3)"));
}

void TestSuperRGB::movedSliderReportsOnlyWhenMarked_data()
{
    QTest::addColumn<bool>("marked");
    QTest::newRow("marked") << true;
    QTest::newRow("unmarked") << false;
}

void TestSuperRGB::movedSliderReportsOnlyWhenMarked()
{
    QFETCH(bool, marked);

    SuperRGB editor(0, 0, 0, 0);
    editor.selectBlue(marked);
    QSignalSpy reported(&editor, &SuperRGB::selectedSliderValueChange);
    TraceCapture trace;
    auto *slider = child<ColorSlider>(editor, "SliderBlue");
    slider->setSliderDown(true);
    slider->setSliderPosition(40);
    slider->setSliderDown(false);

    QCOMPARE(reported.size(), marked ? 1 : 0);
    QCOMPARE(trace.lines(), marked ? QStringList{"selected emit value: 40 Lamp"} : QStringList());
    QCOMPARE(editor.isBlueSelected(), marked);
}

QTEST_MAIN(TestSuperRGB)
#include "tst_superrgb.moc"
