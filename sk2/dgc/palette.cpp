#include "palette.h"

#include <algorithm>
#include <cmath>

namespace sk2::dgc {

DGCPalette::DGCPalette()
{
    m_colours.fill(qRgb(0, 0, 0));
}

void DGCPalette::SetColour(int index, QRgb colour)
{
    m_colours[std::size_t(index & 0xff)] = colour | 0xff000000u;
}

std::uint8_t DGCPalette::NearestIndex(QRgb colour) const
{
    int best = 0;
    int bestDistance = INT32_MAX;
    for (int i = 0; i < 256 && bestDistance > 0; ++i) {
        const QRgb c = m_colours[std::size_t(i)];
        const int dr = qRed(c) - qRed(colour);
        const int dg = qGreen(c) - qGreen(colour);
        const int db = qBlue(c) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return std::uint8_t(best);
}

std::array<QRgb, 256> DGCPalette::Scaled(double level) const
{
    level = std::clamp(level, 0.0, 1.0);
    std::array<QRgb, 256> scaled;
    for (std::size_t i = 0; i < scaled.size(); ++i) {
        const QRgb c = m_colours[i];
        auto scale = [level](int component) { return int(std::lround(component * level)); };
        scaled[i] = qRgb(scale(qRed(c)), scale(qGreen(c)), scale(qBlue(c)));
    }
    return scaled;
}

} // namespace sk2::dgc
