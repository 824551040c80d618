#pragma once

// What the core tests make for themselves: bitmap files byte by byte, pictures, and a recorder of the
// messages the game shows.
#include "alerts.h"
#include "membitmap.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

namespace fixtures {

// A bitmap file, written out field by field. Defaults give a valid 24-bit, bottom-up, uncompressed file;
// tests change what they need and call bytes().
struct BmpFile
{
    char magic[2] = {'B', 'M'};
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t headerSize = 40;
    std::uint16_t planes = 1;
    std::vector<std::uint32_t> colourTable; // 0x00RRGGBB each, written as RGBQUADs
    QByteArray pixels;                      // everything from bfOffBits on
    std::int64_t sizeOverride = -1;         // bfSize when not the real size
    std::int64_t offBitsOverride = -1;      // bfOffBits when not right behind the colour table

    QByteArray bytes() const;
};

// The rows of `image` as a file of `bitCount` bits (1, 4, 8 through `table`, or 16 as 5-5-5, 24, 32),
// bottom-up unless `topDown`.
BmpFile Encode(const QImage &image, int bitCount, const std::vector<std::uint32_t> &table = {},
               bool topDown = false);

QString Write(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes);

// A picture with a different colour at nearly every pixel.
QImage Pattern(int width, int height);

// A picture record holding `image`, as ReadBitmapFile would make it.
MemBitmap *PictureOf(const QImage &image);

// Records every message shown while it lives.
class AlertLog
{
public:
    AlertLog();
    ~AlertLog();
    AlertLog(const AlertLog &) = delete;
    AlertLog &operator=(const AlertLog &) = delete;

    QStringList titles;
    QStringList texts;
    std::vector<AlertIcon> icons;

private:
    AlertSink m_previous;
};

} // namespace fixtures
