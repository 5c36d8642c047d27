#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <utility>

// The widget style's images, drawn with QPainter from gradients and rounded
// shapes only (no fonts, no files), so every run on the same Qt gives the same
// pixels. The names are the resource file names the style loads.
[[nodiscard]] QList<std::pair<QString, QImage>> drawStyleImages();
