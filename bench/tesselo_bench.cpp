// tesselo: cutting a puzzle with both sheets, reading a picture, and drawing one piece on the table.
#include "blit.h"
#include "picture.h"
#include "pieces.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QImage Landscape(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 3 + y) & 0xFF, (y * 2 + x / 5) & 0xFF, (x ^ y) & 0xFF));
    }
    return image;
}

MemBitmap *PictureOf(const QImage &image)
{
    MemBitmap *picture =
        NewMemBitmap(nullptr, image.width(), image.height(), gdi::Format::Colour, "bRet", "bench");
    picture->bitmap->image() = image;
    return picture;
}

void CutWithBothSheets(benchmark::State &state)
{
    MemBitmap *picture = PictureOf(Landscape(int(state.range(0)), int(state.range(1))));
    pieceCount = int(state.range(2));
    pieceStyle = 1;
    MemBitmap *mask = nullptr;
    MemBitmap *pic = nullptr;
    for (auto _ : state) {
        SeedRandom(1);
        if (!CreatePieceMask(picture, mask, false) || !CreatePiecePic(picture, pic, mask))
            state.SkipWithError("no puzzle");
        benchmark::DoNotOptimize(pic);
        state.PauseTiming();
        FreePuzzle(pic, mask);
        state.ResumeTiming();
    }
    state.counters["pieces"] = total;
    FreeMemBitmap(picture);
}
BENCHMARK(CutWithBothSheets)->Args({1024, 768, 1000})->Args({640, 480, 250})->Unit(benchmark::kMillisecond);

void ReadTwentyFourBitFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    Landscape(int(state.range(0)), int(state.range(1)))
        .convertToFormat(QImage::Format_RGB888)
        .save(path, "BMP");
    for (auto _ : state) {
        long code = 0;
        MemBitmap *picture = ReadBitmapFile(path, &code);
        if (!picture)
            state.SkipWithError("unreadable");
        benchmark::DoNotOptimize(picture);
        FreeMemBitmap(picture);
    }
    ReleaseCurrentPalette();
}
BENCHMARK(ReadTwentyFourBitFile)->Args({1024, 768})->Args({640, 480})->Unit(benchmark::kMillisecond);

void DrawOnePiece(benchmark::State &state)
{
    // 25 pieces of a 250 x 250 picture: cells of 50 x 50, boxes of 100 x 100.
    MemBitmap *picture = PictureOf(Landscape(250, 250));
    pieceCount = 25;
    pieceStyle = 1;
    SeedRandom(1);
    MemBitmap *mask = nullptr;
    MemBitmap *pic = nullptr;
    CreatePieceMask(picture, mask, false);
    CreatePiecePic(picture, pic, mask);
    MemBitmap *table = NewMemBitmap(nullptr, 2048, 1536, gdi::Format::Colour, "bmBacking", "bench");
    const Piece *piece = pieceTable[12].piece;
    const QRect everything(0, 0, 2048, 1536);
    for (auto _ : state) {
        DrawPiece(piece, everything, pic, mask, table);
        benchmark::ClobberMemory();
    }
    state.counters["box"] = piece->w;
    FreeMemBitmap(table);
    FreePuzzle(pic, mask);
    FreeMemBitmap(picture);
}
BENCHMARK(DrawOnePiece)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
