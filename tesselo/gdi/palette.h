#pragma once

// Logical palettes. The game draws in true colour, so a palette is data that travels with a picture
// and the device contexts it is selected into.
#include "wintypes.h"

#include <vector>

namespace gdi {

struct Palette
{
    std::vector<PALETTEENTRY> entries;
};

// A palette with the entries of `logPalette`; null when `logPalette` is null or not version 0x300.
Palette *CreatePalette(const LOGPALETTE *logPalette);
void DeletePalette(Palette *palette);

} // namespace gdi
