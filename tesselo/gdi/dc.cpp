#include "dc.h"

#include <new>
#include <utility>

namespace gdi {

Bitmap *Dc::SelectBitmap(Bitmap *bitmap)
{
    return std::exchange(m_bitmap, bitmap);
}

Colour Dc::SelectPen(Colour pen)
{
    return std::exchange(m_pen, pen);
}

Colour Dc::SelectBrush(Colour brush)
{
    return std::exchange(m_brush, brush);
}

const Palette *Dc::SelectPalette(const Palette *palette)
{
    return std::exchange(m_palette, palette);
}

Dc *CreateCompatibleDC()
{
    return new (std::nothrow) Dc;
}

void DeleteDC(Dc *dc)
{
    delete dc;
}

} // namespace gdi
