#include "tracksetup.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

using namespace sk2;

namespace {

const TRaceModeValues Mode800 = RaceModeValues(false, 800, 600);
const TRaceModeValues Mode640 = RaceModeValues(true, 640, 480);

TTrackRec Track(std::initializer_list<std::int32_t> codes)
{
    TTrackRec rec{};
    std::copy(codes.begin(), codes.end(), rec.Tiles.begin());
    return rec;
}

const TTrackRec Oval = Track({
    3, 6,  6,  6,  4, //
    5, 12, 12, 12, 5, //
    5, 12, 12, 12, 5, //
    1, 6,  6,  6,  2,
});

std::vector<int> HintRow(const TTrackSetup &setup, int row)
{
    return {setup.HintGrid[row].begin(), setup.HintGrid[row].end()};
}

// n copies of value.
std::vector<int> Repeated(int n, int value)
{
    return std::vector<int>(n, value);
}

std::vector<int> Joined(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> all;
    for (const auto &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The 5 x 4 hints of one map cell, row by row.
std::vector<int> CellHints(const TTrackSetup &setup, int column, int row)
{
    std::vector<int> hints;
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 4; ++j)
            hints.push_back(setup.HintGrid[5 * row + i][4 * column + j]);
    }
    return hints;
}

std::vector<int> TemplateHints(int hintTemplate, int sign)
{
    std::vector<int> hints;
    for (const auto &row : TileHints[hintTemplate]) {
        for (const int hint : row)
            hints.push_back(sign * hint);
    }
    return hints;
}

} // namespace

TEST(BuildTrack, TracesTheDefaultOvalOnceAround)
{
    const TTrackSetup setup = SetUpTrack(Oval, Mode800);
    EXPECT_EQ(setup.StartColumn, 2);
    EXPECT_EQ(setup.StartRow, 3);
    EXPECT_EQ(setup.StartType, 5);
    EXPECT_EQ(setup.StartX, 462);
    EXPECT_EQ(setup.StartY, 485);

    for (const int row : {0, 1, 17, 18, 19})
        EXPECT_EQ(HintRow(setup, row), Repeated(20, -1)) << "hint row " << row;
    EXPECT_EQ(HintRow(setup, 2), Joined({Repeated(3, -1), Repeated(13, +1), Repeated(4, -1)}));
    const std::vector<int> side = Joined({{-1, -1, +1, +1}, Repeated(12, 0), {+1, +1, -1, -1}});
    for (int row = 5; row <= 14; ++row)
        EXPECT_EQ(HintRow(setup, row), side) << "hint row " << row;
}

TEST(BuildTrack, MapValuesAndVisitedFlagsFollowTheTileCodes)
{
    // A pond, and two codes that name no tile, which race as plain grass.
    TTrackRec track = Oval;
    track.Tiles[6] = Tile::GrassWithPond;
    track.Tiles[7] = 0;
    track.Tiles[8] = 99;
    const TTrackSetup setup = BuildTrack(track, 150, 462, 485);

    const std::int32_t expectedMap[4][5] = {
        {2, 5, 5, 5, 3},
        {4, 7, 8, 8, 4},
        {4, 8, 8, 8, 4},
        {0, 5, 5, 5, 1},
    };
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 5; ++column) {
            const std::uint8_t flag = expectedMap[row][column] < 7 ? 0 : 2;
            EXPECT_EQ(setup.Map[column][row], expectedMap[row][column]) << column << "," << row;
            EXPECT_EQ(setup.Visited1[column][row], flag) << column << "," << row;
        }
    }
    EXPECT_EQ(setup.Visited1, setup.Visited2);
}

