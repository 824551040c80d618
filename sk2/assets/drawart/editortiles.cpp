#include "editortiles.h"

#include "texture.h"

#include <algorithm>
#include <cmath>

namespace sk2art {

namespace {

constexpr int Oversampling = 4;

const QColor Olive(124, 122, 42);
const QColor Speck(46, 150, 40);
const QColor SeparatorGreen(20, 170, 50);

QColor GrassPixel(int x, int y, double speckChance)
{
    QColor grass = Shade(Olive, (Hash01(x, y, 41) - 0.5) * 0.16);
    if (Hash01(x, y, 42) < speckChance)
        grass = Mix(Speck, QColor(90, 190, 70), Hash01(x, y, 43));
    return grass;
}

// How much of a pixel the pond covers, and the water's colour at its centre.
double PondCoverage(const TileLayout &l, int x, int y)
{
    const double radius = 0.34 * std::min(l.width, l.height);
    int inside = 0;
    for (int sy = 0; sy < Oversampling; ++sy) {
        for (int sx = 0; sx < Oversampling; ++sx) {
            const double px = x + (sx + 0.5) / Oversampling - l.width / 2.0;
            const double py = y + (sy + 0.5) / Oversampling - l.height / 2.0;
            inside += std::hypot(px, py) < radius;
        }
    }
    return inside / double(Oversampling * Oversampling);
}

QColor Water(const TileLayout &l, int x, int y)
{
    const double radius = 0.34 * std::min(l.width, l.height);
    const double px = x + 0.5 - l.width / 2.0;
    const double py = y + 0.5 - l.height / 2.0;
    const double q = std::hypot(px, py) / radius;
    QColor water = Mix(QColor(40, 110, 220), QColor(20, 60, 170), 1 - q);
    const double sheen = std::exp(-std::pow((px + 0.35 * radius) / (0.3 * radius), 2) -
                                  std::pow((py + 0.35 * radius) / (0.2 * radius), 2));
    return Shade(water, 0.45 * sheen);
}

double RoadCoverage(const TileLayout &l, int image, int x, int y)
{
    int inside = 0;
    for (int sy = 0; sy < Oversampling; ++sy) {
        for (int sx = 0; sx < Oversampling; ++sx)
            inside += IsRoad(l, image, x + (sx + 0.5) / Oversampling, y + (sy + 0.5) / Oversampling);
    }
    return inside / double(Oversampling * Oversampling);
}

bool IsSeparator(const TileLayout &l, int image, int x, int y)
{
    if (image != Crossing || x < l.roadLeft - 1 || x > l.roadRight)
        return false;
    return (y >= l.topArmEnd && y < l.roadTop) || (y >= l.roadBottom && y < l.bottomArmStart);
}

} // namespace

QImage DrawEditorTile(const TileLayout &l, int image)
{
    // Specks are sparser on the small previews, where they would turn the olive green.
    const double speckChance = l.width > 30 ? 0.10 : 0.05;
    QImage picture(l.width, l.height, QImage::Format_RGB32);
    for (int y = 0; y < l.height; ++y) {
        for (int x = 0; x < l.width; ++x) {
            QColor colour = GrassPixel(x, y, speckChance);
            if (image == GrassWithPond)
                colour = Mix(colour, Water(l, x, y), PondCoverage(l, x, y));
            if (IsSeparator(l, image, x, y)) {
                colour = SeparatorGreen;
            } else if (IsRoadPixel(l, image, x, y)) {
                colour = QColor(0, 0, 0);
            } else {
                // Soft edges, never so dark that a flood fill of the road could take them.
                colour = Mix(colour, QColor(0, 0, 0), std::min(RoadCoverage(l, image, x, y), 0.5));
            }
            picture.setPixel(x, y, colour.rgb());
        }
    }
    return picture.convertToFormat(QImage::Format_RGB888);
}

} // namespace sk2art
