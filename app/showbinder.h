#pragma once

#include "app/showcommands.h"
#include "show/scenerecord.h"

#include <QList>
#include <QObject>

#include <functional>

class QSpinBox;
class SuperRGB;

namespace Show {
class ShowDocument;
}

// Binds one tab's twelve lamp editors and its spin boxes to one record of
// the show document. An edit is written through at once, so the document is
// always what the user sees; a change of the record from elsewhere (undo, a
// step operation, a Get or a Load) is shown at once. Nothing is left to
// commit when the shown record changes.
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

    // Writes an edited record into the document. control is the one the
    // user works: the dragged slider's lamp when a group move changes other
    // lamps too, so that one drag is one undo step.
    using Writer
        = std::function<void(int index, const Show::SceneRecord &record, RecordControl control)>;

    ShowBinder(Show::ShowDocument &document, Show::Kind kind, Controls controls,
               QObject *parent = nullptr);

    // Without a writer, edits go straight into the document.
    void setWriter(Writer writer);

    // Shows the record of that index (programs: program * 20 + step) and
    // writes the tab's edits into it from now on.
    void showRecord(int index);
    [[nodiscard]] int shownIndex() const { return shown; }

private:
    void load();
    void write();
    [[nodiscard]] RecordControl controlOf(const QObject *changed) const;

    Show::ShowDocument &document;
    const Show::Kind kind;
    const Controls controls;
    Writer writer;
    int shown = 0;
    bool loading = false; // the controls follow the document: no edit
    bool writing = false; // the document follows the controls: no reload
};