TEST(BuildTrack, StartCellAndFinishLineFollowTheMiddleColumn)
{
    struct Case
    {
        std::int32_t row3, row2, row1;
        bool mode640;
        int startRow;
        std::int32_t startType, startX, startY;
    };
    const Case cases[] = {
        {6, 12, 12, false, 3, 5, 462, 485}, {1, 12, 12, false, 3, 0, 612, 485},
        {2, 12, 12, false, 3, 1, 312, 485}, {3, 12, 12, false, 3, 2, 612, 485},
        {4, 12, 12, false, 3, 3, 312, 485}, {7, 12, 12, false, 3, 6, 462, 485},
        {12, 5, 12, false, 2, 4, 462, 335}, {11, 12, 1, false, 1, 0, 612, 185},
        {12, 12, 11, false, 1, 7, 462, 35}, {12, 12, 12, false, 1, 8, 462, 35},
        {1, 12, 12, true, 3, 0, 510, 380},  {12, 5, 12, true, 2, 4, 390, 260},
        {12, 12, 12, true, 1, 8, 390, 20},
    };
    for (const Case &c : cases) {
        TTrackRec track{};
        track.Tiles.fill(Tile::PlainGrass);
        track.Tiles[17] = c.row3;
        track.Tiles[12] = c.row2;
        track.Tiles[7] = c.row1;
        const TTrackSetup setup = SetUpTrack(track, c.mode640 ? Mode640 : Mode800);
        const auto where = testing::Message()
                           << c.row3 << " " << c.row2 << " " << c.row1 << " 640:" << c.mode640;
        EXPECT_EQ(setup.StartColumn, 2) << where;
        EXPECT_EQ(setup.StartRow, c.startRow) << where;
        EXPECT_EQ(setup.StartType, c.startType) << where;
        EXPECT_EQ(setup.StartX, c.startX) << where;
        EXPECT_EQ(setup.StartY, c.startY) << where;
    }
}

TEST(BuildTrack, TheStartCellIsTracedFromTheEntrySideOfItsKind)
{
    // Values 2 and 3 start the reversed way, the others the normal way; a crossing starts eastward.
    struct Case
    {
        int cell;
        std::int32_t code;
        int hintTemplate;
        int sign;
    };
    const Case cases[] = {
        {17, Tile::CurveNorthEast, 0, +1},           {17, Tile::CurveNorthWest, 1, +1},
        {12, Tile::CurveSouthEast, 2, -1},           {17, Tile::CurveSouthWest, 3, -1},
        {12, Tile::StraightNorthSouth, 4, +1},       {17, Tile::StraightWestEast, 5, +1},
        {17, Tile::Crossing, CrossingTemplateA, +1},
    };
    for (const Case &c : cases) {
        TTrackRec track{};
        track.Tiles.fill(Tile::PlainGrass);
        track.Tiles[c.cell] = c.code;
        const TTrackSetup setup = BuildTrack(track, 150, 462, 485);
        EXPECT_EQ(CellHints(setup, 2, c.cell / 5), TemplateHints(c.hintTemplate, c.sign))
            << "code " << c.code;
    }
}

TEST(BuildTrack, WithoutAStartCellEveryHintStaysZero)
{
    TTrackRec track = Oval;
    track.Tiles[17] = Tile::PlainGrass;
    const TTrackSetup setup = BuildTrack(track, 150, 462, 485);
    EXPECT_EQ(setup.StartType, 8);
    EXPECT_EQ(setup.HintGrid, THintGrid{});
}

TEST(BuildTrack, StopsAtABreakInTheCourse)
{
    // West of the top row the road turns south into grass.
    TTrackRec track = Oval;
    track.Tiles[5] = Tile::PlainGrass;
    const TTrackSetup setup = BuildTrack(track, 150, 462, 485);
    EXPECT_EQ(CellHints(setup, 0, 0), TemplateHints(2, +1));
    for (const auto &[column, row] : {std::pair{0, 1}, {0, 2}, {0, 3}, {1, 3}})
        EXPECT_EQ(CellHints(setup, column, row), Repeated(20, 0)) << column << "," << row;
    EXPECT_EQ(CellHints(setup, 2, 3), TemplateHints(5, +1));
}

