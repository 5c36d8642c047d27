#include "usb/replies.h"

namespace Replies {

std::optional<quint16> identificationWord(const uchar *reply, int received)
{
    if (!reply || received != 2)
        return std::nullopt;
    return quint16(reply[0] | (reply[1] << 8));
}

QByteArray serialFromDescriptor(const uchar *descriptor, int received)
{
    QByteArray serial;
    if (!descriptor || received < 2)
        return serial;
    const int end = qMin(received, int(descriptor[0]));
    for (int i = 2; i + 1 < end; i += 2) {
        const int unit = descriptor[i] | (descriptor[i + 1] << 8);
        if (unit == 0)
            break;
        serial.append(char(unit & 0xFF));
    }
    return serial;
}

} // namespace Replies
