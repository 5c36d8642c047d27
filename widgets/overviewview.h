#pragma once

#include "show/stepoperations.h"

#include <QList>
#include <QStyledItemDelegate>
#include <QTableView>

// The overview grid of the Programs and Scenes tabs: one column per step (or
// scene), one row per lamp, over a Show::OverviewModel. Each cell is filled
// with the lamp's colour; the header above each column carries the step
// number and, in smaller text, its XFade and Scene Time, labelled in the
// corner on the left. The columns share the view's width. The step whose End
// Marker ends the program has a thick mark on its right edge and the steps
// after it are dimmed. The step a preview plays has a green frame.
//
// The shown step is the column of the selection model's current index: it
// is outlined, and it is the one owner of "which step is shown" (the window's
// step box and lamp editors follow shownColumnChanged). Clicking a cell or
// moving with the arrow keys also emits columnActivated; setShownColumn
// emits only shownColumnChanged. Cells are selected one by one, by row or by
// column (a click on the step number); Copy takes the columns that hold a
// selected cell, Set Colour the cells. Actions added with addAction() form
// the context menu.
class OverviewView : public QTableView
{
    Q_OBJECT

public:
    // Smallest cell size; the columns stretch to share the view's width and
    // the rows are as tall as the lamp numbers need.
    static constexpr int CellWidth = 34;
    static constexpr int CellHeight = 12;

    explicit OverviewView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    [[nodiscard]] QSize sizeHint() const override;

    // The outlined column: the current index's, -1 for none. Setting it
    // makes it current, selects it when it was not current yet, scrolls it
    // into view and emits shownColumnChanged, not columnActivated.
    [[nodiscard]] int shownColumn() const;
    void setShownColumn(int column);

    // The columns holding a selected cell, in ascending order; the current
    // column when none is selected (what Copy takes).
    [[nodiscard]] QList<int> selectedColumns() const;
    // The selected cells as records of the document's table and lamps, by
    // column then lamp; the current cell when none is selected (what Set
    // Colour takes). Empty without an overview model.
    [[nodiscard]] QList<Show::LampCell> selectedLampCells() const;

    // Columns framed as differing from the driver after a comparison; the
    // window clears them once the comparison no longer holds.
    [[nodiscard]] QList<int> markedColumns() const { return marked; }
    void setMarkedColumns(const QList<int> &columns);

    // The column of the step a preview plays, marked apart from the shown
    // one (which it never moves); -1 for none.
    [[nodiscard]] int playingColumn() const { return playing; }
    void setPlayingColumn(int column);

Q_SIGNALS:
    // The user moved to another column.
    void columnActivated(int column);
    // The current column changed, by the user or by setShownColumn.
    void shownColumnChanged(int column);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    void updateGeometries() override;

private:
    void currentMoved(const QModelIndex &current, const QModelIndex &previous);
    void fitToFont();

    QWidget *corner = nullptr;
    bool settingShown = false;
    QList<int> marked;
    int playing = -1;
};

// Paints one cell: the lamp colour, faded into the background when the
// program has ended before its step, a frame when selected, and the program's
// end mark on the right edge of the step that ends it.
class OverviewDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const override;
};
