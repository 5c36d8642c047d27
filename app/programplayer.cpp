#include "app/programplayer.h"

#include "core/clock.h"
#include "show/showdocument.h"
#include "widgets/overviewview.h"
#include "widgets/previewstrip.h"

#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

ProgramPlayer::ProgramPlayer(Widgets widgets, QWidget *parent)
    : QObject(parent)
    , widgets(widgets)
    , timer(new QTimer(this))
    // Their icons come with the tool bar (app/toolbar.h).
    , play(new QAction(tr("&Play Program"), parent))
    , stop(new QAction(tr("&Stop"), parent))
    , playbackMenu(new QMenu(tr("Pla&yback"), parent))
{
    play->setObjectName(QStringLiteral("actionPlay"));
    play->setShortcut(QKeySequence(Qt::Key_F5));
    play->setToolTip(tr("Play the shown program in a preview above the overview (F5)"));
    stop->setObjectName(QStringLiteral("actionStop"));
    // Esc stops too: the window's Esc shortcut knows when a preview plays.
    stop->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
    stop->setToolTip(tr("Stop the preview (Esc)"));
    playbackMenu->setObjectName(QStringLiteral("menuPlayback"));
    playbackMenu->addActions({play, stop});
    connect(play, &QAction::triggered, this, &ProgramPlayer::start);
    connect(stop, &QAction::triggered, this, &ProgramPlayer::halt);

    // One frame: the shortest a step is held, and how often the clock is read.
    timer->setInterval(Show::PreviewFrameMs);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &ProgramPlayer::tick);

    widgets.strip->hide();
    connect(widgets.tabs, &QTabWidget::currentChanged, this, [this] {
        halt();
        updateActions();
    });
    connect(widgets.program, &QSpinBox::valueChanged, this, &ProgramPlayer::halt);
    updateActions();
}

void ProgramPlayer::bind(Show::ShowDocument &shown)
{
    unbind();
    document = &shown;
    // An edit of the program playing is shown at once; the walk reads the
    // times and End Markers anew at its next move.
    connect(&shown, &Show::ShowDocument::recordsChanged, this,
            [this](Show::Kind kind, int first, int last) {
                const int program = walk.program() * Show::StepsPerProgram;
                if (isPlaying() && kind == Show::Kind::Programs
                    && first < program + Show::StepsPerProgram && last >= program)
                    showStep();
            });
    updateActions();
}

void ProgramPlayer::unbind()
{
    halt();
    if (document)
        document->disconnect(this);
    document = nullptr;
    updateActions();
}

bool ProgramPlayer::isPlaying() const
{
    return timer->isActive();
}

int ProgramPlayer::playingStep() const
{
    return isPlaying() ? walk.step() : -1;
}

void ProgramPlayer::start()
{
    if (document.isNull() || widgets.tabs->currentWidget() != widgets.programsTab || isPlaying())
        return;
    walk.start(widgets.program->value() - 1, Clock::nowMs());
    timer->start();
    widgets.strip->show();
    showStep();
    updateActions();
    Q_EMIT playingChanged(true);
}

void ProgramPlayer::halt()
{
    if (!isPlaying())
        return;
    timer->stop();
    widgets.strip->hide();
    widgets.overview->setPlayingColumn(-1);
    updateActions();
    Q_EMIT playingChanged(false);
}

void ProgramPlayer::tick()
{
    if (document.isNull()) {
        halt();
        return;
    }
    if (walk.advanceTo(document->table(Show::Kind::Programs), Clock::nowMs()))
        showStep();
}

void ProgramPlayer::showStep()
{
    const int program = walk.program();
    const int step = walk.step();
    const Show::SceneRecord record
        = document->record(Show::Kind::Programs, program * Show::StepsPerProgram + step);
    QList<QColor> colours;
    for (const Show::Rgb &lamp : record.lamps)
        colours.append(QColor(lamp.red, lamp.green, lamp.blue));
    widgets.strip->setColours(colours);
    widgets.strip->setAccessibleName(
        tr("Preview: program %1, step %2 of %3")
            .arg(program + 1)
            .arg(step + 1)
            .arg(Show::playedStepCount(document->table(Show::Kind::Programs), program)));
    widgets.overview->setPlayingColumn(step);
}

void ProgramPlayer::updateActions()
{
    const bool onPrograms = widgets.tabs->currentWidget() == widgets.programsTab;
    play->setEnabled(onPrograms && !document.isNull() && !isPlaying());
    stop->setEnabled(isPlaying());
}
