#include "usb/scramble.h"

#include "core/trace.h"

#include <QtEndian>

namespace {

template<typename Convert> uchar *convertWords(void *buffer, qint32 length, Convert convert)
{
    auto *bytes = static_cast<uchar *>(buffer);
    const qsizetype words = length > 0 ? length / 4 : 0;
    for (qsizetype i = 0; i < words; ++i) {
        uchar *at = bytes + 4 * i;
        const quint32 key = ScrambleKey[static_cast<size_t>(i) & 31];
        qToLittleEndian<quint32>(convert(qFromLittleEndian<quint32>(at), key), at);
    }
    return bytes + 4 * words;
}

QString address(const void *at)
{
    return QString::asprintf("0x%08llx",
                             static_cast<unsigned long long>(reinterpret_cast<quintptr>(at)));
}

} // namespace

int encodeWords(void *buffer, qint32 length)
{
    LC420_TRACE() << QStringLiteral("Encoding started @ ") + address(buffer);
    const uchar *end
        = convertWords(buffer, length, [](quint32 w, quint32 k) { return (w ^ k) + k; });
    LC420_TRACE() << QStringLiteral("Encoding end @ ") + address(end);
    return 0;
}

int decodeWords(void *buffer, qint32 length)
{
    convertWords(buffer, length, [](quint32 w, quint32 k) { return (w - k) ^ k; });
    return 0;
}
