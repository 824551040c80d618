#pragma once

// The few drawing operations that the table and the picture need, on the core's off-screen bitmaps.
#include <QImage>
#include <QRect>

struct MemBitmap;

namespace tesselo {

// The table's background: the window colour of a fresh device context.
constexpr QRgb BackgroundColour = 0xFFFFFFFF;

enum class Rop {
    Copy,  // the source replaces the destination
    And,   // the source ANDed in: a mask's black clears, its white keeps
    Paint, // the source ORed in: a picture fills what a mask cleared
};

// A new bitmap of `size`, colour or monochrome, carrying `model`'s header when one is given. `name` and
// `routine` name it in the message shown when memory runs out; then the result is null.
MemBitmap *MakeBitmap(const MemBitmap *model, QSize size, bool monochrome, const char *name,
                      const char *routine);

// Releases a bitmap with its pixels and empties the pointer; a null pointer is left alone.
void FreeBitmap(MemBitmap *&bitmap);

QSize SizeOf(const MemBitmap *bitmap);

// Fills `area` (clipped to the bitmap) with one colour; white and black also suit monochrome bitmaps.
void Fill(MemBitmap *bitmap, const QRect &area, QRgb colour);

// Transfers the `from` rectangle of `source` to `at` in `dest`, clipped to both bitmaps.
void Transfer(MemBitmap *dest, QPoint at, const MemBitmap *source, const QRect &from, Rop rop);

// Whether a monochrome bitmap's pixel is black; pixels outside the bitmap count as white.
bool IsBlack(const MemBitmap *mono, int x, int y);

// The pixels of a colour bitmap, to be painted on the screen.
const QImage &PixelsOf(const MemBitmap *colour);

} // namespace tesselo
