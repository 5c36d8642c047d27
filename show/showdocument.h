#pragma once

#include "show/scenerecord.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace Show {

// The one store of the show being edited: both tables and whether each holds
// changes not yet saved, got or set. Editors, the overview model, the step
// operations and the undo commands all read and write here; nothing else
// keeps a copy of a table.
//
// A record is addressed by its index in its table: program * StepsPerProgram
// + step for programs, the scene number for scenes (all zero-based).
class ShowDocument : public QObject
{
    Q_OBJECT

public:
    explicit ShowDocument(QObject *parent = nullptr);

    [[nodiscard]] const QByteArray &table(Kind kind) const;
    [[nodiscard]] static int recordCount(Kind kind);

    [[nodiscard]] SceneRecord record(Kind kind, int index) const;
    // Writes one record; emits recordsChanged only when its bytes change. An index outside the
    // table is ignored.
    void setRecord(Kind kind, int index, const SceneRecord &record);

    // Replaces a whole table (a step operation, a Paste, a Get, a Load, an
    // undo of any of them). Compares it with the table held: emits
    // recordsChanged once for each run of neighbouring records that differ;
    // nothing at all when no byte differs. A
    // table of the wrong size is refused: returns false and changes nothing.
    bool setTable(Kind kind, const QByteArray &table);

    // Asks whoever shows the tables to show this record (programs: program *
    // 20 + step): an undo or redo brings what it changed into view.
    void requestShowRecord(Kind kind, int index);

    // Unsaved changes: set by whoever decides (the window follows its undo
    // stacks), read by the title, the close question and the hand-over to
    // the window a language switch builds.
    [[nodiscard]] bool isModified(Kind kind) const;
    [[nodiscard]] bool isModified() const;
    void setModified(Kind kind, bool modified);

    // The file a table was last loaded from or saved to, as a full path;
    // empty when it has none (never loaded or saved, or replaced by a Get).
    // Save writes back here; the title names it.
    [[nodiscard]] QString fileName(Kind kind) const;
    void setFileName(Kind kind, const QString &fileName);

Q_SIGNALS:
    // Every change of a table's bytes, by range (first..last inclusive): the
    // one signal a view needs. The table keeps its size, always.
    void recordsChanged(Show::Kind kind, int first, int last);
    void showRecordRequested(Show::Kind kind, int index);
    void modifiedChanged(Show::Kind kind, bool modified);
    void fileNameChanged(Show::Kind kind);

private:
    QByteArray programs;
    QByteArray scenes;
    bool programsModified = false;
    bool scenesModified = false;
    QString programsFile;
    QString scenesFile;
};

} // namespace Show
