#include "widgets/overviewview.h"

#include "show/overviewmodel.h"

#include <QHeaderView>
#include <QPainter>

using Show::OverviewModel;

namespace {

constexpr int EndMarkWidth = 3;
// How much of a dimmed cell's colour shows through the background.
constexpr qreal DimmedOpacity = 0.3;

void paintEndMark(QPainter *painter, const QRect &rect, const QPalette &palette)
{
    painter->fillRect(
        QRect(rect.right() - EndMarkWidth + 1, rect.top(), EndMarkWidth, rect.height()),
        palette.color(QPalette::WindowText));
}

// The step number and, in small text below it, the step's XFade and Scene
// Time, all read from the model's header roles.
class OverviewHeader : public QHeaderView
{
public:
    explicit OverviewHeader(QWidget *parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
        QFont small = font();
        small.setPixelSize(8);
        setFont(small);
    }

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        Q_UNUSED(logicalIndex)
        return {OverviewView::CellWidth, 3 * fontMetrics().height() + 2};
    }

    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        const QAbstractItemModel *m = model();
        if (m == nullptr || !rect.isValid())
            return;
        const auto value
            = [&](int role) { return m->headerData(logicalIndex, Qt::Horizontal, role); };
        painter->save();
        const bool current = selectionModel() != nullptr
                             && selectionModel()->isColumnSelected(logicalIndex, QModelIndex());
        painter->fillRect(rect, palette().color(current ? QPalette::Midlight : QPalette::Button));
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->setPen(palette().color(value(OverviewModel::DimmedRole).toBool()
                                            ? QPalette::PlaceholderText
                                            : QPalette::ButtonText));
        const int line = fontMetrics().height();
        QRect row(rect.left(), rect.top() + 1, rect.width() - EndMarkWidth, line);
        QFont bold = font();
        bold.setBold(true);
        painter->setFont(bold);
        painter->drawText(row, Qt::AlignCenter, value(Qt::DisplayRole).toString());
        painter->setFont(font());
        for (int role : {OverviewModel::RiseTimeRole, OverviewModel::StaticTimeRole}) {
            row.translate(0, line);
            painter->drawText(row, Qt::AlignCenter, value(role).toString());
        }
        if (value(OverviewModel::EndsProgramRole).toBool())
            paintEndMark(painter, rect, palette());
        painter->restore();
    }
};

} // namespace

OverviewView::OverviewView(QWidget *parent)
    : QTableView(parent)
{
    setHorizontalHeader(new OverviewHeader(this));
    setItemDelegate(new OverviewDelegate(this));
    setSelectionBehavior(SelectColumns);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollMode(ScrollPerPixel);
    setSizeAdjustPolicy(AdjustToContents);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setShowGrid(true);
    setWordWrap(false);

    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(CellWidth);
    horizontalHeader()->setMinimumSectionSize(CellWidth);
    horizontalHeader()->setHighlightSections(true);
    // A click on the header selects the column like a click on a cell.
    horizontalHeader()->setSectionsClickable(true);

    QHeaderView *lamps = verticalHeader();
    QFont small = lamps->font();
    small.setPixelSize(8);
    lamps->setFont(small);
    lamps->setSectionResizeMode(QHeaderView::Fixed);
    lamps->setMinimumSectionSize(CellHeight);
    lamps->setDefaultSectionSize(CellHeight);
    lamps->setDefaultAlignment(Qt::AlignCenter);
    lamps->setSectionsClickable(false);
}

void OverviewView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    if (selectionModel() != nullptr)
        connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
                &OverviewView::currentMoved);
}

void OverviewView::setShownColumn(int column)
{
    if (model() == nullptr || column < 0 || column >= model()->columnCount())
        column = -1;
    shown = column;
    if (column >= 0 && currentIndex().column() != column) {
        settingShown = true;
        const int row = std::max(currentIndex().row(), 0);
        selectionModel()->setCurrentIndex(model()->index(row, column),
                                          QItemSelectionModel::ClearAndSelect
                                              | QItemSelectionModel::Columns);
        settingShown = false;
    }
    viewport()->update();
}

QList<int> OverviewView::selectedColumns() const
{
    QList<int> columns;
    if (selectionModel() == nullptr)
        return columns;
    for (const QModelIndex &index : selectionModel()->selectedColumns())
        columns << index.column();
    std::sort(columns.begin(), columns.end());
    if (columns.isEmpty() && currentIndex().isValid())
        columns << currentIndex().column();
    return columns;
}

void OverviewView::currentMoved(const QModelIndex &current, const QModelIndex &previous)
{
    if (settingShown || !current.isValid() || current.column() == previous.column())
        return;
    Q_EMIT columnActivated(current.column());
}

void OverviewView::setMarkedColumns(const QList<int> &columns)
{
    if (marked == columns)
        return;
    marked = columns;
    viewport()->update();
}

void OverviewView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (model() == nullptr || model()->rowCount() == 0)
        return;
    const int last = model()->rowCount() - 1;
    const auto columnRect = [&](int column) {
        return QRect(columnViewportPosition(column), 0, columnWidth(column),
                     rowViewportPosition(last) + rowHeight(last));
    };
    QPainter painter(viewport());
    // A step that differs from the driver: a dashed red frame inside the cells.
    QPen dashed(QColor(220, 30, 30), 2, Qt::DashLine);
    painter.setPen(dashed);
    for (int column : std::as_const(marked)) {
        if (column >= 0 && column < model()->columnCount())
            painter.drawRect(columnRect(column).adjusted(3, 3, -3, -3));
    }
    if (shown < 0)
        return;
    QPen pen(palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(columnRect(shown).adjusted(1, 1, -1, -1));
}

void OverviewDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const QColor lamp = QColor::fromRgb(index.data(OverviewModel::ColorRole).toUInt());
    QColor fill = lamp;
    if (index.data(OverviewModel::DimmedRole).toBool()) {
        const QColor base = option.palette.color(QPalette::Base);
        const auto mix
            = [](int a, int b) { return int(a * DimmedOpacity + b * (1 - DimmedOpacity)); };
        fill = QColor(mix(lamp.red(), base.red()), mix(lamp.green(), base.green()),
                      mix(lamp.blue(), base.blue()));
    }
    painter->fillRect(option.rect, fill);
    if (option.state & QStyle::State_Selected) {
        painter->save();
        painter->setPen(option.palette.color(QPalette::Highlight));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
    if (index.data(OverviewModel::EndsProgramRole).toBool())
        paintEndMark(painter, option.rect, option.palette);
}

QSize OverviewDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    Q_UNUSED(option)
    Q_UNUSED(index)
    return {OverviewView::CellWidth, OverviewView::CellHeight};
}
