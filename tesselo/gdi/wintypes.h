#pragma once

// The plain records and constants of the drawing layer, laid out as the bitmap file format has them.
#include <QRgb>

#include <cstdint>

namespace gdi {

struct Point
{
    std::int32_t x;
    std::int32_t y;
};

// Left and top are inside, right and bottom just outside.
struct Rect
{
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

// A colour as 0xAARRGGBB; alpha is ignored. On a monochrome bitmap white is all bits set, black none.
using Colour = QRgb;
constexpr Colour Black = 0xFF000000;
constexpr Colour White = 0xFFFFFFFF;

// Raster operations of a block transfer.
enum Rop : std::uint32_t {
    SRCCOPY = 0x00CC0020,    // destination = source
    SRCAND = 0x008800C6,     // destination = destination AND source
    SRCPAINT = 0x00EE0086,   // destination = destination OR source
    NOTSRCCOPY = 0x00330008, // destination = NOT source
};

enum FloodFillType { FLOODFILLBORDER = 0 };

// The 14-byte header at the start of a bitmap file.
struct BITMAPFILEHEADER
{
    std::uint16_t bfType;
    std::uint32_t bfSize;
    std::uint16_t bfReserved1;
    std::uint16_t bfReserved2;
    std::uint32_t bfOffBits;
};
constexpr int FileHeaderSize = 14;

// The 40-byte header that follows it.
struct BITMAPINFOHEADER
{
    std::uint32_t biSize;
    std::int32_t biWidth;
    std::int32_t biHeight;
    std::uint16_t biPlanes;
    std::uint16_t biBitCount;
    std::uint32_t biCompression;
    std::uint32_t biSizeImage;
    std::int32_t biXPelsPerMeter;
    std::int32_t biYPelsPerMeter;
    std::uint32_t biClrUsed;
    std::uint32_t biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);
constexpr int InfoHeaderSize = 40;

enum Compression : std::uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };

struct RGBQUAD
{
    std::uint8_t rgbBlue;
    std::uint8_t rgbGreen;
    std::uint8_t rgbRed;
    std::uint8_t rgbReserved;
};

struct PALETTEENTRY
{
    std::uint8_t peRed;
    std::uint8_t peGreen;
    std::uint8_t peBlue;
    std::uint8_t peFlags;
};

// A palette as it is handed over: version and entry count, with the entries right behind the record in
// the same block (see PaletteEntries).
struct LOGPALETTE
{
    std::uint16_t palVersion;
    std::uint16_t palNumEntries;
};

inline PALETTEENTRY *PaletteEntries(LOGPALETTE *palette)
{
    return reinterpret_cast<PALETTEENTRY *>(palette + 1);
}

inline const PALETTEENTRY *PaletteEntries(const LOGPALETTE *palette)
{
    return reinterpret_cast<const PALETTEENTRY *>(palette + 1);
}

} // namespace gdi
