#include "widgets/dialogs/fillstepsdialog.h"

#include "widgets/dialogs/userdialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Show;

namespace {

const QList<Pattern> &dialogPatterns()
{
    static const QList<Pattern> all = patterns();
    return all;
}

QColor toColor(const Rgb &rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

FillStepsDialog::FillStepsDialog(const QByteArray &table, Kind kind, int program,
                                 UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_table(table)
    , m_kind(kind)
    , m_program(kind == Kind::Programs ? program : 0)
    , m_dialogs(dialogs)
{
    setWindowTitle(tr("Fill Steps"));
    const bool programs = kind == Kind::Programs;

    auto *form = new QFormLayout;
    auto *target = new QLabel(programs ? tr("Program %1").arg(m_program + 1) : tr("Scenes"), this);
    target->setObjectName(QStringLiteral("labelTarget"));
    form->addRow(target);

    m_pattern = new QComboBox(this);
    m_pattern->setObjectName(QStringLiteral("comboBoxPattern"));
    for (Pattern pattern : dialogPatterns())
        m_pattern->addItem(patternName(pattern));
    form->addRow(tr("&Pattern:"), m_pattern);

    for (int which = 0; which < 2; ++which) {
        m_colourLabels[which] = new QLabel(this);
        m_colourButtons[which] = new QPushButton(this);
        m_colourButtons[which]->setObjectName(QStringLiteral("pushButtonColour%1").arg(which + 1));
        m_colourLabels[which]->setBuddy(m_colourButtons[which]);
        connect(m_colourButtons[which], &QPushButton::clicked, this,
                [this, which] { chooseColour(which); });
        form->addRow(m_colourLabels[which], m_colourButtons[which]);
    }

    m_direction = new QComboBox(this);
    m_direction->setObjectName(QStringLiteral("comboBoxDirection"));
    m_direction->addItem(tr("Lamp 1 to lamp 12"));
    m_direction->addItem(tr("Lamp 12 to lamp 1"));
    m_directionLabel = new QLabel(tr("&Direction:"), this);
    m_directionLabel->setBuddy(m_direction);
    form->addRow(m_directionLabel, m_direction);

    m_width = new QSpinBox(this);
    m_width->setObjectName(QStringLiteral("spinBoxWidth"));
    m_width->setRange(1, LampCount);
    m_widthLabel = new QLabel(tr("Lamps lit at o&nce:"), this);
    m_widthLabel->setBuddy(m_width);
    form->addRow(m_widthLabel, m_width);

    // A sparkle's steps follow from its seed: the same seed, the same steps,
    // here and in lc420-cli's --seed.
    m_seed = new QSpinBox(this);
    m_seed->setObjectName(QStringLiteral("spinBoxSeed"));
    m_seed->setRange(0, MaxSeed);
    m_newSeed = new QPushButton(tr("Ne&w Seed"), this);
    m_newSeed->setObjectName(QStringLiteral("pushButtonNewSeed"));
    m_newSeed->setToolTip(tr("Draw another seed at random, for other random lamps."));
    connect(m_newSeed, &QPushButton::clicked, this,
            [this] { m_seed->setValue(int(QRandomGenerator::global()->bounded(MaxSeed))); });
    auto *seedRow = new QHBoxLayout;
    seedRow->addWidget(m_seed, 1);
    seedRow->addWidget(m_newSeed);
    m_seedLabel = new QLabel(tr("&Seed:"), this);
    m_seedLabel->setBuddy(m_seed);
    form->addRow(m_seedLabel, seedRow);

    auto *lampGrid = new QGridLayout;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        m_lamps[lamp] = new QCheckBox(QString::number(lamp + 1), this);
        m_lamps[lamp]->setObjectName(QStringLiteral("checkBoxLamp%1").arg(lamp + 1));
        m_lamps[lamp]->setAccessibleName(tr("Lamp %1").arg(lamp + 1));
        lampGrid->addWidget(m_lamps[lamp], lamp / 6, lamp % 6);
        connect(m_lamps[lamp], &QCheckBox::toggled, this, &FillStepsDialog::updateControls);
    }
    form->addRow(tr("Lamps:"), lampGrid);

    const int count = programs ? StepsPerProgram : SceneCount;
    m_firstStep = new QSpinBox(this);
    m_firstStep->setObjectName(QStringLiteral("spinBoxFirstStep"));
    m_lastStep = new QSpinBox(this);
    m_lastStep->setObjectName(QStringLiteral("spinBoxLastStep"));
    for (QSpinBox *box : {m_firstStep, m_lastStep})
        box->setRange(1, count);
    form->addRow(programs ? tr("&First step:") : tr("&First scene:"), m_firstStep);
    form->addRow(programs ? tr("L&ast step:") : tr("L&ast scene:"), m_lastStep);

    m_sceneTime = new QSpinBox(this);
    m_sceneTime->setObjectName(QStringLiteral("spinBoxSceneTime"));
    m_sceneTime->setRange(0, MaxStaticTime);
    m_sceneTime->setSuffix(tr(" ms"));
    form->addRow(tr("Scene &Time:"), m_sceneTime);
    m_xfade = new QSpinBox(this);
    m_xfade->setObjectName(QStringLiteral("spinBoxXFade"));
    m_xfade->setRange(0, MaxRiseTime);
    // The same field as the editor's XFade, with its suffix.
    m_xfade->setSuffix(QStringLiteral("%"));
    form->addRow(tr("&XFade:"), m_xfade);

    m_endMarker = new QCheckBox(tr("&End Marker on the last step"), this);
    m_endMarker->setObjectName(QStringLiteral("checkBoxEndMarker"));
    m_endMarker->setVisible(programs);
    if (programs)
        form->addRow(m_endMarker);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("labelProblem"));
    m_problem->setWordWrap(true);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(m_buttons);

    connect(m_pattern, &QComboBox::currentIndexChanged, this, &FillStepsDialog::updateControls);
    connect(m_direction, &QComboBox::currentIndexChanged, this, &FillStepsDialog::updatePreview);
    for (QSpinBox *box : {m_width, m_seed, m_firstStep, m_lastStep, m_sceneTime, m_xfade})
        connect(box, &QSpinBox::valueChanged, this, &FillStepsDialog::updatePreview);
    connect(m_endMarker, &QCheckBox::toggled, this, &FillStepsDialog::updatePreview);

    setParameters(defaultFillParameters(kind, m_program));
}

FillParameters FillStepsDialog::parameters() const
{
    FillParameters p;
    p.kind = m_kind;
    p.program = m_program;
    p.pattern = dialogPatterns().at(qMax(0, m_pattern->currentIndex()));
    p.first = m_colours[0];
    p.second = m_colours[1];
    p.direction = m_direction->currentIndex() == 1 ? LampDirection::Down : LampDirection::Up;
    p.width = m_width->value();
    p.seed = m_seed->value();
    p.lamps = 0;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        if (m_lamps[lamp]->isChecked())
            p.lamps |= quint16(1u << lamp);
    }
    p.firstStep = m_firstStep->value() - 1;
    p.lastStep = m_lastStep->value() - 1;
    p.sceneTime = m_sceneTime->value();
    p.xfade = m_xfade->value();
    p.endMarker = m_kind == Kind::Programs && m_endMarker->isChecked();
    return p;
}

