#include "show/overviewmodel.h"

#include "show/showdocument.h"

#include <algorithm>

namespace Show {

OverviewModel::OverviewModel(ShowDocument *document, Kind kind, QObject *parent)
    : QAbstractTableModel(parent)
    , document(document)
    , shownKind(kind)
{
    connect(document, &ShowDocument::recordsChanged, this, &OverviewModel::recordsChanged);
}

void OverviewModel::setProgram(int program)
{
    if (shownKind != Kind::Programs || program == shownProgram || program < 0
        || program >= ProgramCount)
        return;
    shownProgram = program;
    columnsChanged(0, columnCount() - 1);
}

int OverviewModel::recordIndex(int column) const
{
    if (column < 0 || column >= columnCount())
        return -1;
    return shownKind == Kind::Programs ? shownProgram * StepsPerProgram + column : column;
}

int OverviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : LampCount;
}

int OverviewModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return shownKind == Kind::Programs ? StepsPerProgram : SceneCount;
}

bool OverviewModel::endMarkerSet(int column) const
{
    // Scenes carry the byte but have no End Marker: a scene never ends anything.
    if (shownKind != Kind::Programs || document.isNull())
        return false;
    return shownRecord(column).endMarker != 0;
}

int OverviewModel::endingColumn() const
{
    for (int column = 0; column < columnCount(); ++column) {
        if (endMarkerSet(column))
            return column;
    }
    return -1;
}

QVariant OverviewModel::columnData(int column, int role) const
{
    const SceneRecord record = shownRecord(column);
    const EditorValues values = editorValues(record);
    switch (role) {
    case RiseTimeRole:
        return values.riseTime;
    case StaticTimeRole:
        return values.staticTime;
    case EndMarkerRole:
        return shownKind == Kind::Programs ? values.endMarker : 0;
    case EndsProgramRole:
        return column == endingColumn();
    case DimmedRole: {
        const int ending = endingColumn();
        return ending >= 0 && column > ending;
    }
    default:
        return {};
    }
}

QVariant OverviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || document.isNull() || index.column() >= columnCount()
        || index.row() >= LampCount)
        return {};
    switch (role) {
    case ColorRole:
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: {
        const Rgb lamp = shownRecord(index.column()).lamps[index.row()];
        const uint rgb = 0xff000000u | uint(lamp.red) << 16 | uint(lamp.green) << 8 | lamp.blue;
        if (role == ColorRole)
            return rgb;
        const QString name = QStringLiteral("#%1").arg(rgb & 0xffffffu, 6, 16, QLatin1Char('0'));
        if (role == Qt::DisplayRole)
            return name;
        return (shownKind == Kind::Programs ? tr("Step %1, lamp %2: %3")
                                            : tr("Scene %1, lamp %2: %3"))
            .arg(index.column() + 1)
            .arg(index.row() + 1)
            .arg(name);
    }
    default:
        return columnData(index.column(), role);
    }
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= LampCount || role != Qt::DisplayRole)
            return {};
        return section + 1;
    }
    if (section < 0 || section >= columnCount() || document.isNull())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return section + 1;
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: {
        const EditorValues values = editorValues(shownRecord(section));
        QString text = (shownKind == Kind::Programs ? tr("Step %1: XFade %2, Scene Time %3 ms")
                                                    : tr("Scene %1: XFade %2, Scene Time %3 ms"))
                           .arg(section + 1)
                           .arg(values.riseTime)
                           .arg(values.staticTime);
        if (endingColumn() == section)
            text += QLatin1Char(' ') + tr("(the program ends here)");
        return text;
    }
    default:
        return columnData(section, role);
    }
}

void OverviewModel::recordsChanged(Kind kind, int first, int last)
{
    if (kind != shownKind)
        return;
    const int offset = shownKind == Kind::Programs ? shownProgram * StepsPerProgram : 0;
    const int from = std::max(first - offset, 0);
    const int to = std::min(last - offset, columnCount() - 1);
    if (from > to)
        return;
    // An End Marker changed here moves where the program ends, so every later
    // column may change its dimming too.
    columnsChanged(from, shownKind == Kind::Programs ? columnCount() - 1 : to);
}

void OverviewModel::columnsChanged(int first, int last)
{
    Q_EMIT dataChanged(index(0, first), index(LampCount - 1, last));
    Q_EMIT headerDataChanged(Qt::Horizontal, first, last);
}

SceneRecord OverviewModel::shownRecord(int column) const
{
    const int index = recordIndex(column);
    if (preview.isEmpty())
        return document->record(shownKind, index);
    return recordAt(preview, index * RecordSize);
}

void OverviewModel::setPreview(const QByteArray &table)
{
    preview = table;
    columnsChanged(0, columnCount() - 1);
}

} // namespace Show
