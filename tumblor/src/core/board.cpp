#include "board.h"

#include "randomsource.h"

namespace tumblor {

void Board::DealBoard(RandomSource &random)
{
    random.Randomize();
    for (int col = 1; col <= BoardSize; ++col) {
        for (int row = 1; row <= BoardSize; ++row) {
            Kinds[col][row] = static_cast<std::uint8_t>(random.Uniform(Rock, Paper));
            Colours[col][row] = static_cast<std::uint8_t>(random.Uniform(1, ColourCount));
        }
    }
    Score = 0;
    ClearedColumns = 0;
}

bool Board::MoveAllowed(int targetCol, int targetRow, int originCol, int originRow) const
{
    const int target = Kinds[targetCol][targetRow];
    const int origin = Kinds[originCol][originRow];
    if (Colours[targetCol][targetRow] == Colours[originCol][originRow])
        return true;
    // Rock before scissors before paper in the codes, so "lower code" beats the next one up, except
    // that rock never covers paper and paper covers rock.
    if (target == Paper && origin == Rock)
        return false;
    if (origin < target)
        return true;
    return target == Rock && origin == Paper;
}

bool Board::CloseGap(int x, int y)
{
    int i = y;
    while (i > 1) {
        Kinds[x][i] = Kinds[x][i - 1];
        Colours[x][i] = Colours[x][i - 1];
        --i;
        if (Kinds[x][i] == Empty)
            break;
    }
    // Only the bottom cell, with an empty cell above it, was the column's last tile.
    const bool emptiedColumn = y == BoardSize && i == BoardSize - 1;
    if (emptiedColumn) {
        Score += ColumnBonus;
        ++ClearedColumns;
    }
    for (int row = 1; row <= i; ++row)
        Kinds[x][row] = Empty;
    ++Score;
    // The win is announced by the move that empties the tenth column, and by no later move.
    return emptiedColumn && ClearedColumns == ColumnsToWin;
}

} // namespace tumblor
