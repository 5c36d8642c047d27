// Draws the application icon for the desktop's icon theme: the three lamp
// circles of the about box's logo on a dark rounded tile, their overlaps
// mixed as light adds up. Writes OUTPUT_FOLDER/lc420-SIZE.png for each size
// given (in pixels; the icon is square).

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

QImage drawIcon(int size)
{
    // Drawn on a 44-unit grid, the logo's own, and scaled to the size.
    const qreal scale = size / 44.0;

    QImage lamps(size, size, QImage::Format_ARGB32_Premultiplied);
    lamps.fill(Qt::transparent);
    {
        QPainter painter(&lamps);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        painter.setPen(Qt::NoPen);
        painter.setCompositionMode(QPainter::CompositionMode_Plus);
        const std::pair<QPointF, QColor> circles[] = {
            {{16, 15}, QColor(0xe0, 0x20, 0x20)},
            {{28, 15}, QColor(0x20, 0xc0, 0x20)},
            {{22, 27}, QColor(0x20, 0x40, 0xe0)},
        };
        for (const auto &[centre, colour] : circles) {
            painter.setBrush(colour);
            painter.drawEllipse(centre, 12, 12);
        }
    }

    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x38, 0x48));
    painter.drawRoundedRect(QRectF(0, 0, size, size), 8 * scale, 8 * scale);
    painter.drawImage(0, 0, lamps);
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QByteArray(argv[i]).toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
            return 2;
        }
        const QString path = folder.filePath(QStringLiteral("lc420-%1.png").arg(size));
        if (!drawIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
