#include "bitmaps.h"

#include "blit.h"
#include "membitmap.h"

namespace tesselo {

namespace {

gdi::Rect ToRect(const QRect &r)
{
    return gdi::Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

gdi::Rop ToRop(Rop rop)
{
    switch (rop) {
    case Rop::And:
        return gdi::SRCAND;
    case Rop::Paint:
        return gdi::SRCPAINT;
    case Rop::Copy:
        break;
    }
    return gdi::SRCCOPY;
}

} // namespace

MemBitmap *MakeBitmap(const MemBitmap *model, QSize size, bool monochrome, const char *name,
                      const char *routine)
{
    return NewMemBitmap(model, size.width(), size.height(),
                        monochrome ? gdi::Format::Mono : gdi::Format::Colour, name, routine);
}

void FreeBitmap(MemBitmap *&bitmap)
{
    FreeMemBitmap(bitmap);
}

QSize SizeOf(const MemBitmap *bitmap)
{
    return bitmap && bitmap->bitmap ? QSize(bitmap->bitmap->width(), bitmap->bitmap->height()) : QSize();
}

void Fill(MemBitmap *bitmap, const QRect &area, QRgb colour)
{
    if (bitmap && bitmap->bitmap && !area.isEmpty())
        gdi::Fill(*bitmap->bitmap, ToRect(area), colour);
}

void Transfer(MemBitmap *dest, QPoint at, const MemBitmap *source, const QRect &from, Rop rop)
{
    if (!dest || !dest->bitmap || !source || !source->bitmap || from.isEmpty())
        return;
    gdi::Blit(*dest->bitmap, at.x(), at.y(), from.width(), from.height(), *source->bitmap, from.x(), from.y(),
              ToRop(rop));
}

bool IsBlack(const MemBitmap *mono, int x, int y)
{
    if (!mono || !mono->bitmap)
        return false;
    const QImage &pixels = mono->bitmap->image();
    return pixels.rect().contains(x, y) && pixels.constScanLine(y)[x] == 0;
}

const QImage &PixelsOf(const MemBitmap *colour)
{
    static const QImage none;
    return colour && colour->bitmap ? colour->bitmap->image() : none;
}

} // namespace tesselo
