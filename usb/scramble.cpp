#include "usb/scramble.h"

#include "core/trace.h"

#include <QtEndian>

namespace {

template<typename Convert> void convertWord(uchar *at, quint32 key, Convert convert)
{
    qToLittleEndian<quint32>(convert(qFromLittleEndian<quint32>(at), key), at);
}

template<typename Convert> uchar *convertWords(void *buffer, qint32 length, Convert convert)
{
    auto *bytes = static_cast<uchar *>(buffer);
    const qsizetype words = length > 0 ? length / 4 : 0;
    constexpr qsizetype KeyWords = qsizetype(ScrambleKey.size());
    qsizetype i = 0;
    // Whole rounds of the key first: with the key index equal to the inner
    // loop's index the compiler turns each round into vector operations, which
    // keeps a 1 MiB buffer at a good share of memcpy's speed.
    for (; i + KeyWords <= words; i += KeyWords) {
        uchar *round = bytes + 4 * i;
        for (qsizetype k = 0; k < KeyWords; ++k)
            convertWord(round + 4 * k, ScrambleKey[size_t(k)], convert);
    }
    for (qsizetype k = 0; i < words; ++i, ++k)
        convertWord(bytes + 4 * i, ScrambleKey[size_t(k)], convert);
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
