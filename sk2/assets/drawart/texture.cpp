#include "texture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sk2art {

double Hash01(int x, int y, int seed)
{
    std::uint32_t h =
        std::uint32_t(x) * 0x8da6b343u ^ std::uint32_t(y) * 0xd8163841u ^ std::uint32_t(seed) * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffffu) / double(0x1000000);
}

double PeriodicNoise(double x, double y, double cellSize, int periodX, int periodY, int seed)
{
    const double gx = x / cellSize;
    const double gy = y / cellSize;
    const int x0 = int(std::floor(gx));
    const int y0 = int(std::floor(gy));
    const double fx = gx - x0;
    const double fy = gy - y0;
    auto corner = [&](int cx, int cy) {
        const int wx = ((cx % periodX) + periodX) % periodX;
        const int wy = ((cy % periodY) + periodY) % periodY;
        return Hash01(wx, wy, seed);
    };
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double sx = smooth(fx);
    const double sy = smooth(fy);
    const double top = corner(x0, y0) * (1 - sx) + corner(x0 + 1, y0) * sx;
    const double bottom = corner(x0, y0 + 1) * (1 - sx) + corner(x0 + 1, y0 + 1) * sx;
    return top * (1 - sy) + bottom * sy;
}

QColor Mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor Shade(const QColor &colour, double amount)
{
    return amount >= 0 ? Mix(colour, QColor(255, 255, 255), amount) : Mix(colour, QColor(0, 0, 0), -amount);
}

} // namespace sk2art
