#pragma once

// The race's track tiles: asphalt in palette index 0 and nothing else in it, red and white kerbs,
// mown grass, the pond, and on the crossing a bridge carrying the west-east road over the north-south
// one, whose shadow bars are the underpass markers.

#include "gamepalette.h"
#include "tilelayout.h"

namespace sk2art {

// Tile `image` of a race tile set; the marker bars of the crossing take markerIndex.
IndexedArt DrawRaceTile(const TileLayout &layout, int image, int markerIndex);

} // namespace sk2art
