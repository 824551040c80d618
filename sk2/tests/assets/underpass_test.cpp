// A car driving along the north-south road of a crossing goes under the bridge: the race hides it when
// one of five points around it (its box's corners and its reference point x + 10, y + 14) reads a
// marker, moves it past the west-east road (by its height + 25, then by its height + 15 when it
// touches non-road again while hidden) and shows it again a frame later. This drives a car through
// the built crossing at every speed up to 10 pixels a frame and every alignment, and checks that the
// art lets it pass without ever meeting the roadside.
#include "artfiles.h"

#include <gtest/gtest.h>

#include <string>

using namespace sk2arttest;

namespace {

struct Column
{
    QImage picture; // a north-south straight, the crossing, another straight, top to bottom
    int tileHeight;
    int roadLeft;
    int roadWidth;

    int PixelAt(int x, int y) const { return picture.rect().contains(x, y) ? picture.pixelIndex(x, y) : 254; }
};

Column BuildColumn(const QString &folder)
{
    const QImage straight = LoadArt(folder + "/4.png");
    const QImage crossing = LoadArt(folder + "/6.png");
    Column column{QImage(straight.width(), straight.height() * 3, QImage::Format_Indexed8), straight.height(),
                  -1, 0};
    column.picture.setColorTable(straight.colorTable());
    for (int tile = 0; tile < 3; ++tile) {
        const QImage &source = tile == 1 ? crossing : straight;
        for (int y = 0; y < source.height(); ++y)
            memcpy(column.picture.scanLine(tile * source.height() + y), source.constScanLine(y),
                   size_t(source.width()));
    }
    for (int x = 0; x < straight.width(); ++x) {
        if (straight.pixelIndex(x, 0) == 0) {
            if (column.roadLeft < 0)
                column.roadLeft = x;
            ++column.roadWidth;
        }
    }
    return column;
}

QImage CarImage(int direction)
{
    return LoadArt(SpriteName(1 + direction));
}

// Drives one car through; returns an empty string when it came out beyond the bridge, visible, after
// going under it exactly once, or what went wrong.
std::string DriveThrough(const Column &c, int marker, bool onlyOnCrossing, bool north, int speed, int phase)
{
    int direction = north ? 0 : 16;
    const int dy = north ? -speed : speed;
    const int x = c.roadLeft + (c.roadWidth - CarImage(direction).width()) / 2;
    int y = north ? 2 * c.tileHeight + c.tileHeight / 2 + phase : 10 + phase;
    bool hidden = false, reappear = false;
    int jumps = 0;
    for (int frame = 0; frame < 400; ++frame) {
        y += dy;
        if (reappear)
            hidden = reappear = false;
        const QImage car = CarImage(direction);
        const int w = car.width(), h = car.height();
        bool offRoad = false;
        for (int j = 0; j < h && !offRoad; ++j) {
            for (int i = 0; i < w && !offRoad; ++i)
                offRoad = car.pixelIndex(i, j) != 0 && c.PixelAt(x + i, y + j) != 0;
        }
        if (!offRoad) {
            const bool beyond = north ? y + h <= c.tileHeight : y >= 2 * c.tileHeight;
            if (beyond && !hidden)
                return jumps == 2 ? "" : "came out after " + std::to_string(jumps) + " moves";
            continue;
        }
        const std::string where = " at y " + std::to_string(y) + " in frame " + std::to_string(frame);
        const bool onCrossing = y + 14 >= c.tileHeight && y + 14 < 2 * c.tileHeight;
        if (onlyOnCrossing && !onCrossing)
            return "touched the roadside off the crossing" + where;
        bool seesMarker = false;
        for (auto [px, py] : {std::pair{x, y}, {x + w, y}, {x, y + h}, {x + w, y + h}, {x + 10, y + 14}})
            seesMarker |= c.PixelAt(px, py) == marker;
        if (!hidden && !seesMarker)
            return "met the bridge without seeing a marker" + where;
        const int gap = hidden ? 15 : 25;
        direction = direction >= 10 && direction <= 24 ? 16 : 31;
        const int newHeight = CarImage(direction).height();
        y = direction == 16 ? y + newHeight + gap + dy : y - newHeight - gap + dy;
        reappear = hidden;
        hidden = true;
        if (++jumps > 2)
            return "went under a third time" + where;
    }
    return "never came out";
}

} // namespace

TEST(Sk2ArtUnderpass, CarsPassUnderTheBridgeAtEverySpeedBothWays)
{
    struct Set
    {
        const char *folder;
        int marker;
        bool onlyOnCrossing; // the 800 x 600 race looks for markers only on crossings
    };
    for (const Set &set : {Set{"tiles800", 31, true}, Set{"tiles640", 245, false}}) {
        const Column column = BuildColumn(set.folder);
        for (bool north : {true, false}) {
            for (int speed = 1; speed <= 10; ++speed) {
                for (int phase = 0; phase < speed; ++phase) {
                    EXPECT_EQ(DriveThrough(column, set.marker, set.onlyOnCrossing, north, speed, phase), "")
                        << set.folder << (north ? " north" : " south") << " at speed " << speed << " phase "
                        << phase;
                }
            }
        }
    }
}
