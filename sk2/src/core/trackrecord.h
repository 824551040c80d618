#pragma once

// One track of sk2: TTrackRec, byte for byte the 336-byte record of the track file, with its tile
// codes, the name in the 8-bit ANSI code page (Windows-1252), the image number and map value of each
// tile code, the start cell rule and the default oval "My First Track".
//
// Cells are numbered 0..19 row by row from the top left of the 5 x 4 grid: cell k is column k % 5,
// row k / 5. Tiles[k] is the code of cell k (element k + 1 of the track's 1-based tile list).

#include <QString>

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <type_traits>

namespace sk2 {

inline constexpr int TrackColumns = 5;
inline constexpr int TrackRows = 4;
inline constexpr int TrackCells = TrackColumns * TrackRows;
inline constexpr int MaxTrackNameLength = 255;

// The tile codes. Codes 0, 8, 9, 10 and anything above 12 name no tile.
namespace Tile {
inline constexpr std::int32_t CurveNorthEast = 1;
inline constexpr std::int32_t CurveNorthWest = 2;
inline constexpr std::int32_t CurveSouthEast = 3;
inline constexpr std::int32_t CurveSouthWest = 4;
inline constexpr std::int32_t StraightNorthSouth = 5;
inline constexpr std::int32_t StraightWestEast = 6;
inline constexpr std::int32_t Crossing = 7;
inline constexpr std::int32_t GrassWithPond = 11;
inline constexpr std::int32_t PlainGrass = 12;
} // namespace Tile

// A length-prefixed string of at most 255 bytes; the bytes after Length carry no meaning.
struct TShortString
{
    std::uint8_t Length;
    std::array<char, MaxTrackNameLength> Chars;
};

struct TTrackRec
{
    TShortString Name;
    std::array<std::int32_t, TrackCells> Tiles;
};

// The record is read and written as one block, so its memory image must be the file image.
static_assert(sizeof(TTrackRec) == 336);
static_assert(offsetof(TTrackRec, Tiles) == 256);
static_assert(std::is_standard_layout_v<TTrackRec> && std::is_trivially_copyable_v<TTrackRec>);
static_assert(std::endian::native == std::endian::little, "tile codes are stored little-endian");

inline constexpr int TrackRecordSize = sizeof(TTrackRec);

// The name; only the first Name.Length bytes count.
QString TrackName(const TTrackRec &rec);
// Stores the first 255 characters of name; characters the code page lacks become '?'. The unused bytes
// of the field are cleared.
void SetTrackName(TTrackRec &rec, const QString &name);

inline std::int32_t TileCode(const TTrackRec &rec, int cell)
{
    return rec.Tiles[cell];
}
inline void SetTileCode(TTrackRec &rec, int cell, std::int32_t code)
{
    rec.Tiles[cell] = code;
}

bool IsTileCode(std::int32_t code);
bool IsRoadCode(std::int32_t code);
// The picture of a tile code in every set of tile pictures: code - 1 for road, code - 4 for grass;
// -1 for a code that names no tile.
int TileImageNumber(std::int32_t code);

// The start cell: the first of cells 17, 12 and 7 whose code is below 11; none when no such cell.
std::optional<int> TrackStartCell(const TTrackRec &rec);

// The record written into a newly created track file: "My First Track", a plain oval.
TTrackRec DefaultTrack();

// The text of the 8-bit ANSI code page in which track names are stored.
QString FromAnsi(const char *bytes, int length);
// Characters the code page lacks become '?'.
QByteArray ToAnsi(const QString &text);

} // namespace sk2
