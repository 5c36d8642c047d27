#include "widgets/overviewview.h"

#include "show/overviewmodel.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <array>

using Show::OverviewModel;

namespace {

constexpr int EndMarkWidth = 3;
constexpr QRgb PlayingColour = 0xff14aa3c;
// How much of a dimmed cell's colour shows through the background.
constexpr qreal DimmedOpacity = 0.3;
// Space between the corner's labels and the grid.
constexpr int LabelMargin = 4;

void paintEndMark(QPainter *painter, const QRect &rect, const QPalette &palette)
{
    painter->fillRect(
        QRect(rect.right() - EndMarkWidth + 1, rect.top(), EndMarkWidth, rect.height()),
        palette.color(QPalette::WindowText));
}

// The times under the step number: smaller than the window's text, but
// never too small to read.
QFont timesFont(QFont font)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(font.pixelSize() * 9 / 10, 10));
    else
        font.setPointSizeF(std::max(font.pointSizeF() * 0.9, 8.0));
    return font;
}

QFont numberFont(QFont font)
{
    font.setBold(true);
    return font;
}

// The three lines of the header, top to bottom: the number, XFade and Scene
// Time. The corner's labels stand on the same lines.
std::array<QRect, 3> headerLines(const QFont &font, const QRect &rect)
{
    const int number = QFontMetrics(numberFont(font)).height();
    const int time = QFontMetrics(timesFont(font)).height();
    const QRect first(rect.left(), rect.top() + 1, rect.width(), number);
    const QRect second(rect.left(), first.bottom() + 1, rect.width(), time);
    return {first, second, second.translated(0, time)};
}

int headerHeight(const QFont &font)
{
    return headerLines(font, {}).back().bottom() + 3;
}

// The step number and, in smaller text below it, the step's XFade and Scene
// Time, all read from the model's header roles.
class OverviewHeader : public QHeaderView
{
public:
    explicit OverviewHeader(QWidget *parent)
        : QHeaderView(Qt::Horizontal, parent)
    {}

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        Q_UNUSED(logicalIndex)
        return {OverviewView::CellWidth, headerHeight(font())};
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
                             && selectionModel()->columnIntersectsSelection(logicalIndex, {});
        painter->fillRect(rect, palette().color(current ? QPalette::Midlight : QPalette::Button));
        painter->setPen(palette().color(QPalette::Mid));
        painter->drawLine(rect.topRight(), rect.bottomRight());
        painter->setPen(palette().color(value(OverviewModel::DimmedRole).toBool()
                                            ? QPalette::PlaceholderText
                                            : QPalette::ButtonText));
        const std::array<QRect, 3> lines
            = headerLines(font(), rect.adjusted(0, 0, -EndMarkWidth, 0));
        painter->setFont(numberFont(font()));
        painter->drawText(lines[0], Qt::AlignCenter, value(Qt::DisplayRole).toString());
        painter->setFont(timesFont(font()));
        painter->drawText(lines[1], Qt::AlignCenter, value(OverviewModel::RiseTimeRole).toString());
        painter->drawText(lines[2], Qt::AlignCenter,
                          value(OverviewModel::StaticTimeRole).toString());
        if (value(OverviewModel::EndsProgramRole).toBool())
            paintEndMark(painter, rect, palette());
        painter->restore();
    }
};

QStringList cornerLabels(const QAbstractItemModel *model)
{
    const auto *overview = qobject_cast<const OverviewModel *>(model);
    const bool scenes = overview != nullptr && overview->kind() == Show::Kind::Scenes;
    return {scenes ? OverviewView::tr("Scene") : OverviewView::tr("Step"),
            OverviewView::tr("XFade"), OverviewView::tr("Scene Time (ms)")};
}

// Above the lamp numbers: what the three lines of the header hold.
class OverviewCorner : public QWidget
{
public:
    explicit OverviewCorner(QTableView *view)
        : QWidget(view)
        , view(view)
    {}

