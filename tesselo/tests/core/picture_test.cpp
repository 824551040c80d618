// Reading pictures: what is refused with which code, and how every accepted kind of file is drawn.
#include "fixtures.h"
#include "memory.h"
#include "picture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace fixtures;

namespace {

constexpr std::uint32_t Red = 0xFF0000, Green = 0x00FF00, Blue = 0x0000FF, Yellow = 0xFFFF00, Black = 0,
                        White = 0xFFFFFF, Cyan = 0x00FFFF, Magenta = 0xFF00FF;

// Eight colours whose channels are all 0 or 255, so every kind of file holds them exactly.
QImage PrimaryPicture(int width, int height)
{
    const QRgb colours[] = {Red, Green, Blue, Yellow, Black, White, Cyan, Magenta};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000 | colours[(x + 3 * y) % 8]);
    }
    return image;
}

class ReadBitmapFileTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        FreeMemBitmap(picture);
        ReleaseCurrentPalette();
    }

    // Reads `bytes` as a file; the result is in `picture` and `code`.
    void Read(const QByteArray &bytes)
    {
        FreeMemBitmap(picture);
        code = 1;
        picture = ReadBitmapFile(Write(dir, QStringLiteral("picture.bmp"), bytes), &code);
    }

    void ExpectPicture(const QImage &expected)
    {
        ASSERT_NE(picture, nullptr) << "code " << code;
        EXPECT_EQ(code, 0);
        EXPECT_EQ(picture->header.biWidth, expected.width());
        EXPECT_EQ(picture->header.biHeight, expected.height());
        EXPECT_EQ(picture->bitmap->image(), expected.convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(picture->dc->bitmap(), picture->bitmap);
    }

    QTemporaryDir dir;
    AlertLog log;
    MemBitmap *picture = nullptr;
    long code = 0;
};

TEST_F(ReadBitmapFileTest, RefusesWithTheReasonsCode)
{
    const BmpFile good = Encode(PrimaryPicture(4, 3), 24);
    const auto changed = [&good](const std::function<void(BmpFile &)> &change) {
        BmpFile file = good;
        change(file);
        return file.bytes();
    };
    struct Case
    {
        const char *what;
        QByteArray bytes;
        long code;
    };
    const Case cases[] = {
        {"empty file", QByteArray(), ReadNotBitmap},
        {"shorter than the file header", good.bytes().left(13), ReadNotBitmap},
        {"not BM", changed([](BmpFile &f) { f.magic[0] = 'X'; }), ReadNotBitmap},
        {"BA", changed([](BmpFile &f) { f.magic[1] = 'A'; }), ReadNotBitmap},
        {"size below the file header", changed([](BmpFile &f) { f.sizeOverride = 10; }), ReadNotBitmap},
        {"one byte short", changed([&good](BmpFile &f) { f.sizeOverride = good.bytes().size() + 1; }),
         ReadShortFile},
        {"cut off inside the header", good.bytes().left(30), ReadShortFile},
        {"core header", changed([](BmpFile &f) { f.headerSize = 12; }), ReadNotBitmap},
        {"version 4 header", changed([](BmpFile &f) { f.headerSize = 108; }), ReadNotBitmap},
        {"size ends inside the header", changed([](BmpFile &f) { f.sizeOverride = 40; }), ReadNotBitmap},
        {"7 bits", changed([](BmpFile &f) { f.bitCount = 7; }), ReadNotBitmap},
        {"two planes", changed([](BmpFile &f) { f.planes = 2; }), ReadNotBitmap},
        {"no width", changed([](BmpFile &f) { f.width = 0; }), ReadNotBitmap},
        {"negative width", changed([](BmpFile &f) { f.width = -4; }), ReadNotBitmap},
        {"no height", changed([](BmpFile &f) { f.height = 0; }), ReadNotBitmap},
        {"JPEG inside", changed([](BmpFile &f) { f.compression = 4; }), ReadNotBitmap},
        {"RLE8 at 24 bits", changed([](BmpFile &f) { f.compression = 1; }), ReadNotBitmap},
        {"wider than the pixels", changed([](BmpFile &f) { f.width = 5; }), ReadNotBitmap},
        {"huge", changed([](BmpFile &f) {
             f.width = 40000;
             f.height = 40000;
         }),
         ReadNotBitmap},
        {"pixels start before the header ends", changed([](BmpFile &f) { f.offBitsOverride = 20; }),
         ReadNotBitmap},
        {"pixels start after the end", changed([](BmpFile &f) { f.offBitsOverride = 1 << 20; }),
         ReadNotBitmap},
        {"colour table beyond the end", changed([](BmpFile &f) { f.bitCount = 8; }), ReadNotBitmap},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Read(c.bytes);
        EXPECT_EQ(picture, nullptr);
        EXPECT_EQ(code, c.code);
    }
    EXPECT_TRUE(log.texts.isEmpty()) << log.texts.join('\n').toStdString();
    EXPECT_EQ(CurrentPalette(), nullptr);

    code = 1;
    EXPECT_EQ(ReadBitmapFile(dir.filePath(QStringLiteral("missing.bmp")), &code), nullptr);
    EXPECT_EQ(code, ReadCannotOpen);
}

