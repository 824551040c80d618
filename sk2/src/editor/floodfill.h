#pragma once

#include <QImage>
#include <QPoint>

namespace sk2 {

// Recolours the area of one colour that contains the seed: every pixel of colour `from` reachable from
// the seed through its four neighbours becomes `to`. Nothing changes when the seed lies outside the
// picture or has another colour. Only the red, green and blue of a pixel count. The picture is turned
// into 32-bit RGB first when it is not in that form already.
void FloodFill(QImage &picture, QPoint seed, QRgb from, QRgb to);

} // namespace sk2
