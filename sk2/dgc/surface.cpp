#include "surface.h"

#include <algorithm>
#include <cstring>

namespace sk2::dgc {

TDGCSurface::TDGCSurface(int width, int height, std::uint8_t fill)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_pixels(std::size_t(m_width) * std::size_t(m_height), fill)
{}

int TDGCSurface::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return UnreadablePixel;
    return ScanLine(y)[x];
}

void TDGCSurface::SetPixel(int x, int y, std::uint8_t index)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    ScanLine(y)[x] = index;
}

void TDGCSurface::Erase(std::uint8_t index)
{
    std::fill(m_pixels.begin(), m_pixels.end(), index);
}

void TDGCSurface::Draw(int x, int y, const TDGCSurface &source, bool transparent)
{
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + source.m_width, m_width);
    const int bottom = std::min(y + source.m_height, m_height);
    if (left >= right || top >= bottom)
        return;
    const int count = right - left;
    const std::uint8_t key = source.m_transparent;
    for (int row = top; row < bottom; ++row) {
        const std::uint8_t *from = source.ScanLine(row - y) + (left - x);
        std::uint8_t *to = ScanLine(row) + left;
        if (!transparent) {
            std::memcpy(to, from, std::size_t(count));
            continue;
        }
        for (int i = 0; i < count; ++i) {
            if (from[i] != key)
                to[i] = from[i];
        }
    }
}

bool TDGCSurface::Overlaps(int x1, int y1, const TDGCSurface &other, int x2, int y2, bool precise) const
{
    const int left = std::max(x1, x2);
    const int top = std::max(y1, y2);
    const int right = std::min(x1 + m_width, x2 + other.m_width);
    const int bottom = std::min(y1 + m_height, y2 + other.m_height);
    if (left >= right || top >= bottom)
        return false;
    if (!precise)
        return true;
    const std::uint8_t ownKey = m_transparent;
    const std::uint8_t otherKey = other.m_transparent;
    for (int y = top; y < bottom; ++y) {
        const std::uint8_t *own = ScanLine(y - y1) + (left - x1);
        const std::uint8_t *theirs = other.ScanLine(y - y2) + (left - x2);
        for (int i = 0; i < right - left; ++i) {
            if (own[i] != ownKey && theirs[i] != otherKey)
                return true;
        }
    }
    return false;
}

void ConvertToRgb32(const TDGCSurface &surface, const std::array<QRgb, 256> &colours, QImage &target)
{
    if (target.width() != surface.Width() || target.height() != surface.Height() ||
        target.format() != QImage::Format_RGB32)
        target = QImage(surface.Width(), surface.Height(), QImage::Format_RGB32);
    const int width = surface.Width();
    for (int y = 0; y < surface.Height(); ++y) {
        const std::uint8_t *from = surface.ScanLine(y);
        auto *to = reinterpret_cast<QRgb *>(target.scanLine(y));
        for (int x = 0; x < width; ++x)
            to[x] = colours[from[x]];
    }
}

} // namespace sk2::dgc
