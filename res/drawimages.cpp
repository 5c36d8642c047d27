// Writes the widget style's images into the folder given as the argument
// (res/images/ through the lc420_style_images target). The PNGs are committed;
// run this only to change the drawing, then commit the result.

#include "res/styleimages.h"

#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const auto &[name, image] : drawStyleImages()) {
        const QString path = folder.filePath(name);
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
