#include "tilelayout.h"

namespace sk2art {

const TileLayout &Race800Layout()
{
    // The west-east road holds the finish line (rows 34..113 at its start) and both cars; each bar is
    // 12 rows, so a car at up to 11 pixels a frame meets the bar before it reaches the parapet.
    static const TileLayout layout{160, 150, 38, 122, 33, 117, 17, 133, 4, 6, 10};
    return layout;
}

const TileLayout &Race640Layout()
{
    // The finish line stands on rows 19..98 of the start tile here, so the road is relatively wider.
    static const TileLayout layout{128, 120, 22, 106, 18, 102, 4, 116, 3, 5, 8};
    return layout;
}

const TileLayout &EditorLayout()
{
    // The gap on the crossing is the single green line between the arms and the west-east road.
    static const TileLayout layout{53, 50, 13, 40, 12, 38, 11, 39, 1, 0, 0};
    return layout;
}

const TileLayout &PreviewLayout()
{
    static const TileLayout layout{22, 20, 6, 16, 5, 15, 4, 16, 1, 0, 0};
    return layout;
}

double EllipseMeasure(double dx, double dy, double rx, double ry)
{
    return (dx / rx) * (dx / rx) + (dy / ry) * (dy / ry);
}

CurveRings CurveRingsOf(const TileLayout &l, int image)
{
    const bool east = image == CurveNorthEast || image == CurveSouthEast;
    const bool south = image == CurveSouthEast || image == CurveSouthWest;
    CurveRings rings{};
    rings.centreX = east ? l.width : 0;
    rings.centreY = south ? l.height : 0;
    rings.innerX = east ? l.width - l.roadRight : l.roadLeft;
    rings.outerX = east ? l.width - l.roadLeft : l.roadRight;
    rings.innerY = south ? l.height - l.roadBottom : l.roadTop;
    rings.outerY = south ? l.height - l.roadTop : l.roadBottom;
    return rings;
}

bool IsRoad(const TileLayout &l, int image, double x, double y)
{
    if (x < 0 || y < 0 || x >= l.width || y >= l.height)
        return false;
    const bool acrossNorthSouth = x >= l.roadLeft && x < l.roadRight;
    const bool acrossWestEast = y >= l.roadTop && y < l.roadBottom;
    switch (image) {
    case CurveNorthEast:
    case CurveNorthWest:
    case CurveSouthEast:
    case CurveSouthWest: {
        const CurveRings r = CurveRingsOf(l, image);
        const double dx = x - r.centreX;
        const double dy = y - r.centreY;
        return EllipseMeasure(dx, dy, r.outerX, r.outerY) <= 1.0 &&
               EllipseMeasure(dx, dy, r.innerX, r.innerY) >= 1.0;
    }
    case StraightNorthSouth:
        return acrossNorthSouth;
    case StraightWestEast:
        return acrossWestEast;
    case Crossing:
        return acrossWestEast || (acrossNorthSouth && (y < l.topArmEnd || y >= l.bottomArmStart));
    default:
        return false;
    }
}

bool IsMarkerPixel(const TileLayout &l, int x, int y)
{
    if (x < l.roadLeft - l.kerbWidth || x >= l.roadRight + l.kerbWidth)
        return false;
    return (y >= l.TopBarBegin() && y < l.TopBarEnd()) || (y >= l.BottomBarBegin() && y < l.BottomBarEnd());
}

} // namespace sk2art
