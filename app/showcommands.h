#pragma once

#include "show/scenerecord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QPointer>
#include <QUndoCommand>

namespace Show {
class ShowDocument;
}

// The undoable changes of a show table. Each command holds the bytes before
// and after and writes them into the document; none ever talks to a driver,
// so an undo after a Set changes only the table in the window.
//
// Both read the "before" from the document when constructed: build the
// command before changing the document, then push it; the push applies it.
// A command whose bytes are the same before and after is obsolete from the
// start: QUndoStack::push drops it, so nothing is recorded and the modified
// mark stays as it was. Undo and redo (after the push) ask the document to
// show the record they changed (ShowDocument::showRecordRequested).

// The editors of one record: which control an edit came from, so that a
// running slider drag or typed value becomes one undo step.
enum class RecordControl {
    Lamp0, // lamp n is Lamp0 + n (0..11)
    RiseTime = Show::LampCount,
    StaticTime,
    EndMarker,
};

// One record's new bytes. Merges with the command right before it on the
// stack when that edited the same record of the same table from the same
// control within the same gesture (one slider drag, one typed value, one
// colour chosen); an edit that ends where it started drops out of the stack.
class RecordEditCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(RecordEditCommand)

public:
    // Edits built without a gesture merge with any earlier one of the same
    // record and control that has none either.
    static constexpr quint64 NoGesture = ~quint64(0);

    RecordEditCommand(Show::ShowDocument *document, Show::Kind kind, int index,
                      RecordControl control, const Show::SceneRecord &after,
                      QUndoCommand *parent = nullptr);
    // gesture numbers the user's gesture the edit belongs to (ShowBinder
    // counts them); edits of different gestures never merge.
    RecordEditCommand(Show::ShowDocument *document, Show::Kind kind, int index,
                      RecordControl control, const Show::SceneRecord &after, quint64 gesture,
                      QUndoCommand *parent = nullptr);

    [[nodiscard]] Show::Kind tableKind() const { return kind; }
    [[nodiscard]] int recordIndex() const { return index; }

    void redo() override;
    void undo() override;
    [[nodiscard]] int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    QPointer<Show::ShowDocument> document;
    Show::Kind kind;
    int index;
    RecordControl control;
    quint64 gesture;
    QByteArray before; // RecordSize bytes each
    QByteArray after;
    bool pushed = false; // the first redo is the push, which shows nothing
};

// What replaced a whole table; names the command in the Edit menu.
enum class TableChange {
    Duplicate,
    InsertBlank,
    Delete,
    RotateLampsLeft,
    RotateLampsRight,
    Paste,
    Load,
    Get,
    SetColour,
    FillSteps,
};

// A whole table replaced: a step operation, a Paste or a Set Colour on a
// copy of the document's table, a Load or a Get. Undo restores the table as
// it was. The record it shows on undo and redo is the first one that differs.
class TableCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(TableCommand)

public:
    TableCommand(Show::ShowDocument *document, Show::Kind kind, const QByteArray &after,
                 TableChange change, QUndoCommand *parent = nullptr);

    // The translated name, e.g. "Delete", as the Edit menu and the context
    // menu show it.
    [[nodiscard]] static QString name(TableChange change);

    // A Load names the table's file, a Get leaves it without one: the
    // command carries the name too, so that an undo brings the old one back
    // and Save never writes one file's table into another. Before the push.
    void setFileName(const QString &fileName);

    void redo() override;
    void undo() override;

    [[nodiscard]] Show::Kind tableKind() const { return kind; }
    // The first record that differs, -1 when none does (the command is obsolete).
    [[nodiscard]] int recordIndex() const { return firstChanged; }

private:
    QPointer<Show::ShowDocument> document;
    Show::Kind kind;
    QByteArray before;
    QByteArray after;
    int firstChanged = -1;
    bool pushed = false;
    bool changesFile = false;
    QString fileBefore;
    QString fileAfter;
};
