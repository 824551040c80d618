// The track tiles: road where the race and the editor expect it, seamless joins, and markers only
// where the underpass needs them.
#include "artfiles.h"

#include <QList>
#include <QPoint>
#include <QSet>

#include <gtest/gtest.h>

using namespace sk2arttest;

namespace {

const TileSet Race800{"race 800 x 600", "tiles800", 160, 150, true};
const TileSet Race640{"race 640 x 480", "tiles640", 128, 120, true};
const TileSet Editor{"editor", "editor/tiles", 53, 50, false};
const TileSet Preview{"preview", "preview", 22, 20, false};

QImage Tile(const TileSet &set, int image)
{
    return LoadArt(QString("%1/%2.png").arg(set.folder).arg(image));
}

// Which positions along one side of a tile are road: its top or bottom row, or left or right column.
QList<bool> RoadAlong(const TileSet &set, const QImage &tile, Side side)
{
    QList<bool> road;
    const bool across = side == North || side == South;
    const int length = across ? set.width : set.height;
    for (int i = 0; i < length; ++i) {
        const int x = across ? i : (side == West ? 0 : set.width - 1);
        const int y = across ? (side == North ? 0 : set.height - 1) : i;
        road << IsRoadPixel(set, tile, x, y);
    }
    return road;
}

class Sk2ArtTileSets : public ::testing::TestWithParam<TileSet>
{
};

} // namespace

TEST_P(Sk2ArtTileSets, NineTilesOfTheSetSize)
{
    const TileSet set = GetParam();
    for (int image = 0; image < 9; ++image)
        EXPECT_EQ(Tile(set, image).size(), QSize(set.width, set.height)) << set.name << " " << image;
}

TEST_P(Sk2ArtTileSets, RoadsMeetTheStraightsOnEverySideTheyConnect)
{
    // Any two tiles may stand side by side, so each road side must match the straight's exactly and a
    // side without road must have none.
    const TileSet set = GetParam();
    const QImage northSouth = Tile(set, 4);
    const QImage westEast = Tile(set, 5);
    const QList<bool> columns = RoadAlong(set, northSouth, North);
    const QList<bool> rows = RoadAlong(set, westEast, West);
    ASSERT_TRUE(columns.contains(true) && rows.contains(true));
    for (int image = 0; image < 9; ++image) {
        const QImage tile = Tile(set, image);
        for (Side side : {North, East, South, West}) {
            const QList<bool> &expected = (side == North || side == South) ? columns : rows;
            const QList<bool> road = RoadAlong(set, tile, side);
            if (Connects[image][side])
                EXPECT_EQ(road, expected) << set.name << " tile " << image << " side " << side;
            else
                EXPECT_FALSE(road.contains(true)) << set.name << " tile " << image << " side " << side;
        }
    }
}

TEST_P(Sk2ArtTileSets, StraightsAreOneEvenBandAndGrassHasNoRoad)
{
    const TileSet set = GetParam();
    const QImage northSouth = Tile(set, 4);
    const QImage westEast = Tile(set, 5);
    const QList<bool> columns = RoadAlong(set, northSouth, North);
    const QList<bool> rows = RoadAlong(set, westEast, West);
    for (int y = 0; y < set.height; ++y) {
        for (int x = 0; x < set.width; ++x) {
            ASSERT_EQ(IsRoadPixel(set, northSouth, x, y), columns[x]) << set.name << " at " << x << "," << y;
            ASSERT_EQ(IsRoadPixel(set, westEast, x, y), rows[y]) << set.name << " at " << x << "," << y;
        }
    }
    for (int image : {7, 8}) {
        const QImage grass = Tile(set, image);
        for (int y = 0; y < set.height; ++y) {
            for (int x = 0; x < set.width; ++x)
                ASSERT_FALSE(IsRoadPixel(set, grass, x, y)) << set.name << " tile " << image;
        }
    }
}

