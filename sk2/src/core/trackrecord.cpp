#include "trackrecord.h"

#include <QList>

#include <algorithm>

namespace sk2 {

namespace {

// Bytes 0x80..0x9F of Windows-1252; the five bytes the code page leaves free map to the control
// characters of the same number, as the system's own conversion does.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char AnsiByte(uint codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    const auto *found = std::find(Windows1252High.begin(), Windows1252High.end(), codePoint);
    if (found == Windows1252High.end())
        return '?';
    return static_cast<char>(0x80 + (found - Windows1252High.begin()));
}

constexpr std::array<std::int32_t, TrackCells> DefaultOval = {
    3, 6,  6,  6,  4, //
    5, 12, 12, 12, 5, //
    5, 12, 12, 12, 5, //
    1, 6,  6,  6,  2,
};

} // namespace

QString FromAnsi(const char *bytes, int length)
{
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text.append(QChar(byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : char16_t(byte)));
    }
    return text;
}

QByteArray ToAnsi(const QString &text)
{
    QByteArray bytes;
    for (const uint codePoint : text.toUcs4())
        bytes.append(AnsiByte(codePoint));
    return bytes;
}

QString TrackName(const TTrackRec &rec)
{
    return FromAnsi(rec.Name.Chars.data(), rec.Name.Length);
}

void SetTrackName(TTrackRec &rec, const QString &name)
{
    const QByteArray bytes = ToAnsi(name).left(MaxTrackNameLength);
    rec.Name.Chars.fill('\0');
    std::copy(bytes.begin(), bytes.end(), rec.Name.Chars.begin());
    rec.Name.Length = static_cast<std::uint8_t>(bytes.size());
}

bool IsTileCode(std::int32_t code)
{
    return IsRoadCode(code) || code == Tile::GrassWithPond || code == Tile::PlainGrass;
}

bool IsRoadCode(std::int32_t code)
{
    return code >= Tile::CurveNorthEast && code <= Tile::Crossing;
}

int TileImageNumber(std::int32_t code)
{
    if (!IsTileCode(code))
        return -1;
    return code < Tile::GrassWithPond ? code - 1 : code - 4;
}

std::optional<int> TrackStartCell(const TTrackRec &rec)
{
    for (const int cell : {17, 12, 7}) {
        if (rec.Tiles[cell] < Tile::GrassWithPond)
            return cell;
    }
    return std::nullopt;
}

TTrackRec DefaultTrack()
{
    TTrackRec rec{};
    SetTrackName(rec, QStringLiteral("My First Track"));
    rec.Tiles = DefaultOval;
    return rec;
}

} // namespace sk2