TEST(BuildTrack, AFigureOfEightCrossingPassedFromEastAndNorthGetsTemplateAInverted)
{
    const TTrackRec eight = Track({
        3,  6,  4, 12, 12, //
        5,  12, 5, 12, 12, //
        1,  6,  7, 6,  4,  //
        12, 12, 1, 6,  2,
    });
    const TTrackSetup setup = BuildTrack(eight, 150, 462, 485);
    EXPECT_EQ(
        CellHints(setup, 2, 2),
        Joined({{-1, -1, +1, +1}, {-1, -1, -1, -1}, {+1, +1, +1, +1}, {+1, +1, +1, +1}, {-1, -1, +1, +1}}));
}

TEST(BuildTrack, ACrossingGetsItsTemplateFromTheSidesItIsEnteredFrom)
{
    // The default oval with one straight made a crossing; the oval is traced clockwise.
    struct Case
    {
        int cell;
        int hintTemplate;
        int sign;
    };
    const Case cases[] = {
        {9, CrossingTemplateA, +1},  // right side, entered from the south
        {2, CrossingTemplateC, +1},  // top row, entered from the east
        {10, CrossingTemplateB, +1}, // left side, entered from the north
        {16, CrossingTemplateA, +1}, // bottom row, entered from the west
    };
    for (const Case &c : cases) {
        TTrackRec track = Oval;
        track.Tiles[c.cell] = Tile::Crossing;
        const TTrackSetup setup = BuildTrack(track, 150, 462, 485);
        EXPECT_EQ(CellHints(setup, c.cell % 5, c.cell / 5), TemplateHints(c.hintTemplate, c.sign))
            << "cell " << c.cell;
    }
}

TEST(BuildTrack, ACrossingStartIsPassedAgainWhenTheCourseComesBackFromTheNorth)
{
    const TTrackRec track = Track({
        12, 12, 12, 12, 12, //
        12, 12, 3,  6,  4,  //
        12, 12, 5,  12, 5,  //
        12, 12, 7,  6,  2,
    });
    const TTrackSetup setup = BuildTrack(track, 150, 462, 485);
    EXPECT_EQ(setup.StartType, 6);
    EXPECT_EQ(CellHints(setup, 2, 3), TemplateHints(CrossingTemplateB, +1));
    EXPECT_EQ(CellHints(setup, 2, 2), TemplateHints(4, -1));
}

TEST(HintAt, LooksUpTheCellTruncatingTowardZeroAndGivesZeroOffTheGrid)
{
    THintGrid grid{};
    grid[0][0] = 1;
    grid[19][19] = -1;
    grid[3][5] = 1;
    const struct
    {
        int x, y, hint;
    } cases[] = {
        {0, 0, 1},   {-39, -29, 1}, {799, 599, -1}, {200, 90, 1}, {199, 90, 0},
        {800, 0, 0}, {0, 600, 0},   {-40, 0, 0},    {0, -30, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HintAt(grid, c.x, c.y, 40, 30), c.hint) << c.x << "," << c.y;
}

TEST(RaceModeValues, FollowTheDisplayMode)
{
    const TRaceModeValues small = RaceModeValues(true, 640, 480);
    EXPECT_EQ(small.HudTop, 465);
    EXPECT_EQ(small.HudLeft1, 535);
    EXPECT_EQ(small.HudLeft2, 5);
    EXPECT_EQ(small.CellWidth, 32);
    EXPECT_EQ(small.CellHeight, 24);
    EXPECT_EQ(small.TileHeight, 120);
    EXPECT_EQ(small.MarkerColour, 245);

    const TRaceModeValues large = RaceModeValues(false, 800, 600);
    EXPECT_EQ(large.HudTop, 575);
    EXPECT_EQ(large.HudLeft1, 680);
    EXPECT_EQ(large.HudLeft2, 20);
    EXPECT_EQ(large.CellWidth, 40);
    EXPECT_EQ(large.CellHeight, 30);
    EXPECT_EQ(large.TileHeight, 150);
    EXPECT_EQ(large.MarkerColour, 31);
}
