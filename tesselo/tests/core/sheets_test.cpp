// The two sheets: the masks tile the picture, the picture sheet holds the picture inside each shape, and
// a piece is drawn on the table from them.
#include "blit.h"
#include "picture.h"
#include "puzzle_fixture.h"

#include <QTemporaryDir>

#include <vector>

using namespace fixtures;

namespace {

class SheetsTest : public PuzzleTest
{
protected:
    // Every piece's outline alone, drawn on a white sheet the size of the mask sheet.
    MemBitmap *Outlines() const
    {
        MemBitmap *outlines = NewMemBitmap(maskSheet, WidthOf(maskSheet), HeightOf(maskSheet),
                                           gdi::Format::Mono, "outlines", "test");
        gdi::FillRect(outlines->dc, {0, 0, WidthOf(outlines), HeightOf(outlines)}, gdi::White);
        gdi::Point pts[2 * EdgePoints];
        for (int id = 0; id < total; ++id)
            OutlinePiece(outlines->dc, id, pts);
        return outlines;
    }

    static bool Black(const MemBitmap *mono, int x, int y) { return mono->bitmap->pixel(x, y) == gdi::Black; }

    // Every picture pixel lies inside some piece's shape, and a pixel inside two shapes lies on the
    // outline of both. Only where the knobs of two pieces that meet corner to corner reach into the
    // same third piece may their tips touch, and share a pixel or two.
    void ExpectMasksTileThePicture()
    {
        const int width = WidthOf(picture);
        const int height = HeightOf(picture);
        MemBitmap *outlines = Outlines();
        struct Cover
        {
            int count = 0;
            int inside = 0;
            int ids[4] = {};
        };
        std::vector<Cover> covers(std::size_t(width) * height);
        int strays = 0;
        for (int id = 0; id < total; ++id) {
            const Piece &p = P(id);
            for (int v = 0; v < p.h; ++v) {
                for (int u = 0; u < p.w; ++u) {
                    if (!Black(maskSheet, p.sheetX + u, p.sheetY + v))
                        continue;
                    const bool outline = Black(outlines, p.sheetX + u, p.sheetY + v);
                    const int x = p.srcX + u;
                    const int y = p.srcY + v;
                    if (x < 0 || y < 0 || x >= width || y >= height) {
                        strays += !outline;
                        continue;
                    }
                    Cover &c = covers[std::size_t(y) * width + x];
                    if (c.count < 4)
                        c.ids[c.count] = id;
                    c.count += 1;
                    c.inside += !outline;
                }
            }
        }
        FreeMemBitmap(outlines);
        const auto cornerToCorner = [](const Cover &c) {
            for (int a = 0; a < std::min(c.count, 4); ++a) {
                for (int b = 0; b < std::min(c.count, 4); ++b) {
                    if (c.ids[b] / cols - c.ids[a] / cols == 1 &&
                        std::abs(c.ids[b] % cols - c.ids[a] % cols) == 1)
                        return true;
                }
            }
            return false;
        };
        int gaps = 0;
        int overlaps = 0;
        for (const Cover &c : covers) {
            gaps += c.count == 0;
            overlaps += c.inside >= 1 && c.count > 1 && !cornerToCorner(c);
        }
        EXPECT_EQ(gaps, 0);
        EXPECT_EQ(overlaps, 0);
        EXPECT_EQ(strays, 0) << "shape pixels beyond the picture";
    }
};

TEST_F(SheetsTest, MasksOfAPictureFileTileItForEveryCountInBothStyles)
{
    QTemporaryDir dir;
    const QImage image = Pattern(800, 600);
    const QString path = Write(dir, QStringLiteral("picture.bmp"), Encode(image, 24).bytes());
    for (int count : {25, 50, 100, 250, 500, 1000}) {
        for (int style : {0, 1}) {
            SCOPED_TRACE(testing::Message() << count << " pieces, style " << style);
            Release();
            long code = 0;
            picture = ReadBitmapFile(path, &code);
            ASSERT_NE(picture, nullptr) << code;
            ASSERT_LE(count, MaxPieces(picture));
            pieceCount = count;
            pieceStyle = style;
            SeedRandom(std::uint32_t(count * 10 + style));
            ASSERT_TRUE(CreatePieceMask(picture, maskSheet, false));
            EXPECT_LE(total, count);
            ExpectMasksTileThePicture();
        }
    }
    ReleaseCurrentPalette();
}

TEST_F(SheetsTest, OddSizedPicturesTileToo)
{
    struct Case
    {
        int width;
        int height;
        int count;
    };
    const Case cases[] = {{333, 217, 100}, {101, 997, 250}, {1500, 90, 250}, {640, 480, 250}};
    for (const Case &c : cases) {
        for (std::uint32_t seed : {1u, 4u}) {
            SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " into " << c.count);
            Cut(c.width, c.height, c.count, 1, seed);
            ExpectMasksTileThePicture();
        }
    }
}

