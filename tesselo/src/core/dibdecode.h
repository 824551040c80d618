#pragma once

// The pixels of a device-independent bitmap held in memory as a whole bitmap file: the 40-byte header
// at offset 14, the colour table (or the three colour masks) behind it, and the pixel data at `offBits`.
// 1, 4 and 8 bits through the colour table, 16 bits as 5-5-5 or by masks, 24 bits, 32 bits directly or
// by masks; RLE8 and RLE4 bottom-up; uncompressed rows bottom-up or top-down (negative height).
#include "wintypes.h"

#include <QImage>

#include <cstddef>
#include <cstdint>

// The largest picture the game takes on: its two piece sheets are 2.25 x 2.25 times its size.
constexpr int MaxPictureSide = 16384;
constexpr std::int64_t MaxPictureArea = 16 * 1024 * 1024;

// Whether the header describes a picture we draw and everything it needs lies inside the file's
// `fileSize` bytes.
bool DibIsReadable(const gdi::BITMAPINFOHEADER &header, std::uint32_t offBits, std::size_t fileSize);

// The picture the right way up, in QImage::Format_RGB32; null when memory runs short. The file must have
// passed DibIsReadable.
QImage DecodeDib(const std::uint8_t *file, std::size_t fileSize, std::uint32_t offBits,
                 const gdi::BITMAPINFOHEADER &header);
