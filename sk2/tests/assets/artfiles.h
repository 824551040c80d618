#pragma once

// Loading the built art for the tests, and the facts about tiles that the race and the editor rely on.

#include <QImage>
#include <QString>

#include <array>
#include <ostream>

namespace sk2arttest {

inline QString ArtPath(const QString &relative)
{
    return QStringLiteral(SK2_ART_DIR "/") + relative;
}

inline QImage LoadArt(const QString &relative)
{
    return QImage(ArtPath(relative));
}

inline QString SpriteName(int n)
{
    return QStringLiteral("sprites/%1.png").arg(n, 3, 10, QChar('0'));
}

enum Side { North, East, South, West };

// The sides each tile image's road leaves by: curves north-east, north-west, south-east, south-west,
// the two straights, the crossing, and the two grass tiles.
inline constexpr std::array<std::array<bool, 4>, 9> Connects = {{
    {true, true, false, false},
    {true, false, false, true},
    {false, true, true, false},
    {false, false, true, true},
    {true, false, true, false},
    {false, true, false, true},
    {true, true, true, true},
    {false, false, false, false},
    {false, false, false, false},
}};

struct TileSet
{
    const char *name;
    QString folder;
    int width;
    int height;
    bool indexed; // road is palette index 0, or else pure black
};

inline void PrintTo(const TileSet &set, std::ostream *out)
{
    *out << set.name;
}

inline bool IsRoadPixel(const TileSet &set, const QImage &tile, int x, int y)
{
    if (set.indexed)
        return tile.pixelIndex(x, y) == 0;
    return (tile.pixel(x, y) & 0xffffff) == 0;
}

} // namespace sk2arttest
