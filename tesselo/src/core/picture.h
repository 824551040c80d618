#pragma once

// Reading a picture: a Windows bitmap file turned into a colour bitmap in its own device context, with
// the logical palette built from the file's colour table.
#include "membitmap.h"

#include <QString>

// What ReadBitmapFile reports when it gives no picture.
enum ReadBitmapError : long {
    ReadCannotOpen = -1, // the file cannot be opened
    ReadNotBitmap = -2,  // not a bitmap file we read, a read failed, or memory ran short
    ReadShortFile = -3,  // the file holds fewer bytes than its header announces
};

// The picture in `path`, owned by the caller (free it with FreeMemBitmap), or null with the reason in
// `*error` (when given). When `backing` is given, the new palette is selected into its device context
// and what it replaced is kept in its previousPalette.
MemBitmap *ReadBitmapFile(const QString &path, long *error = nullptr, MemBitmap *backing = nullptr);

// The palette of the last picture read; null before the first.
const gdi::Palette *CurrentPalette();
// Drops the current palette, selecting the backing's previous palette back first when it is given.
void ReleaseCurrentPalette(MemBitmap *backing = nullptr);
