#include "canvas.h"
#include "frameconverter.h"
#include "packfixture.h"
#include "palette.h"
#include "surface.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <set>

using namespace sk2::dgc;

using packtest::Picture;

TEST(Surface, GetPixelGives254WhereThePointCannotBeRead)
{
    TDGCSurface surface(4, 3, 7);
    const struct
    {
        int x, y, expected;
    } cases[] = {{0, 0, 7}, {3, 2, 7}, {-1, 0, 254}, {4, 0, 254}, {0, -1, 254}, {0, 3, 254}, {-50, 90, 254}};
    for (const auto &c : cases)
        EXPECT_EQ(surface.GetPixel(c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(Surface, DrawCopiesClippedAndLeavesTransparentPixelsAlone)
{
    const TDGCSurface sprite = Picture({"1.", "23"});
    TDGCSurface target(3, 3, 9);

    target.Draw(-1, 2, sprite, true); // only the right column of the top row lands: a transparent pixel
    EXPECT_EQ(target, TDGCSurface(3, 3, 9));

    target.Draw(2, 2, sprite, true);
    EXPECT_EQ(target.GetPixel(2, 2), 1);

    target.Draw(0, 0, sprite, true);
    EXPECT_EQ(target.GetPixel(1, 0), 9) << "transparent pixel drawn";
    EXPECT_EQ(target.GetPixel(0, 1), 2);
    EXPECT_EQ(target.GetPixel(1, 1), 3);

    target.Draw(0, 0, sprite, false);
    EXPECT_EQ(target.GetPixel(1, 0), 0) << "an opaque copy includes index 0";
}

TEST(Surface, EraseFillsEveryPixel)
{
    TDGCSurface surface = Picture({"12", "34"});
    surface.Erase(5);
    EXPECT_EQ(surface, TDGCSurface(2, 2, 5));
}

TEST(Surface, OverlapsTestsRectanglesAndThenPixels)
{
    // Two L shapes whose boxes share the 2 x 2 corner square but whose pixels do not meet there.
    const TDGCSurface corner = Picture({"11.", "1..", "..."});
    const TDGCSurface other = Picture({"...", "..2", ".22"});
    const struct
    {
        int x2, y2;
        bool precise, expected;
    } cases[] = {
        {0, 0, true, false},  // same place: boxes overlap, pixels never both set
        {0, 0, false, true},  // the rough test only looks at the boxes
        {-1, -1, true, true}, // other's (2, 1) lands on corner's (1, 0)
        {3, 0, false, false}, // boxes only touch along an edge
        {1, 1, true, false},  // boxes share a 2 x 2 square, pixels do not meet
        {1, 1, false, true},
        {-2, -2, true, true}, // other's bottom-right pixel lands on corner's top-left one
    };
    for (const auto &c : cases) {
        EXPECT_EQ(corner.Overlaps(0, 0, other, c.x2, c.y2, c.precise), c.expected)
            << c.x2 << "," << c.y2 << (c.precise ? " precise" : " rough");
        EXPECT_EQ(other.Overlaps(c.x2, c.y2, corner, 0, 0, c.precise), c.expected) << "not symmetric";
    }
}

TEST(Surface, OverlapsUsesEachSurfacesOwnTransparentColour)
{
    TDGCSurface back(4, 4, 0);
    back.SetPixel(3, 3, 5);
    const TDGCSurface dot = Picture({"1"});
    EXPECT_FALSE(dot.Overlaps(2, 2, back, 0, 0, true));
    EXPECT_TRUE(dot.Overlaps(3, 3, back, 0, 0, true));
    back.SetTransparentColor(5);
    EXPECT_FALSE(dot.Overlaps(3, 3, back, 0, 0, true));
}

TEST(Surface, ConvertToRgb32LooksUpEveryPixel)
{
    std::array<QRgb, 256> colours;
    for (int i = 0; i < 256; ++i)
        colours[std::size_t(i)] = qRgb(i, 255 - i, 7);
    const TDGCSurface surface = Picture({"01", "29"});
    QImage image;
    ConvertToRgb32(surface, colours, image);
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 255, 7));
    EXPECT_EQ(image.pixel(1, 0), qRgb(1, 254, 7));
    EXPECT_EQ(image.pixel(1, 1), qRgb(9, 246, 7));
}

TEST(Palette, NearestIndexAndFades)
{
    DGCPalette palette;
    palette.SetColour(1, qRgb(0, 128, 0));
    palette.SetColour(2, qRgb(192, 192, 192));
    palette.SetColour(3, qRgb(200, 200, 200));
    EXPECT_EQ(palette.NearestIndex(QColor(0, 120, 10)), 1);
    EXPECT_EQ(palette.NearestIndex(QColor(195, 195, 195)), 2);
    EXPECT_EQ(palette.NearestIndex(QColor(0, 0, 0)), 0) << "lowest index wins among the black entries";
    EXPECT_EQ(palette.Scaled(0.5)[2], qRgb(96, 96, 96));
    EXPECT_EQ(palette.Scaled(0.0)[3], qRgb(0, 0, 0));
    EXPECT_EQ(palette.Scaled(1.0)[1], qRgb(0, 128, 0));
}

class CanvasTest : public ::testing::Test
{
protected:
    CanvasTest()
    {
        palette.SetColour(10, qRgb(0, 128, 0));
        palette.SetColour(20, qRgb(192, 192, 192));
        palette.SetColour(30, qRgb(255, 0, 0));
        palette.SetColour(40, qRgb(250, 250, 10));
    }
    std::set<int> IndexesIn(int x1, int y1, int x2, int y2) const
    {
        std::set<int> found;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                found.insert(surface.GetPixel(x, y));
        return found;
    }

    DGCPalette palette;
    TDGCSurface surface{200, 60, 0};
    DGCCanvas canvas{surface, palette};
};

TEST_F(CanvasTest, RoundRectFillsWithTheBrushAndOutlinesWithThePenInNearestColours)
{
    canvas.SetBrushColor(QColor(190, 190, 190));
    canvas.SetPenColor(QColor(0, 130, 0));
    canvas.SetPenWidth(2);
    canvas.RoundRect(10, 10, 60, 32, 8, 8);

    EXPECT_EQ(surface.GetPixel(35, 20), 20) << "inside is the brush";
    EXPECT_EQ(surface.GetPixel(35, 10), 10) << "top edge is the pen";
    EXPECT_EQ(surface.GetPixel(35, 31), 10) << "bottom edge, just inside the excluded edge";
    EXPECT_EQ(surface.GetPixel(10, 10), 0) << "the rounded corner leaves the corner pixel";
    EXPECT_EQ(IndexesIn(0, 0, 200, 60), (std::set<int>{0, 10, 20}));
    EXPECT_EQ(IndexesIn(60, 0, 200, 60), (std::set<int>{0})) << "drawn beyond the right edge";
    EXPECT_EQ(IndexesIn(0, 32, 200, 60), (std::set<int>{0})) << "drawn beyond the bottom edge";
}

TEST_F(CanvasTest, TextOutDrawsInTheFontColourWithClearOrSolidBackground)
{
    canvas.SetFontName(QStringLiteral("Times New Roman"));
    canvas.SetFontHeight(16);
    canvas.SetFontColor(QColor(255, 0, 0));
    canvas.SetBrushStyle(DGCCanvas::BrushStyle::Clear);
    const QString text = QStringLiteral("000030");
    const int width = canvas.TextWidth(text);
    ASSERT_GT(width, 20);
    canvas.TextOut(5, 5, text);
    const std::set<int> drawn = IndexesIn(0, 0, 200, 60);
    EXPECT_EQ(drawn, (std::set<int>{0, 30})) << "clear background: only glyph pixels in the font colour";
    EXPECT_EQ(IndexesIn(0, 0, 200, 5), (std::set<int>{0})) << "text starts at its cell's top";

    canvas.SetBrushStyle(DGCCanvas::BrushStyle::Solid);
    canvas.SetBrushColor(QColor(192, 192, 192));
    canvas.TextOut(5, 30, text);
    EXPECT_TRUE(IndexesIn(5, 30, 5 + width, 30 + canvas.TextHeight(text)).contains(20));
}

TEST_F(CanvasTest, FontSizesCountCharactersAt96PixelsPerInchAndHeightsWholeLines)
{
    const struct
    {
        int points, pixels;
    } cases[] = {{28, 37}, {24, 32}, {20, 27}, {16, 21}};
    canvas.SetFontName(QStringLiteral("Times New Roman"));
    for (const auto &c : cases) {
        canvas.SetFontSize(c.points);
        EXPECT_EQ(canvas.FontPixelHeight(), c.pixels) << c.points;
    }
    // A height in pixels is that of a whole line: the characters come out smaller.
    for (int height : {16, 21, 30}) {
        canvas.SetFontHeight(height);
        EXPECT_LE(canvas.TextHeight(QStringLiteral("0")), height);
        EXPECT_LT(canvas.FontPixelHeight(), height);
        canvas.SetFontSize(1);
        canvas.SetFontHeight(height);
        const int size = canvas.FontPixelHeight();
        QFont larger = canvas.Font();
        larger.setPixelSize(size + 1);
        EXPECT_GT(QFontMetrics(larger).height(), height) << "the largest font that fits";
    }
}

TEST(FrameConverter, KeepsTheWindowPixelsEqualToAWholeConversion)
{
    std::array<QRgb, 256> colours;
    for (int i = 0; i < 256; ++i)
        colours[std::size_t(i)] = qRgb(i, i / 2, 255 - i);
    TDGCSurface frame(21, 5, 3); // a width that is not a whole number of compared blocks
    FrameConverter converter;
    QImage shown;
    auto expectWhole = [&](const char *when) {
        QImage whole;
        ConvertToRgb32(frame, colours, whole);
        EXPECT_EQ(shown, whole) << when;
    };

    converter.Convert(frame, colours, shown);
    expectWhole("first frame");
    frame.SetPixel(0, 0, 9);
    frame.SetPixel(9, 2, 200);
    frame.SetPixel(20, 4, 1);
    converter.Convert(frame, colours, shown);
    expectWhole("a few pixels changed");
    colours[3] = qRgb(1, 2, 3);
    converter.Convert(frame, colours, shown);
    expectWhole("colours changed");
    shown.fill(Qt::green); // someone drew on the picture: it is no longer the one converted last
    converter.Convert(frame, colours, shown);
    expectWhole("picture changed");
    QImage other;
    converter.Convert(frame, colours, other);
    EXPECT_EQ(other, shown) << "another picture is converted whole";
}
