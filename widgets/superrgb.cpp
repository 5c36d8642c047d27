#include "widgets/superrgb.h"

#include "core/trace.h"
#include "ui_superrgb.h"

#include <QAction>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>

namespace {

// 0..255 as typed: one or two digits, three digits beginning with 0 or 1,
// 200-249, 250-255.
const char channelPattern[] = "([0-9]{1,2})|([0-1]{1}[0-9]{2})|(2[0-4]{1}[0-9]{1}|(25[0-5]{1}))";

// Compiled once for every editor of the process: copies share the compiled
// pattern, and compiling it 24 times was a noticeable part of the start.
const QRegularExpression &channelExpression()
{
    static const QRegularExpression expression(QString::fromLatin1(channelPattern));
    return expression;
}

void setRole(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setBrush(role, QBrush(color, Qt::SolidPattern));
    widget->setPalette(palette);
}

QString threeDigits(int value)
{
    return QString::asprintf("%03d", value);
}

} // namespace

SuperRGB::SuperRGB(quint8 red, quint8 green, quint8 blue, quint16 lampNumber)
    : QWidget(nullptr)
    , ui(std::make_unique<Ui::Lamp>())
    , red(red)
    , green(green)
    , blue(blue)
    , lampNumber(lampNumber)
{
    ui->setupUi(this);

    LC420_TRACE() << QStringLiteral("Lamp %1 constructor").arg(lampNumber);

    validator = new QRegularExpressionValidator(channelExpression(), this);
    for (Channel channel : {Red, Green, Blue}) {
        field(channel)->setValidator(validator);
        setRole(field(channel), QPalette::Text, Qt::white);
    }

    // Before any connection exists, so that no slot runs twice.
    setRedColor(red);
    setGreenColor(green);
    setBlueColor(blue);
    ui->SliderRed->setValue(red);
    ui->SliderGreen->setValue(green);
    ui->SliderBlue->setValue(blue);

    ui->LampGroupBox->setTitle(tr("L: %1").arg(lampNumber + 1));
    nameForAccessibility();
    QLabel *const addresses[] = {ui->LabelAddress1, ui->LabelAddress2, ui->LabelAddress3};
    for (int i = 0; i < 3; ++i) {
        addresses[i]->setText(QStringLiteral("%1").arg(3 * lampNumber + i + 1));
        addresses[i]->setToolTip(tr("DMX addres", "no comment"));
        addresses[i]->setStatusTip(tr("DMX addres", "no comment"));
    }
    // Nothing else on screen tells how sliders are marked for a group move.
    const QString marks
        = tr("Hold Shift and move the pointer over sliders to mark them; hold Ctrl+Shift to "
             "unmark them. Ctrl+click marks or unmarks one slider. Moving a marked slider moves "
             "every marked slider on this tab. Esc clears all marks.");
    for (Channel channel : {Red, Green, Blue})
        slider(channel)->setToolTip(marks);
    // The strip's context menu offers what its double-click does.
    auto *choose = new QAction(tr("Choose Colour…"), ui->EditColor);
    choose->setObjectName(QStringLiteral("actionChooseColour"));
    connect(choose, &QAction::triggered, ui->EditColor, &ColorLineEdit::chooseColor);
    ui->EditColor->addAction(choose);
    ui->EditColor->setContextMenuPolicy(Qt::ActionsContextMenu);
    ui->EditColor->setStatusTip(tr("Double-click the colour, or right-click it, to choose one."));

    for (Channel channel : {Red, Green, Blue}) {
        field(channel)->installEventFilter(field(channel));
        // Installed after the field's own filter, so it sees the keys first.
        field(channel)->installEventFilter(this);
    }

    connect(ui->SliderRed, &QSlider::valueChanged, this, &SuperRGB::setRedColor);
    connect(ui->SliderGreen, &QSlider::valueChanged, this, &SuperRGB::setGreenColor);
    connect(ui->SliderBlue, &QSlider::valueChanged, this, &SuperRGB::setBlueColor);
    connect(ui->EditRed, &QLineEdit::textChanged, this, &SuperRGB::textRedChanged);
    connect(ui->EditGreen, &QLineEdit::textChanged, this, &SuperRGB::textGreenChanged);
    connect(ui->EditBlue, &QLineEdit::textChanged, this, &SuperRGB::textBlueChanged);
    connect(ui->ButtonRPlus, &QPushButton::clicked, ui->SliderRed, &ColorSlider::plus);
    connect(ui->ButtonGPlus, &QPushButton::clicked, ui->SliderGreen, &ColorSlider::plus);
    connect(ui->ButtonBPlus, &QPushButton::clicked, ui->SliderBlue, &ColorSlider::plus);
    connect(ui->ButtonRMinus, &QPushButton::clicked, ui->SliderRed, &ColorSlider::minus);
    connect(ui->ButtonGMinus, &QPushButton::clicked, ui->SliderGreen, &ColorSlider::minus);
    connect(ui->ButtonBMinus, &QPushButton::clicked, ui->SliderBlue, &ColorSlider::minus);
    connect(ui->EditColor, &ColorLineEdit::redChanged, ui->SliderRed, &ColorSlider::setValue);
    connect(ui->EditColor, &ColorLineEdit::greenChanged, ui->SliderGreen, &ColorSlider::setValue);
    connect(ui->EditColor, &ColorLineEdit::blueChanged, ui->SliderBlue, &ColorSlider::setValue);
    connect(ui->SliderRed, &QSlider::sliderMoved, this, &SuperRGB::sliderRedMoved);
    connect(ui->SliderGreen, &QSlider::sliderMoved, this, &SuperRGB::sliderGreenMoved);
    connect(ui->SliderBlue, &QSlider::sliderMoved, this, &SuperRGB::sliderBlueMoved);
}

