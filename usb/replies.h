#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// What the driver sends back, read without trusting it: every length is bounded
// by what actually arrived. Kept apart from the transport so that these readers
// can be tested and fuzzed without a device.
namespace Replies {

// The identification word of request 255: two bytes, little-endian. Nothing
// when any other count arrived.
[[nodiscard]] std::optional<quint16> identificationWord(const uchar *reply, int received);

// The serial-number string of a string descriptor: from byte 2 on, the low
// byte of each UTF-16LE unit up to the first zero unit. The descriptor's own
// length byte is the device's claim and never reaches past `received`.
[[nodiscard]] QByteArray serialFromDescriptor(const uchar *descriptor, int received);

} // namespace Replies
