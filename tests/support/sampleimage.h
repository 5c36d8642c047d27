#pragma once

#include "firmware/upgradefile.h"

#include <QByteArray>
#include <QRandomGenerator>

// A plain upgrade image for tests: random application and external-flash
// areas (the same for the same seed) with their check words stored, zero
// everywhere else. Tests that use it link lc420_firmware.
inline QByteArray sampleUpgradeImage(quint32 seed)
{
    QByteArray image(Upgrade::ImageSize, '\0');
    QRandomGenerator random(seed);
    for (int i = Upgrade::AppOffset; i < Upgrade::ExtOffset + Upgrade::ExtLength; ++i)
        image[i] = char(random.bounded(256));
    Upgrade::storeCheckWords(image);
    return image;
}