SuperRGB::~SuperRGB() = default;

// A screen reader reads "L: 3" and a row of numbers otherwise; each control
// says which lamp and which channel it sets.
void SuperRGB::nameForAccessibility()
{
    const int lamp = lampNumber + 1;
    setAccessibleName(tr("Lamp %1").arg(lamp));
    ui->EditColor->setAccessibleName(tr("Lamp %1 colour").arg(lamp));
    QPushButton *const plus[] = {ui->ButtonRPlus, ui->ButtonGPlus, ui->ButtonBPlus};
    QPushButton *const minus[] = {ui->ButtonRMinus, ui->ButtonGMinus, ui->ButtonBMinus};
    for (Channel channel : {Red, Green, Blue}) {
        const QString name = channel == Red     ? tr("Lamp %1 red").arg(lamp)
                             : channel == Green ? tr("Lamp %1 green").arg(lamp)
                                                : tr("Lamp %1 blue").arg(lamp);
        field(channel)->setAccessibleName(name);
        slider(channel)->setAccessibleName(name);
        plus[channel]->setAccessibleName(tr("%1: one step up").arg(name));
        minus[channel]->setAccessibleName(tr("%1: one step down").arg(name));
    }
}

ColorLineEdit *SuperRGB::field(Channel channel) const
{
    switch (channel) {
    case Red:
        return ui->EditRed;
    case Green:
        return ui->EditGreen;
    case Blue:
        break;
    }
    return ui->EditBlue;
}

ColorSlider *SuperRGB::slider(Channel channel) const
{
    switch (channel) {
    case Red:
        return ui->SliderRed;
    case Green:
        return ui->SliderGreen;
    case Blue:
        break;
    }
    return ui->SliderBlue;
}

quint8 &SuperRGB::value(Channel channel)
{
    switch (channel) {
    case Red:
        return red;
    case Green:
        return green;
    case Blue:
        break;
    }
    return blue;
}

void SuperRGB::setSwatch(Channel channel, int value)
{
    QColor swatch(0, 0, 0);
    switch (channel) {
    case Red:
        swatch.setRed(value);
        break;
    case Green:
        swatch.setGreen(value);
        break;
    case Blue:
        swatch.setBlue(value);
        break;
    }
    setRole(field(channel), QPalette::Base, swatch);
}

void SuperRGB::setChannel(Channel channel, int newValue)
{
    // A channel holds 0..255; a caller's larger value must not wrap around
    // to a different colour.
    const int bounded = qBound(0, newValue, 255);
    value(channel) = quint8(bounded);
    const QString text = threeDigits(bounded);
    updateRGBColor();
    // A field laid out again for the text it already shows is a good part of
    // loading a record into twelve editors.
    if (!editing && field(channel)->text() != text)
        field(channel)->setText(text);
    editing = false;
    setSwatch(channel, bounded);
}

void SuperRGB::textChanged(Channel channel, const QString &s)
{
    bool ok = false;
    const int typed = s.toInt(&ok);
    if (!ok)
        return;
    ColorSlider *target = slider(channel);
    // When the slider already stands at the typed value it emits nothing, and
    // no channel update would come to clear the flag; the field would then
    // keep a stale text at the next update.
    editing = target->value() != qBound(0, typed, 255);
    target->setValue(typed);
    setSwatch(channel, typed);
}

void SuperRGB::sliderMoved(Channel channel, int movedValue)
{
    if (!slider(channel)->isSelected())
        return;
    Q_EMIT selectedSliderValueChange(movedValue);
    LC420_TRACE() << QStringLiteral("selected emit value: %1 %2").arg(movedValue).arg(objectName());
}

