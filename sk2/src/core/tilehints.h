#pragma once

// Steering hints: the 20 x 20 hint grid over the race screen, the per-tile templates TileHints, and
// FillTileHints, which writes one traced tile's template into the grid.
//
// A hint of +1 asks a car that touched the roadside for one direction step clockwise, -1 for one step
// counter-clockwise, 0 for none. Map cell (column, row) owns hint rows 5 * row .. 5 * row + 4 and hint
// columns 4 * column .. 4 * column + 3. The grid is indexed [hint row][hint column].

#include <array>
#include <cstdint>

namespace sk2 {

inline constexpr int HintGridSize = 20;
inline constexpr int HintRowsPerTile = 5;
inline constexpr int HintColumnsPerTile = 4;

using THintGrid = std::array<std::array<std::int8_t, HintGridSize>, HintGridSize>;
// A template: 5 rows (top first) of 4 hints (left first).
using THintTemplate = std::array<std::array<std::int8_t, HintColumnsPerTile>, HintRowsPerTile>;

// Templates 0..5 belong to the road map values 0..5; the crossing has three.
inline constexpr int CrossingTemplateA = 6;
inline constexpr int CrossingTemplateB = 7; // never inverted
inline constexpr int CrossingTemplateC = 8; // never inverted
extern const std::array<THintTemplate, 9> TileHints;

// Pass bits of a crossing, kept while the course is traced.
inline constexpr std::uint8_t PassedFromEast = 1;
inline constexpr std::uint8_t PassedFromNorth = 2;

// What the course tracing knows about the tile it is on.
struct TTraceState
{
    std::int32_t Value = 0;    // the tile's map value, 0..6
    bool Reversed = false;     // the tile is passed the reversed way
    std::uint8_t PassBits = 0; // the tile's pass bits, for a crossing
};

// The template a tile receives: its value's for 0..5; for a crossing A (pass bits 0 or 3), C (1), B (2).
int HintTemplateFor(std::int32_t value, std::uint8_t passBits);
bool HintTemplateMayBeInverted(int hintTemplate);

// Writes the template of the tile at (column, row) into grid, every sign inverted when the tile is
// passed the reversed way and its template may be inverted.
void FillTileHints(THintGrid &grid, int column, int row, const TTraceState &state);

// The hint of the cell holding screen point (x, y), for hint cells of cellWidth x cellHeight pixels:
// column x / cellWidth and row y / cellHeight, each truncated toward zero. 0 where that column or row
// falls outside 0..19 (a point on the screen's right or bottom edge, or beyond any edge).
int HintAt(const THintGrid &grid, int x, int y, int cellWidth, int cellHeight);

} // namespace sk2