TEST_F(SheetsTest, PictureSheetHoldsThePictureInsideEachShapeAndBlackElsewhere)
{
    for (int style : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "style " << style);
        Cut(320, 240, 50, style, 8, true);
        MemBitmap *outlines = Outlines();
        int wrong = 0;
        for (int id = 0; id < total; ++id) {
            const Piece &p = P(id);
            for (int v = 0; v < p.h; ++v) {
                for (int u = 0; u < p.w; ++u) {
                    const int sx = p.sheetX + u;
                    const int sy = p.sheetY + v;
                    const gdi::Colour got = picSheet->bitmap->pixel(sx, sy);
                    gdi::Colour want = gdi::Black;
                    if (Black(maskSheet, sx, sy) && !Black(outlines, sx, sy))
                        want = picture->bitmap->pixel(p.srcX + u, p.srcY + v);
                    wrong += got != want;
                }
            }
        }
        FreeMemBitmap(outlines);
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(SheetsTest, SameSeedGivesTheSamePixels)
{
    Cut(400, 300, 100, 1, 42, true);
    const QImage mask = maskSheet->bitmap->image().copy();
    const QImage pic = picSheet->bitmap->image().copy();
    Cut(400, 300, 100, 1, 42, true);
    EXPECT_EQ(maskSheet->bitmap->image(), mask);
    EXPECT_EQ(picSheet->bitmap->image(), pic);
}

TEST_F(SheetsTest, LoadedPiecesGetTheirShapesBack)
{
    Cut(400, 300, 100, 1, 6);
    const QImage cut = maskSheet->bitmap->image().copy();
    FreeMemBitmap(maskSheet);
    ASSERT_TRUE(CreatePieceMask(picture, maskSheet, true));
    EXPECT_EQ(maskSheet->bitmap->image(), cut);
}

TEST_F(SheetsTest, DrawPieceShowsTheShapeClippedToTheRectangle)
{
    Cut(100, 100, 25, 1, 3, true);
    Piece &piece = *pieceTable[12].piece;
    piece.x = 50;
    piece.y = 40;
    MemBitmap *table = NewMemBitmap(nullptr, 200, 200, gdi::Format::Colour, "table", "test");
    const auto blank = [table] { gdi::FillRect(table->dc, {0, 0, 200, 200}, gdi::White); };
    blank();
    DrawPiece(&piece, QRect(0, 0, 200, 200), picSheet, maskSheet, table);
    const QImage whole = table->bitmap->image().copy();
    // Inside the shape the picture, outside it the table as it was.
    for (int v = 0; v < piece.h; ++v) {
        for (int u = 0; u < piece.w; ++u) {
            const bool inShape = Black(maskSheet, piece.sheetX + u, piece.sheetY + v);
            const gdi::Colour want =
                inShape ? picSheet->bitmap->pixel(piece.sheetX + u, piece.sheetY + v) : gdi::White;
            ASSERT_EQ(table->bitmap->pixel(piece.x + u, piece.y + v), want) << u << ", " << v;
        }
    }

    const QRect box(piece.x, piece.y, piece.w, piece.h);
    const QRect clips[] = {QRect(60, 45, 30, 20),   QRect(0, 0, 70, 55),
                           QRect(80, 60, 120, 140), QRect(box.right() + 1, 0, 50, 200),
                           QRect(0, 0, 50, 40),     QRect(150, 150, 10, 10)};
    for (const QRect &clip : clips) {
        SCOPED_TRACE(testing::Message()
                     << clip.x() << "," << clip.y() << " " << clip.width() << "x" << clip.height());
        blank();
        DrawPiece(&piece, clip, picSheet, maskSheet, table);
        int wrong = 0;
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 200; ++x) {
                const QRgb want = clip.contains(x, y) ? whole.pixel(x, y) : 0xFFFFFFFF;
                wrong += table->bitmap->pixel(x, y) != want;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
    FreeMemBitmap(table);
}

} // namespace
