// Cutting a picture into pieces: the grid, the edges, the scatter, the piece table and the table order.
#include "memory.h"
#include "puzzle_fixture.h"

#include <algorithm>
#include <numeric>

using fixtures::AlertLog;

namespace {

TEST(Random, FollowsTheGeneratorFromItsSeed)
{
    SeedRandom(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724};
    for (int value : expected)
        EXPECT_EQ(NextRandom(), value);
    SeedRandom(0xFFFFFFFF);
    EXPECT_EQ(NextRandom(), int(((0xFFFFFFFFu * 214013u + 2531011u) >> 16) & 0x7FFF));
}

TEST(MaxPiecesTest, IsTheAreaOver400ForPicturesThatCanBeCut)
{
    struct Case
    {
        int width;
        int height;
        int max;
    };
    const Case cases[] = {{320, 200, 160}, {640, 480, 768}, {1024, 768, 1966},
                          {20, 500, 25},   {19, 1000, 0},   {3000, 10, 0}};
    for (const Case &c : cases) {
        MemBitmap *picture = fixtures::PictureOf(QImage(c.width, c.height, QImage::Format_RGB32));
        EXPECT_EQ(MaxPieces(picture), c.max) << c.width << " x " << c.height;
        FreeMemBitmap(picture);
    }
    EXPECT_EQ(MaxPieces(nullptr), 0);
}

using CuttingTest = PuzzleTest;

TEST_F(CuttingTest, GridFollowsTheCountAndThePicturesShape)
{
    struct Case
    {
        int width;
        int height;
        int count;
        int cols;
        int rows;
    };
    const Case cases[] = {
        {640, 480, 250, 19, 13},   {640, 480, 50, 9, 5},   {500, 500, 25, 5, 5},
        {1024, 768, 1000, 37, 27}, {480, 640, 100, 9, 11},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " into " << c.count);
        Cut(c.width, c.height, c.count, 1);
        EXPECT_EQ(cols, c.cols);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(total, c.cols * c.rows);
        int widths = 0;
        int heights = 0;
        for (int id = 0; id < total; ++id) {
            ASSERT_EQ(P(id).id, id);
            widths += id < cols ? P(id).w / 2 : 0;
            heights += id % cols == 0 ? P(id).h / 2 : 0;
        }
        // The cells of a row reach across the picture and those of a column down it, to the last pixel
        // or the one before, where the outer outline lies.
        EXPECT_GE(widths, c.width - 1);
        EXPECT_LE(widths, c.width);
        EXPECT_GE(heights, c.height - 1);
        EXPECT_LE(heights, c.height);
    }
}

TEST_F(CuttingTest, SquarePictureGivesEqualCells)
{
    Cut(500, 500, 25, 1);
    ASSERT_EQ(total, 25);
    for (int id = 0; id < 25; ++id) {
        const int row = id / 5;
        const int column = id % 5;
        EXPECT_EQ(P(id).w, 200);
        EXPECT_EQ(P(id).h, 200);
        EXPECT_EQ(P(id).srcX, 100 * column - 50);
        EXPECT_EQ(P(id).srcY, 100 * row - 50);
        EXPECT_EQ(P(id).sheetX, 200 * column);
        EXPECT_EQ(P(id).sheetY, 200 * row);
    }
    EXPECT_EQ(WidthOf(maskSheet), 1125);
    EXPECT_EQ(HeightOf(maskSheet), 1125);
}

TEST_F(CuttingTest, NewPuzzleStartsWithEveryPieceAloneAndTheFirstAtTheBack)
{
    elapsed = 50;
    score = 9;
    placed = 7;
    lastJoin = 40;
    Cut(640, 480, 100, 1);
    EXPECT_EQ(elapsed, 0);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(placed, 1);
    EXPECT_EQ(lastJoin, 0);

    std::vector<int> expected(total);
    std::iota(expected.rbegin(), expected.rend(), 0);
    EXPECT_EQ(FrontToBack(), expected);
    EXPECT_EQ(BackToFrontReversed(), expected);
    for (int id = 0; id < total; ++id) {
        EXPECT_EQ(pieceTable[id].piece->id, id);
        EXPECT_EQ(pieceTable[id].next, id);
        EXPECT_EQ(pieceTable[id].group, id);
    }
}

TEST_F(CuttingTest, OuterEdgesAreStraightAndRectangularPiecesHaveNoOtherKind)
{
    const auto straightLeft = [](const Piece &p) {
        return std::all_of(p.leftEdge, p.leftEdge + EdgePoints,
                           [&p](gdi::Point q) { return q.x == p.leftEdge[0].x; });
    };
    const auto straightTop = [](const Piece &p) {
        return std::all_of(p.topEdge, p.topEdge + EdgePoints,
                           [&p](gdi::Point q) { return q.y == p.topEdge[0].y; });
    };
    for (int style : {0, 1}) {
        for (std::uint32_t seed : {1u, 77u, 123456u}) {
            SCOPED_TRACE(testing::Message() << "style " << style << ", seed " << seed);
            Cut(640, 480, 250, style, seed);
            int bent = 0;
            for (int id = 0; id < total; ++id) {
                const bool firstColumn = id % cols == 0;
                const bool firstRow = id < cols;
                EXPECT_TRUE(!firstColumn || straightLeft(P(id))) << id;
                EXPECT_TRUE(!firstRow || straightTop(P(id))) << id;
                // The box holds the cell in its middle and the edges start at the cell's corner.
                EXPECT_EQ(P(id).leftEdge[0].x, P(id).sheetX + P(id).w / 4);
                EXPECT_EQ(P(id).leftEdge[0].y, P(id).sheetY + P(id).h / 4);
                bent += !straightLeft(P(id)) + !straightTop(P(id));
            }
            if (style == 0)
                EXPECT_EQ(bent, 0);
            else
                EXPECT_EQ(bent, 2 * total - cols - rows);
        }
    }
}

