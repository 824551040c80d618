#pragma once

#include <QImage>

namespace sk2 {

inline constexpr int TileImageCount = 9;

// The editor's picture of a tile by its image number 0..8: 53 x 50 pixels in 32-bit RGB, the road in
// pure black. Built into the program; a null picture only if the program was built without it.
QImage TilePicture(int imageNumber);

} // namespace sk2
