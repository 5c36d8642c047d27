#pragma once

#include <QPixmap>
#include <QString>

namespace StylePixmaps {

// The image at a resource path as a pixmap, served from QPixmapCache under the
// path as key. On a miss the image is decoded and converted with ordered
// dithering for colour and alpha; a null result (a missing or unreadable
// image) is returned but never cached, so a later call tries again.
[[nodiscard]] QPixmap load(const QString &path);

// How many times an image has been decoded in this process: painting must
// not decode the same image twice.
[[nodiscard]] int decodeCount();

} // namespace StylePixmaps
