#include "palette.h"

#include <new>

namespace gdi {

Palette *CreatePalette(const LOGPALETTE *logPalette)
{
    if (!logPalette || logPalette->palVersion != 0x300)
        return nullptr;
    auto *palette = new (std::nothrow) Palette;
    if (!palette)
        return nullptr;
    const PALETTEENTRY *entries = PaletteEntries(logPalette);
    palette->entries.assign(entries, entries + logPalette->palNumEntries);
    return palette;
}

void DeletePalette(Palette *palette)
{
    delete palette;
}

} // namespace gdi
