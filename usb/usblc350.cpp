#include "usb/usblc350.h"

#include "core/trace.h"
#include "usb/scramble.h"

#include <QtEndian>

namespace {

constexpr int StatusReads = 11;

// Status values travel as one little-endian word, never scrambled.
int sendStatusWord(UsbDevice &device, quint8 request, quint32 value)
{
    uchar word[4];
    qToLittleEndian(value, word);
    return device.control_send(request, 0, 0, word, sizeof word) == int(sizeof word) ? 0 : -1;
}

quint16 low(quint32 address)
{
    return quint16(address & 0xFFFF);
}

quint16 high(quint32 address)
{
    return quint16(address >> 16);
}

} // namespace

USBLC350::USBLC350()
{
    setUsbIds(VendorId, ProductId);
    setExpectedId(USB_LC510_ID);
    LC420_TRACE() << "USBLC350 constructor";
}

int USBLC350::ReadMemoryFromAddress(void *buffer, quint32 address, quint32 length)
{
    auto *at = static_cast<uchar *>(buffer);
    while (length > 0) {
        const quint32 n = qMin(length, MemoryReadChunk);
        if (control_receive(Driver::ReadMemory, low(address), high(address), at, int(n)) != int(n))
            return -1;
        decodeWords(at, qint32(n));
        at += n;
        address += n;
        length -= n;
    }
    return 0;
}

int USBLC350::WritePageToAddress(void *buffer, quint32 address)
{
    encodeWords(buffer, PageSize);
    const int sent = control_send(Driver::WritePage, low(address), high(address), buffer, PageSize);
    return sent == int(PageSize) ? 0 : -1;
}

template<typename Transfer, typename Signal>
int USBLC350::externalFlashTransfer(quint32 address, quint32 length, quint32 chunk,
                                    Transfer transfer, Signal progress)
{
    const quint32 total = length;
    quint32 remaining = length;
    quint32 offset = 0;
    int retries = ExternalRetries;
    while (remaining > 0) {
        const quint32 n = qMin(remaining, chunk);
        if (transfer(offset, address + offset, n) == int(n)) {
            offset += n;
            remaining -= n;
            // 64-bit so that no length a caller can pass overflows. A completed
            // chunk is never reported as 0 %, even early in a long transfer.
            const int percent = int(quint64(total - remaining) * 100 / total);
            Q_EMIT(this->*progress)(qMax(1, percent));
            continue;
        }
        if (retries == 0)
            return -1;
        --retries;
    }
    return 0;
}

int USBLC350::ReadExternalFlashFromAddress(void *buffer, quint32 address, quint32 length)
{
    auto *bytes = static_cast<uchar *>(buffer);
    return externalFlashTransfer(
        address, length, ExternalReadChunk,
        [&](quint32 offset, quint32 at, quint32 n) {
            return control_receive(Driver::ReadExternal, low(at), high(at), bytes + offset, int(n));
        },
        &USBLC350::sendPercentExtFlashRead);
}

int USBLC350::WriteExternalFlashToAddress(const void *buffer, quint32 address, quint32 length)
{
    const auto *bytes = static_cast<const uchar *>(buffer);
    return externalFlashTransfer(
        address, length, ExternalWriteChunk,
        [&](quint32 offset, quint32 at, quint32 n) {
            return control_send(Driver::WriteExternal, low(at), high(at), bytes + offset, int(n));
        },
        &USBLC350::sendPercentExtFlashWrite);
}

void USBLC350::RunApplication()
{
    LC420_TRACE() << "USBLC350::RunApplication(void)";
    control_send(Driver::RunApplication, 0, 0, nullptr, 0);
}

int USBLC350::StatusGet(quint32 &status)
{
    uchar word[4];
    if (control_receive(Driver::GetStatus, 0, 0, word, sizeof word) != int(sizeof word))
        return -1;
    status = qFromLittleEndian<quint32>(word);
    return 0;
}

int USBLC350::StatusSet(quint32 value)
{
    return sendStatusWord(*this, Driver::SetStatus, value);
}

int USBLC350::StatusClr(quint32 value)
{
    return sendStatusWord(*this, Driver::ClearStatus, value);
}

int USBLC350::StatusSetAndWait()
{
    if (connect() != 0)
        return -1;
    // A driver that never shows the bit set is one that does not answer as it
    // should.
    Connection::Result cause{Connection::Outcome::TimedOut, {}, {}, {}, 0};
    for (int attempt = 0; attempt < StatusReads; ++attempt) {
        quint32 status = 0;
        if (StatusGet(status) != 0) {
            cause = lastResult();
            if (connect() != 0)
                cause = lastResult();
            continue;
        }
        if (status & 1)
            return 0;
        StatusSet(1);
    }
    setLastResult(cause);
    return -1;
}

int USBLC350::StatusRelease()
{
    return StatusClr(1);
}
