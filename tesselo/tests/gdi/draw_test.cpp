// Lines, Bezier outlines and the border flood fill.
#include "bitmap.h"
#include "blit.h"
#include "dc.h"
#include "draw.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace gdi;

namespace {

// A white bitmap selected into its own device context.
struct Canvas
{
    Canvas(int width, int height, Format format = Format::Mono)
        : bitmap(CreateBitmap(width, height, format))
    {
        Fill(*bitmap, {0, 0, width, height}, White);
        dc.SelectBitmap(bitmap);
    }
    ~Canvas() { DeleteBitmap(bitmap); }
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    int Count(Colour colour) const
    {
        int n = 0;
        for (int y = 0; y < bitmap->height(); ++y) {
            for (int x = 0; x < bitmap->width(); ++x)
                n += bitmap->pixel(x, y) == colour;
        }
        return n;
    }

    Bitmap *bitmap;
    Dc dc;
};

TEST(Line, DrawsBothEndsOnePixelPerStep)
{
    struct Case
    {
        Point from;
        Point to;
    };
    const Case cases[] = {{{2, 3}, {17, 3}}, {{5, 18}, {5, 1}}, {{1, 1}, {12, 12}},
                          {{18, 2}, {3, 9}}, {{4, 19}, {9, 0}}, {{7, 7}, {7, 7}}};
    for (const Case &c : cases) {
        Canvas canvas(20, 20);
        MoveToEx(&canvas.dc, c.from.x, c.from.y);
        LineTo(&canvas.dc, c.to.x, c.to.y);
        const int steps = std::max(std::abs(c.to.x - c.from.x), std::abs(c.to.y - c.from.y));
        EXPECT_EQ(canvas.Count(Black), steps + 1);
        EXPECT_EQ(canvas.bitmap->pixel(c.from.x, c.from.y), Black);
        EXPECT_EQ(canvas.bitmap->pixel(c.to.x, c.to.y), Black);
        EXPECT_EQ(canvas.dc.position().x, c.to.x);
        EXPECT_EQ(canvas.dc.position().y, c.to.y);
    }
}

TEST(Line, FarOffCoordinatesCostNothingAndDrawWhatIsOnTheBitmap)
{
    Canvas canvas(10, 10);
    MoveToEx(&canvas.dc, -2000000000, 5);
    LineTo(&canvas.dc, 2000000000, 5);
    EXPECT_EQ(canvas.Count(Black), 10);
    MoveToEx(&canvas.dc, -2000000000, -2000000000);
    LineTo(&canvas.dc, -1999999000, 2000000000);
    EXPECT_EQ(canvas.Count(Black), 10);
}

TEST(PolyBezier, StraightControlPointsGiveAStraightLine)
{
    Canvas canvas(10, 40);
    const Point points[] = {{4, 2}, {4, 10}, {4, 20}, {4, 30}, {4, 33}, {4, 35}, {4, 37}};
    ASSERT_TRUE(PolyBezier(&canvas.dc, points, 7));
    EXPECT_EQ(canvas.Count(Black), 36);
    for (int y = 2; y <= 37; ++y)
        EXPECT_EQ(canvas.bitmap->pixel(4, y), Black) << y;
}

TEST(PolyBezier, CurveMovedByWholePixelsKeepsItsPixels)
{
    // A knob like the pieces' edges, drawn at two places.
    const Point knob[] = {{0, 0},    {0, 8},    {0, 14},   {-4, 16},  {-6, 17},  {-9, 16},  {-10, 14},
                          {-11, 12}, {-15, 14}, {-15, 20}, {-15, 26}, {-11, 28}, {-10, 26}, {-9, 24},
                          {-6, 23},  {-4, 24},  {0, 26},   {0, 32},   {0, 40}};
    const auto draw = [&knob](Canvas &canvas, Point at) {
        std::vector<Point> moved;
        for (const Point &p : knob)
            moved.push_back({p.x + at.x, p.y + at.y});
        PolyBezier(&canvas.dc, moved.data(), int(moved.size()));
    };
    Canvas a(60, 60);
    Canvas b(60, 60);
    draw(a, {20, 3});
    draw(b, {37, 14});
    ASSERT_GT(a.Count(Black), 40);
    EXPECT_EQ(a.bitmap->image().copy(4, 2, 18, 42), b.bitmap->image().copy(21, 13, 18, 42));
    EXPECT_EQ(a.Count(Black), b.Count(Black));
}

TEST(PolyBezier, NeedsAStartAndWholeSegments)
{
    Canvas canvas(10, 10);
    const Point points[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}};
    EXPECT_FALSE(PolyBezier(&canvas.dc, points, 5));
    EXPECT_FALSE(PolyBezier(&canvas.dc, points, 0));
    EXPECT_EQ(canvas.Count(Black), 0);
}

TEST(ExtFloodFill, FillsInsideTheBorderOnly)
{
    Canvas canvas(30, 20);
    canvas.dc.SelectBrush(Black);
    MoveToEx(&canvas.dc, 5, 4);
    for (const Point p : {Point{20, 4}, Point{20, 15}, Point{5, 15}, Point{5, 4}})
        LineTo(&canvas.dc, p.x, p.y);
    EXPECT_TRUE(ExtFloodFill(&canvas.dc, 12, 9, Black, FLOODFILLBORDER));
    EXPECT_EQ(canvas.Count(Black), 16 * 12);
    EXPECT_EQ(canvas.bitmap->pixel(4, 9), White);
    EXPECT_EQ(canvas.bitmap->pixel(21, 9), White);

    EXPECT_FALSE(ExtFloodFill(&canvas.dc, 5, 4, Black, FLOODFILLBORDER)) << "seed on the border";
    EXPECT_FALSE(ExtFloodFill(&canvas.dc, -1, 4, Black, FLOODFILLBORDER)) << "seed off the bitmap";
}

TEST(ExtFloodFill, DiagonalLineIsAWall)
{
    Canvas canvas(16, 16);
    canvas.dc.SelectBrush(Black);
    MoveToEx(&canvas.dc, 0, 0);
    LineTo(&canvas.dc, 15, 15);
    ASSERT_TRUE(ExtFloodFill(&canvas.dc, 10, 2, Black, FLOODFILLBORDER));
    EXPECT_EQ(canvas.Count(Black), 16 * 16 - 15 * 16 / 2);
    EXPECT_EQ(canvas.bitmap->pixel(2, 10), White);
}

TEST(ExtFloodFill, BrushOtherThanTheBorderFillsOnce)
{
    Canvas canvas(12, 12, Format::Colour);
    constexpr Colour Red = 0xFFFF0000;
    constexpr Colour Blue = 0xFF0000FF;
    canvas.dc.SelectPen(Red);
    canvas.dc.SelectBrush(Blue);
    MoveToEx(&canvas.dc, 2, 2);
    for (const Point p : {Point{9, 2}, Point{9, 9}, Point{2, 9}, Point{2, 2}})
        LineTo(&canvas.dc, p.x, p.y);
    canvas.bitmap->setPixel(5, 5, Blue); // already the brush's colour: filled over, not a wall
    EXPECT_TRUE(ExtFloodFill(&canvas.dc, 4, 6, Red, FLOODFILLBORDER));
    EXPECT_EQ(canvas.Count(Blue), 6 * 6);
    EXPECT_EQ(canvas.Count(Red), 28);
    EXPECT_EQ(canvas.Count(White), 144 - 36 - 28);
}

} // namespace
