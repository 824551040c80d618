#pragma once

// The off-screen bitmap record that every drawing surface of the game uses: the picture, the table's
// backing, the scratch bitmaps and the two piece sheets.
#include "bitmap.h"
#include "dc.h"
#include "palette.h"
#include "wintypes.h"

struct MemBitmap
{
    gdi::Bitmap *bitmap;                 // the pixels
    gdi::Bitmap *previousObject;         // what dc held before `bitmap`; selected back before deleting
    gdi::Dc *dc;                         // memory device context with `bitmap` selected
    const gdi::Palette *previousPalette; // only for the table's backing: what the picture palette replaced
    gdi::BITMAPINFOHEADER header; // the picture's info header; biWidth and biHeight are this bitmap's size
};

// A new record with a bitmap of `width` x `height` selected into its own device context. It starts as a
// copy of `model`'s record when one is given (so it carries the picture's header), with the size set to
// its own. `name` and `routine` name the allocation in the failure message; null when anything could
// not be made (the message has been shown for the record itself).
MemBitmap *NewMemBitmap(const MemBitmap *model, int width, int height, gdi::Format format, const char *name,
                        const char *routine);

// Selects the previous object back, deletes the device context and the bitmap, frees the record and
// empties the pointer. A null pointer is left alone.
void FreeMemBitmap(MemBitmap *&record);

inline int WidthOf(const MemBitmap *record)
{
    return record ? record->header.biWidth : 0;
}

inline int HeightOf(const MemBitmap *record)
{
    return record ? record->header.biHeight : 0;
}
