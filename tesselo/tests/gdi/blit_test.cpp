// Block transfers between colour and monochrome bitmaps, and how they clip.
#include "bitmap.h"
#include "blit.h"
#include "dc.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace gdi;

namespace {

constexpr Colour W = White;
constexpr Colour B = Black;

struct BitmapDeleter
{
    void operator()(Bitmap *bitmap) const { DeleteBitmap(bitmap); }
};
using BitmapPtr = std::unique_ptr<Bitmap, BitmapDeleter>;

BitmapPtr Row(Format format, const std::vector<Colour> &pixels)
{
    BitmapPtr bitmap(CreateBitmap(int(pixels.size()), 1, format));
    for (int x = 0; x < int(pixels.size()); ++x)
        bitmap->setPixel(x, 0, pixels[std::size_t(x)]);
    return bitmap;
}

std::vector<Colour> PixelsOf(const Bitmap &bitmap)
{
    std::vector<Colour> out;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            out.push_back(bitmap.pixel(x, y));
    }
    return out;
}

TEST(Blit, RasterOperationsBetweenEveryKindOfBitmap)
{
    const std::vector<Colour> colourDest = {0xFF00FF00, 0xFF00FF00, 0xFFABCDEF, W};
    const std::vector<Colour> colourSource = {W, B, 0xFF123456, 0xFFF0F0F0};
    const std::vector<Colour> monoDest = {W, W, B, B};
    const std::vector<Colour> monoSource = {W, B, W, B};
    struct Case
    {
        const char *what;
        Format dest;
        Format source;
        Rop rop;
        std::vector<Colour> expected;
    };
    const Case cases[] = {
        {"colour copy", Format::Colour, Format::Colour, SRCCOPY, colourSource},
        {"colour and", Format::Colour, Format::Colour, SRCAND, {0xFF00FF00, B, 0xFF020446, 0xFFF0F0F0}},
        {"colour or", Format::Colour, Format::Colour, SRCPAINT, {W, 0xFF00FF00, 0xFFBBFDFF, W}},
        {"colour not", Format::Colour, Format::Colour, NOTSRCCOPY, {B, W, 0xFFEDCBA9, 0xFF0F0F0F}},
        {"mono onto colour", Format::Colour, Format::Mono, SRCCOPY, {W, B, W, B}},
        {"mask anded onto colour", Format::Colour, Format::Mono, SRCAND, {0xFF00FF00, B, 0xFFABCDEF, B}},
        {"mono ored onto colour", Format::Colour, Format::Mono, SRCPAINT, {W, 0xFF00FF00, W, W}},
        {"mono inverted onto colour", Format::Colour, Format::Mono, NOTSRCCOPY, {B, W, B, W}},
        {"mono copy", Format::Mono, Format::Mono, SRCCOPY, monoSource},
        {"mono and", Format::Mono, Format::Mono, SRCAND, {W, B, B, B}},
        {"mono or", Format::Mono, Format::Mono, SRCPAINT, {W, W, W, B}},
        {"mono not", Format::Mono, Format::Mono, NOTSRCCOPY, {B, W, B, W}},
        {"colour onto mono: only white is white", Format::Mono, Format::Colour, SRCCOPY, {W, B, B, B}},
        {"colour anded onto mono", Format::Mono, Format::Colour, SRCAND, {W, B, B, B}},
        {"colour ored onto mono", Format::Mono, Format::Colour, SRCPAINT, {W, W, B, B}},
        {"colour inverted onto mono", Format::Mono, Format::Colour, NOTSRCCOPY, {B, W, W, W}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        BitmapPtr dest = Row(c.dest, c.dest == Format::Mono ? monoDest : colourDest);
        BitmapPtr source = Row(c.source, c.source == Format::Mono ? monoSource : colourSource);
        Blit(*dest, 0, 0, 4, 1, *source, 0, 0, c.rop);
        EXPECT_EQ(PixelsOf(*dest), c.expected);
    }
}

TEST(Blit, TouchesOnlyWhatLiesInsideBothBitmaps)
{
    // A 5 x 4 source whose every pixel is different, onto a 6 x 5 grey destination.
    BitmapPtr source(CreateBitmap(5, 4, Format::Colour));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x)
            source->setPixel(x, y, 0xFF000000 | Colour(0x100 * (y + 1) + x + 1));
    }
    struct Case
    {
        int x, y, width, height, sourceX, sourceY;
    };
    const Case cases[] = {{1, 1, 3, 2, 0, 0},    {-2, -1, 5, 4, 0, 0}, {4, 3, 5, 4, 0, 0},
                          {0, 0, 6, 5, -2, -1},  {2, 2, 9, 9, 3, 2},   {0, 0, 0, 3, 0, 0},
                          {-100, 0, 3, 3, 0, 0}, {0, 0, 2, 2, 9, 9}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " " << c.width << "x" << c.height << " from "
                                        << c.sourceX << "," << c.sourceY);
        BitmapPtr dest(CreateBitmap(6, 5, Format::Colour));
        Fill(*dest, {0, 0, 6, 5}, 0xFF808080);
        Blit(*dest, c.x, c.y, c.width, c.height, *source, c.sourceX, c.sourceY, SRCCOPY);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 6; ++x) {
                const int sx = c.sourceX + x - c.x;
                const int sy = c.sourceY + y - c.y;
                const bool inside = x >= c.x && x < c.x + c.width && y >= c.y && y < c.y + c.height &&
                                    sx >= 0 && sy >= 0 && sx < 5 && sy < 4;
                EXPECT_EQ(dest->pixel(x, y), inside ? source->pixel(sx, sy) : 0xFF808080) << x << "," << y;
            }
        }
    }
}

TEST(Blit, DeviceContextsNeedABitmap)
{
    Dc dest;
    Dc source;
    EXPECT_FALSE(BitBlt(&dest, 0, 0, 1, 1, &source, 0, 0, SRCCOPY));
    BitmapPtr a(CreateBitmap(2, 2, Format::Mono));
    BitmapPtr b(CreateBitmap(2, 2, Format::Colour));
    Fill(*b, {0, 0, 2, 2}, White);
    dest.SelectBitmap(a.get());
    EXPECT_FALSE(BitBlt(&dest, 0, 0, 1, 1, &source, 0, 0, SRCCOPY));
    EXPECT_EQ(source.SelectBitmap(b.get()), nullptr);
    EXPECT_TRUE(BitBlt(&dest, 0, 0, 2, 2, &source, 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(&dest, 1, 1), White);
    EXPECT_EQ(GetPixel(&dest, 5, 5), White) << "outside counts as white";
}

TEST(Fill, IsClippedToTheBitmap)
{
    BitmapPtr mono(CreateBitmap(4, 3, Format::Mono));
    Fill(*mono, {-5, 1, 2, 100}, White);
    EXPECT_EQ(PixelsOf(*mono), (std::vector<Colour>{B, B, B, B, W, W, B, B, W, W, B, B}));
    Fill(*mono, {3, 0, 1, 3}, White); // right before left: nothing
    EXPECT_EQ(mono->pixel(3, 0), B);
    EXPECT_EQ(CreateBitmap(0, 5, Format::Mono), nullptr);
}

} // namespace
