#include "style/arthurstyle.h"
#include "style/stylepixmaps.h"

#include <QGroupBox>
#include <QPixmapCache>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStyleOption>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

// The widgets' own style options, as their paint events build them.
class ProbeBar : public QProgressBar
{
public:
    using QProgressBar::initStyleOption;
};

class ProbeSlider : public QSlider
{
public:
    ProbeSlider()
        : QSlider(Qt::Vertical)
    {}
    using QSlider::initStyleOption;
};

enum Channel { None = -1, Red, Green, Blue };

// The channel that clearly outweighs the other two, or None for a neutral or
// mixed colour.
Channel dominant(QRgb pixel)
{
    const int c[] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    for (int i = 0; i < 3; ++i) {
        if (c[i] - c[(i + 1) % 3] > 50 && c[i] - c[(i + 2) % 3] > 50)
            return Channel(i);
    }
    return None;
}

} // namespace

// Pixels where the style's drawing is fixed, rendered offscreen with grab().
class TestArthurStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void progressFill_data();
    void progressFill();
    void verticalSliderThumb_data();
    void verticalSliderThumb();
    void selectionPill_data();
    void selectionPill();
    void groupBoxLayouts_data();
    void groupBoxLayouts();
    void windowIsGrey();
    void radioRectsWithoutWidget_data();
    void radioRectsWithoutWidget();
    void paintingDecodesEachImageOnce();
    void missingImageIsNotCached();
    void buttonCaptionClearsTheCaps_data();
    void buttonCaptionClearsTheCaps();

private:
    ArthurStyle style;
};

void TestArthurStyle::progressFill_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("percentFilled");

    QTest::newRow("empty") << 0 << 100 << 0;
    QTest::newRow("half") << 50 << 100 << 50;
    QTest::newRow("full") << 100 << 100 << 100;
    QTest::newRow("busy indicator, maximum 0") << 0 << 0 << 0;
}

void TestArthurStyle::progressFill()
{
    QFETCH(int, value);
    QFETCH(int, maximum);
    QFETCH(int, percentFilled);

    ProbeBar bar;
    bar.setStyle(&style);
    bar.setTextVisible(false);
    bar.setRange(0, maximum);
    bar.setValue(value);
    bar.resize(200, 15);
    const QImage image = bar.grab().toImage();

    QStyleOptionProgressBar option;
    bar.initStyleOption(&option);
    const QRect groove = style.subElementRect(QStyle::SE_ProgressBarGroove, &option, &bar);
    const int end = groove.left() + groove.width() * percentFilled / 100;
    const int y = groove.center().y();
    // The fill runs from black to green with no red: the grey background
    // has plenty of red.
    for (int x = groove.left(); x <= groove.right(); ++x) {
        if (qAbs(x - end) <= 1)
            continue;
        const bool filled = qRed(image.pixel(x, y)) < 100;
        QVERIFY2(filled == (x < end), qPrintable(QStringLiteral("column %1").arg(x)));
    }
    if (percentFilled == 100)
        QCOMPARE(dominant(image.pixel(groove.right(), y)), Green);
}

void TestArthurStyle::verticalSliderThumb_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("thumb");

    QTest::newRow("SliderRed") << QStringLiteral("SliderRed") << int(Red);
    QTest::newRow("SliderGreen") << QStringLiteral("SliderGreen") << int(Green);
    QTest::newRow("SliderBlue") << QStringLiteral("SliderBlue") << int(Blue);
    QTest::newRow("other name") << QStringLiteral("sliderGreen") << int(Blue);
    QTest::newRow("no name") << QString() << int(Blue);
}

void TestArthurStyle::verticalSliderThumb()
{
    QFETCH(QString, name);
    QFETCH(int, thumb);

    ProbeSlider slider;
    slider.setObjectName(name);
    slider.setStyle(&style);
    slider.setRange(0, 255);
    slider.setValue(128);
    slider.resize(25, 256);
    const QImage image = slider.grab().toImage();

    QStyleOptionSlider option;
    slider.initStyleOption(&option);
    const QRect handle
        = style.subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &slider);
    QCOMPARE(handle.size(), QSize(27, 13));
    QCOMPARE(dominant(image.pixel(handle.left() + 8, handle.center().y())), Channel(thumb));
}

void TestArthurStyle::selectionPill_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("pill");

    QTest::newRow("selected red") << QStringLiteral("SliderRed") << true << int(Red);
    QTest::newRow("selected green") << QStringLiteral("SliderGreen") << true << int(Green);
    QTest::newRow("unselected red") << QStringLiteral("SliderRed") << false << int(None);
    QTest::newRow("selected, other name") << QStringLiteral("SliderX") << true << int(None);
}