TEST_F(ReadBitmapFileTest, SixteenByteHeaderIsRefusedWithItsMessage)
{
    BmpFile file = Encode(PrimaryPicture(4, 3), 24);
    file.headerSize = 16;
    Read(file.bytes());
    EXPECT_EQ(picture, nullptr);
    EXPECT_EQ(code, ReadNotBitmap);
    ASSERT_EQ(log.texts.size(), 1);
    EXPECT_EQ(log.titles[0], "ReadBitmapFile");
    EXPECT_EQ(log.texts[0], "Code not implemented to read this type of file.");
}

TEST_F(ReadBitmapFileTest, HeaderAnnouncingMoreThanTheFileHoldsAllocatesNothing)
{
    BmpFile file = Encode(PrimaryPicture(4, 3), 24);
    file.sizeOverride = 0xFFFFFFF0;
    std::vector<std::size_t> asked;
    AllocationFailure previous = SetAllocationFailure([&asked](std::size_t size, const char *) {
        asked.push_back(size);
        return false;
    });
    Read(file.bytes());
    SetAllocationFailure(std::move(previous));
    EXPECT_EQ(code, ReadShortFile);
    EXPECT_TRUE(asked.empty());
}

TEST_F(ReadBitmapFileTest, AcceptsEitherCaseOfTheMagic)
{
    const QImage image = PrimaryPicture(5, 2);
    for (const char *magic : {"BM", "bm", "Bm", "bM"}) {
        SCOPED_TRACE(magic);
        BmpFile file = Encode(image, 24);
        file.magic[0] = magic[0];
        file.magic[1] = magic[1];
        Read(file.bytes());
        ExpectPicture(image);
    }
}

TEST_F(ReadBitmapFileTest, DrawsEveryUncompressedDepthTheRightWayUp)
{
    const QImage image = PrimaryPicture(13, 5); // odd width: rows carry padding at every depth
    const std::vector<std::uint32_t> eight = {Red, Green, Blue, Yellow, Black, White, Cyan, Magenta};
    std::vector<std::uint32_t> sixteen = eight;
    sixteen.insert(sixteen.begin(), 8, 0x123456);
    std::vector<std::uint32_t> full(256, 0x654321);
    std::copy(eight.begin(), eight.end(), full.begin() + 200);
    struct Case
    {
        int bits;
        std::vector<std::uint32_t> table;
    };
    const Case cases[] = {{4, sixteen}, {8, full}, {16, {}}, {24, {}}, {32, {}}};
    for (const Case &c : cases) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.bits << " bits" << (topDown ? ", top-down" : ""));
            Read(Encode(image, c.bits, c.table, topDown).bytes());
            ExpectPicture(image);
        }
    }

    QImage twoColours(21, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 21; ++x)
            twoColours.setPixel(x, y, (x * y + x) % 3 ? 0xFF000000 | Cyan : 0xFF000000 | Magenta);
    }
    Read(Encode(twoColours, 1, {Magenta, Cyan}).bytes());
    ExpectPicture(twoColours);
}