    [[nodiscard]] QStringList labels() const { return cornerLabels(view->model()); }

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.setPen(palette().color(QPalette::ButtonText));
        const QStringList texts = labels();
        const std::array<QRect, 3> lines
            = headerLines(font(), rect().adjusted(0, 0, -LabelMargin, 0));
        for (int line = 0; line < 3; ++line) {
            painter.setFont(line == 0 ? numberFont(font()) : timesFont(font()));
            painter.drawText(lines[line], Qt::AlignRight | Qt::AlignVCenter, texts.at(line));
        }
    }

private:
    QTableView *view;
};

} // namespace

OverviewView::OverviewView(QWidget *parent)
    : QTableView(parent)
{
    setHorizontalHeader(new OverviewHeader(this));
    setItemDelegate(new OverviewDelegate(this));
    setSelectionBehavior(SelectItems);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollMode(ScrollPerPixel);
    // The columns stretch to the width; only a view narrower than all steps
    // at their smallest scrolls, and then the shown step stays in view.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab leaves the grid for the next control; the arrow keys move inside.
    setTabKeyNavigation(false);
    setSizeAdjustPolicy(AdjustToContents);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    // The steps share the width of the tab.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(CellWidth);
    horizontalHeader()->setHighlightSections(true);
    // A click on the header selects the column like a click on a cell.
    horizontalHeader()->setSectionsClickable(true);

    QHeaderView *lamps = verticalHeader();
    lamps->setSectionResizeMode(QHeaderView::Fixed);
    lamps->setDefaultAlignment(Qt::AlignCenter);
    lamps->setSectionsClickable(true);

    // The view is as tall as its rows, and the scroll bar's strip when the
    // steps do not fit its width: the layout hears when that strip comes or
    // goes. Qt shows and hides the bar's container, not the bar.
    horizontalScrollBar()->parentWidget()->installEventFilter(this);

    corner = new OverviewCorner(this);
    corner->setObjectName(QStringLiteral("overviewLabels"));
    fitToFont();
}

// The lamp numbers and the header follow the window's font; the corner's
// labels decide how wide the column of lamp numbers is.
void OverviewView::fitToFont()
{
    const int row = std::max(CellHeight, fontMetrics().height() + 2);
    verticalHeader()->setMinimumSectionSize(row);
    verticalHeader()->setDefaultSectionSize(row);
    const auto *labels = static_cast<OverviewCorner *>(corner);
    int width = 0;
    const QStringList texts = labels->labels();
    for (int line = 0; line < texts.size(); ++line) {
        const QFontMetrics metrics(line == 0 ? numberFont(font()) : timesFont(font()));
        width = std::max(width, metrics.horizontalAdvance(texts.at(line)));
    }
    verticalHeader()->setMinimumWidth(width + 2 * LabelMargin);
    corner->setAccessibleName(texts.join(QStringLiteral(", ")));
    updateGeometries();
}

void OverviewView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange)
        fitToFont();
}

// The headers, the rows and the frame, and the scroll bar only while it
// shows: QAbstractScrollArea reserves room for an as-needed bar even while
// it is hidden, an empty strip under the rows.
QSize OverviewView::sizeHint() const
{
    const QHeaderView *steps = horizontalHeader();
    const QHeaderView *lamps = verticalHeader();
    const QWidget *bar = horizontalScrollBar()->parentWidget();
    const int frame = 2 * frameWidth();
    return {(lamps->isHidden() ? 0 : lamps->width()) + steps->length() + frame,
            (steps->isHidden() ? 0 : steps->height()) + lamps->length() + frame
                + (bar->isVisibleTo(this) ? horizontalScrollBar()->sizeHint().height() : 0)};
}

bool OverviewView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == horizontalScrollBar()->parentWidget()
        && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        updateGeometry();
    return QTableView::eventFilter(watched, event);
}

void OverviewView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
}

