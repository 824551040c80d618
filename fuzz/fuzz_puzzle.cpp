// The puzzle-file loader of tesselo: any bytes as a saved puzzle, taken as far as the game takes a file
// it opens: the tables, the picture inside it, the checks against that picture, and the two sheets made
// from the stored piece shapes, with every piece drawn onto a small part of the table.
#include "fuzzsupport.h"

#include "picture.h"
#include "pieces.h"
#include "puzzlefile.h"

#include <QBuffer>

#include <cstdint>

namespace {

// The sheets are 2.25 x 2.25 times the picture and filled piece by piece; larger pictures only slow
// the search down without reaching other code.
constexpr int SheetPictureArea = 160 * 120;

void CheckRoundTrip(const tesselo::PuzzleSnapshot &puzzle, const QByteArray &input)
{
    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    QBuffer picture;
    picture.setData(puzzle.picture);
    picture.open(QIODevice::ReadOnly);
    fuzz::Check(tesselo::WritePuzzleStream(out, puzzle, picture), "an accepted puzzle cannot be written");
    fuzz::Check(written == input, "an accepted puzzle is not written back as it was read");
}

void BuildSheets(const tesselo::PuzzleSnapshot &puzzle, const MemBitmap *picture)
{
    fuzz::Check(tesselo::InstallPuzzle(puzzle), "a checked puzzle cannot be installed");
    MemBitmap *maskSheet = nullptr;
    MemBitmap *picSheet = nullptr;
    if (CreatePieceMask(picture, maskSheet, true) && CreatePiecePic(picture, picSheet, maskSheet)) {
        MemBitmap *table = NewMemBitmap(nullptr, 256, 192, gdi::Format::Colour, "table", "fuzz");
        fuzz::Check(table != nullptr, "no room for a small table");
        for (const Piece *piece = pieceFront; piece; piece = piece->next)
            DrawPiece(piece, QRect(0, 0, 256, 192), picSheet, maskSheet, table);
        FreeMemBitmap(table);
    }
    FreePuzzle(picSheet, maskSheet);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::StartQt(fuzz::Qt::Gui);
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer file;
    file.setData(input);
    file.open(QIODevice::ReadOnly);
    tesselo::PuzzleSnapshot puzzle;
    tesselo::PuzzleProblem problem;
    if (tesselo::ReadPuzzleStream(file, QStringLiteral("fuzz.puz"), puzzle, &problem) != 0) {
        fuzz::Check(!problem.text.isEmpty(), "a refused puzzle came without a message");
        return 0;
    }
    fuzz::Check(tesselo::CheckPuzzle(puzzle).isEmpty(), "an accepted puzzle fails its own checks");
    CheckRoundTrip(puzzle, input);

    const QString path =
        fuzz::WriteScratchFile(QStringLiteral("puzzle-picture.bmp"),
                               reinterpret_cast<const std::uint8_t *>(puzzle.picture.constData()),
                               std::size_t(puzzle.picture.size()));
    long error = 0;
    MemBitmap *picture = ReadBitmapFile(path, &error);
    if (picture) {
        const int width = WidthOf(picture);
        const int height = HeightOf(picture);
        if (tesselo::CheckPuzzle(puzzle, width, height).isEmpty() && width * height <= SheetPictureArea)
            BuildSheets(puzzle, picture);
        FreeMemBitmap(picture);
    }
    ReleaseCurrentPalette();
    return 0;
}
