#pragma once

#include "app/showcommands.h"
#include "show/scenerecord.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>

#include <functional>

class QSpinBox;
class QUndoStack;
class SuperRGB;

namespace Show {
class ShowDocument;
}

// Binds one tab's twelve lamp editors and its spin boxes to one record of
// the show document. An edit is written through at once, so the document is
// always what the user sees; a change of the record from elsewhere (undo, a
// step operation, a Get or a Load) is shown at once. Nothing is left to
// commit when the shown record changes.
//
// With an undo stack, every edit is pushed as a RecordEditCommand numbered
// with the user's gesture: one slider drag (press to release), one click or
// held press of a "+" or "-" button, one value typed into a field (until
// Return or the focus leaves), one colour chosen or dropped. Edits of one
// gesture merge into one undo step; two gestures are two steps, even on the
// same control.
class ShowBinder : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QList<SuperRGB *> editors; // lamp 0 first
        QSpinBox *riseTime = nullptr;
        QSpinBox *staticTime = nullptr;
        QSpinBox *endMarker = nullptr; // null on the Scenes tab
    };

    // The record shown (programs: program * 20 + step), read from whoever
    // owns it whenever the binder needs it.
    using ShownRecord = std::function<int()>;

    ShowBinder(Show::ShowDocument &document, Show::Kind kind, Controls controls,
               ShownRecord shownRecord, QObject *parent = nullptr);

    // Edits become RecordEditCommands on this stack, one undo step per
    // gesture. Not owned; without one, edits go straight into the document.
    void setUndoStack(QUndoStack *stack);

    // The number of the gesture running now; it changes at every press,
    // release, key stroke that is not typing, wheel turn after a pause,
    // drop, change of focus and change of the shown record.
    [[nodiscard]] quint64 gesture() const { return currentGesture; }

    // The shown record has changed: shows it and writes the tab's edits into
    // it from now on.
    void shownChanged();
    [[nodiscard]] int shownIndex() const { return shownRecord(); }

    // The tab's lamp editors, for a binder made before they were built: they
    // show the record from now on, and their edits are written through.
    // Until then the record's lamps stay as they are.
    void setEditors(const QList<SuperRGB *> &editors);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindEditor(SuperRGB *editor);
    void watch(QWidget *control);
    void load();
    void write();
    [[nodiscard]] RecordControl controlOf(const QObject *changed) const;

    Show::ShowDocument &document;
    const Show::Kind kind;
    Controls controls;
    const ShownRecord shownRecord;
    QUndoStack *undoStack = nullptr;
    quint64 currentGesture = 0;
    // A turn of the wheel continues the gesture of the turn just before it.
    QElapsedTimer sinceWheel;
    bool loading = false; // the controls follow the document: no edit
    bool writing = false; // the document follows the controls: no reload
};
