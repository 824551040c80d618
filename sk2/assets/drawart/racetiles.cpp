#include "racetiles.h"

#include "grass.h"
#include "texture.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace sk2art {

namespace {

constexpr int Oversampling = 4;
constexpr double Pi = std::numbers::pi;

const QColor KerbRed(204, 40, 36);
const QColor KerbWhite(236, 236, 228);
const QColor Concrete(178, 176, 168);
// How far the bridge's abutments reach past the kerbs of the road beneath it.
constexpr double Abutment = 10;

QColor KerbColour(bool red, double depthIntoKerb, int kerbWidth)
{
    QColor colour = red ? KerbRed : KerbWhite;
    // The outer edge of the kerb is a little darker, so it stands off the grass.
    if (depthIntoKerb > kerbWidth - 1.2)
        colour = Shade(colour, -0.25);
    return colour;
}

// A stripe index along a straight edge: a whole, even number of stripes a tile, so the colours
// alternate across the joins between tiles.
bool RedStripe(double along, double length)
{
    const int stripes = int(std::lround(length / 10.0)) & ~1;
    return int(std::floor(along / length * std::max(stripes, 2))) % 2 == 0;
}

// Kerbs along a curve. Every tile starts its stripes with red at its north or west joins and ends
// them with white at its south or east joins, so the count along each ring is chosen to match both.
std::optional<QColor> CurveKerb(const TileLayout &l, int image, double x, double y)
{
    const CurveRings r = CurveRingsOf(l, image);
    const double dx = x - r.centreX;
    const double dy = y - r.centreY;
    const double k = l.kerbWidth;
    double radiusX = 0;
    double radiusY = 0;
    double depth = 0;
    if (EllipseMeasure(dx, dy, r.outerX, r.outerY) > 1 &&
        EllipseMeasure(dx, dy, r.outerX + k, r.outerY + k) <= 1) {
        radiusX = r.outerX;
        radiusY = r.outerY;
        depth = (std::sqrt(EllipseMeasure(dx, dy, r.outerX, r.outerY)) - 1) * (r.outerX + r.outerY) / 2;
    } else if (EllipseMeasure(dx, dy, r.innerX, r.innerY) < 1 &&
               EllipseMeasure(dx, dy, r.innerX - k, r.innerY - k) >= 1) {
        radiusX = r.innerX;
        radiusY = r.innerY;
        depth = (1 - std::sqrt(EllipseMeasure(dx, dy, r.innerX, r.innerY))) * (r.innerX + r.innerY) / 2;
    } else {
        return std::nullopt;
    }
    // Angle 0 lies on the north or south join, a right angle on the east or west join.
    const double angle = std::atan2(std::abs(dx) / radiusX, std::abs(dy) / radiusY);
    const bool north = image == CurveNorthEast || image == CurveNorthWest;
    const bool west = image == CurveNorthWest || image == CurveSouthWest;
    const double arc = Pi / 2 * (radiusX + radiusY) / 2;
    int stripes = std::max(2, int(std::lround(arc / 10.0)));
    if ((stripes % 2 == 1) != (north == west))
        ++stripes;
    const int stripe = std::min(stripes - 1, int(std::floor(angle / (Pi / 2) * stripes)));
    return KerbColour((stripe % 2 == 0) == north, depth, l.kerbWidth);
}

// Kerbs along the straight edges of the straights and the crossing.
std::optional<QColor> StraightKerb(const TileLayout &l, int image, double x, double y)
{
    const double k = l.kerbWidth;
    const bool northSouthRoad =
        image == StraightNorthSouth || (image == Crossing && (y < l.topArmEnd || y >= l.bottomArmStart));
    const bool westEastRoad =
        image == StraightWestEast ||
        (image == Crossing && (x < l.roadLeft - k - Abutment || x >= l.roadRight + k + Abutment));
    if (northSouthRoad) {
        if (x >= l.roadLeft - k && x < l.roadLeft)
            return KerbColour(RedStripe(y, l.height), l.roadLeft - x, l.kerbWidth);
        if (x >= l.roadRight && x < l.roadRight + k)
            return KerbColour(RedStripe(y, l.height), x - l.roadRight, l.kerbWidth);
    }
    if (westEastRoad) {
        if (y >= l.roadTop - k && y < l.roadTop)
            return KerbColour(RedStripe(x, l.width), l.roadTop - y, l.kerbWidth);
        if (y >= l.roadBottom && y < l.roadBottom + k)
            return KerbColour(RedStripe(x, l.width), y - l.roadBottom, l.kerbWidth);
    }
    return std::nullopt;
}

// The bridge of the crossing: a concrete parapet along each edge of the west-east road where the
// north-south road passes under it, and below each parapet the deep shadow (the marker bar) with a
// pillar at each end.
std::optional<QColor> BridgeAt(const TileLayout &l, double x, double y)
{
    const double k = l.kerbWidth;
    if (x < l.roadLeft - k - Abutment || x >= l.roadRight + k + Abutment)
        return std::nullopt;
    const bool topGap = y >= l.topArmEnd && y < l.roadTop;
    const bool bottomGap = y >= l.roadBottom && y < l.bottomArmStart;
    if (!topGap && !bottomGap)
        return std::nullopt;
    const double fromDeck = topGap ? l.roadTop - y : y - l.roadBottom;
    if (fromDeck <= l.bandRows) {
        // The parapet: lit along its top, its outer face darker.
        QColor parapet = Shade(Concrete, 0.25 - 0.45 * (fromDeck / l.bandRows));
        if (int(std::floor(x)) % 12 == 0)
            parapet = Shade(parapet, -0.15);
        return parapet;
    }
    if (x >= l.roadLeft - k && x < l.roadRight + k)
        return MarkerColour();
    // The abutments beside the road underneath, fading into the shadow toward it.
    const double toRoad = x < l.roadLeft ? l.roadLeft - k - x : x - (l.roadRight + k);
    QColor abutment = Shade(Concrete, -0.2 - 0.4 * std::exp(-toRoad / 3.0));
    if (int(std::floor(y)) % 4 == 0)
        abutment = Shade(abutment, -0.12);
    return abutment;
}

QColor ShadeRaceTile(const TileLayout &l, int image, double x, double y)
{
    if (IsRoad(l, image, x, y))
        return RoadColour();
    if (image == Crossing) {
        if (auto bridge = BridgeAt(l, x, y))
            return *bridge;
    }
    if (image <= CurveSouthWest) {
        if (auto kerb = CurveKerb(l, image, x, y))
            return *kerb;
    } else if (image <= Crossing) {
        if (auto kerb = StraightKerb(l, image, x, y))
            return *kerb;
    }
    const QColor grass = GrassAt(l, x, y);
    if (image == GrassWithPond) {
        if (auto pond = PondAt(l, x, y))
            return *pond;
    }
    if (image == PlainGrass)
        return GardenAt(l, x, y, grass);
    return grass;
}

} // namespace

IndexedArt DrawRaceTile(const TileLayout &l, int image, int markerIndex)
{
    QImage picture(l.width, l.height, QImage::Format_RGB32);
    for (int y = 0; y < l.height; ++y) {
        for (int x = 0; x < l.width; ++x) {
            ColourSum sum;
            for (int sy = 0; sy < Oversampling; ++sy) {
                for (int sx = 0; sx < Oversampling; ++sx)
                    sum.Add(ShadeRaceTile(l, image, x + (sx + 0.5) / Oversampling,
                                          y + (sy + 0.5) / Oversampling));
            }
            picture.setPixel(x, y, sum.Average().rgb());
        }
    }
    IndexedArt art(picture);
    for (int y = 0; y < l.height; ++y) {
        for (int x = 0; x < l.width; ++x) {
            if (IsRoadPixel(l, image, x, y))
                art.Force(x, y, RoadIndex);
            else if (image == Crossing && IsMarkerPixel(l, x, y))
                art.Force(x, y, markerIndex);
        }
    }
    return art;
}

} // namespace sk2art
