#include "core/streamread.h"

#include <QDataStream>
#include <QIODevice>
#include <QString>
#include <QtEndian>

namespace StreamRead {

std::optional<quint32> peekLength(QIODevice &device)
{
    char prefix[4];
    if (device.peek(prefix, 4) != 4)
        return std::nullopt;
    return qFromBigEndian<quint32>(prefix);
}

TextResult readText(QDataStream &stream, QString &text, quint32 &claimed, quint32 maxBytes)
{
    const std::optional<quint32> bytes = peekLength(*stream.device());
    if (!bytes)
        return TextResult::NoLength;
    claimed = *bytes;
    if (*bytes != NullLength && (*bytes > maxBytes || *bytes % 2 != 0))
        return TextResult::WrongLength;
    QString read;
    stream >> read;
    if (stream.status() != QDataStream::Ok)
        return TextResult::CutShort;
    text = read;
    return TextResult::Ok;
}

} // namespace StreamRead
