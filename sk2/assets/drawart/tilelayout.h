#pragma once

// Where the road lies on a tile picture of a given size. Every tile set (the two race sets, the
// editor's pictures and the previews) uses one layout, so roads meet at the same rows and columns on
// every tile, and the road of a picture is exactly the pixels whose centres IsRoad accepts.

namespace sk2art {

// Image numbers of the nine tiles: four curves, two straights, the crossing, and two grass tiles.
enum TileImage {
    CurveNorthEast = 0,
    CurveNorthWest = 1,
    CurveSouthEast = 2,
    CurveSouthWest = 3,
    StraightNorthSouth = 4,
    StraightWestEast = 5,
    Crossing = 6,
    GrassWithPond = 7,
    PlainGrass = 8,
};
inline constexpr int TileImageCount = 9;

struct TileLayout
{
    int width;
    int height;
    // Columns [roadLeft, roadRight) carry the north-south road, rows [roadTop, roadBottom) the
    // west-east road; the curves are elliptic rings that meet the sides at the same places.
    int roadLeft;
    int roadRight;
    int roadTop;
    int roadBottom;
    // On the crossing the north-south road runs in rows [0, topArmEnd) and [bottomArmStart, height):
    // between each arm and the west-east road lies a gap of non-road. Its part next to the west-east
    // road, bandRows high, is the bridge's parapet; the rest, next to the arm, is the marker bar (none
    // when the band fills the gap).
    int topArmEnd;
    int bottomArmStart;
    int bandRows;
    // Width of the red and white kerb along the road, in pixels (race tiles only).
    int kerbWidth;
    // Length of one kerb stripe along a straight edge.
    int kerbStripe;

    int TopBarBegin() const { return topArmEnd; }
    int TopBarEnd() const { return roadTop - bandRows; }
    int BottomBarBegin() const { return roadBottom + bandRows; }
    int BottomBarEnd() const { return bottomArmStart; }
};

// The race tiles of the 800 x 600 and 640 x 480 screens, the editor's pictures and the previews.
const TileLayout &Race800Layout();
const TileLayout &Race640Layout();
const TileLayout &EditorLayout();
const TileLayout &PreviewLayout();

// Whether the point (x, y) in pixel units (a pixel's centre is at +0.5) lies on the road of a tile.
bool IsRoad(const TileLayout &layout, int image, double x, double y);
inline bool IsRoadPixel(const TileLayout &layout, int image, int x, int y)
{
    return IsRoad(layout, image, x + 0.5, y + 0.5);
}

// Whether a pixel of the crossing belongs to a marker bar: the bar rows, across the north-south road
// and its kerbs.
bool IsMarkerPixel(const TileLayout &layout, int x, int y);

// For a curve: the corner its rings are centred on, and the inner and outer radii across and down.
struct CurveRings
{
    double centreX;
    double centreY;
    double innerX;
    double innerY;
    double outerX;
    double outerY;
};
CurveRings CurveRingsOf(const TileLayout &layout, int image);

// (dx / rx)^2 + (dy / ry)^2: below 1 inside the ellipse.
double EllipseMeasure(double dx, double dy, double rx, double ry);

} // namespace sk2art
