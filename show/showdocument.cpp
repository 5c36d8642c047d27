#include "show/showdocument.h"

#include <QList>

#include <algorithm>
#include <cstring>
#include <utility>

namespace Show {

ShowDocument::ShowDocument(QObject *parent)
    : QObject(parent)
    , programs(ProgramTableSize, '\0')
    , scenes(SceneTableSize, '\0')
{}

const QByteArray &ShowDocument::table(Kind kind) const
{
    return kind == Kind::Programs ? programs : scenes;
}

int ShowDocument::recordCount(Kind kind)
{
    return tableSize(kind) / RecordSize;
}

SceneRecord ShowDocument::record(Kind kind, int index) const
{
    return recordAt(table(kind), index * RecordSize);
}

void ShowDocument::setRecord(Kind kind, int index, const SceneRecord &record)
{
    if (index < 0 || index >= recordCount(kind))
        return;
    QByteArray &bytes = kind == Kind::Programs ? programs : scenes;
    char updated[RecordSize];
    record.toBytes(updated);
    char *stored = bytes.data() + qsizetype(index) * RecordSize;
    if (std::equal(updated, updated + RecordSize, stored))
        return;
    std::copy(updated, updated + RecordSize, stored);
    Q_EMIT recordsChanged(kind, index, index);
}

bool ShowDocument::setTable(Kind kind, const QByteArray &table)
{
    if (table.size() != tableSize(kind))
        return false;
    QByteArray &stored = kind == Kind::Programs ? programs : scenes;
    const auto recordDiffers = [&](int index) {
        const qsizetype offset = qsizetype(index) * RecordSize;
        return std::memcmp(stored.constData() + offset, table.constData() + offset, RecordSize)
               != 0;
    };
    // Runs of changed records, first..last inclusive.
    QList<std::pair<int, int>> runs;
    for (int index = 0; index < recordCount(kind); ++index) {
        if (!recordDiffers(index))
            continue;
        if (!runs.isEmpty() && runs.last().second == index - 1)
            runs.last().second = index;
        else
            runs.append({index, index});
    }
    if (runs.isEmpty())
        return true;
    stored = table;
    for (const auto &[first, last] : std::as_const(runs))
        Q_EMIT recordsChanged(kind, first, last);
    return true;
}

void ShowDocument::requestShowRecord(Kind kind, int index)
{
    if (index >= 0 && index < recordCount(kind))
        Q_EMIT showRecordRequested(kind, index);
}

bool ShowDocument::isModified(Kind kind) const
{
    return kind == Kind::Programs ? programsModified : scenesModified;
}

bool ShowDocument::isModified() const
{
    return programsModified || scenesModified;
}

void ShowDocument::setModified(Kind kind, bool modified)
{
    bool &flag = kind == Kind::Programs ? programsModified : scenesModified;
    if (flag == modified)
        return;
    flag = modified;
    Q_EMIT modifiedChanged(kind, modified);
}

QString ShowDocument::fileName(Kind kind) const
{
    return kind == Kind::Programs ? programsFile : scenesFile;
}

void ShowDocument::setFileName(Kind kind, const QString &fileName)
{
    QString &stored = kind == Kind::Programs ? programsFile : scenesFile;
    if (stored == fileName)
        return;
    stored = fileName;
    Q_EMIT fileNameChanged(kind);
}

} // namespace Show
