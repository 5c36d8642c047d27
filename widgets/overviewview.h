#pragma once

#include <QList>
#include <QStyledItemDelegate>
#include <QTableView>

// The overview grid of the Programs and Scenes tabs: one column per step (or
// scene), one row per lamp, over a Show::OverviewModel. Each cell is filled
// with the lamp's colour; the header above each column carries the step
// number and, in small text, its XFade and Scene Time. The step whose End
// Marker ends the program has a thick mark on its right edge and the steps
// after it are dimmed. The shown step is outlined.
//
// Clicking a column or moving along the grid with the arrow keys emits
// columnActivated; the window shows that step, and tells the grid which step
// it shows through setShownColumn (which emits nothing). Extended column
// selection feeds Copy. Actions added with addAction() form the context menu.
class OverviewView : public QTableView
{
    Q_OBJECT

public:
    // Cell size: twenty columns and twelve rows fit above the lamp editors.
    static constexpr int CellWidth = 34;
    static constexpr int CellHeight = 12;

    explicit OverviewView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    // The outlined column, -1 for none. Makes it the current column without
    // emitting columnActivated.
    [[nodiscard]] int shownColumn() const { return shown; }
    void setShownColumn(int column);

    // The selected columns in ascending order; the current column when none
    // is selected (what Copy takes).
    [[nodiscard]] QList<int> selectedColumns() const;

    // Columns framed as differing from the driver after a comparison; the
    // window clears them once the comparison no longer holds.
    [[nodiscard]] QList<int> markedColumns() const { return marked; }
    void setMarkedColumns(const QList<int> &columns);

Q_SIGNALS:
    void columnActivated(int column);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void currentMoved(const QModelIndex &current, const QModelIndex &previous);

    int shown = -1;
    bool settingShown = false;
    QList<int> marked;
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
