#include "game.h"

#include <cstdlib>

namespace tumblor {

void Game::StartGame(RandomSource &random)
{
    board.DealBoard(random);
    Dragging = false;
}

bool Game::StartDrag(int x, int y)
{
    if (!IsActive(x) || !IsActive(y) || Dragging) {
        Dragging = false;
        return false;
    }
    DragCol = CellAt(x);
    DragRow = CellAt(y);
    Dragging = true;
    return true;
}

DropResult Game::Drop(int x, int y)
{
    if (!Dragging)
        return {};
    Dragging = false;

    // Release positions outside the grid are never on a cell, and are refused below, but they must
    // not be used as an index first.
    const int col = CellAt(x);
    const int row = CellAt(y);
    if (!CanDrop(col, row, x, y))
        return {};

    board.Kinds[col][row] = board.Kinds[DragCol][DragRow];
    board.Colours[col][row] = board.Colours[DragCol][DragRow];
    return {true, board.CloseGap(DragCol, DragRow)};
}

bool Game::CanDrop(int col, int row, int x, int y) const
{
    // An empty origin would copy a hole into its neighbour and could earn a column bonus twice.
    return row == DragRow && std::abs(col - DragCol) == 1 && IsActive(x) && IsActive(y) &&
           board.Kinds[col][row] < Empty && Board::IsTile(board.Kinds[DragCol][DragRow]) &&
           board.MoveAllowed(col, row, DragCol, DragRow);
}

} // namespace tumblor
