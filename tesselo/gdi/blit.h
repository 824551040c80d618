#pragma once

// Block transfers and rectangle fills. A transfer is clipped to both bitmaps: what lies outside the
// source or the destination is left alone. Between colour and monochrome, white is all bits set and
// black none: on a monochrome destination a colour source's white pixels count as white, all others as
// black.
#include "wintypes.h"

namespace gdi {

class Bitmap;
class Dc;

// False when either device context has no bitmap selected.
bool BitBlt(Dc *dest, int x, int y, int width, int height, const Dc *source, int sourceX, int sourceY,
            Rop rop);
// The same on bitmaps directly.
void Blit(Bitmap &dest, int x, int y, int width, int height, const Bitmap &source, int sourceX, int sourceY,
          Rop rop);

// Fills `rect` (clipped to the bitmap) with `colour`.
void FillRect(Dc *dc, const Rect &rect, Colour colour);
void Fill(Bitmap &bitmap, const Rect &rect, Colour colour);

// The colour of one pixel; white outside the bitmap or without one.
Colour GetPixel(const Dc *dc, int x, int y);

} // namespace gdi
