#pragma once

// Memory device contexts: a selected bitmap, a one-pixel pen, a solid brush, a palette and a current
// position, as the drawing calls use them.
#include "wintypes.h"

namespace gdi {

class Bitmap;
struct Palette;

class Dc
{
public:
    // Each returns what was selected before, so that it can be selected back.
    Bitmap *SelectBitmap(Bitmap *bitmap);
    Colour SelectPen(Colour pen);
    Colour SelectBrush(Colour brush);
    const Palette *SelectPalette(const Palette *palette);

    Bitmap *bitmap() const { return m_bitmap; }
    Colour pen() const { return m_pen; }
    Colour brush() const { return m_brush; }
    const Palette *palette() const { return m_palette; }

    Point position() const { return m_position; }
    void setPosition(Point at) { m_position = at; }

private:
    Bitmap *m_bitmap = nullptr;
    Colour m_pen = Black;   // the default pen: solid, black, one pixel
    Colour m_brush = White; // the default brush
    const Palette *m_palette = nullptr;
    Point m_position{0, 0};
};

// A memory device context with nothing selected; null when memory runs short.
Dc *CreateCompatibleDC();
void DeleteDC(Dc *dc);

} // namespace gdi
