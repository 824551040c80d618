#pragma once

// Track set-up for a race: from a track record, the tile map drawn every frame, both players' visited
// flags, the start cell and its kind, the finish-line position and the steering-hint grid.
//
// The race form calls SetUpTrack (or BuildTrack and FinishLineX as two steps), then copies Map into
// map 0 of the screen with SetMapTile (column, row, Map[column][row]) and keeps the rest in its fields.
//
// Map values: code c becomes c - 1 below 11 and c - 4 from 11 on, so roads are 0..6, the pond 7 and
// plain grass 8; a cell is road when its value is below 7. A code that names no tile (a damaged record)
// becomes plain grass, so that every map value names a tile picture.

#include "racemode.h"
#include "tilehints.h"
#include "trackrecord.h"

#include <array>
#include <cstdint>

namespace sk2 {

inline constexpr std::int32_t PlainGrassValue = 8;
inline constexpr std::int32_t FirstOffRoadValue = 7;

// Visited flags of a cell.
inline constexpr std::uint8_t NotVisited = 0;
inline constexpr std::uint8_t Visited = 1;
inline constexpr std::uint8_t NeverNeeded = 2;

// Both indexed [column][row].
using TMapValues = std::array<std::array<std::int32_t, TrackRows>, TrackColumns>;
using TVisitedFlags = std::array<std::array<std::uint8_t, TrackRows>, TrackColumns>;

std::int32_t MapValueOfCode(std::int32_t code);

struct TTrackSetup
{
    TMapValues Map{};
    TVisitedFlags Visited1{}; // 0 on road cells, 2 on the others
    TVisitedFlags Visited2{};
    int StartColumn = 2;
    int StartRow = 3;           // the start cell; row 1 also when column 2 holds no road in rows 1..3
    std::int32_t StartType = 0; // the start cell's map value; 7 or more when it is no road
    std::int32_t StartX = 0;    // the finish line
    std::int32_t StartY = 0;
    THintGrid HintGrid{};
    std::int32_t CellWidth = 0; // hint cell size, from the display mode
    std::int32_t CellHeight = 0;
};

// Map, visited flags and start cell; StartY moves up one TileHeight for each row of column 2 that is
// passed over looking for a road (three at most); the course is traced from the start cell and every
// traced tile gets its hints. StartX is kept as given, CellWidth and CellHeight stay 0.
TTrackSetup BuildTrack(const TTrackRec &Track, std::int32_t TileHeight, std::int32_t StartX,
                       std::int32_t StartY);

// The finish line's x after BuildTrack: one tile height right of StartX for start values 0 and 2, left
// for 1 and 3, unchanged otherwise.
std::int32_t FinishLineX(std::int32_t StartType, std::int32_t StartX, std::int32_t TileHeight);

// BuildTrack from the mode's initial start and tile height, then the finish-line move and the mode's
// hint cell size.
TTrackSetup SetUpTrack(const TTrackRec &Track, const TRaceModeValues &mode);

} // namespace sk2