TEST_F(CuttingTest, TabsAlternateAndAFewAreFlipped)
{
    // Where row + column is even a piece's knobs stick out left and right, so its left edge bulges
    // left (negative table values); one edge in thirty is turned over.
    Cut(1024, 768, 1000, 1, 99);
    int flipped = 0;
    int inner = 0;
    for (int id = 0; id < total; ++id) {
        const int row = id / cols + 1;
        const int column = id % cols;
        if (column == 0)
            continue;
        ++inner;
        const bool bulgesLeft = P(id).leftEdge[9].x < P(id).leftEdge[0].x;
        flipped += bulgesLeft != ((row + column) % 2 == 0);
    }
    EXPECT_GT(flipped, 0);
    EXPECT_LT(flipped, inner / 10);
}

TEST_F(CuttingTest, BothStylesScatterAlikeFromTheSameState)
{
    for (std::uint32_t seed : {5u, 2024u}) {
        std::vector<std::pair<int, int>> places[2];
        std::uint32_t after[2];
        for (int style : {0, 1}) {
            Cut(800, 600, 500, style, seed);
            for (int id = 0; id < total; ++id)
                places[style].emplace_back(P(id).x, P(id).y);
            after[style] = RandomState();
        }
        EXPECT_EQ(places[0], places[1]);
        EXPECT_EQ(after[0], after[1]);
        SeedRandom(seed);
        for (int i = 0; i < 6 * total; ++i)
            NextRandom();
        EXPECT_EQ(RandomState(), after[0]) << "six numbers a piece";
    }
}

TEST_F(CuttingTest, EveryPieceLandsOnTheTable)
{
    struct Case
    {
        int width;
        int height;
        int count;
    };
    // Ordinary pictures, pictures larger than the table, and one or two cells across.
    const Case cases[] = {{640, 480, 250}, {1024, 768, 1000}, {1800, 1400, 25},
                          {2400, 300, 25}, {40, 1000, 25},    {1000, 60, 25}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " into " << c.count);
        for (std::uint32_t seed : {1u, 3u, 31337u}) {
            Cut(c.width, c.height, c.count, 1, seed);
            ASSERT_GT(total, 0);
            for (int id = 0; id < total; ++id) {
                EXPECT_GE(P(id).x, 0);
                EXPECT_GE(P(id).y, 0);
                EXPECT_LE(P(id).x + P(id).w, 2048) << id;
                EXPECT_LE(P(id).y + P(id).h, 1536) << id;
            }
        }
    }
}

TEST_F(CuttingTest, FarWiderThanHighStillGetsOneRowAndNoMorePiecesThanAsked)
{
    struct Case
    {
        int width;
        int height;
        int count;
    };
    const Case cases[] = {{3000, 20, 25}, {20010, 20, 1000}, {20, 3000, 25}, {1600, 1200, 5000}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " into " << c.count);
        Cut(c.width, c.height, c.count, 1);
        EXPECT_GE(rows, 1);
        EXPECT_GE(cols, 1);
        EXPECT_GT(total, 0);
        EXPECT_LE(total, std::min(c.count, MaxPieceCount));
    }
}

TEST_F(CuttingTest, RunningOutOfMemoryLeavesNoPuzzle)
{
    AlertLog log;
    int made = 0;
    AllocationFailure previous = SetAllocationFailure(
        [&made](std::size_t, const char *name) { return std::string(name) == "PieceRet" && ++made > 10; });
    picture = fixtures::PictureOf(fixtures::Pattern(320, 240));
    pieceCount = 50;
    EXPECT_FALSE(CreatePieceMask(picture, maskSheet, false));
    SetAllocationFailure(std::move(previous));
    EXPECT_EQ(maskSheet, nullptr);
    EXPECT_EQ(pieceFront, nullptr);
    EXPECT_EQ(pieceBack, nullptr);
    EXPECT_EQ(total, 0);
    ASSERT_EQ(log.texts.size(), 1);
    EXPECT_EQ(log.texts[0],
              QStringLiteral("GlobalAlloc of %1 bytes for PieceRet in NewPiece failed.").arg(sizeof(Piece)));
}

TEST_F(CuttingTest, BringToFrontKeepsTheOrderLinked)
{
    Cut(300, 300, 25, 1);
    struct Case
    {
        const char *what;
        int id;
    };
    for (const Case &c :
         {Case{"the back piece", 0}, Case{"a middle piece", 12}, Case{"the front piece", 24}}) {
        SCOPED_TRACE(c.what);
        std::vector<int> before = FrontToBack();
        BringToFront(pieceTable[c.id].piece);
        std::vector<int> expected = before;
        expected.erase(std::find(expected.begin(), expected.end(), c.id));
        expected.insert(expected.begin(), c.id);
        EXPECT_EQ(FrontToBack(), expected);
        EXPECT_EQ(BackToFrontReversed(), expected);
        EXPECT_EQ(pieceFront->prev, nullptr);
        EXPECT_EQ(pieceBack->next, nullptr);
    }
}

TEST_F(CuttingTest, FreePuzzleLeavesNothingBehind)
{
    Cut(300, 300, 25, 1, 1, true);
    FreePuzzle(picSheet, maskSheet);
    EXPECT_EQ(picSheet, nullptr);
    EXPECT_EQ(maskSheet, nullptr);
    EXPECT_EQ(pieceFront, nullptr);
    EXPECT_EQ(pieceBack, nullptr);
    for (int id = 0; id < 25; ++id)
        EXPECT_EQ(pieceTable[id].piece, nullptr);
}

} // namespace