TEST_P(Sk2ArtTileSets, EveryRoadPixelBelongsToARoadThatLeavesTheTile)
{
    // No stray road pixels: every one is reached from the road on the tile's sides, so a car never
    // finds a hole of road in a kerb or on the grass.
    const TileSet set = GetParam();
    for (int image = 0; image < 7; ++image) {
        const QImage tile = Tile(set, image);
        QList<QPoint> todo;
        for (int x = 0; x < set.width; ++x)
            todo << QPoint(x, 0) << QPoint(x, set.height - 1);
        for (int y = 0; y < set.height; ++y)
            todo << QPoint(0, y) << QPoint(set.width - 1, y);
        QSet<int> reached;
        while (!todo.isEmpty()) {
            const QPoint p = todo.takeLast();
            const int key = p.y() * set.width + p.x();
            if (!tile.rect().contains(p) || reached.contains(key) || !IsRoadPixel(set, tile, p.x(), p.y()))
                continue;
            reached.insert(key);
            todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
        }
        for (int y = 0; y < set.height; ++y) {
            for (int x = 0; x < set.width; ++x) {
                if (!IsRoadPixel(set, tile, x, y))
                    continue;
                ASSERT_TRUE(reached.contains(y * set.width + x))
                    << set.name << " tile " << image << " at " << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllSets, Sk2ArtTileSets, ::testing::Values(Race800, Race640, Editor, Preview), [](const auto &info) {
        return std::string(info.param.folder == "editor/tiles" ? "editor" : info.param.folder.toStdString());
    });

TEST(Sk2ArtRaceTiles, TheRoadLiesWhereTheFinishLineAndTheCarsStart)
{
    // The finish line (8 x 80) and both cars stand on the west-east straight at the start: in 800 x 600
    // at tile position (141, 34), the cars at (106, 54) and (106, 79); in 640 x 480 at (5, 19) of the
    // next tile, the cars at (98, 39) and (98, 64).
    struct Start
    {
        TileSet set;
        QPoint line;
        QPoint car1;
        QPoint car2;
    };
    const QImage car1 = LoadArt(SpriteName(9));
    const QImage car2 = LoadArt(SpriteName(41));
    for (const Start &start :
         {Start{Race800, {141, 34}, {106, 54}, {106, 79}}, Start{Race640, {5, 19}, {98, 39}, {98, 64}}}) {
        const QImage straight = Tile(start.set, 5);
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 8; ++x)
                ASSERT_EQ(straight.pixelIndex(start.line.x() + x, start.line.y() + y), 0) << start.set.name;
        }
        for (const auto &[car, at] : {std::pair{car1, start.car1}, std::pair{car2, start.car2}}) {
            for (int y = 0; y < car.height(); ++y) {
                for (int x = 0; x < car.width(); ++x) {
                    if (car.pixelIndex(x, y) != 0) {
                        ASSERT_EQ(straight.pixelIndex(at.x() + x, at.y() + y), 0) << start.set.name;
                    }
                }
            }
        }
    }
}

TEST(Sk2ArtRaceTiles, MarkersOnlyOnTheCrossingOfTheirOwnSet)
{
    for (int image = 0; image < 9; ++image) {
        for (const auto &[set, own, other] : {std::tuple{Race800, 31, 245}, std::tuple{Race640, 245, 31}}) {
            const QImage tile = Tile(set, image);
            bool usesOwn = false, usesOther = false;
            for (int y = 0; y < set.height; ++y) {
                for (int x = 0; x < set.width; ++x) {
                    usesOwn |= tile.pixelIndex(x, y) == own;
                    usesOther |= tile.pixelIndex(x, y) == other;
                }
            }
            EXPECT_EQ(usesOwn, image == 6) << set.name << " tile " << image;
            EXPECT_FALSE(usesOther) << set.name << " tile " << image;
        }
    }
}

TEST(Sk2ArtRaceTiles, CrossingBarsLieAcrossTheNorthSouthRoadBeforeABand)
{
    // Down every column of the north-south road: the north arm, a marker bar, a band that is neither,
    // the west-east road, a band, a marker bar and the south arm.
    for (const auto &[set, marker] : {std::pair{Race800, 31}, std::pair{Race640, 245}}) {
        const QImage crossing = Tile(set, 6);
        const QList<bool> columns = RoadAlong(set, Tile(set, 4), North);
        for (int x = 0; x < set.width; ++x) {
            if (!columns[x])
                continue;
            QString runs;
            for (int y = 0; y < set.height; ++y) {
                const int index = crossing.pixelIndex(x, y);
                const QChar kind = index == 0 ? 'R' : index == marker ? 'M' : 'b';
                if (runs.isEmpty() || runs.back() != kind)
                    runs += kind;
            }
            EXPECT_EQ(runs, "RMbRbMR") << set.name << " column " << x;
        }
    }
}

TEST(Sk2ArtEditorTiles, FillPointsOnTheRoadAndNoPureRed)
{
    for (int image = 0; image < 9; ++image) {
        const QImage tile = Tile(Editor, image);
        if (image <= 6) {
            EXPECT_TRUE(IsRoadPixel(Editor, tile, 25, 25)) << image;
        }
        for (const TileSet &set : {Editor, Preview}) {
            const QImage picture = Tile(set, image);
            for (int y = 0; y < set.height; ++y) {
                for (int x = 0; x < set.width; ++x)
                    ASSERT_NE(picture.pixel(x, y) & 0xffffff, 0xff0000u) << set.name << " tile " << image;
            }
        }
    }
}

TEST(Sk2ArtEditorTiles, CrossingArmsAreSeparateBlackAreasPartedByGreen)
{
    const QImage crossing = Tile(Editor, 6);
    // The black area through a point, four-connected as the course check fills it.
    auto area = [&](QPoint start) {
        QList<QPoint> todo{start};
        QSet<int> seen;
        while (!todo.isEmpty()) {
            const QPoint p = todo.takeLast();
            if (!crossing.rect().contains(p) || seen.contains(p.y() * 100 + p.x()) ||
                !IsRoadPixel(Editor, crossing, p.x(), p.y()))
                continue;
            seen.insert(p.y() * 100 + p.x());
            todo << p + QPoint(1, 0) << p - QPoint(1, 0) << p + QPoint(0, 1) << p - QPoint(0, 1);
        }
        return seen;
    };
    const QSet<int> middle = area({25, 25});
    const QSet<int> north = area({25, 5});
    const QSet<int> south = area({25, 47});
    ASSERT_FALSE(north.isEmpty());
    ASSERT_FALSE(south.isEmpty());
    EXPECT_FALSE(middle.contains(5 * 100 + 25));
    EXPECT_FALSE(middle.contains(47 * 100 + 25));
    EXPECT_FALSE(north.contains(47 * 100 + 25));
    EXPECT_TRUE(middle.contains(25 * 100 + 0) && middle.contains(25 * 100 + 52))
        << "the west-east road spans the tile";
    // Between each arm and the middle, the pixels are green.
    for (int y = 6; y < 25; ++y) {
        if (!IsRoadPixel(Editor, crossing, 25, y)) {
            const QRgb p = crossing.pixel(25, y);
            EXPECT_GT(qGreen(p), qRed(p) + 60) << "row " << y;
            EXPECT_GT(qGreen(p), qBlue(p) + 60) << "row " << y;
        }
    }
}

TEST(Sk2ArtEditorTiles, PondIsABlueDisc)
{
    for (const TileSet &set : {Editor, Preview}) {
        const QImage pond = Tile(set, 7);
        const QRgb middle = pond.pixel(set.width / 2, set.height / 2);
        EXPECT_GT(qBlue(middle), qRed(middle) + 80) << set.name;
        const QRgb corner = pond.pixel(1, 1);
        EXPECT_LT(qBlue(corner), qRed(corner)) << set.name << ": olive grass outside the pond";
    }
}
