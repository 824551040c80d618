#pragma once

#include <array>
#include <optional>
#include <vector>

namespace sk2 {

// The tile codes of a track grid in cell order, 5 columns by 4 rows, row by row from the top left.
// In the editor a code of 0 stands for a cell that holds no tile.
using CellCodes = std::array<int, 20>;

inline constexpr int GridColumns = 5;
inline constexpr int GridRows = 4;

enum class Heading { North, East, South, West };

// The cell where a race starts: the first of cells 17, 12 and 7 (the middle column from the bottom up)
// whose code is below 11. None when all three hold grass or the pond.
std::optional<int> StartCell(const CellCodes &codes);

// How a walk along the road ended.
enum class WalkEnd {
    NoStart,       // no start cell
    NoRoadAtStart, // the start cell holds no road tile (it is empty)
    LeftGrid,      // the road ran off an edge of the grid
    Broken,        // the road ran into a cell that does not continue it
    Closed,        // the road came back into the start cell
};

// One cell the walk passed through, with the heading it had there. A crossing is passed straight on,
// so its heading tells which of its two roads was used.
struct WalkStep
{
    int cell;
    Heading heading;
};

struct CourseWalk
{
    std::vector<WalkStep> steps; // every cell reached over connected road, in order, start first
    WalkEnd end = WalkEnd::NoStart;
};

// Follows the road from the start cell until it closes, breaks or leaves the grid. The cell where it
// broke is not among the steps. A start cell holding a west-east straight counts as closed only when
// re-entered from the west, so that a course running through it backwards goes on.
CourseWalk TraceCourse(const CellCodes &codes);

} // namespace sk2
