#include "packfixture.h"
#include "trace.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace packtest;

TEST(Screen, OpeningTakesTheDisplayLoadsTheLibrariesAndInitialisesOnce)
{
    for (TDisplayMode mode : {dm800x600x8, dm640x480x8}) {
        OpenScreen pack({Block(3, 4, 9)}, mode);
        pack.sprites.SetPalette([] {
            DGCPalette palette;
            palette.SetColour(9, qRgb(1, 2, 3));
            return palette;
        }());
        pack.tiles.Add(Block(2, 2, 5));
        int initialised = 0;
        int backPixelAtInitialise = -1;
        pack.screen.OnInitialize = [&] {
            ++initialised;
            backPixelAtInitialise = pack.screen.Back().GetPixel(100, 100);
        };
        pack.screen.Open();
        pack.screen.Open();

        const QSize expected = mode == dm640x480x8 ? QSize(640, 480) : QSize(800, 600);
        EXPECT_EQ(QSize(pack.screen.Width(), pack.screen.Height()), expected);
        EXPECT_EQ(QSize(pack.display.Width(), pack.display.Height()), expected);
        EXPECT_TRUE(pack.display.IsOpen());
        EXPECT_EQ(initialised, 1);
        EXPECT_EQ(backPixelAtInitialise, 0);
        EXPECT_EQ(pack.screen.ImageCount(), 1);
        EXPECT_EQ(pack.screen.ImageSurface(0).Width(), 3);
        EXPECT_EQ(pack.screen.TileCount(), 1);
        EXPECT_EQ(pack.screen.Palette().Colour(9), qRgb(1, 2, 3));
        EXPECT_THROW(pack.screen.ImageSurface(1), EDGCError);
        EXPECT_THROW(pack.screen.ImageSurface(-1), EDGCError);
    }
}

TEST(Screen, EachFramePassRaisesOnFlipAndThenShowsTheBackBuffer)
{
    OpenScreen pack({});
    pack.screen.Open();
    int frames = 0;
    pack.screen.OnFlip = [&] {
        ++frames;
        pack.screen.Back().SetPixel(0, 0, std::uint8_t(frames));
    };
    EXPECT_TRUE(pack.screen.StepFrame());
    EXPECT_TRUE(pack.screen.StepFrame());
    EXPECT_EQ(frames, 2);
    EXPECT_EQ(pack.display.PresentCount(), 2);
    EXPECT_EQ(pack.screen.Front().GetPixel(0, 0), 2);

    // Switching flipping off inside a pass still flips that pass, and no pass follows.
    pack.screen.OnFlip = [&] {
        ++frames;
        pack.screen.Back().SetPixel(0, 0, 42);
        pack.screen.SetFlippingEnabled(false);
    };
    EXPECT_TRUE(pack.screen.StepFrame());
    EXPECT_EQ(pack.screen.Front().GetPixel(0, 0), 42);
    EXPECT_FALSE(pack.screen.StepFrame());
    EXPECT_EQ(frames, 3);
    EXPECT_EQ(pack.display.PresentCount(), 3);
}

TEST(Screen, AnExceptionInAFrameBeepsIsTracedSkipsTheFlipAndTheNextFrameRuns)
{
    OpenScreen pack({});
    pack.screen.Debug = true;
    pack.screen.BeepOnException = true;
    pack.screen.Open();
    QStringList traced;
    SetTraceListener([&](const QString &line) { traced << line; });
    bool fail = true;
    pack.screen.OnFlip = [&] {
        pack.screen.Back().SetPixel(5, 5, 1);
        if (fail)
            throw std::runtime_error("Unable to write to Skarvel.ini");
    };

    pack.screen.StepFrame();
    EXPECT_EQ(pack.display.BeepCount(), 1);
    EXPECT_EQ(traced, QStringList{QStringLiteral("Unable to write to Skarvel.ini")});
    EXPECT_EQ(pack.display.PresentCount(), 0);
    EXPECT_EQ(pack.screen.Front().GetPixel(5, 5), 0);

    fail = false;
    pack.screen.StepFrame();
    EXPECT_EQ(pack.display.PresentCount(), 1);
    EXPECT_EQ(pack.screen.Front().GetPixel(5, 5), 1);

    // Without BeepOnException and Debug the exception is still caught, silently.
    pack.screen.Debug = false;
    pack.screen.BeepOnException = false;
    fail = true;
    pack.screen.StepFrame();
    EXPECT_EQ(pack.display.BeepCount(), 1);
    EXPECT_EQ(traced.size(), 1);
    SetTraceListener({});
}

