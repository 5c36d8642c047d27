#pragma once

#include "tests/support/files.h"

#include <QByteArray>
#include <QString>

// Intel HEX lines for tests, with correct checksums unless a test breaks them.
namespace HexRecords {

inline QByteArray record(int type, quint16 address, const QByteArray &data)
{
    quint32 sum = quint32(data.size()) + (address >> 8) + (address & 0xFF) + quint32(type);
    QByteArray line = ":" + QByteArray::number(data.size(), 16).rightJustified(2, '0')
                      + QByteArray::number(address, 16).rightJustified(4, '0')
                      + QByteArray::number(type, 16).rightJustified(2, '0');
    for (char c : data) {
        sum += uchar(c);
        line += QByteArray::number(uchar(c), 16).rightJustified(2, '0');
    }
    line += QByteArray::number((0x100 - (sum & 0xFF)) & 0xFF, 16).rightJustified(2, '0');
    return line.toUpper() + '\n';
}

inline QByteArray data(quint16 address, const QByteArray &bytes)
{
    return record(0x00, address, bytes);
}

inline QByteArray upper(quint16 value)
{
    return record(0x04, 0,
                  QByteArray::fromHex(QByteArray::number(value, 16).rightJustified(4, '0')));
}

inline QByteArray end()
{
    return ":00000001FF\n";
}

// Bytes 0, 1, 2, ... (mod 256) plus an offset, so every position is recognisable.
inline QByteArray counting(int length, int offset = 0)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char((i + offset) & 0xFF);
    return bytes;
}

using TestFiles::readFile;
using TestFiles::writeFile;

} // namespace HexRecords
