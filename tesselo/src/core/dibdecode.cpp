#include "dibdecode.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <vector>

using namespace gdi;

namespace {

constexpr std::size_t ColourTableOffset = FileHeaderSize + InfoHeaderSize;

std::uint32_t Le32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

int Rows(const BITMAPINFOHEADER &header)
{
    return int(std::llabs(header.biHeight));
}

// Colour table entries that the pixels index: biClrUsed of them when given, all 2^bits otherwise.
std::uint32_t TableEntries(const BITMAPINFOHEADER &header)
{
    const std::uint32_t all = 1u << header.biBitCount;
    return header.biClrUsed ? std::min(header.biClrUsed, all) : all;
}

std::int64_t Stride(const BITMAPINFOHEADER &header)
{
    return (std::int64_t(header.biWidth) * header.biBitCount + 31) / 32 * 4;
}

bool FormatIsKnown(const BITMAPINFOHEADER &h)
{
    switch (h.biCompression) {
    case BI_RGB:
        return h.biBitCount == 1 || h.biBitCount == 4 || h.biBitCount == 8 || h.biBitCount == 16 ||
               h.biBitCount == 24 || h.biBitCount == 32;
    case BI_RLE8:
        return h.biBitCount == 8 && h.biHeight > 0;
    case BI_RLE4:
        return h.biBitCount == 4 && h.biHeight > 0;
    case BI_BITFIELDS:
        return h.biBitCount == 16 || h.biBitCount == 32;
    default:
        return false;
    }
}

// One colour channel taken out of a pixel by its mask and scaled to 0..255.
struct Channel
{
    explicit Channel(std::uint32_t mask)
        : mask(mask)
        , shift(mask ? std::countr_zero(mask) : 0)
        , top(mask ? std::uint32_t((1ull << std::bit_width(mask >> shift)) - 1) : 0)
    {}
    int operator()(std::uint32_t pixel) const
    {
        if (!top)
            return 0;
        const std::uint32_t value = std::min((pixel & mask) >> shift, top);
        return int((std::uint64_t(value) * 255 + top / 2) / top);
    }
    std::uint32_t mask;
    int shift;
    std::uint32_t top;
};

std::vector<QRgb> ColourTable(const std::uint8_t *file, const BITMAPINFOHEADER &header)
{
    std::vector<QRgb> table(std::size_t(1) << header.biBitCount, qRgb(0, 0, 0));
    const std::uint32_t entries = TableEntries(header);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::uint8_t *quad = file + ColourTableOffset + 4 * i;
        table[i] = qRgb(quad[2], quad[1], quad[0]);
    }
    return table;
}

QRgb *OutputRow(QImage &image, const BITMAPINFOHEADER &header, int fileRow)
{
    const int y = header.biHeight > 0 ? image.height() - 1 - fileRow : fileRow;
    return reinterpret_cast<QRgb *>(image.scanLine(y));
}

void DecodeIndexed(QImage &image, const std::uint8_t *pixels, const BITMAPINFOHEADER &header,
                   const std::vector<QRgb> &table)
{
    const int bits = header.biBitCount;
    const int perByte = 8 / bits;
    const std::uint8_t mask = std::uint8_t((1 << bits) - 1);
    for (int row = 0; row < image.height(); ++row) {
        const std::uint8_t *in = pixels + Stride(header) * row;
        QRgb *out = OutputRow(image, header, row);
        for (int x = 0; x < image.width(); ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            out[x] = table[(in[x / perByte] >> shift) & mask];
        }
    }
}

void DecodeDirect(QImage &image, const std::uint8_t *pixels, const BITMAPINFOHEADER &header,
                  const std::uint8_t *masks)
{
    const bool byMasks = header.biCompression == BI_BITFIELDS;
    const bool wide = header.biBitCount == 32;
    const Channel red(byMasks ? Le32(masks) : wide ? 0xFF0000u : 0x7C00u);
    const Channel green(byMasks ? Le32(masks + 4) : wide ? 0x00FF00u : 0x03E0u);
    const Channel blue(byMasks ? Le32(masks + 8) : wide ? 0x0000FFu : 0x001Fu);
    for (int row = 0; row < image.height(); ++row) {
        const std::uint8_t *in = pixels + Stride(header) * row;
        QRgb *out = OutputRow(image, header, row);
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t p = wide ? Le32(in + 4 * x) : std::uint32_t(in[2 * x] | in[2 * x + 1] << 8);
            out[x] = qRgb(red(p), green(p), blue(p));
        }
    }
}

