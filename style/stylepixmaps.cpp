#include "style/stylepixmaps.h"

#include <QImage>
#include <QPixmapCache>

namespace StylePixmaps {

namespace {
int decodes = 0; // the style paints on the GUI thread only
}

QPixmap load(const QString &path)
{
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    ++decodes;
    const QImage image(path);
    pixmap = QPixmap::fromImage(image, Qt::OrderedDither | Qt::OrderedAlphaDither);
    if (!pixmap.isNull())
        QPixmapCache::insert(path, pixmap);
    return pixmap;
}

int decodeCount()
{
    return decodes;
}

} // namespace StylePixmaps
