#pragma once

#include "show/programwalk.h"

#include <QObject>
#include <QPointer>

class OverviewView;
class PreviewStrip;
class QAction;
class QMenu;
class QSpinBox;
class QTabWidget;
class QTimer;

namespace Show {
class ShowDocument;
}

// Play and Stop: the shown program played in a preview strip above the
// Programs tab's overview, each step held for its Scene Time (see
// Show::ProgramWalk), the step playing framed in the overview. Playing only
// reads the document: it writes no byte, pushes no undo step and leaves the
// shown step where it is. An edit while it plays is shown at once; a change
// of program or of tab, or a document leaving, stops it.
class ProgramPlayer : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        QTabWidget *tabs = nullptr;
        QWidget *programsTab = nullptr;
        QSpinBox *program = nullptr;
        OverviewView *overview = nullptr;
        PreviewStrip *strip = nullptr;
    };

    // The actions and the menu are the window's (parent's) children.
    ProgramPlayer(Widgets widgets, QWidget *parent);

    // Play (F5) and Stop (Esc, Shift+F5), and the Playback menu holding them.
    [[nodiscard]] QAction *playAction() const { return play; }
    [[nodiscard]] QAction *stopAction() const { return stop; }
    [[nodiscard]] QMenu *menu() const { return playbackMenu; }

    // Plays shown's programs from now on; unbind() stops and forgets it.
    void bind(Show::ShowDocument &shown);
    void unbind();

    [[nodiscard]] bool isPlaying() const;
    // The step playing (zero-based), -1 while stopped.
    [[nodiscard]] int playingStep() const;

    void start();
    void halt();

Q_SIGNALS:
    void playingChanged(bool playing);

private:
    void tick();
    void showStep();
    void updateActions();

    const Widgets widgets;
    QPointer<Show::ShowDocument> document;
    Show::ProgramWalk walk;
    QTimer *timer;
    QAction *play;
    QAction *stop;
    QMenu *playbackMenu;
};