void Decode24(QImage &image, const std::uint8_t *pixels, const BITMAPINFOHEADER &header)
{
    for (int row = 0; row < image.height(); ++row) {
        const std::uint8_t *in = pixels + Stride(header) * row;
        QRgb *out = OutputRow(image, header, row);
        for (int x = 0; x < image.width(); ++x, in += 3)
            out[x] = 0xFF000000u | std::uint32_t(in[2]) << 16 | std::uint32_t(in[1]) << 8 | in[0];
    }
}

// Run-length data, bottom-up. Pixels that the runs do not reach keep colour 0; runs that go past a row
// or the picture are cut off, and data that ends early ends the picture.
void DecodeRle(QImage &image, const std::uint8_t *data, std::size_t size, const BITMAPINFOHEADER &header,
               const std::vector<QRgb> &table)
{
    image.fill(table[0]);
    const bool four = header.biCompression == BI_RLE4;
    int x = 0;
    int y = 0;
    // Pixels past the row's end are cut off, and the column stops there: a row of millions of runs must
    // neither carry it past the int range (back to a negative column) nor cost a step for every pixel.
    const int width = image.width();
    const auto put = [&](int index) {
        if (y < image.height())
            OutputRow(image, header, y)[x] = table[index];
        ++x;
    };
    std::size_t at = 0;
    while (at + 2 <= size && y < image.height()) {
        const int count = data[at];
        const int code = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < width; ++i)
                put(four ? (i % 2 ? code & 0x0F : code >> 4) : code);
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            return;
        } else if (code == 2) {
            if (at + 2 > size)
                return;
            x = std::min(x + data[at], width);
            y += data[at + 1];
            at += 2;
        } else {
            const std::size_t bytes = four ? (std::size_t(code) + 1) / 2 : std::size_t(code);
            if (at + bytes > size)
                return;
            for (int i = 0; i < code && x < width; ++i)
                put(four ? (i % 2 ? data[at + i / 2] & 0x0F : data[at + i / 2] >> 4) : data[at + i]);
            at += bytes + (bytes % 2);
        }
    }
}

} // namespace

bool DibIsReadable(const BITMAPINFOHEADER &header, std::uint32_t offBits, std::size_t fileSize)
{
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN || header.biPlanes != 1)
        return false;
    if (!FormatIsKnown(header))
        return false;
    const std::int64_t width = header.biWidth;
    const std::int64_t height = Rows(header);
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPictureArea)
        return false;
    if (offBits < ColourTableOffset || offBits > fileSize)
        return false;
    if (header.biBitCount <= 8 && ColourTableOffset + 4 * std::size_t(TableEntries(header)) > fileSize)
        return false;
    if (header.biCompression == BI_BITFIELDS && ColourTableOffset + 12 > fileSize)
        return false;
    if (header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS)
        return std::int64_t(offBits) + Stride(header) * height <= std::int64_t(fileSize);
    return true;
}

QImage DecodeDib(const std::uint8_t *file, std::size_t fileSize, std::uint32_t offBits,
                 const BITMAPINFOHEADER &header)
{
    QImage image(header.biWidth, Rows(header), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const std::uint8_t *pixels = file + offBits;
    switch (header.biCompression) {
    case BI_RLE8:
    case BI_RLE4:
        DecodeRle(image, pixels, fileSize - offBits, header, ColourTable(file, header));
        break;
    default:
        if (header.biBitCount <= 8)
            DecodeIndexed(image, pixels, header, ColourTable(file, header));
        else if (header.biBitCount == 24)
            Decode24(image, pixels, header);
        else
            DecodeDirect(image, pixels, header, file + ColourTableOffset);
        break;
    }
    return image;
}
