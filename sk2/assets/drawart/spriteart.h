#pragma once

// Helpers for sprites: drawing with antialiasing at a multiple of the final size, and turning the
// result into a sprite whose transparent pixels are palette index 0.

#include "gamepalette.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>

namespace sk2art {

// Paints at `factor` times width x height (the painter is scaled, so paint in final pixels) and
// averages back down: a premultiplied ARGB picture whose alpha is each pixel's coverage.
QImage Supersampled(int width, int height, int factor, const std::function<void(QPainter &)> &paint);

// The bounds of the pixels a sprite made from `coverage` would show.
QRect OpaqueBounds(const QImage &coverage);

// A sprite from the part `box` of a coverage picture (box may reach past it: that is transparent). A
// pixel at least half covered is shown, its partly covered edge blended toward the road it will drive
// on; the rest is transparent, palette index 0.
IndexedArt ToSprite(const QImage &coverage, const QRect &box);

} // namespace sk2art