TEST(Screen, MapIsDrawnTileByTileAndTileAtFindsTheCellUnderAPoint)
{
    OpenScreen pack({});
    pack.tiles.Add(Block(10, 8, 0));
    pack.tiles.Add(Block(10, 8, 1));
    pack.tiles.Add(Block(10, 8, 2));
    pack.maps.AddMap(3, 2);
    pack.screen.Open();
    pack.screen.SetMapTile(0, 0, 2);
    pack.screen.SetMapTile(2, 1, 1);
    pack.screen.SetMapTile(3, 0, 1); // outside the map: ignored
    EXPECT_EQ(pack.screen.GetMapTile(0, 0), 2);
    EXPECT_EQ(pack.screen.GetMapTile(3, 0), 0);
    EXPECT_EQ(pack.screen.GetMapTile(-1, 0), 0);

    pack.screen.Back().Erase(9);
    pack.screen.DrawMap(pack.screen.Back(), 0, 1, 1, true);
    const TDGCSurface &back = pack.screen.Back();
    EXPECT_EQ(back.GetPixel(0, 0), 9) << "the map starts at (1, 1)";
    EXPECT_EQ(back.GetPixel(1, 1), 2);
    EXPECT_EQ(back.GetPixel(10, 8), 2);
    EXPECT_EQ(back.GetPixel(11, 8), 0) << "opaque: index 0 tiles are drawn too";
    EXPECT_EQ(back.GetPixel(21, 9), 1);
    EXPECT_EQ(back.GetPixel(31, 17), 9) << "beyond the map";

    const struct
    {
        int x, y;
        int column, row, value;
    } cases[] = {
        {1, 1, 0, 0, 2},   {10, 8, 0, 0, 2},   {11, 9, 1, 1, 0},   {30, 16, 2, 1, 1},
        {0, 5, -1, -1, 0}, {31, 5, -1, -1, 0}, {5, 17, -1, -1, 0}, {-20, -20, -1, -1, 0},
    };
    for (const auto &c : cases) {
        const auto hit = pack.screen.TileAt(c.x, c.y);
        EXPECT_EQ(hit.column, c.column) << c.x << "," << c.y;
        EXPECT_EQ(hit.row, c.row) << c.x << "," << c.y;
        EXPECT_EQ(hit.value, c.value) << c.x << "," << c.y;
    }
}

TEST(Screen, FadesStepThePaletteOncePerRefresh)
{
    OpenScreen pack({Block(1, 1, 1)});
    DGCPalette palette;
    palette.SetColour(1, qRgb(200, 100, 50));
    pack.sprites.SetPalette(palette);
    pack.display.AttachClock(&pack.clock, 16);
    pack.screen.Open();
    pack.screen.Back().Erase(1);
    pack.screen.Flip();
    EXPECT_EQ(pack.display.Shown().pixel(0, 0), qRgb(200, 100, 50));
    const int before = pack.display.PresentCount();

    pack.screen.FadeOut(1);
    EXPECT_EQ(pack.display.PresentCount() - before, 2) << "n + 1 steps";
    EXPECT_EQ(pack.display.Shown().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pack.screen.FadeLevel(), 0.0);

    pack.screen.FadeIn(3);
    EXPECT_EQ(pack.display.PresentCount() - before, 6);
    EXPECT_EQ(pack.display.Shown().pixel(0, 0), qRgb(200, 100, 50));
    EXPECT_EQ(pack.clock.TickCount(), 16u * 7) << "one refresh per flip and per fade step";

    // Frames flipped after a fade-out stay black until faded in.
    pack.screen.FadeOut(0);
    pack.screen.Flip();
    EXPECT_EQ(pack.display.Shown().pixel(0, 0), qRgb(0, 0, 0));
}

TEST(Screen, ClosingGivesTheDisplayBackAndStopsTheFrames)
{
    OpenScreen pack({});
    pack.screen.Open();
    pack.screen.Close();
    EXPECT_FALSE(pack.display.IsOpen());
    EXPECT_FALSE(pack.screen.StepFrame());
}
