#include "coursewalk.h"

#include <gtest/gtest.h>

#include <vector>

using namespace sk2;

namespace {

// The default oval: curves in the corners, straights between, grass inside.
const CellCodes Oval = {3, 6, 6, 6, 4, 5, 12, 12, 12, 5, 5, 12, 12, 12, 5, 1, 6, 6, 6, 2};

std::vector<int> Cells(const CourseWalk &walk)
{
    std::vector<int> cells;
    for (const WalkStep &step : walk.steps)
        cells.push_back(step.cell);
    return cells;
}

CellCodes AllGrass()
{
    CellCodes codes;
    codes.fill(12);
    return codes;
}

} // namespace

TEST(StartCell, TakesTheFirstOfTheMiddleColumnFromTheBottomThatIsNotGrass)
{
    struct Case
    {
        int cell17, cell12, cell7;
        std::optional<int> start;
    };
    const Case cases[] = {
        {6, 6, 6, 17},    {12, 5, 5, 12}, {11, 12, 7, 7}, {12, 11, 12, std::nullopt},
        {0, 12, 12, 17}, // an empty cell counts as a start
        {-3, 12, 12, 17},
    };
    for (const Case &c : cases) {
        CellCodes codes = AllGrass();
        codes[17] = c.cell17;
        codes[12] = c.cell12;
        codes[7] = c.cell7;
        EXPECT_EQ(StartCell(codes), c.start) << c.cell17 << " " << c.cell12 << " " << c.cell7;
    }
}

TEST(TraceCourse, WalksTheOvalFromCell17EastAndClosesOnReenteringItFromTheWest)
{
    const CourseWalk walk = TraceCourse(Oval);
    EXPECT_EQ(walk.end, WalkEnd::Closed);
    EXPECT_EQ(Cells(walk), (std::vector<int>{17, 18, 19, 14, 9, 4, 3, 2, 1, 0, 5, 10, 15, 16}));
    EXPECT_EQ(walk.steps.front().heading, Heading::East);
    EXPECT_EQ(walk.steps[2].heading, Heading::North); // leaving the curve in the bottom right corner
    EXPECT_EQ(walk.steps.back().heading, Heading::East);
}

TEST(TraceCourse, EndsWhereTheRoadBreaksOrLeavesTheGrid)
{
    struct Case
    {
        const char *what;
        std::vector<std::pair<int, int>> changes; // cell, code applied to the oval
        WalkEnd end;
        std::vector<int> cells;
    };
    const std::vector<Case> cases = {
        {"no start", {{17, 12}, {12, 11}, {7, 12}}, WalkEnd::NoStart, {}},
        {"empty start", {{17, 0}}, WalkEnd::NoRoadAtStart, {}},
        {"grass in the way", {{19, 12}}, WalkEnd::Broken, {17, 18}},
        {"curve turned the wrong way", {{19, 1}}, WalkEnd::Broken, {17, 18}},
        {"off the east edge", {{19, 6}}, WalkEnd::LeftGrid, {17, 18, 19}},
        {"off the south edge", {{19, 4}}, WalkEnd::LeftGrid, {17, 18, 19}},
        {"off the north edge", {{4, 5}}, WalkEnd::LeftGrid, {17, 18, 19, 14, 9, 4}},
        {"off the west edge", {{0, 6}}, WalkEnd::LeftGrid, {17, 18, 19, 14, 9, 4, 3, 2, 1, 0}},
        {"unknown code", {{18, 9}}, WalkEnd::Broken, {17}},
    };
    for (const Case &c : cases) {
        CellCodes codes = Oval;
        for (auto [cell, code] : c.changes)
            codes[cell] = code;
        const CourseWalk walk = TraceCourse(codes);
        EXPECT_EQ(walk.end, c.end) << c.what;
        EXPECT_EQ(Cells(walk), c.cells) << c.what;
    }
}

TEST(TraceCourse, StartHeadingFollowsTheStartTile)
{
    // A small loop in columns 2 and 3 whose start cell 17 holds each kind of tile in turn.
    struct Case
    {
        int startCode;
        Heading first;
    };
    for (const Case &c :
         {Case{1, Heading::East}, Case{2, Heading::North}, Case{3, Heading::East}, Case{4, Heading::South},
          Case{5, Heading::North}, Case{6, Heading::East}, Case{7, Heading::East}}) {
        CellCodes codes = AllGrass();
        codes[17] = c.startCode;
        const CourseWalk walk = TraceCourse(codes);
        ASSERT_FALSE(walk.steps.empty()) << c.startCode;
        EXPECT_EQ(walk.steps.front().heading, c.first) << c.startCode;
    }
}

TEST(TraceCourse, FigureOfEightPassesItsCrossingBothWays)
{
    // Up from the start through the crossing at 12, round the loop to its west and back through the
    // crossing eastwards, then down and round into the start from the east.
    CellCodes codes = AllGrass();
    codes[17] = 5;
    codes[12] = 7;
    codes[7] = 4;
    codes[6] = 3;
    codes[11] = 1;
    codes[13] = 4;
    codes[18] = 2;
    const CourseWalk walk = TraceCourse(codes);
    EXPECT_EQ(walk.end, WalkEnd::Closed);
    EXPECT_EQ(Cells(walk), (std::vector<int>{17, 12, 7, 6, 11, 12, 13, 18}));
    EXPECT_EQ(walk.steps[1].heading, Heading::North);
    EXPECT_EQ(walk.steps[5].heading, Heading::East);
}
