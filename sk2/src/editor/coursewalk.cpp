#include "coursewalk.h"

namespace sk2 {

namespace {

constexpr int Crossing = 7;

// The side of the next cell that a move in this heading enters by.
Heading EnteredSide(Heading moving)
{
    switch (moving) {
    case Heading::North:
        return Heading::South;
    case Heading::East:
        return Heading::West;
    case Heading::South:
        return Heading::North;
    case Heading::West:
        return Heading::East;
    }
    return Heading::North;
}

// The first heading from a start cell, by its code; none for a cell without road.
std::optional<Heading> FirstHeading(int code)
{
    switch (code) {
    case 1:
    case 3:
    case 6:
    case 7:
        return Heading::East;
    case 2:
    case 5:
        return Heading::North;
    case 4:
        return Heading::South;
    default:
        return std::nullopt;
    }
}

// The heading out of a road tile entered by the given side; none when the road does not reach that
// side or the cell holds no road.
std::optional<Heading> LeaveHeading(int code, Heading enteredBy)
{
    using H = Heading;
    struct Turn
    {
        H in1, out1, in2, out2;
    };
    static constexpr Turn turns[] = {
        {H::East, H::North, H::North, H::East},   // 1: north and east
        {H::North, H::West, H::West, H::North},   // 2: north and west
        {H::South, H::East, H::East, H::South},   // 3: south and east
        {H::West, H::South, H::South, H::West},   // 4: south and west
        {H::North, H::South, H::South, H::North}, // 5: north and south
        {H::East, H::West, H::West, H::East},     // 6: west and east
    };
    if (code == Crossing)
        return EnteredSide(enteredBy); // straight on: out by the opposite side
    if (code < 1 || code > 6)
        return std::nullopt;
    const Turn &turn = turns[code - 1];
    if (enteredBy == turn.in1)
        return turn.out1;
    if (enteredBy == turn.in2)
        return turn.out2;
    return std::nullopt;
}

// The neighbouring cell in the heading, or none past an edge of the grid.
std::optional<int> Neighbour(int cell, Heading heading)
{
    const int column = cell % GridColumns;
    const int row = cell / GridColumns;
    switch (heading) {
    case Heading::North:
        return row > 0 ? std::optional(cell - GridColumns) : std::nullopt;
    case Heading::South:
        return row < GridRows - 1 ? std::optional(cell + GridColumns) : std::nullopt;
    case Heading::East:
        return column < GridColumns - 1 ? std::optional(cell + 1) : std::nullopt;
    case Heading::West:
        return column > 0 ? std::optional(cell - 1) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> StartCell(const CellCodes &codes)
{
    for (int cell : {17, 12, 7}) {
        if (codes[cell] < 11)
            return cell;
    }
    return std::nullopt;
}

CourseWalk TraceCourse(const CellCodes &codes)
{
    CourseWalk walk;
    const std::optional<int> start = StartCell(codes);
    if (!start) {
        walk.end = WalkEnd::NoStart;
        return walk;
    }
    const int startCode = codes[*start];
    std::optional<Heading> heading = FirstHeading(startCode);
    if (!heading) {
        walk.end = WalkEnd::NoRoadAtStart;
        return walk;
    }
    // Every tile maps the side it is entered by to one way out and back, so the walk either ends or
    // comes back to the start with its first heading: it cannot circle for ever.
    int cell = *start;
    for (;;) {
        walk.steps.push_back({cell, *heading});
        const std::optional<int> next = Neighbour(cell, *heading);
        if (!next) {
            walk.end = WalkEnd::LeftGrid;
            return walk;
        }
        const Heading enteredBy = EnteredSide(*heading);
        if (*next == *start && (startCode != 6 || enteredBy == Heading::West)) {
            walk.end = WalkEnd::Closed;
            return walk;
        }
        heading = LeaveHeading(codes[*next], enteredBy);
        if (!heading) {
            walk.end = WalkEnd::Broken;
            return walk;
        }
        cell = *next;
    }
}

} // namespace sk2
