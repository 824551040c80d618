// tesselo's play on a 1000-piece puzzle of a 1024 x 768 picture: a drag step of a single piece and of a
// 100-piece group (the step plus the copy of the changed area to the screen), a redraw of the whole
// table, and saving and loading the puzzle.
#include "game.h"
#include "pieces.h"
#include "puzzlefile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace tesselo;

namespace {

QString WriteLandscape(const QTemporaryDir &dir)
{
    QImage image(1024, 768, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 3 + y) & 0xFF, (y * 2 + x / 5) & 0xFF, (x ^ y) & 0xFF));
    }
    const QString path = dir.filePath(QStringLiteral("landscape.bmp"));
    image.save(path, "BMP");
    return path;
}

// One game with a 1000-piece puzzle, made once for all the benchmarks.
struct Puzzle
{
    QTemporaryDir dir;
    Game game;

    Puzzle()
    {
        game.table().Resize(QSize(1000, 700));
        pieceCount = 1000;
        pieceStyle = 1;
        SeedRandom(1);
        game.NewPicture(WriteLandscape(dir), false);
        game.BuildPuzzle(false);
    }

    // Joins the top-left 10 x 10 block of pieces into one group, put together near the table's middle.
    void MakeGroupOf100()
    {
        const Piece &anchor = *pieceTable[0].piece;
        const QPoint at(600, 400);
        int previous = -1;
        for (int row = 0; row < 10; ++row) {
            for (int col = 0; col < 10; ++col) {
                const int id = row * cols + col;
                Piece &p = *pieceTable[id].piece;
                p.x = at.x() + p.srcX - anchor.srcX;
                p.y = at.y() + p.srcY - anchor.srcY;
                pieceTable[id].group = 0;
                pieceTable[id].next = id;
                if (previous >= 0)
                    pieceTable[previous].next = id;
                previous = id;
            }
        }
        game.table().RedrawTable(QRect(0, 0, TableWidth, TableHeight));
    }
};

Puzzle &ThePuzzle()
{
    static Puzzle puzzle;
    return puzzle;
}

// Drag steps back and forth by a few pixels, each followed by copying its area to a screen image.
void DragStep(benchmark::State &state, int id)
{
    Puzzle &puzzle = ThePuzzle();
    Table &table = puzzle.game.table();
    QImage screen(table.client(), QImage::Format_RGB32);
    QPainter painter(&screen);
    const Piece &p = *pieceTable[id].piece;
    const QPoint grab = QPoint(p.x + p.w / 2, p.y + p.h / 2) - table.scroll();
    if (!puzzle.game.Press(grab)) {
        state.SkipWithError("the piece was not under the pointer");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const QPoint to = grab + QPoint(step % 2 ? 3 : -3, step % 2 ? -2 : 2);
        const QRect area = puzzle.game.DragStep(to);
        table.Paint(painter, area.intersected(screen.rect()));
        ++step;
    }
    puzzle.game.Drop();
}

void DragSinglePiece(benchmark::State &state)
{
    // The last piece cut lies at the front; it is moved into view first.
    Table &table = ThePuzzle().game.table();
    Piece &p = *pieceTable[total - 1].piece;
    p.x = 300;
    p.y = 200;
    table.RedrawTable(QRect(0, 0, TableWidth, TableHeight));
    DragStep(state, total - 1);
}
BENCHMARK(DragSinglePiece)->Unit(benchmark::kMicrosecond);

void DragGroupOf100(benchmark::State &state)
{
    ThePuzzle().MakeGroupOf100();
    DragStep(state, 0);
}
BENCHMARK(DragGroupOf100)->Unit(benchmark::kMicrosecond);

void RedrawWholeTable(benchmark::State &state)
{
    Table &table = ThePuzzle().game.table();
    for (auto _ : state)
        table.RedrawTable(QRect(0, 0, TableWidth, TableHeight));
}
BENCHMARK(RedrawWholeTable)->Unit(benchmark::kMillisecond);

void SavePuzzleOf1000(benchmark::State &state)
{
    Puzzle &puzzle = ThePuzzle();
    const QString path = puzzle.dir.filePath(QStringLiteral("bench.tsl"));
    for (auto _ : state) {
        if (puzzle.game.SaveTo(path) != 0)
            state.SkipWithError("saving failed");
    }
}
BENCHMARK(SavePuzzleOf1000)->Unit(benchmark::kMillisecond);

// Reading and checking the file only.
void ReadPuzzleOf1000(benchmark::State &state)
{
    Puzzle &puzzle = ThePuzzle();
    const QString path = puzzle.dir.filePath(QStringLiteral("read.tsl"));
    puzzle.game.SaveTo(path);
    for (auto _ : state) {
        PuzzleSnapshot snapshot;
        PuzzleProblem problem;
        if (LoadPuzzle(path, snapshot, &problem) != 0)
            state.SkipWithError("reading failed");
        benchmark::DoNotOptimize(snapshot);
    }
}
BENCHMARK(ReadPuzzleOf1000)->Unit(benchmark::kMillisecond);

// The whole Open: reading, checking, the picture, both sheets rebuilt from the stored shapes and the
// table redrawn.
void OpenPuzzleOf1000(benchmark::State &state)
{
    Puzzle &puzzle = ThePuzzle();
    const QString path = puzzle.dir.filePath(QStringLiteral("open.tsl"));
    puzzle.game.SaveTo(path);
    for (auto _ : state) {
        if (puzzle.game.Open(path) != 0)
            state.SkipWithError("opening failed");
    }
}
BENCHMARK(OpenPuzzleOf1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Painting the screen image needs the GUI parts of Qt, but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
