#include "tracksetup.h"

#include <optional>

namespace sk2 {

namespace {

// Sides of a tile and travel directions, numbered alike.
enum Side : int { West = 0, South = 1, East = 2, North = 3 };

constexpr std::array<int, 4> ColumnStep = {-1, 0, +1, 0};
constexpr std::array<int, 4> RowStep = {0, +1, 0, -1};

constexpr int StartColumn = 2;
constexpr std::int32_t CrossingValue = 6;

int Opposite(int side)
{
    return (side + 2) % 4;
}

// The normal way through each road value 0..5; the reversed way runs from its exit to its entry.
struct Way
{
    int enteredFrom;
    int leavesBy;
};
constexpr std::array<Way, 6> NormalWay = {{
    {North, East},
    {West, North},
    {East, South},
    {South, West},
    {South, North},
    {West, East},
}};

// The side each start value is taken as entered from: values 2 and 3 start reversed, a crossing
// eastward.
constexpr std::array<int, 7> StartEntry = {North, West, South, West, South, West, West};

struct Passage
{
    int leavesBy;
    bool reversed;
};

// How a tile of this value entered from this side is left; none when it does not continue the road.
std::optional<Passage> PassThrough(std::int32_t value, int enteredFrom)
{
    if (value == CrossingValue)
        return Passage{Opposite(enteredFrom), enteredFrom == East || enteredFrom == North};
    if (value < 0 || value >= CrossingValue)
        return std::nullopt;
    const Way way = NormalWay[value];
    if (enteredFrom == way.enteredFrom)
        return Passage{way.leavesBy, false};
    if (enteredFrom == way.leavesBy)
        return Passage{way.enteredFrom, true};
    return std::nullopt;
}

void FillMapAndVisited(const TTrackRec &track, TTrackSetup &setup)
{
    for (int cell = 0; cell < TrackCells; ++cell) {
        const int column = cell % TrackColumns;
        const int row = cell / TrackColumns;
        const std::int32_t value = MapValueOfCode(track.Tiles[cell]);
        setup.Map[column][row] = value;
        const std::uint8_t flag = value < FirstOffRoadValue ? NotVisited : NeverNeeded;
        setup.Visited1[column][row] = flag;
        setup.Visited2[column][row] = flag;
    }
}

// Looks up column 2 from the bottom row for a road; each row passed over moves the finish line one
// tile up, and a column without road in rows 1 to 3 moves it three tiles up.
void FindStart(TTrackSetup &setup, std::int32_t tileHeight)
{
    const auto &column = setup.Map[StartColumn];
    int row = TrackRows - 1;
    while (row > 1 && column[row] >= FirstOffRoadValue) {
        setup.StartY -= tileHeight;
        --row;
    }
    if (column[row] >= FirstOffRoadValue)
        setup.StartY -= tileHeight;
    setup.StartColumn = StartColumn;
    setup.StartRow = row;
    setup.StartType = column[row];
}

// Follows the road from the start cell and gives every tile passed its hints, until the road leaves
// the grid, breaks off, or comes back to the start. A crossing start is left again only when the
// course comes back into it from the west.
void TraceCourse(TTrackSetup &setup)
{
    std::array<std::array<std::uint8_t, TrackRows>, TrackColumns> passBits{};
    int column = setup.StartColumn;
    int row = setup.StartRow;
    TTraceState state;
    state.Value = setup.StartType;
    const Passage start = *PassThrough(state.Value, StartEntry[state.Value]);
    state.Reversed = start.reversed;
    int travel = start.leavesBy;

    // Each (cell, side entered) state leads to a different next state, so no state comes twice and a
    // course passes at most 20 x 4 states.
    for (int step = 0; step < TrackCells * 4; ++step) {
        state.PassBits = passBits[column][row];
        FillTileHints(setup.HintGrid, column, row, state);

        column += ColumnStep[travel];
        row += RowStep[travel];
        const int enteredFrom = Opposite(travel);
        if (column < 0 || column >= TrackColumns || row < 0 || row >= TrackRows)
            return;
        const bool atStart = column == setup.StartColumn && row == setup.StartRow;
        if (atStart && !(setup.StartType == CrossingValue && enteredFrom != West))
            return;
        const std::int32_t value = setup.Map[column][row];
        const std::optional<Passage> passage = PassThrough(value, enteredFrom);
        if (!passage)
            return;
        if (value == CrossingValue && enteredFrom == East)
            passBits[column][row] |= PassedFromEast;
        if (value == CrossingValue && enteredFrom == North)
            passBits[column][row] |= PassedFromNorth;
        state.Value = value;
        state.Reversed = passage->reversed;
        travel = passage->leavesBy;
    }
}

} // namespace

std::int32_t MapValueOfCode(std::int32_t code)
{
    const int image = TileImageNumber(code);
    return image < 0 ? PlainGrassValue : image;
}

TTrackSetup BuildTrack(const TTrackRec &Track, std::int32_t TileHeight, std::int32_t StartX,
                       std::int32_t StartY)
{
    TTrackSetup setup;
    setup.StartX = StartX;
    setup.StartY = StartY;
    FillMapAndVisited(Track, setup);
    FindStart(setup, TileHeight);
    if (setup.StartType < FirstOffRoadValue)
        TraceCourse(setup);
    return setup;
}

std::int32_t FinishLineX(std::int32_t StartType, std::int32_t StartX, std::int32_t TileHeight)
{
    switch (StartType) {
    case 0:
    case 2:
        return StartX + TileHeight;
    case 1:
    case 3:
        return StartX - TileHeight;
    default:
        return StartX;
    }
}

TTrackSetup SetUpTrack(const TTrackRec &Track, const TRaceModeValues &mode)
{
    TTrackSetup setup = BuildTrack(Track, mode.TileHeight, mode.StartX, mode.StartY);
    setup.StartX = FinishLineX(setup.StartType, setup.StartX, mode.TileHeight);
    setup.CellWidth = mode.CellWidth;
    setup.CellHeight = mode.CellHeight;
    return setup;
}

} // namespace sk2
