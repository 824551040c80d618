#pragma once

// A small open screen for tests: a headless display, a manual clock and an image library made here.

#include "dgcerror.h"
#include "headless.h"
#include "imagelib.h"
#include "maplib.h"
#include "screen.h"
#include "surface.h"

#include <cstring>
#include <initializer_list>

namespace packtest {

using namespace sk2::dgc;

// A picture from rows of characters: '.' is index 0, a digit is that index.
inline TDGCSurface Picture(std::initializer_list<const char *> rows)
{
    const int height = int(rows.size());
    const int width = int(std::strlen(*rows.begin()));
    TDGCSurface surface(width, height);
    int y = 0;
    for (const char *row : rows) {
        for (int x = 0; x < width; ++x)
            surface.SetPixel(x, y, row[x] == '.' ? 0 : std::uint8_t(row[x] - '0'));
        ++y;
    }
    return surface;
}

// A w x h block of one index.
inline TDGCSurface Block(int width, int height, std::uint8_t index)
{
    return TDGCSurface(width, height, index);
}

struct OpenScreen
{
    explicit OpenScreen(std::initializer_list<TDGCSurface> images, TDisplayMode mode = dm800x600x8)
    {
        for (const TDGCSurface &image : images)
            sprites.Add(image);
        screen.SetImageLibrary(&sprites);
        screen.SetTileLibrary(&tiles);
        screen.SetMapLibrary(&maps);
        screen.SetDisplay(&display);
        screen.SetClock(&clock);
        screen.SetDisplayMode(mode);
    }

    TDGCImageLib sprites;
    TDGCImageLib tiles;
    TDGCMapLib maps;
    HeadlessDisplay display;
    ManualClock clock;
    TDGCScreen screen;
};

} // namespace packtest
