#include "game.h"
#include "scriptedrandom.h"

#include <gtest/gtest.h>

using namespace tumblor;

namespace {

// Pixel at the centre of a cell counted from 1.
int Centre(int cell)
{
    return (cell - 1) * Game::CellPitch + 16;
}

class GameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedRandom random = UniformRocks();
        game.StartGame(random);
        // Row 6: scissors (colour 1) at column 4 beats paper (colour 2) at 3 and 5.
        game.board.Kinds[4][6] = Scissors;
        game.board.Kinds[3][6] = Paper;
        game.board.Kinds[5][6] = Paper;
        game.board.Colours[3][6] = 2;
        game.board.Colours[5][6] = 2;
        before = game.board;
    }

    Game game;
    Board before;
};

} // namespace

TEST(GameCells, PixelsMapToCellsWithGridLinesBelongingToTheCellBefore)
{
    EXPECT_EQ(Game::CellAt(0), 1);
    EXPECT_EQ(Game::CellAt(31), 1);
    EXPECT_EQ(Game::CellAt(32), 1); // the line after cell 1
    EXPECT_EQ(Game::CellAt(33), 2);
    EXPECT_EQ(Game::CellAt(394), 12);
    EXPECT_FALSE(Game::IsActive(4));
    EXPECT_TRUE(Game::IsActive(5));
    EXPECT_TRUE(Game::IsActive(394));
    EXPECT_FALSE(Game::IsActive(395));
}

TEST_F(GameTest, ADropOnAWeakerNeighbourMakesTheMove)
{
    ASSERT_TRUE(game.StartDrag(Centre(4), Centre(6)));
    EXPECT_EQ(game.DragCol, 4);
    EXPECT_EQ(game.DragRow, 6);

    const DropResult result = game.Drop(Centre(5), Centre(6) + 10);
    EXPECT_TRUE(result.moved);
    EXPECT_FALSE(result.won);
    EXPECT_FALSE(game.Dragging);
    EXPECT_EQ(game.board.Kinds[5][6], Scissors);
    EXPECT_EQ(game.board.Colours[5][6], 1);
    EXPECT_EQ(game.board.Kinds[4][1], Empty);
    EXPECT_EQ(game.board.Score, 1);
}

TEST_F(GameTest, DropsThatBreakARuleMakeNoMove)
{
    struct Case
    {
        const char *what;
        int fromCol, fromRow; // cell where the drag starts
        int x, y;             // release pixel
        void (*prepare)(Board &);
    };
    const Case cases[] = {
        {"same cell", 4, 6, Centre(4), Centre(6), nullptr},
        {"cell above", 4, 6, Centre(4), Centre(5), nullptr},
        {"cell below", 4, 6, Centre(4), Centre(7), nullptr},
        {"diagonal neighbour", 4, 6, Centre(5), Centre(5), nullptr},
        {"two columns away", 4, 6, Centre(6), Centre(6), nullptr},
        {"on the line right of the last column", 11, 6, 395, Centre(6), nullptr},
        {"left of the active area", 2, 6, 4, Centre(6), nullptr},
        {"above the active area", 4, 1, Centre(5), 4, nullptr},
        {"below the active area", 4, 12, Centre(5), 395, nullptr},
        {"left of the grid", 2, 6, -20, Centre(6), nullptr},
        {"empty neighbour", 4, 6, Centre(5), Centre(6), [](Board &b) { b.Kinds[5][6] = Empty; }},
        {"stronger neighbour", 5, 6, Centre(4), Centre(6),
         [](Board &b) {
             b.Kinds[5][6] = Paper;
             b.Kinds[4][6] = Scissors;
         }},
        {"rock onto paper", 4, 6, Centre(5), Centre(6), [](Board &b) { b.Kinds[4][6] = Rock; }},
        {"empty origin of the neighbour's colour", 4, 6, Centre(5), Centre(6),
         [](Board &b) {
             b.Kinds[4][6] = Empty;
             b.Colours[4][6] = b.Colours[5][6];
         }},
    };
    for (const Case &c : cases) {
        SetUp();
        // Unless the case says otherwise, the dragged tile would beat the tile under the release point,
        // so that only the rule the case is about can refuse the move.
        const int col = Game::CellAt(c.x), row = Game::CellAt(c.y);
        game.board.Kinds[c.fromCol][c.fromRow] = Scissors;
        game.board.Colours[c.fromCol][c.fromRow] = 1;
        if ((col != c.fromCol || row != c.fromRow) && col >= 1 && col <= BoardSize && row >= 1 &&
            row <= BoardSize) {
            game.board.Kinds[col][row] = Paper;
            game.board.Colours[col][row] = 2;
        }
        if (c.prepare)
            c.prepare(game.board);
        const Board prepared = game.board;
        ASSERT_TRUE(game.StartDrag(Centre(c.fromCol), Centre(c.fromRow))) << c.what;
        EXPECT_FALSE(game.Drop(c.x, c.y).moved) << c.what;
        EXPECT_FALSE(game.Dragging) << c.what;
        EXPECT_EQ(game.board.Kinds, prepared.Kinds) << c.what;
        EXPECT_EQ(game.board.Colours, prepared.Colours) << c.what;
        EXPECT_EQ(game.board.Score, 0) << c.what;
    }
}

TEST_F(GameTest, PaperTakesTheRockThatRockCouldNotTake)
{
    game.board.Kinds[2][6] = Rock;
    ASSERT_TRUE(game.StartDrag(Centre(3), Centre(6)));
    EXPECT_TRUE(game.Drop(Centre(2), Centre(6)).moved);
    EXPECT_EQ(game.board.Kinds[2][6], Paper);
}

TEST_F(GameTest, PressesNearTheEdgeOrASecondPressAbandonTheDrag)
{
    EXPECT_FALSE(game.StartDrag(4, Centre(3)));
    EXPECT_FALSE(game.StartDrag(Centre(3), 395));
    EXPECT_FALSE(game.Dragging);

    ASSERT_TRUE(game.StartDrag(Centre(4), Centre(6)));
    EXPECT_FALSE(game.StartDrag(Centre(4), Centre(6)));
    EXPECT_FALSE(game.Dragging);
    EXPECT_FALSE(game.Drop(Centre(5), Centre(6)).moved);
    EXPECT_EQ(game.board.Kinds, before.Kinds);
}

TEST_F(GameTest, ADropWithoutADragDoesNothing)
{
    EXPECT_FALSE(game.Drop(Centre(5), Centre(6)).moved);
    EXPECT_EQ(game.board.Kinds, before.Kinds);
}