void FillStepsDialog::setParameters(const FillParameters &p)
{
    // One preview for the whole change, not one per field.
    m_updating = true;
    m_pattern->setCurrentIndex(int(qMax(qsizetype(0), dialogPatterns().indexOf(p.pattern))));
    m_colours = {p.first, p.second};
    m_direction->setCurrentIndex(p.direction == LampDirection::Down ? 1 : 0);
    m_width->setValue(p.width);
    m_seed->setValue(p.seed);
    for (int lamp = 0; lamp < LampCount; ++lamp)
        m_lamps[lamp]->setChecked(p.lamps & (1u << lamp));
    m_firstStep->setValue(p.firstStep + 1);
    m_lastStep->setValue(p.lastStep + 1);
    m_sceneTime->setValue(p.sceneTime);
    m_xfade->setValue(p.xfade);
    m_endMarker->setChecked(p.endMarker);
    m_updating = false;
    updateControls();
}

QByteArray FillStepsDialog::filledTable() const
{
    QByteArray filled = m_table;
    if (fillSteps(filled, parameters()) != FillError::None)
        return m_table;
    return filled;
}

void FillStepsDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    updatePreview();
}

void FillStepsDialog::chooseColour(int which)
{
    const QColor chosen = m_dialogs.getColor(toColor(m_colours[which]), this);
    if (!chosen.isValid())
        return;
    m_colours[which] = {quint8(chosen.red()), quint8(chosen.green()), quint8(chosen.blue())};
    showColour(which);
    updatePreview();
}

void FillStepsDialog::showColour(int which)
{
    QPixmap swatch(16, 16);
    swatch.fill(toColor(m_colours[which]));
    m_colourButtons[which]->setIcon(swatch);
    m_colourButtons[which]->setText(colourText(m_colours[which]));
}

// Shows the controls the pattern uses, with the names it gives its colours.
void FillStepsDialog::updateControls()
{
    if (m_updating)
        return;
    const Pattern pattern = dialogPatterns().at(qMax(0, m_pattern->currentIndex()));
    QString first;
    QString second;
    switch (pattern) {
    case Pattern::Chase:
    case Pattern::Bounce:
    case Pattern::Stack:
    case Pattern::Sparkle:
        first = tr("&Light:");
        second = tr("&Background:");
        break;
    case Pattern::Rainbow:
        break;
    case Pattern::Fade:
        first = tr("F&rom:");
        second = tr("T&o:");
        break;
    case Pattern::Alternate:
    case Pattern::Wipe:
        first = tr("&Colour 1:");
        second = tr("Colour &2:");
        break;
    case Pattern::Solid:
        first = tr("&Colour:");
        break;
    }
    for (int which = 0; which < 2; ++which) {
        const QString &label = which == 0 ? first : second;
        m_colourLabels[which]->setText(label);
        m_colourLabels[which]->setVisible(!label.isEmpty());
        m_colourButtons[which]->setVisible(!label.isEmpty());
        showColour(which);
    }
    m_directionLabel->setVisible(usesDirection(pattern));
    m_direction->setVisible(usesDirection(pattern));
    m_widthLabel->setVisible(usesWidth(pattern));
    m_width->setVisible(usesWidth(pattern));
    const bool seeded = pattern == Pattern::Sparkle;
    for (QWidget *seedWidget : std::initializer_list<QWidget *>{m_seedLabel, m_seed, m_newSeed})
        seedWidget->setVisible(seeded);
    updatePreview();
}

void FillStepsDialog::updatePreview()
{
    if (m_updating)
        return;
    const FillParameters p = parameters();
    const FillError error = checkFill(p);
    m_problem->setText(describe(error, p));
    m_problem->setVisible(error != FillError::None);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(error == FillError::None);
    Q_EMIT previewChanged(filledTable());
}
