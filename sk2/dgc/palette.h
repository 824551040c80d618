#pragma once

// The 256-colour palette of the 8-bit screen and its images.

#include <QColor>
#include <QRgb>

#include <array>
#include <cstdint>

namespace sk2::dgc {

class DGCPalette
{
public:
    // All 256 entries black.
    DGCPalette();

    QRgb Colour(int index) const { return m_colours[std::size_t(index & 0xff)]; }
    void SetColour(int index, QRgb colour);
    const std::array<QRgb, 256> &Colours() const { return m_colours; }

    // The index whose colour lies nearest to colour (squared distance in RGB); the lowest index wins a
    // tie. Drawing in a colour the palette lacks thus uses the closest one it has.
    std::uint8_t NearestIndex(QRgb colour) const;
    std::uint8_t NearestIndex(const QColor &colour) const { return NearestIndex(colour.rgb()); }

    // Every colour scaled toward black: level 0 is black, 1 the palette itself. Opaque (alpha 255).
    std::array<QRgb, 256> Scaled(double level) const;

    bool operator==(const DGCPalette &other) const = default;

private:
    std::array<QRgb, 256> m_colours;
};

} // namespace sk2::dgc
