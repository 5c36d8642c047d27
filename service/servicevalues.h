#pragma once

#include <QtGlobal>

// What the service dialogs propose next: the last values entered, kept for the
// life of the process. A language switch rebuilds the window, not these.
struct ServiceValues
{
    quint32 readAddress = 0x08000000;
    int readLength = 256;
    int fillPattern = 0;
    quint32 externalReadAddress = 0;
    int externalReadLength = 512;
    quint32 externalWriteAddress = 0;
    int externalWriteLength = 1;
    quint32 externalWriteData = 1;

    // The one set the window's service slots use.
    [[nodiscard]] static ServiceValues &remembered();
};
