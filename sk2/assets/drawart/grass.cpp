#include "grass.h"

#include "texture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace sk2art {

namespace {

constexpr double Pi = std::numbers::pi;

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

struct Bush
{
    double x;      // in tile widths
    double y;      // in tile heights
    double radius; // in tile heights
    int seed;
};

const std::array<Bush, 2> Bushes = {{{0.30, 0.32, 0.085, 1}, {0.70, 0.72, 0.055, 2}}};

double BushRadius(const Bush &bush, double angle, double scale)
{
    return bush.radius * scale *
           (1 + 0.08 * std::sin(7 * angle + bush.seed) + 0.05 * std::sin(11 * angle + 2 * bush.seed));
}

} // namespace

QColor GrassAt(const TileLayout &l, double x, double y)
{
    const double u = x / l.width;
    const double v = y / l.height;
    const double broad = PeriodicNoise(u * 5, v * 5, 1.0, 5, 5, 11);
    const double fine = PeriodicNoise(u * 16, v * 15, 1.0, 16, 15, 12);
    QColor grass = Mix(QColor(50, 102, 38), QColor(96, 152, 58), 0.25 + 0.45 * broad + 0.3 * fine);
    // Six mowing stripes a tile keep light and dark alternating from one tile to the next.
    const bool lightStripe = int(std::floor(v * 6)) % 2 == 0;
    grass = Shade(grass, lightStripe ? 0.05 : -0.05);
    const int px = int(std::floor(x));
    const int py = int(std::floor(y));
    grass = Shade(grass, (Hash01(px, py, 13) - 0.5) * 0.12);
    if (Hash01(px, py, 14) > 0.985)
        grass = Shade(grass, -0.25);
    return grass;
}

std::optional<QColor> PondAt(const TileLayout &l, double x, double y)
{
    const double scale = l.height;
    const double dx = (x - l.width * 0.5) / (l.width / double(l.height));
    const double dy = y - l.height * 0.52;
    const double angle = std::atan2(dy, dx);
    const double radius = 0.33 * scale * (1 + 0.07 * std::sin(3 * angle + 0.5) + 0.05 * std::cos(5 * angle));
    const double q = std::hypot(dx, dy) / radius;
    if (q >= 1.12)
        return std::nullopt;
    if (q >= 1.0) {
        // The muddy bank, with reeds in a few places.
        QColor bank = Mix(QColor(122, 104, 66), QColor(150, 132, 90), Hash01(int(x), int(y), 21));
        const double reedZone = std::sin(4 * angle + 1.3);
        if (reedZone > 0.55 && Hash01(int(x), int(y), 22) > 0.45)
            bank = Mix(QColor(40, 88, 34), QColor(74, 120, 46), Hash01(int(x), int(y), 23));
        return bank;
    }
    const double depth = SmoothStep(0.0, 0.85, 1 - q);
    QColor water = Mix(QColor(84, 150, 196), QColor(22, 62, 128), depth);
    // A soft reflection of the sky on the upper left, and a few ripple rings.
    const double sheen = std::exp(-std::pow((dx + 0.12 * scale) / (0.14 * scale), 2) -
                                  std::pow((dy + 0.12 * scale) / (0.08 * scale), 2));
    water = Shade(water, 0.35 * sheen);
    const double ripple = std::sin(q * 26 + 2 * std::sin(angle * 2));
    if (ripple > 0.92 && q > 0.3)
        water = Shade(water, 0.18);
    // Lily pads: discs with a notch.
    const std::array<std::array<double, 3>, 3> pads = {
        {{0.17, 0.10, 0.055}, {-0.14, 0.15, 0.045}, {0.05, -0.17, 0.04}}};
    for (const auto &pad : pads) {
        const double px = dx - pad[0] * scale;
        const double py = dy - pad[1] * scale;
        const double r = std::hypot(px, py);
        const double padAngle = std::atan2(py, px);
        if (r < pad[2] * scale && std::abs(std::remainder(padAngle - 0.7, 2 * Pi)) > 0.35)
            return Mix(QColor(52, 128, 48), QColor(104, 170, 70),
                       SmoothStep(pad[2] * scale, 0, r) * 0.6 + 0.2 * (px < 0));
    }
    // The water's edge is shallow and lighter.
    return Mix(water, QColor(120, 170, 190), SmoothStep(0.9, 1.0, q) * 0.6);
}

QColor GardenAt(const TileLayout &l, double x, double y, const QColor &grass)
{
    const double scale = l.height;
    QColor colour = grass;
    // Shadows first, falling to the lower right, then the bushes over them.
    for (const Bush &bush : Bushes) {
        const double sx = x - bush.x * l.width - 0.035 * scale;
        const double sy = y - bush.y * l.height - 0.035 * scale;
        if (std::hypot(sx, sy) < BushRadius(bush, std::atan2(sy, sx), scale))
            colour = Shade(grass, -0.35);
    }
    for (const Bush &bush : Bushes) {
        const double bx = x - bush.x * l.width;
        const double by = y - bush.y * l.height;
        const double r = std::hypot(bx, by);
        const double edge = BushRadius(bush, std::atan2(by, bx), scale);
        if (r < edge) {
            const double light = std::clamp(0.5 - (bx + by) / (2.6 * edge), 0.0, 1.0);
            QColor leaves = Mix(QColor(26, 70, 26), QColor(92, 150, 54), light);
            const double clump = PeriodicNoise(x / 3.0, y / 3.0, 1.0, 1000, 1000, 30 + bush.seed);
            leaves = Shade(leaves, (clump - 0.5) * 0.35);
            return Mix(leaves, Shade(leaves, -0.3), SmoothStep(0.8, 1.0, r / edge));
        }
    }
    // A few flowers.
    const double h = Hash01(int(x), int(y), 31);
    if (h > 0.994)
        return h > 0.997 ? QColor(250, 244, 210) : QColor(240, 200, 60);
    return colour;
}

} // namespace sk2art