TEST_F(ReadBitmapFileTest, FullColourFilesKeepEveryShade)
{
    const QImage image = Pattern(37, 11);
    Read(Encode(image, 24).bytes());
    ExpectPicture(image);
    Read(Encode(image, 32).bytes());
    ExpectPicture(image);
}

TEST_F(ReadBitmapFileTest, ColourMasksPickTheChannels)
{
    // One pixel of 16 bits 5-6-5 (pure green at full, then a mid red) and one of 32 bits with the
    // channels in an unusual order.
    BmpFile file;
    file.width = 2;
    file.height = 1;
    file.bitCount = 16;
    file.compression = 3;
    file.colourTable = {0xF800, 0x07E0, 0x001F};
    file.pixels = QByteArray::fromHex("e007"
                                      "0080");
    Read(file.bytes());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->bitmap->pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(picture->bitmap->pixel(1, 0), qRgb(132, 0, 0));

    file.bitCount = 32;
    file.width = 1;
    file.colourTable = {0x000000FF, 0x0000FF00, 0xFF000000}; // red low, blue high
    file.pixels = QByteArray::fromHex("11223344");
    Read(file.bytes());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->bitmap->pixel(0, 0), qRgb(0x11, 0x22, 0x44));
}

TEST_F(ReadBitmapFileTest, RunLengthFilesAreDecoded)
{
    // 5 x 3, bottom-up. RLE8: row 0 a run of 3 of index 1 then 2 pixels absolute... row 1 skipped by a
    // delta, row 2 a run cut off at the row's end.
    BmpFile rle8;
    rle8.width = 5;
    rle8.height = 3;
    rle8.bitCount = 8;
    rle8.compression = 1;
    rle8.colourTable = {Black, Red, Green, Blue};
    rle8.pixels = QByteArray::fromHex("0301"
                                      "00030203"
                                      "02"
                                      "00"
                                      "0000"
                                      "00020101"
                                      "0903"
                                      "0001");
    Read(rle8.bytes());
    ASSERT_NE(picture, nullptr);
    const auto row = [this](int y) {
        std::vector<QRgb> out;
        for (int x = 0; x < 5; ++x)
            out.push_back(picture->bitmap->pixel(x, y) & 0xFFFFFF);
        return out;
    };
    EXPECT_EQ(row(2), (std::vector<QRgb>{Red, Red, Red, Green, Blue}));
    EXPECT_EQ(row(1), (std::vector<QRgb>{Black, Black, Black, Black, Black}));
    EXPECT_EQ(row(0), (std::vector<QRgb>{Black, Blue, Blue, Blue, Blue}));

    // RLE4: a run alternating two indexes, then an absolute run of three.
    BmpFile rle4 = rle8;
    rle4.bitCount = 4;
    rle4.compression = 2;
    rle4.height = 1;
    rle4.pixels = QByteArray::fromHex("0212"
                                      "0003"
                                      "3210"
                                      "0001");
    Read(rle4.bytes());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(row(0), (std::vector<QRgb>{Red, Green, Blue, Green, Red}));
}

TEST_F(ReadBitmapFileTest, TwentyFourBitFileHasAnEmptyPalette)
{
    Read(Encode(PrimaryPicture(3, 3), 24).bytes());
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(CurrentPalette(), nullptr);
    EXPECT_TRUE(CurrentPalette()->entries.empty());
    EXPECT_EQ(picture->header.biClrUsed, 0u);
    EXPECT_EQ(picture->header.biBitCount, 24);
}

