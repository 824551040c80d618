#include "blit.h"

#include "bitmap.h"
#include "dc.h"

#include <algorithm>
#include <cstring>

namespace gdi {

namespace {

constexpr QRgb Opaque = 0xFF000000;

// One row of a transfer: `read` turns a source pixel into the destination's kind, `apply` combines.
template<typename D, typename S, typename Read, typename Apply>
void TransferRows(Bitmap &dest, int x, int y, int width, int height, const Bitmap &source, int sourceX,
                  int sourceY, Read read, Apply apply)
{
    for (int row = 0; row < height; ++row) {
        D *to = reinterpret_cast<D *>(dest.image().scanLine(y + row)) + x;
        const S *from = reinterpret_cast<const S *>(source.image().constScanLine(sourceY + row)) + sourceX;
        for (int i = 0; i < width; ++i)
            to[i] = apply(to[i], read(from[i]));
    }
}

template<typename D, typename S, typename Read>
void TransferWith(Rop rop, Bitmap &dest, int x, int y, int width, int height, const Bitmap &source,
                  int sourceX, int sourceY, Read read, D notMask)
{
    switch (rop) {
    case SRCCOPY:
        TransferRows<D, S>(dest, x, y, width, height, source, sourceX, sourceY, read,
                           [](D, D s) { return s; });
        break;
    case SRCAND:
        TransferRows<D, S>(dest, x, y, width, height, source, sourceX, sourceY, read,
                           [](D d, D s) { return D(d & s); });
        break;
    case SRCPAINT:
        TransferRows<D, S>(dest, x, y, width, height, source, sourceX, sourceY, read,
                           [](D d, D s) { return D(d | s); });
        break;
    case NOTSRCCOPY:
        TransferRows<D, S>(dest, x, y, width, height, source, sourceX, sourceY, read,
                           [notMask](D, D s) { return D(~s | notMask); });
        break;
    }
}

// Same-kind copies go row by row in one piece.
void CopyRows(Bitmap &dest, int x, int y, int width, int height, const Bitmap &source, int sourceX,
              int sourceY)
{
    const int bytesPerPixel = dest.isMono() ? 1 : 4;
    for (int row = 0; row < height; ++row) {
        std::memmove(dest.image().scanLine(y + row) + x * bytesPerPixel,
                     source.image().constScanLine(sourceY + row) + sourceX * bytesPerPixel,
                     std::size_t(width) * bytesPerPixel);
    }
}

// Shrinks the transfer so that it reads and writes only inside both bitmaps. False when nothing is left.
bool Clip(const Bitmap &dest, int &x, int &y, int &width, int &height, const Bitmap &source, int &sourceX,
          int &sourceY)
{
    // In 64 bits, so that no position, however far off, can overflow.
    const auto clipAxis = [](int &to, int &from, int &length, int toLimit, int fromLimit) {
        const long long before = std::max({0LL, -(long long)to, -(long long)from});
        const long long start = to + before;
        const long long sourceStart = from + before;
        const long long left = std::min({length - before, toLimit - start, fromLimit - sourceStart});
        if (left <= 0)
            return false;
        to = int(start);
        from = int(sourceStart);
        length = int(left);
        return true;
    };
    return clipAxis(x, sourceX, width, dest.width(), source.width()) &&
           clipAxis(y, sourceY, height, dest.height(), source.height());
}

} // namespace

void Blit(Bitmap &dest, int x, int y, int width, int height, const Bitmap &source, int sourceX, int sourceY,
          Rop rop)
{
    if (!Clip(dest, x, y, width, height, source, sourceX, sourceY))
        return;
    if (rop == SRCCOPY && dest.isMono() == source.isMono()) {
        CopyRows(dest, x, y, width, height, source, sourceX, sourceY);
        return;
    }
    if (dest.isMono() && source.isMono()) {
        TransferWith<std::uint8_t, std::uint8_t>(
            rop, dest, x, y, width, height, source, sourceX, sourceY, [](std::uint8_t s) { return s; },
            std::uint8_t(0));
    } else if (dest.isMono()) {
        TransferWith<std::uint8_t, QRgb>(
            rop, dest, x, y, width, height, source, sourceX, sourceY, [](QRgb s) { return MonoValue(s); },
            std::uint8_t(0));
    } else if (source.isMono()) {
        TransferWith<QRgb, std::uint8_t>(
            rop, dest, x, y, width, height, source, sourceX, sourceY,
            [](std::uint8_t s) { return Opaque | (s * 0x010101u); }, Opaque);
    } else {
        TransferWith<QRgb, QRgb>(
            rop, dest, x, y, width, height, source, sourceX, sourceY, [](QRgb s) { return s | Opaque; },
            Opaque);
    }
}

bool BitBlt(Dc *dest, int x, int y, int width, int height, const Dc *source, int sourceX, int sourceY,
            Rop rop)
{
    if (!dest || !source || !dest->bitmap() || !source->bitmap())
        return false;
    Blit(*dest->bitmap(), x, y, width, height, *source->bitmap(), sourceX, sourceY, rop);
    return true;
}

void Fill(Bitmap &bitmap, const Rect &rect, Colour colour)
{
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, bitmap.width());
    const int bottom = std::min(rect.bottom, bitmap.height());
    if (left >= right || top >= bottom)
        return;
    for (int y = top; y < bottom; ++y) {
        if (bitmap.isMono()) {
            std::memset(bitmap.image().scanLine(y) + left, MonoValue(colour), std::size_t(right - left));
        } else {
            QRgb *row = reinterpret_cast<QRgb *>(bitmap.image().scanLine(y));
            std::fill(row + left, row + right, colour | Opaque);
        }
    }
}

void FillRect(Dc *dc, const Rect &rect, Colour colour)
{
    if (dc && dc->bitmap())
        Fill(*dc->bitmap(), rect, colour);
}

Colour GetPixel(const Dc *dc, int x, int y)
{
    if (!dc || !dc->bitmap())
        return White;
    return dc->bitmap()->pixel(x, y);
}

} // namespace gdi
