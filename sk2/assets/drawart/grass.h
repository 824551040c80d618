#pragma once

// The grass, pond and bushes shared by the race tiles: functions of a point on a tile, so each tile
// is shaded by sampling them several times per pixel.

#include "tilelayout.h"

#include <QColor>
#include <optional>

namespace sk2art {

// Mown grass with light and dark stripes and a fine grain; seamless across neighbouring tiles.
QColor GrassAt(const TileLayout &layout, double x, double y);

// The pond of the grass-with-pond tile: water, lily pads and the muddy rim, or nothing outside it.
std::optional<QColor> PondAt(const TileLayout &layout, double x, double y);

// The bushes and flowers of the plain grass tile over the given grass colour.
QColor GardenAt(const TileLayout &layout, double x, double y, const QColor &grass);

} // namespace sk2art
