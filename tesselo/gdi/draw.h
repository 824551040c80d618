#pragma once

// Outlines and fills with the device context's pen and brush. Every outline pixel is worked out in
// integers relative to the curve's own start, so a shape moved by whole pixels is drawn with exactly the
// same pixels moved, on every run and machine.
#include "wintypes.h"

namespace gdi {

class Dc;

// Straight line from the current position to (x, y), both ends drawn; (x, y) becomes the position.
void MoveToEx(Dc *dc, int x, int y);
void LineTo(Dc *dc, int x, int y);

// A start point and `(count - 1) / 3` cubic Bezier segments of three points each, in the pen's colour.
// False when `count` is not 1 + 3k.
bool PolyBezier(Dc *dc, const Point *points, int count);

// Fills the 4-connected area around (x, y) that is bounded by `border` with the brush. False when the
// seed lies outside the bitmap or on the border colour.
bool ExtFloodFill(Dc *dc, int x, int y, Colour border, FloodFillType type);

} // namespace gdi
