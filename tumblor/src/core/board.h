#pragma once

#include <array>
#include <cstdint>

namespace tumblor {

class RandomSource;

// Tile kinds as stored in Board::Kinds.
enum Kind : std::uint8_t {
    NoKind = 0, // only before the first game: nothing is drawn
    Rock = 1,
    Scissors = 2,
    Paper = 3,
    Empty = 4,
};

inline constexpr int BoardSize = 12;
inline constexpr int ColourCount = 10;
inline constexpr int ColumnsToWin = 10;
inline constexpr int ColumnBonus = 100;

// The 12 x 12 board with its score. Cells are addressed [column][row], both counted from 1 (left to
// right, top to bottom); index 0 is unused so that the rules read exactly as they are played.
class Board
{
public:
    using Grid = std::array<std::array<std::uint8_t, BoardSize + 1>, BoardSize + 1>;

    Grid Kinds{};
    Grid Colours{};
    std::int32_t Score = 0;
    std::int32_t ClearedColumns = 0;

    // Fills every cell with a random tile (kind 1..3, colour 1..10) and resets the score.
    void DealBoard(RandomSource &random);

    // Whether the tile at the origin may take the place of the tile at the target.
    bool MoveAllowed(int targetCol, int targetRow, int originCol, int originRow) const;

    // Closes the gap left at (x, y) by a move: the tiles above drop one cell, the move scores, and an
    // emptied column scores its bonus. Returns true only for the move that empties the tenth column.
    bool CloseGap(int x, int y);

    static bool IsTile(std::uint8_t kind) { return kind >= Rock && kind <= Paper; }
};

} // namespace tumblor