void SuperRGB::setRedColor(int value)
{
    setChannel(Red, value);
}

void SuperRGB::setGreenColor(int value)
{
    setChannel(Green, value);
}

void SuperRGB::setBlueColor(int value)
{
    setChannel(Blue, value);
}

void SuperRGB::textRedChanged(const QString &s)
{
    textChanged(Red, s);
}

void SuperRGB::textGreenChanged(const QString &s)
{
    textChanged(Green, s);
}

void SuperRGB::textBlueChanged(const QString &s)
{
    textChanged(Blue, s);
}

void SuperRGB::redPlusPlus()
{
    ui->SliderRed->setValue(ui->SliderRed->value() + 1);
}

void SuperRGB::greenPlusPlus()
{
    ui->SliderGreen->setValue(ui->SliderGreen->value() + 1);
}

void SuperRGB::bluePlusPlus()
{
    ui->SliderBlue->setValue(ui->SliderBlue->value() + 1);
}

void SuperRGB::redMinusMinus()
{
    ui->SliderRed->setValue(ui->SliderRed->value() - 1);
}

void SuperRGB::greenMinusMinus()
{
    ui->SliderGreen->setValue(ui->SliderGreen->value() - 1);
}

void SuperRGB::blueMinusMinus()
{
    ui->SliderBlue->setValue(ui->SliderBlue->value() - 1);
}

void SuperRGB::updateRGBColor()
{
    lampColor = QColor(red, green, blue, 255);
    setRole(ui->EditColor, QPalette::Base, lampColor);
    ui->EditColor->setToolTip(
        tr("%1 (red %2, green %3, blue %4)").arg(lampColor.name()).arg(red).arg(green).arg(blue));
    Q_EMIT colorChanged(lampColor);
}

void SuperRGB::setRGB(uint r, uint g, uint b)
{
    // Through int the slider clamps a huge value to 255 instead of reading it
    // as negative.
    ui->SliderRed->setValue(int(qMin(r, 255u)));
    ui->SliderGreen->setValue(int(qMin(g, 255u)));
    ui->SliderBlue->setValue(int(qMin(b, 255u)));
}

void SuperRGB::setValueIfSelected(int value)
{
    for (Channel channel : {Red, Green, Blue}) {
        if (slider(channel)->isSelected())
            slider(channel)->setValue(value);
    }
}

void SuperRGB::sliderRedMoved(int value)
{
    sliderMoved(Red, value);
}

void SuperRGB::sliderGreenMoved(int value)
{
    sliderMoved(Green, value);
}

void SuperRGB::sliderBlueMoved(int value)
{
    sliderMoved(Blue, value);
}

void SuperRGB::setAll(bool state)
{
    for (Channel channel : {Red, Green, Blue})
        slider(channel)->setSelected(state);
}

void SuperRGB::selectRed(bool state)
{
    ui->SliderRed->setSelected(state);
}

void SuperRGB::selectGreen(bool state)
{
    ui->SliderGreen->setSelected(state);
}

void SuperRGB::selectBlue(bool state)
{
    ui->SliderBlue->setSelected(state);
}

void SuperRGB::changePercentifSelected(int percent)
{
    for (Channel channel : {Red, Green, Blue})
        slider(channel)->changePercentifSelected(percent);
}

bool SuperRGB::isRedSelected() const
{
    return ui->SliderRed->isSelected();
}

bool SuperRGB::isGreenSelected() const
{
    return ui->SliderGreen->isSelected();
}

bool SuperRGB::isBlueSelected() const
{
    return ui->SliderBlue->isSelected();
}

void SuperRGB::setGroupStyle(QStyle *style)
{
    if (!style)
        return;
    ui->LampGroupBox->setStyle(style);
    const QList<QWidget *> below = ui->LampGroupBox->findChildren<QWidget *>();
    for (QWidget *widget : below)
        widget->setStyle(style);
}

void SuperRGB::setUserDialogs(UserDialogs *dialogs)
{
    ui->EditColor->setUserDialogs(dialogs);
}

bool SuperRGB::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    int step = 0;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Up:
        step = 1;
        break;
    case Qt::Key_Down:
        step = -1;
        break;
    case Qt::Key_PageUp:
        step = 16;
        break;
    case Qt::Key_PageDown:
        step = -16;
        break;
    default:
        return QWidget::eventFilter(watched, event);
    }
    for (Channel channel : {Red, Green, Blue}) {
        if (watched == field(channel)) {
            // The slider clamps to 0..255 and the field follows it.
            slider(channel)->setValue(slider(channel)->value() + step);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