void OverviewView::updateGeometries()
{
    QTableView::updateGeometries();
    if (corner == nullptr)
        return;
    corner->setGeometry(verticalHeader()->x(), horizontalHeader()->y(), verticalHeader()->width(),
                        horizontalHeader()->height());
    corner->raise();
    corner->update();
}

void OverviewView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    if (selectionModel() != nullptr)
        connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
                &OverviewView::currentMoved);
    fitToFont();
}

int OverviewView::shownColumn() const
{
    return currentIndex().isValid() ? currentIndex().column() : -1;
}

void OverviewView::setShownColumn(int column)
{
    if (model() == nullptr || selectionModel() == nullptr)
        return;
    if (column < 0 || column >= model()->columnCount()) {
        settingShown = true;
        selectionModel()->clearCurrentIndex();
        settingShown = false;
        viewport()->update();
        return;
    }
    if (currentIndex().column() != column) {
        settingShown = true;
        const int row = std::max(currentIndex().row(), 0);
        selectionModel()->setCurrentIndex(model()->index(row, column),
                                          QItemSelectionModel::ClearAndSelect
                                              | QItemSelectionModel::Columns);
        settingShown = false;
    }
    scrollTo(currentIndex());
    viewport()->update();
}

QList<int> OverviewView::selectedColumns() const
{
    QList<int> columns;
    if (selectionModel() == nullptr)
        return columns;
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        if (!columns.contains(index.column()))
            columns << index.column();
    }
    std::sort(columns.begin(), columns.end());
    if (columns.isEmpty() && currentIndex().isValid())
        columns << currentIndex().column();
    return columns;
}

QList<Show::LampCell> OverviewView::selectedLampCells() const
{
    QList<Show::LampCell> cells;
    const auto *overview = qobject_cast<const OverviewModel *>(model());
    if (overview == nullptr || selectionModel() == nullptr)
        return cells;
    QModelIndexList indexes = selectionModel()->selectedIndexes();
    if (indexes.isEmpty() && currentIndex().isValid())
        indexes << currentIndex();
    std::sort(indexes.begin(), indexes.end(), [](const QModelIndex &a, const QModelIndex &b) {
        return std::pair(a.column(), a.row()) < std::pair(b.column(), b.row());
    });
    for (const QModelIndex &index : std::as_const(indexes))
        cells.append({overview->recordIndex(index.column()), index.row()});
    return cells;
}

void OverviewView::currentMoved(const QModelIndex &current, const QModelIndex &previous)
{
    viewport()->update();
    const int column = current.isValid() ? current.column() : -1;
    if (column == (previous.isValid() ? previous.column() : -1))
        return;
    Q_EMIT shownColumnChanged(column);
    if (!settingShown && column >= 0)
        Q_EMIT columnActivated(column);
}

void OverviewView::setMarkedColumns(const QList<int> &columns)
{
    if (marked == columns)
        return;
    marked = columns;
    viewport()->update();
}

void OverviewView::setPlayingColumn(int column)
{
    if (playing == column)
        return;
    playing = column;
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
    // The step playing: a solid green frame inside the shown step's.
    if (playing >= 0 && playing < model()->columnCount()) {
        QPen solid(QColor::fromRgb(PlayingColour), 3);
        solid.setJoinStyle(Qt::MiterJoin);
        painter.setPen(solid);
        painter.drawRect(columnRect(playing).adjusted(4, 4, -4, -4));
    }
    const int shown = shownColumn();
    if (shown < 0)
        return;
    QPen pen(palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(columnRect(shown).adjusted(1, 1, -1, -1));
    // With the keyboard in the grid, the current cell carries a dotted frame,
    // white over black so that it shows on any lamp colour.
    if (hasFocus()) {
        const QRect cell = visualRect(currentIndex()).adjusted(4, 4, -4, -4);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(cell);
        painter.setPen(QPen(Qt::white, 2, Qt::DotLine));
        painter.drawRect(cell);
    }
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
