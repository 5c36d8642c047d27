#include "app/showcommands.h"

#include "show/showdocument.h"

#include <algorithm>

namespace {

constexpr int RecordEditId = 0x4c43; // any id of its own; commands of other ids never merge

QByteArray bytesOf(const Show::SceneRecord &record)
{
    QByteArray bytes(Show::RecordSize, '\0');
    record.toBytes(bytes.data());
    return bytes;
}

} // namespace

RecordEditCommand::RecordEditCommand(Show::ShowDocument *document, Show::Kind kind, int index,
                                     RecordControl control, const Show::SceneRecord &after,
                                     QUndoCommand *parent)
    : RecordEditCommand(document, kind, index, control, after, NoGesture, parent)
{}

RecordEditCommand::RecordEditCommand(Show::ShowDocument *document, Show::Kind kind, int index,
                                     RecordControl control, const Show::SceneRecord &after,
                                     quint64 gesture, QUndoCommand *parent)
    : QUndoCommand(parent)
    , document(document)
    , kind(kind)
    , index(index)
    , control(control)
    , gesture(gesture)
    , before(bytesOf(document->record(kind, index)))
    , after(bytesOf(after))
{
    setObsolete(before == this->after);
    switch (control) {
    case RecordControl::RiseTime:
        setText(tr("XFade"));
        break;
    case RecordControl::StaticTime:
        setText(tr("Scene Time"));
        break;
    case RecordControl::EndMarker:
        setText(tr("End Marker"));
        break;
    default:
        setText(tr("Lamp %1 Colour").arg(int(control) - int(RecordControl::Lamp0) + 1));
    }
}

void RecordEditCommand::redo()
{
    if (!document)
        return;
    document->setRecord(kind, index, Show::SceneRecord::fromBytes(after.constData()));
    if (pushed)
        document->requestShowRecord(kind, index);
    pushed = true;
}

void RecordEditCommand::undo()
{
    if (!document)
        return;
    document->setRecord(kind, index, Show::SceneRecord::fromBytes(before.constData()));
    document->requestShowRecord(kind, index);
}

int RecordEditCommand::id() const
{
    return RecordEditId;
}

bool RecordEditCommand::mergeWith(const QUndoCommand *other)
{
    // QUndoStack offers only the command on top, and only one of the same id.
    const auto *edit = static_cast<const RecordEditCommand *>(other);
    if (edit->document != document || edit->kind != kind || edit->index != index
        || edit->control != control || edit->gesture != gesture)
        return false;
    after = edit->after;
    setObsolete(after == before);
    return true;
}

TableCommand::TableCommand(Show::ShowDocument *document, Show::Kind kind, const QByteArray &after,
                           TableChange change, QUndoCommand *parent)
    : QUndoCommand(name(change), parent)
    , document(document)
    , kind(kind)
    , before(document->table(kind))
    , after(after)
{
    const auto differing
        = std::mismatch(before.cbegin(), before.cend(), after.cbegin(), after.cend());
    if (differing.first != before.cend())
        firstChanged = int((differing.first - before.cbegin()) / Show::RecordSize);
    // A table of another size is refused by the document: nothing would change either.
    setObsolete(firstChanged < 0 || before.size() != after.size());
}

QString TableCommand::name(TableChange change)
{
    switch (change) {
    case TableChange::Duplicate:
        return tr("Duplicate");
    case TableChange::InsertBlank:
        return tr("Insert Blank");
    case TableChange::Delete:
        return tr("Delete");
    case TableChange::RotateLampsLeft:
        return tr("Rotate Lamps Left");
    case TableChange::RotateLampsRight:
        return tr("Rotate Lamps Right");
    case TableChange::Paste:
        return tr("Paste");
    case TableChange::Load:
        return tr("Load");
    case TableChange::Get:
        return tr("Get");
    case TableChange::SetColour:
        return tr("Set Colour");
    case TableChange::FillSteps:
        return tr("Fill Steps");
    }
    return {};
}

void TableCommand::setFileName(const QString &fileName)
{
    changesFile = true;
    fileBefore = document ? document->fileName(kind) : QString();
    fileAfter = fileName;
    // The same table from another file still changes which file Save writes.
    if (fileAfter != fileBefore)
        setObsolete(false);
}

void TableCommand::redo()
{
    if (!document)
        return;
    document->setTable(kind, after);
    if (changesFile)
        document->setFileName(kind, fileAfter);
    if (pushed)
        document->requestShowRecord(kind, firstChanged);
    pushed = true;
}

void TableCommand::undo()
{
    if (!document)
        return;
    document->setTable(kind, before);
    if (changesFile)
        document->setFileName(kind, fileBefore);
    document->requestShowRecord(kind, firstChanged);
}
