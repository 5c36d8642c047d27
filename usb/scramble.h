#pragma once

#include <QtGlobal>

#include <array>

// The driver keeps what it stores in its memories scrambled word by word: each
// little-endian 32-bit word i of a buffer is combined with key word i mod 32.
// The key index starts at 0 at the buffer's first word on every call, so data
// scrambled as one buffer must be unscrambled from the same first word (or in
// pieces whose lengths are multiples of 128 bytes). Only whole words are
// converted; up to three trailing bytes stay as they are.
//
// The key table is shared with the driver's firmware: changing one value makes
// every transfer and every upgrade file unreadable to the driver.
// clang-format off
inline constexpr std::array<quint32, 32> ScrambleKey = {
    0x06BE7099, 0xAC51675E, 0xC807CD78, 0x5D4FB5E2,
    0x45C9883B, 0x67168B10, 0x1878BE4B, 0xC39170F3,
    0xA9E7371B, 0xAD8A2011, 0xA808859D, 0x1D3F5B3C,
    0x07BC7CDD, 0x8599F573, 0x535470AA, 0x7C2E8E27,
    0xFF92349D, 0xA67B469D, 0x04B8DF6D, 0xC3A85C80,
    0xC66C0F36, 0x9FC278E5, 0x20A35A1E, 0x8BFE5716,
    0x54CEEC04, 0xFB299284, 0x6E732E81, 0x44A864E2,
    0x1FAFBE75, 0xE41C934A, 0xEB34F578, 0x5609785D,
};
// clang-format on

// Plain to scrambled, in place: w = (w ^ k) + k. Always returns 0.
int encodeWords(void *buffer, qint32 length);

// Scrambled to plain, in place: w = (w - k) ^ k. Always returns 0.
int decodeWords(void *buffer, qint32 length);
