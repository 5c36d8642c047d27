#include "show/showtransfer.h"

#include "usb/scramble.h"
#include "usb/usblc350.h"

namespace Show {

TransferResult readTable(USBLC350 &device, Kind kind, QByteArray &table)
{
    TransferResult result;
    if (device.StatusSetAndWait() != 0) {
        result.error = TransferResult::Error::Handshake;
        return result;
    }
    const int length = tableSize(kind);
    QByteArray buffer(length, '\0');
    if (device.ReadExternalFlashFromAddress(buffer.data(), flashAddress(kind), quint32(length))
        == 0) {
        decodeWords(buffer.data(), length);
        table = buffer;
    } else {
        result.error = TransferResult::Error::Read;
    }
    result.released = device.StatusRelease() == 0;
    return result;
}

TransferResult writeTable(USBLC350 &device, Kind kind, const QByteArray &table,
                          const std::function<void()> &afterHandshake)
{
    TransferResult result;
    if (device.StatusSetAndWait() != 0) {
        result.error = TransferResult::Error::Handshake;
        return result;
    }
    if (afterHandshake)
        afterHandshake();
    const int length = tableSize(kind);
    // A table of the wrong size is refused rather than sent short or read
    // past its end; the lock is still released.
    if (table.size() != length) {
        result.error = TransferResult::Error::Write;
    } else {
        QByteArray buffer = table;
        encodeWords(buffer.data(), length);
        if (device.WriteExternalFlashToAddress(buffer.constData(), flashAddress(kind),
                                               quint32(length))
            != 0)
            result.error = TransferResult::Error::Write;
    }
    result.released = device.StatusRelease() == 0;
    return result;
}

} // namespace Show
