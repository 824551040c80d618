#include "trackrecord.h"

#include <gtest/gtest.h>

using namespace sk2;

TEST(TrackName, StoresTheNameInTheAnsiCodePage)
{
    TTrackRec rec{};
    SetTrackName(rec, QStringLiteral("Café €5 – “Ω”"));
    const QByteArray stored(rec.Name.Chars.data(), rec.Name.Length);
    EXPECT_EQ(stored, QByteArray("Caf\xE9 \x80"
                                 "5 \x96 \x93?\x94"));
    EXPECT_EQ(TrackName(rec), QStringLiteral("Café €5 – “?”"));
}

TEST(TrackName, KeepsAtMost255CharactersAndClearsTheRestOfTheField)
{
    TTrackRec rec{};
    rec.Name.Chars.fill('#');
    SetTrackName(rec, QString(300, QLatin1Char('x')));
    EXPECT_EQ(rec.Name.Length, 255);
    EXPECT_EQ(TrackName(rec), QString(255, QLatin1Char('x')));

    SetTrackName(rec, QStringLiteral("Short"));
    EXPECT_EQ(rec.Name.Length, 5);
    EXPECT_EQ(rec.Name.Chars[5], '\0');
    EXPECT_EQ(rec.Name.Chars[254], '\0');
}

TEST(TrackName, IgnoresTheBytesAfterTheLength)
{
    TTrackRec rec{};
    rec.Name.Chars.fill('z');
    rec.Name.Length = 3;
    EXPECT_EQ(TrackName(rec), QStringLiteral("zzz"));
}

TEST(TileImageNumber, RoadIsCodeLessOneGrassCodeLessFourAndOtherCodesNameNoPicture)
{
    const std::pair<std::int32_t, int> cases[] = {
        {1, 0}, {4, 3}, {7, 6}, {11, 7}, {12, 8}, {0, -1}, {8, -1}, {10, -1}, {13, -1}, {-5, -1},
    };
    for (const auto &[code, image] : cases)
        EXPECT_EQ(TileImageNumber(code), image) << "code " << code;
}

TEST(TrackStartCell, IsTheFirstCellBelowCode11UpTheMiddleColumn)
{
    struct Case
    {
        std::int32_t cell17, cell12, cell7;
        std::optional<int> start;
    };
    const Case cases[] = {
        {6, 12, 12, 17}, {12, 5, 12, 12}, {11, 12, 7, 7}, {12, 11, 12, std::nullopt},
        {0, 12, 12, 17}, // an empty editor cell is stored as 0 only in memory, and counts as below 11
    };
    for (const Case &c : cases) {
        TTrackRec rec{};
        rec.Tiles.fill(Tile::PlainGrass);
        rec.Tiles[17] = c.cell17;
        rec.Tiles[12] = c.cell12;
        rec.Tiles[7] = c.cell7;
        EXPECT_EQ(TrackStartCell(rec), c.start) << c.cell17 << " " << c.cell12 << " " << c.cell7;
    }
}
