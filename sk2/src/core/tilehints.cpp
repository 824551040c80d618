#include "tilehints.h"

namespace sk2 {

namespace {

// Five rows written as they are read on the tile, top row first.
constexpr THintTemplate Rows(std::array<std::int8_t, 4> r0, std::array<std::int8_t, 4> r1,
                             std::array<std::int8_t, 4> r2, std::array<std::int8_t, 4> r3,
                             std::array<std::int8_t, 4> r4)
{
    return {r0, r1, r2, r3, r4};
}

} // namespace

// clang-format off
const std::array<THintTemplate, 9> TileHints = {
    // value 0: curve north-east
    Rows({-1, -1, +1, +1}, {-1, -1, +1, +1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}),
    // value 1: curve north-west
    Rows({+1, +1, -1, -1}, {+1, +1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}),
    // value 2: curve south-east
    Rows({-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, +1}, {-1, -1, +1, +1}, {-1, -1, +1, +1}),
    // value 3: curve south-west
    Rows({-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {+1, +1, -1, -1}, {+1, +1, -1, -1}),
    // value 4: straight north-south
    Rows({+1, +1, -1, -1}, {+1, +1, -1, -1}, {+1, +1, -1, -1}, {+1, +1, -1, -1}, {+1, +1, -1, -1}),
    // value 5: straight west-east
    Rows({+1, +1, +1, +1}, {+1, +1, +1, +1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}),
    // crossing A; rows 0 and 4 serve the north-south road, rows 1 to 3 the west-east road
    Rows({+1, +1, -1, -1}, {+1, +1, +1, +1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {+1, +1, -1, -1}),
    // crossing B
    Rows({-1, -1, +1, +1}, {+1, +1, +1, +1}, {-1, -1, -1, -1}, {-1, -1, -1, -1}, {-1, -1, +1, +1}),
    // crossing C
    Rows({+1, +1, -1, -1}, {-1, -1, -1, -1}, {+1, +1, +1, +1}, {+1, +1, +1, +1}, {+1, +1, -1, -1}),
};
// clang-format on

int HintTemplateFor(std::int32_t value, std::uint8_t passBits)
{
    if (value != 6)
        return value;
    switch (passBits) {
    case PassedFromEast:
        return CrossingTemplateC;
    case PassedFromNorth:
        return CrossingTemplateB;
    default:
        return CrossingTemplateA;
    }
}

bool HintTemplateMayBeInverted(int hintTemplate)
{
    return hintTemplate != CrossingTemplateB && hintTemplate != CrossingTemplateC;
}

void FillTileHints(THintGrid &grid, int column, int row, const TTraceState &state)
{
    const int chosen = HintTemplateFor(state.Value, state.PassBits);
    const int sign = state.Reversed && HintTemplateMayBeInverted(chosen) ? -1 : 1;
    const THintTemplate &hints = TileHints[chosen];
    for (int i = 0; i < HintRowsPerTile; ++i) {
        for (int j = 0; j < HintColumnsPerTile; ++j) {
            grid[HintRowsPerTile * row + i][HintColumnsPerTile * column + j] =
                static_cast<std::int8_t>(sign * hints[i][j]);
        }
    }
}

int HintAt(const THintGrid &grid, int x, int y, int cellWidth, int cellHeight)
{
    if (cellWidth <= 0 || cellHeight <= 0)
        return 0;
    // Division truncates toward zero, so a point just left of or above the screen still finds cell 0.
    const int column = x / cellWidth;
    const int row = y / cellHeight;
    if (column < 0 || row < 0 || column >= HintGridSize || row >= HintGridSize)
        return 0;
    return grid[row][column];
}

} // namespace sk2
