#include "racemode.h"

namespace sk2 {

TRaceModeValues RaceModeValues(bool mode640x480, std::int32_t width, std::int32_t height)
{
    TRaceModeValues values;
    if (mode640x480) {
        values.HudTop = height - 15;
        values.HudLeft1 = width - 105;
        values.HudLeft2 = 5;
        values.CellWidth = 32;
        values.CellHeight = 24;
        values.TileHeight = 120;
        values.StartX = 390;
        values.StartY = 380;
        values.MarkerColour = 245;
    } else {
        values.HudTop = height - 25;
        values.HudLeft1 = width - 120;
        values.HudLeft2 = 20;
        values.CellWidth = 40;
        values.CellHeight = 30;
        values.TileHeight = 150;
        values.StartX = 462;
        values.StartY = 485;
        values.MarkerColour = 31;
    }
    return values;
}

} // namespace sk2
