#include "board.h"
#include "scriptedrandom.h"

#include <gtest/gtest.h>

using namespace tumblor;

namespace {

Board DealtBoard()
{
    Board board;
    ScriptedRandom random = UniformRocks();
    board.DealBoard(random);
    return board;
}

// Makes column col hold tiles only from row firstTile down to 12, each rock of colour 1.
void LeaveTilesFrom(Board &board, int col, int firstTile)
{
    for (int row = 1; row < firstTile; ++row)
        board.Kinds[col][row] = Empty;
}

} // namespace

TEST(DealBoard, FillsColumnByColumnWithKindThenColourAndResetsTheScore)
{
    Board board;
    board.Score = 55;
    board.ClearedColumns = 3;
    // Kinds cycle 1, 2, 3 and colours 1..10 in the order the cells are dealt.
    ScriptedRandom random(
        [](int call, int, int) { return call % 2 == 0 ? 1 + (call / 2) % 3 : 1 + (call / 2) % 10; });
    board.DealBoard(random);

    EXPECT_EQ(random.randomizeCount, 1);
    ASSERT_EQ(random.calls.size(), 2u * BoardSize * BoardSize);
    EXPECT_EQ(random.calls[0].low, 1);
    EXPECT_EQ(random.calls[0].high, 3);
    EXPECT_EQ(random.calls[1].low, 1);
    EXPECT_EQ(random.calls[1].high, 10);
    int cell = 0;
    for (int col = 1; col <= BoardSize; ++col) {
        for (int row = 1; row <= BoardSize; ++row, ++cell) {
            EXPECT_EQ(board.Kinds[col][row], 1 + cell % 3) << col << "," << row;
            EXPECT_EQ(board.Colours[col][row], 1 + cell % 10) << col << "," << row;
        }
    }
    EXPECT_EQ(board.Score, 0);
    EXPECT_EQ(board.ClearedColumns, 0);
}

TEST(DealBoard, ClockSeededDealsStayInRange)
{
    Board board;
    ClockSeededRandom random;
    board.DealBoard(random);
    for (int col = 1; col <= BoardSize; ++col) {
        for (int row = 1; row <= BoardSize; ++row) {
            EXPECT_TRUE(Board::IsTile(board.Kinds[col][row]));
            EXPECT_GE(board.Colours[col][row], 1);
            EXPECT_LE(board.Colours[col][row], ColourCount);
        }
    }
}

struct MoveCase
{
    Kind origin;
    Kind target;
    bool differentColours;
};

TEST(MoveAllowed, FollowsRockPaperScissorsOrSameColour)
{
    // Dragged tile \ target for different colours: rock beats scissors, scissors paper, paper rock.
    const bool beats[4][4] = {
        {},
        {false, false, true, false}, // rock
        {false, false, false, true}, // scissors
        {false, true, false, false}, // paper
    };
    for (int origin = Rock; origin <= Paper; ++origin) {
        for (int target = Rock; target <= Paper; ++target) {
            for (bool sameColour : {true, false}) {
                Board board = DealtBoard();
                board.Kinds[3][5] = static_cast<std::uint8_t>(origin);
                board.Kinds[4][5] = static_cast<std::uint8_t>(target);
                board.Colours[3][5] = 4;
                board.Colours[4][5] = sameColour ? 4 : 9;
                EXPECT_EQ(board.MoveAllowed(4, 5, 3, 5), sameColour || beats[origin][target])
                    << "origin " << origin << " target " << target << " same colour " << sameColour;
            }
        }
    }
}

TEST(CloseGap, DropsTheTilesAboveTheOriginByOneCell)
{
    struct Case
    {
        int originRow;
        int firstTile; // the column holds tiles from this row down
    };
    for (const Case c : {Case{1, 1}, Case{7, 1}, Case{12, 1}, Case{9, 6}}) {
        Board board = DealtBoard();
        LeaveTilesFrom(board, 2, c.firstTile);
        for (int row = c.firstTile; row <= BoardSize; ++row)
            board.Colours[2][row] = static_cast<std::uint8_t>(row % 10 + 1);
        const Board before = board;

        EXPECT_FALSE(board.CloseGap(2, c.originRow));

        for (int row = 1; row <= c.firstTile; ++row)
            EXPECT_EQ(board.Kinds[2][row], Empty) << "row " << row;
        for (int row = c.firstTile + 1; row <= c.originRow; ++row) {
            EXPECT_EQ(board.Kinds[2][row], before.Kinds[2][row - 1]) << "row " << row;
            EXPECT_EQ(board.Colours[2][row], before.Colours[2][row - 1]) << "row " << row;
        }
        for (int row = c.originRow + 1; row <= BoardSize; ++row)
            EXPECT_EQ(board.Colours[2][row], before.Colours[2][row]) << "row " << row;
        EXPECT_EQ(board.Score, 1);
        EXPECT_EQ(board.ClearedColumns, 0);
        for (int col : {1, 3})
            EXPECT_EQ(board.Kinds[col], before.Kinds[col]);
    }
}

TEST(CloseGap, TheLastTileOfAColumnEarnsTheBonus)
{
    Board board = DealtBoard();
    LeaveTilesFrom(board, 6, BoardSize);
    EXPECT_FALSE(board.CloseGap(6, BoardSize));
    EXPECT_EQ(board.Score, ColumnBonus + 1);
    EXPECT_EQ(board.ClearedColumns, 1);
    for (int row = 1; row <= BoardSize; ++row)
        EXPECT_EQ(board.Kinds[6][row], Empty);
}

TEST(CloseGap, OnlyTheMoveThatEmptiesTheTenthColumnWins)
{
    Board board = DealtBoard();
    for (int col = 1; col <= BoardSize; ++col)
        LeaveTilesFrom(board, col, BoardSize - 1);

    // Two tiles a column: the first move from each column scores a point, the second empties it.
    for (int col = 1; col <= 9; ++col) {
        EXPECT_FALSE(board.CloseGap(col, BoardSize));
        EXPECT_FALSE(board.CloseGap(col, BoardSize));
    }
    EXPECT_EQ(board.ClearedColumns, 9);
    EXPECT_FALSE(board.CloseGap(10, BoardSize));
    EXPECT_TRUE(board.CloseGap(10, BoardSize));
    EXPECT_EQ(board.ClearedColumns, 10);
    EXPECT_EQ(board.Score, 10 * (ColumnBonus + 2));

    // Play goes on, and neither an ordinary move nor an eleventh emptied column wins again.
    EXPECT_FALSE(board.CloseGap(11, BoardSize));
    EXPECT_FALSE(board.CloseGap(11, BoardSize));
    EXPECT_EQ(board.ClearedColumns, 11);
}
