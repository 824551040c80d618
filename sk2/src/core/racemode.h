#pragma once

// The race form's values that depend on the display mode: where the heads-up boxes stand, the size of
// a steering-hint cell, the tile height used to place the finish line, the finish line's initial
// position and the colour of the underpass marker lines.

#include <cstdint>

namespace sk2 {

struct TRaceModeValues
{
    std::int32_t HudTop = 0;
    std::int32_t HudLeft1 = 0; // player 1, right side
    std::int32_t HudLeft2 = 0; // player 2, left side
    std::int32_t CellWidth = 0;
    std::int32_t CellHeight = 0;
    std::int32_t TileHeight = 0;
    std::int32_t StartX = 0;
    std::int32_t StartY = 0;
    std::uint8_t MarkerColour = 0;
};

// mode640x480: the screen runs 640 x 480, otherwise 800 x 600. width and height are those of the
// screen's front surface.
TRaceModeValues RaceModeValues(bool mode640x480, std::int32_t width, std::int32_t height);

} // namespace sk2
