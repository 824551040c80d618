#pragma once

// TDGCSurface: an 8-bit picture of palette indexes: the screen's back buffer and every image and tile
// of the libraries. Pixels equal to the surface's transparent colour (palette index 0 throughout the
// race) are left out by transparent drawing and by precise overlap tests.

#include <QImage>
#include <QRgb>

#include <array>
#include <cstdint>
#include <vector>

namespace sk2::dgc {

class TDGCSurface
{
public:
    // The value GetPixel gives for a point that cannot be read.
    static constexpr int UnreadablePixel = 254;

    TDGCSurface() = default;
    TDGCSurface(int width, int height, std::uint8_t fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsEmpty() const { return m_width == 0 || m_height == 0; }

    std::uint8_t TransparentColor() const { return m_transparent; }
    void SetTransparentColor(std::uint8_t index) { m_transparent = index; }

    // The palette index at (x, y); UnreadablePixel outside the surface.
    int GetPixel(int x, int y) const;
    // Sets one pixel; a point outside the surface is ignored.
    void SetPixel(int x, int y, std::uint8_t index);
    // Fills the whole surface with one palette index.
    void Erase(std::uint8_t index);

    std::uint8_t *ScanLine(int y) { return m_pixels.data() + std::size_t(y) * std::size_t(m_width); }
    const std::uint8_t *ScanLine(int y) const
    {
        return m_pixels.data() + std::size_t(y) * std::size_t(m_width);
    }

    // Copies source with its top-left corner at (x, y), clipped to this surface. When transparent, the
    // source's own transparent pixels leave this surface's pixels as they were.
    void Draw(int x, int y, const TDGCSurface &source, bool transparent);

    // True when this surface placed at (x1, y1) and other placed at (x2, y2) share at least one pixel
    // and, when precise, at least one shared pixel is non-transparent in both.
    bool Overlaps(int x1, int y1, const TDGCSurface &other, int x2, int y2, bool precise) const;

    bool operator==(const TDGCSurface &other) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::uint8_t m_transparent = 0;
    std::vector<std::uint8_t> m_pixels;
};

// The surface's pixels in the given colours, as a 32-bit picture. target is reused when it already
// has the right size and format, so presenting frame after frame allocates nothing.
void ConvertToRgb32(const TDGCSurface &surface, const std::array<QRgb, 256> &colours, QImage &target);

} // namespace sk2::dgc