void TestArthurStyle::selectionPill()
{
    QFETCH(QString, name);
    QFETCH(bool, selected);
    QFETCH(int, pill);

    QSlider slider(Qt::Vertical);
    slider.setObjectName(name);
    slider.setProperty("selected", selected);
    slider.setStyle(&style);
    slider.setRange(0, 255);
    slider.resize(25, 256);
    const QImage image = slider.grab().toImage();

    // Beside the bar, in the upper quarter, far from the thumb at the bottom.
    QCOMPARE(dominant(image.pixel(6, 64)), Channel(pill));
}

void TestArthurStyle::groupBoxLayouts_data()
{
    QTest::addColumn<bool>("holdsGroupBox");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("margin");

    QTest::newRow("holding a group box") << true << 6 << 10;
    QTest::newRow("holding none") << false << 0 << 3;
}

void TestArthurStyle::groupBoxLayouts()
{
    QFETCH(bool, holdsGroupBox);
    QFETCH(int, spacing);
    QFETCH(int, margin);

    QGroupBox box;
    auto *layout = new QVBoxLayout(&box);
    layout->setSpacing(6);
    layout->setContentsMargins(3, 3, 3, 3);
    if (holdsGroupBox)
        layout->addWidget(new QGroupBox);
    else
        layout->addWidget(new QPushButton);
    box.setStyle(&style);
    box.ensurePolished();

    QCOMPARE(layout->spacing(), spacing);
    QCOMPARE(layout->contentsMargins(), QMargins(margin, margin, margin, margin));
}

void TestArthurStyle::windowIsGrey()
{
    QWidget window;
    window.setStyle(&style);
    window.ensurePolished();
    QCOMPARE(window.palette().color(QPalette::Window), QColor(241, 241, 241));
}

void TestArthurStyle::radioRectsWithoutWidget_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QRect>("rect");

    // The option's 100 x 20 rectangle stands for the widget; both are then
    // narrowed by 5 on each side.
    QTest::newRow("contents") << int(QStyle::SE_RadioButtonContents) << QRect(25, 0, 70, 20);
    QTest::newRow("click rect") << int(QStyle::SE_RadioButtonClickRect) << QRect(5, 0, 90, 20);
}

void TestArthurStyle::radioRectsWithoutWidget()
{
    QFETCH(int, element);
    QFETCH(QRect, rect);

    QStyleOptionButton option;
    option.rect = QRect(0, 0, 100, 20);
    QCOMPARE(style.subElementRect(QStyle::SubElement(element), &option, nullptr), rect);
}

void TestArthurStyle::paintingDecodesEachImageOnce()
{
    QSlider slider(Qt::Vertical);
    slider.setObjectName(QStringLiteral("SliderGreen"));
    slider.setStyle(&style);
    slider.resize(25, 256);
    QPixmapCache::clear();

    const int before = StylePixmaps::decodeCount();
    (void)slider.grab();
    // The bar and the green thumb.
    QCOMPARE(StylePixmaps::decodeCount() - before, 2);
    (void)slider.grab();
    QCOMPARE(StylePixmaps::decodeCount() - before, 2);
}

void TestArthurStyle::missingImageIsNotCached()
{
    const QString missing = QStringLiteral(":/res/images/no_such_image.png");
    const int before = StylePixmaps::decodeCount();
    QVERIFY(StylePixmaps::load(missing).isNull());
    QVERIFY(StylePixmaps::load(missing).isNull());
    QCOMPARE(StylePixmaps::decodeCount() - before, 2);
    QPixmap cached;
    QVERIFY(!QPixmapCache::find(missing, &cached));
}

void TestArthurStyle::buttonCaptionClearsTheCaps_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("short") << "OK";
    QTest::newRow("long") << "Zapisz plik w pamięci zewnętrznej";
}

// A button asks for room for its caption between the panel's rounded caps.
void TestArthurStyle::buttonCaptionClearsTheCaps()
{
    QFETCH(QString, caption);
    ArthurStyle style;
    QPushButton button(caption);
    button.setStyle(&style);
    const int caps
        = StylePixmaps::load(QStringLiteral(":/res/images/button_normal_cap_left.png")).width()
          + StylePixmaps::load(QStringLiteral(":/res/images/button_normal_cap_right.png")).width();
    QVERIFY(caps > 0);
    QVERIFY2(button.sizeHint().width() >= button.fontMetrics().horizontalAdvance(caption) + caps,
             qPrintable(QString::number(button.sizeHint().width())));
}

QTEST_MAIN(TestArthurStyle)
#include "tst_arthurstyle.moc"