TEST_F(ReadBitmapFileTest, PaletteTakesEveryEntryBeforeThePixels)
{
    std::vector<std::uint32_t> table(256);
    for (std::uint32_t i = 0; i < 256; ++i)
        table[i] = (i << 16) | ((255 - i) << 8) | (i ^ 0x5A);
    QImage image(4, 1, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x)
        image.setPixel(x, 0, 0xFF000000 | table[250 - 60 * x]);
    BmpFile file = Encode(image, 8, table);
    file.clrUsed = 16; // the file's own count is not what counts
    Read(file.bytes());
    ExpectPicture(image);
    EXPECT_EQ(picture->header.biClrUsed, 256u);
    ASSERT_NE(CurrentPalette(), nullptr);
    ASSERT_EQ(CurrentPalette()->entries.size(), 256u);
    const gdi::PALETTEENTRY e = CurrentPalette()->entries[77];
    EXPECT_EQ((std::uint32_t(e.peRed) << 16) | (e.peGreen << 8) | e.peBlue, table[77]);
    EXPECT_EQ(e.peFlags, 0);
}

TEST_F(ReadBitmapFileTest, NewPaletteGoesIntoTheBacking)
{
    MemBitmap *backing = NewMemBitmap(nullptr, 8, 8, gdi::Format::Colour, "bmBacking", "test");
    ASSERT_NE(backing, nullptr);
    const gdi::Palette stock;
    backing->dc->SelectPalette(&stock);
    for (int round = 0; round < 2; ++round) {
        FreeMemBitmap(picture);
        picture = ReadBitmapFile(
            Write(dir, QStringLiteral("p.bmp"), Encode(PrimaryPicture(2, 2), 24).bytes()), &code, backing);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(backing->dc->palette(), CurrentPalette());
        EXPECT_EQ(backing->previousPalette, &stock);
    }
    ReleaseCurrentPalette(backing);
    EXPECT_EQ(backing->dc->palette(), &stock);
    FreeMemBitmap(backing);
}

TEST_F(ReadBitmapFileTest, AllocationFailuresAreToldAndGiveNoPicture)
{
    BmpFile file;
    file.width = 32;
    file.height = 32;
    file.bitCount = 8;
    file.pixels = QByteArray(1024, '\0');
    ASSERT_EQ(file.bytes().size(), 1078);
    const QString path = Write(dir, QStringLiteral("small.bmp"), file.bytes());
    for (const char *failing : {"pBuff", "logPal", "bRet"}) {
        SCOPED_TRACE(failing);
        AlertLog failures;
        AllocationFailure previous = SetAllocationFailure(
            [failing](std::size_t, const char *name) { return name && std::string(name) == failing; });
        code = 0;
        EXPECT_EQ(ReadBitmapFile(path, &code), nullptr);
        SetAllocationFailure(std::move(previous));
        EXPECT_EQ(code, ReadNotBitmap);
        ASSERT_EQ(failures.texts.size(), 1);
        EXPECT_TRUE(
            failures.texts[0].contains(QStringLiteral(" for %1 in ReadBitmapFile failed.").arg(failing)))
            << failures.texts[0].toStdString();
    }
    AlertLog failures;
    AllocationFailure previous =
        SetAllocationFailure([](std::size_t, const char *name) { return std::string(name) == "pBuff"; });
    ReadBitmapFile(path, &code);
    SetAllocationFailure(std::move(previous));
    ASSERT_EQ(failures.texts.size(), 1);
    EXPECT_EQ(failures.texts[0], "GlobalAlloc of 1078 bytes for pBuff in ReadBitmapFile failed.");
}

TEST_F(ReadBitmapFileTest, BytesBeyondTheAnnouncedSizeAreIgnored)
{
    const QImage image = PrimaryPicture(3, 2);
    Read(Encode(image, 24).bytes() + QByteArray(100, '\x7f'));
    ExpectPicture(image);
}

} // namespace
