#pragma once

#include "usb/drivermap.h"
#include "usb/usbdevice.h"

// The Lc420 driver's vendor requests as commands on whole buffers. Every
// command connects by itself when the device is closed; all return 0 for
// success and -1 for failure unless stated.
//
// Addresses are 32-bit and travel in the setup packet: wValue = bits 0..15,
// wIndex = bits 16..31. Multi-byte values on the wire are little-endian.
class USBLC350 : public UsbDevice
{
    Q_OBJECT

public:
    static constexpr quint16 VendorId = Driver::VendorId;
    static constexpr quint16 ProductId = Driver::ProductId;
    static constexpr quint16 USB_LC510_ID = Driver::IdentificationWord;

    // Largest data stage of each request the driver accepts.
    static constexpr quint32 MemoryReadChunk = Driver::MemoryReadChunk;
    static constexpr quint32 PageSize = Driver::PageSize;
    static constexpr quint32 ExternalReadChunk = Driver::ExternalReadChunk;
    static constexpr quint32 ExternalWriteChunk = Driver::ExternalWriteChunk;
    // Failed external-flash chunks repeated per call before giving up.
    static constexpr int ExternalRetries = 100;

    USBLC350();

    // Reads controller memory; the driver sends it scrambled and each chunk is
    // unscrambled on its own. Gives up on the first short or failed chunk (the
    // buffer then holds what was read so far).
    int ReadMemoryFromAddress(void *buffer, quint32 address, quint32 length);

    // Scrambles the 1024-byte page IN PLACE and sends it: the caller's buffer
    // holds the scrambled bytes afterwards. 0 only if all 1024 bytes went out.
    int WritePageToAddress(void *buffer, quint32 address);

    // External flash, bytes moved exactly as stored (scrambling is the caller's
    // business). Emit their progress signal (1..100, last always 100) after
    // each completed chunk; a failed chunk is repeated, up to 100 times in all
    // per call.
    int ReadExternalFlashFromAddress(void *buffer, quint32 address, quint32 length);
    int WriteExternalFlashToAddress(const void *buffer, quint32 address, quint32 length);

    // Tells the application to reset into the bootloader, or the bootloader to
    // start the application. The result is not looked at: the driver may drop
    // off the bus as it answers.
    void RunApplication();

    int StatusGet(quint32 &status);
    int StatusSet(quint32 value);
    int StatusClr(quint32 value);

    // The handshake around show-data transfers: connects, then makes sure status
    // bit 0 reads back set, with at most 11 status reads.
    int StatusSetAndWait();
    int StatusRelease();

Q_SIGNALS:
    void sendPercentExtFlashWrite(int percent);
    void sendPercentExtFlashRead(int percent);

private:
    template<typename Transfer, typename Signal>
    int externalFlashTransfer(quint32 address, quint32 length, quint32 chunk, Transfer transfer,
                              Signal progress);
};
