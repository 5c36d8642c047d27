#include "show/showcompare.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace Show {

QList<int> RecordDifference::lamps() const
{
    QList<int> list;
    for (int lamp = 0; lamp < LampCount; ++lamp) {
        if (first.lamps[lamp] != second.lamps[lamp])
            list.append(lamp);
    }
    return list;
}

QList<RecordDifference> compareTables(Kind kind, const QByteArray &first, const QByteArray &second)
{
    QList<RecordDifference> differences;
    const int records = tableSize(kind) / RecordSize;
    for (int record = 0; record < records; ++record) {
        const int offset = record * RecordSize;
        RecordDifference difference{record, recordAt(first, offset), recordAt(second, offset)};
        if (difference.lamps().isEmpty() && !difference.riseTimeDiffers()
            && !difference.staticTimeDiffers() && !difference.endMarkerDiffers()
            && !difference.reservedDiffers())
            continue;
        differences.append(difference);
    }
    return differences;
}

QString recordPosition(Kind kind, int record)
{
    if (kind == Kind::Scenes)
        return QCoreApplication::translate("Show", "scene %1").arg(record + 1);
    return QCoreApplication::translate("Show", "program %1, step %2")
        .arg(record / StepsPerProgram + 1)
        .arg(record % StepsPerProgram + 1);
}

QString describeDifference(Kind kind, const RecordDifference &difference)
{
    QStringList parts;
    const SceneRecord &a = difference.first;
    const SceneRecord &b = difference.second;
    // Each lamp with both its colours, as the colour fields write them; lamps
    // that changed alike share one entry.
    const auto colour = [](const Rgb &rgb) {
        return QStringLiteral("#%1%2%3")
            .arg(rgb.red, 2, 16, QLatin1Char('0'))
            .arg(rgb.green, 2, 16, QLatin1Char('0'))
            .arg(rgb.blue, 2, 16, QLatin1Char('0'));
    };
    QList<std::pair<QString, QStringList>> changes; // "from → to", lamp numbers
    for (int lamp : difference.lamps()) {
        const QString change = colour(a.lamps.at(size_t(lamp))) + QStringLiteral(" → ")
                               + colour(b.lamps.at(size_t(lamp)));
        const auto same
            = std::find_if(changes.cbegin(), changes.cend(),
                           [&change](const auto &entry) { return entry.first == change; });
        if (same == changes.cend())
            changes.append({change, {QString::number(lamp + 1)}});
        else
            changes[same - changes.cbegin()].second.append(QString::number(lamp + 1));
    }
    for (const auto &[change, lamps] : std::as_const(changes))
        parts.append((lamps.size() == 1 ? QCoreApplication::translate("Show", "lamp %1 %2")
                                        : QCoreApplication::translate("Show", "lamps %1 %2"))
                         .arg(lamps.join(QLatin1String(", ")), change));
    if (difference.riseTimeDiffers())
        parts.append(
            QCoreApplication::translate("Show", "XFade %1 → %2").arg(a.riseTime).arg(b.riseTime));
    if (difference.staticTimeDiffers())
        parts.append(QCoreApplication::translate("Show", "Scene Time %1 → %2")
                         .arg(a.staticTime)
                         .arg(b.staticTime));
    if (difference.endMarkerDiffers())
        parts.append(QCoreApplication::translate("Show", "End Marker %1 → %2")
                         .arg(int(a.endMarker))
                         .arg(int(b.endMarker)));
    if (difference.reservedDiffers())
        parts.append(QCoreApplication::translate("Show", "reserved bytes"));
    return recordPosition(kind, difference.record) + QLatin1String(": ")
           + parts.join(QLatin1String("; "));
}

} // namespace Show
