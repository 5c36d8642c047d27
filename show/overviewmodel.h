#pragma once

#include "show/scenerecord.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace Show {

class ShowDocument;

// The overview of one program (its 20 steps) or of the 8 scenes, as a grid:
// one column per step or scene, one row per lamp. Reads the document on every
// call and keeps no copy; follows it live by range: dataChanged over the
// columns a change touches and headerDataChanged for their times. Its shape
// never changes (20 steps or 8 scenes, 12 lamps), so it never resets: a
// view keeps its current cell and selection through every edit, step
// operation, Paste, Get, Load, undo and change of program.
//
// Everything is handed out as plain values in the roles below, so that the
// view's delegate does the painting and this stays free of QtGui.
class OverviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        // Cells: the lamp colour as 0xffrrggbb (a QRgb).
        ColorRole = Qt::UserRole + 1,
        // Cells and horizontal header: the record's values as the editors show them.
        RiseTimeRole,
        StaticTimeRole,
        EndMarkerRole,
        // Cells and horizontal header: the program ends with this step (the
        // first one whose End Marker is set), or ended before it (dimmed).
        EndsProgramRole,
        DimmedRole,
    };

    OverviewModel(ShowDocument *document, Kind kind, QObject *parent = nullptr);

    [[nodiscard]] Kind kind() const { return shownKind; }
    // The program shown (0..7); the scenes have none. Out of range is ignored.
    [[nodiscard]] int program() const { return shownProgram; }
    void setProgram(int program);
    // Shows table (tableSize(kind) bytes) instead of the document's, changing
    // nothing in the document: what a dialog would make of it. An empty
    // table shows the document again.
    void setPreview(const QByteArray &table);

    // The record of a column in the document's table, -1 outside the grid.
    [[nodiscard]] int recordIndex(int column) const;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    // DisplayRole, ToolTipRole and AccessibleTextRole: "Step 5, lamp 3: #ff8000".
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    // Horizontal: DisplayRole the step number, the roles above, and a tool tip
    // with the times; vertical: the lamp number.
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    void recordsChanged(Kind kind, int first, int last);
    void columnsChanged(int first, int last);
    [[nodiscard]] bool endMarkerSet(int column) const;
    [[nodiscard]] int endingColumn() const;
    [[nodiscard]] QVariant columnData(int column, int role) const;
    // The record of a column as shown: the preview's while there is one.
    [[nodiscard]] SceneRecord shownRecord(int column) const;

    QPointer<ShowDocument> document;
    Kind shownKind;
    int shownProgram = 0;
    QByteArray preview;
};

} // namespace Show
