// What comes back from the driver: the identification reply, the serial-number
// string descriptor, and a memory read's bytes through decodeWords and hexDump.

#include "core/hexdump.h"
#include "fuzz/fuzzcheck.h"
#include "usb/replies.h"
#include "usb/scramble.h"

#include <QByteArray>
#include <QList>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const int received = int(qMin<size_t>(size, 256)); // the descriptor buffer's size

    const std::optional<quint16> word = Replies::identificationWord(data, received);
    FUZZ_CHECK(word.has_value() == (received == 2));

    const QByteArray serial = Replies::serialFromDescriptor(data, received);
    FUZZ_CHECK(serial.size() <= qMax(0, (received - 2) / 2));
    if (received > 0)
        FUZZ_CHECK(serial.size() <= qMax(0, (int(data[0]) - 2) / 2));

    // A memory read's bytes as the driver sent them.
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray original = bytes;
    decodeWords(bytes.data(), qint32(bytes.size()));
    QByteArray again = bytes;
    encodeWords(again.data(), qint32(again.size()));
    FUZZ_CHECK(again == original);
    // The 0 to 3 bytes after the last whole word are never touched.
    FUZZ_CHECK(bytes.right(bytes.size() % 4) == original.right(original.size() % 4));

    const QByteArray dump = hexDump(original.constData(), qint32(original.size()));
    const QList<QByteArray> rows = dump.split('\n');
    // An empty first piece, the header, then one row per 16 bytes or part of them.
    FUZZ_CHECK(rows.size() == 2 + (original.size() + 15) / 16);
    for (int row = 2; row < rows.size(); ++row)
        FUZZ_CHECK(rows[row].endsWith(" >"));
    return 0;
}
