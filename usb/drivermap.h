#pragma once

#include <QtGlobal>

// What the host knows of the Lc420 driver: its USB identity, its vendor
// requests, the controller's memory map, the external flash's layout and the
// largest data stage of each request. Every other file takes these facts from
// here. The simulated driver keeps its own copy on purpose, as an independent
// oracle; a test checks that the two agree.
namespace Driver {

// USB identity, and the word the identification request returns.
inline constexpr quint16 VendorId = 0x16C0;
inline constexpr quint16 ProductId = 0x078A;
inline constexpr quint16 IdentificationWord = 0x00B2;
inline constexpr quint8 IdentifyRequest = 255;
// The string descriptor that holds the serial ("261107001", or "261107001b"
// in the bootloader).
inline constexpr quint8 SerialStringIndex = 3;

// Vendor requests. Addresses travel in the setup packet: wValue = bits 0..15,
// wIndex = bits 16..31.
enum Request : quint8 {
    ReadMemory = 1,
    WriteTestBlock = 2,
    WritePage = 3,
    RunApplication = 4, // in the application: reset into the bootloader
    ReadExternal = 5,
    WriteExternal = 6,
    SetStatus = 7,
    ClearStatus = 8,
    GetStatus = 9,
};

// Largest data stage of each request.
inline constexpr int MemoryReadChunk = 2048;
inline constexpr int TestBlockSize = 512;
inline constexpr int ExternalReadChunk = 512;
inline constexpr int ExternalWriteChunk = 256;

// The controller's internal flash: the write-protected bootloader, then the
// application in pages; the application's check word is its last word.
inline constexpr quint32 FlashBase = 0x08000000;
inline constexpr int FlashSize = 0x20000; // 128 KiB
inline constexpr int BootloaderSize = 0x4000;
inline constexpr quint32 ApplicationBase = FlashBase + BootloaderSize;
inline constexpr int PageSize = 1024;
// In the bootloader area: two 16-byte version texts, then the nine-digit serial.
inline constexpr quint32 VersionTextsAddress = 0x08003FD0;
inline constexpr int VersionTextLength = 16;
inline constexpr quint32 SerialAddress = 0x08003FF0;
// The application's check word, its last word: the sum of the area's other
// words. The bootloader starts the application only when it is right.
inline constexpr quint32 ApplicationCheckWordAddress = FlashBase + FlashSize - 4; // 0x0801FFFC
inline constexpr quint32 RamBase = 0x20000000;
inline constexpr int RamSize = 0x5000; // 20 KiB

// The external flash, stored as given: the firmware's block first, then the
// programs and the scenes, each table as one block scrambled from key index 0.
inline constexpr int ExternalFlashSize = 0x100000; // 1 MiB
// The firmware's block at the bottom, scrambled as one block; its last word is
// its check word, the sum of the block's other words.
inline constexpr int ExternalFirmwareSize = 0x14000;
inline constexpr quint32 ExternalCheckWordAddress = ExternalFirmwareSize - 4; // 0x13FFC
inline constexpr quint32 ProgramTableAddress = 0x14000;
inline constexpr quint32 SceneTableAddress = 0x15E00;

// Bit 0 of the status word: the lock the host holds while it moves show data.
inline constexpr quint32 StatusBit = 1;

} // namespace Driver
