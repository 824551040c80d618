// fuzz_seeds FOLDER: writes the seed corpus of every fuzz target into FOLDER/<target>/, each file made by
// the game's own writers (the track file, the settings, the puzzle file, the library files) or, for
// pictures, by the bitmap writer of the tests. Small valid files of every kind a reader takes, so that
// the fuzzers start from inside each format rather than at its magic word.
#include "fixtures.h"
#include "wavefixture.h"

#include "dgcerror.h"
#include "imagelib.h"
#include "picture.h"
#include "pieces.h"
#include "profile.h"
#include "puzzlefile.h"
#include "random.h"
#include "sk2settings.h"
#include "soundlib.h"
#include "trackfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

QDir outputRoot;
QTemporaryDir *work = nullptr;

void Save(const QString &target, const QString &name, const QByteArray &bytes)
{
    outputRoot.mkpath(target);
    QFile file(outputRoot.filePath(target + QLatin1Char('/') + name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
}

QByteArray Load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

// A picture in a few plain colours, so that the indexed files can hold it exactly.
QImage FourColours(int width, int height)
{
    static const QRgb colours[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(200, 30, 40), qRgb(20, 90, 220)};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colours[(x + 2 * y) % (width < 3 ? 2 : 4)]);
    }
    return image;
}

void BitmapSeeds()
{
    using fixtures::Encode;
    const std::vector<std::uint32_t> mono = {0x000000, 0xFFFFFF};
    const std::vector<std::uint32_t> four = {0x000000, 0xFFFFFF, 0xC81E28, 0x145ADC};
    Save("bitmap", "1bit.bmp", Encode(FourColours(2, 3), 1, mono).bytes());
    Save("bitmap", "4bit.bmp", Encode(FourColours(5, 3), 4, four).bytes());
    Save("bitmap", "8bit.bmp", Encode(FourColours(4, 4), 8, four).bytes());
    Save("bitmap", "8bit-topdown.bmp", Encode(FourColours(3, 2), 8, four, true).bytes());
    Save("bitmap", "16bit.bmp", Encode(fixtures::Pattern(3, 3), 16).bytes());
    Save("bitmap", "24bit.bmp", Encode(fixtures::Pattern(3, 2), 24).bytes());
    Save("bitmap", "24bit-topdown.bmp", Encode(fixtures::Pattern(2, 3), 24, {}, true).bytes());
    Save("bitmap", "32bit.bmp", Encode(fixtures::Pattern(2, 2), 32).bytes());

    fixtures::BmpFile masks16 = Encode(fixtures::Pattern(3, 2), 16, {0x7C00, 0x03E0, 0x001F});
    masks16.compression = 3;
    Save("bitmap", "16bit-masks.bmp", masks16.bytes());
    fixtures::BmpFile masks32 = Encode(fixtures::Pattern(2, 2), 32, {0xFF0000, 0x00FF00, 0x0000FF});
    masks32.compression = 3;
    Save("bitmap", "32bit-masks.bmp", masks32.bytes());

    // Run-length files: runs, absolute runs, a delta, a row end and the picture's end.
    fixtures::BmpFile rle8;
    rle8.width = 5;
    rle8.height = 3;
    rle8.bitCount = 8;
    rle8.compression = 1;
    rle8.colourTable = four;
    // Row 0: two runs and an absolute run of three (padded); the row's end; a delta to row 2, column
    // 1; a run to that row's end; the picture's end.
    rle8.pixels = QByteArray::fromHex("0102"
                                      "0103"
                                      "000301020300"
                                      "0000"
                                      "00020101"
                                      "0401"
                                      "0001");
    Save("bitmap", "rle8.bmp", rle8.bytes());
    fixtures::BmpFile rle4 = rle8;
    rle4.bitCount = 4;
    rle4.compression = 2;
    rle4.pixels = QByteArray::fromHex("0412"
                                      "0000"
                                      "00033210"
                                      "00020001"
                                      "0001");
    Save("bitmap", "rle4.bmp", rle4.bytes());
}

// Inputs that break a reader only at a size far beyond what the fuzzers try; they are replayed by their
// own tests and never fuzzed.
void LargeRegressions()
{
    // One row of 1 pixel carried by 8.4 million runs of 255 past the int range of its column.
    fixtures::BmpFile longRow;
    longRow.width = 1;
    longRow.height = 1;
    longRow.bitCount = 8;
    longRow.compression = 1;
    longRow.colourTable = {0x000000, 0xFFFFFF};
    constexpr int runs = (1 << 30) / 255 * 2 + 16;
    longRow.pixels = QByteArray("\xFF\x01", 2).repeated(runs) + QByteArray("\x00\x01", 2);
    Save("large/bitmap", "rle8-row-past-int-range.bmp", longRow.bytes());
}

void PuzzleSeeds()
{
    const QByteArray pictureFile = fixtures::Encode(fixtures::Pattern(40, 30), 24).bytes();
    const QString picturePath = fixtures::Write(*work, QStringLiteral("puzzle.bmp"), pictureFile);
    long error = 0;
    MemBitmap *picture = ReadBitmapFile(picturePath, &error);
    if (!picture)
        throw std::runtime_error("cannot read the puzzle's picture");
    for (const int style : {0, 1}) {
        pieceCount = 6;
        pieceStyle = style;
        SeedRandom(7);
        MemBitmap *maskSheet = nullptr;
        MemBitmap *picSheet = nullptr;
        if (!CreatePieceMask(picture, maskSheet, false))
            throw std::runtime_error("cannot cut the puzzle");
        tesselo::PuzzleSnapshot puzzle = tesselo::CapturePuzzle();
        FreePuzzle(picSheet, maskSheet);
        if (style == 1) {
            // Pieces 0 and 1 joined into one group.
            puzzle.groups[0] = {1, 0};
            puzzle.groups[1] = {1, 0};
            puzzle.placed = 2;
            puzzle.elapsed = 95;
            puzzle.score = 40;
        }
        if (const QString fault = tesselo::CheckPuzzle(puzzle, 40, 30); !fault.isEmpty())
            throw std::runtime_error("the cut puzzle is unsound: " + fault.toStdString());
        QByteArray bytes;
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        QBuffer in;
        in.setData(pictureFile);
        in.open(QIODevice::ReadOnly);
        if (!tesselo::WritePuzzleStream(out, puzzle, in))
            throw std::runtime_error("cannot write the puzzle");
        Save("puzzle", style == 0 ? "rectangular.puz" : "tabbed-joined.puz", bytes);
    }
    FreeMemBitmap(picture);
    ReleaseCurrentPalette();
}

void TrackSeeds()
{
    const QString folder = work->filePath(QStringLiteral("tracks"));
    QDir().mkpath(folder);
    sk2::SetTrackFolder(folder);

    sk2::CreateEmptyTrackFile();
    sk2::WriteTrack(0, sk2::DefaultTrack());
    sk2::CloseTrackFile();
    Save("trackfile", "default.trk", Load(sk2::TrackFileName()));

    // A figure of eight over a crossing, and a damaged record with codes that name no tile.
    sk2::TTrackRec eight{};
    sk2::SetTrackName(eight, QStringLiteral("Acht \u00FCber Kreuz \u20AC"));
    eight.Tiles = {3,  6,  4, 12, 11, //
                   5,  12, 5, 12, 12, //
                   1,  6,  7, 6,  4,  //
                   12, 12, 1, 6,  2};
    sk2::TTrackRec damaged{};
    sk2::SetTrackName(damaged, QStringLiteral("Damaged"));
    damaged.Name.Length = 255;
    damaged.Tiles = {0, -1, 8, 9, 10, 13, 7, 7, 7, 7, 5, 5, 1000000, 5, 5, 12, 11, 7, 12, 2147483647};
    sk2::CreateEmptyTrackFile();
    sk2::WriteTrack(0, sk2::DefaultTrack());
    sk2::WriteTrack(1, eight);
    sk2::WriteTrack(2, damaged);
    sk2::CloseTrackFile();
    const QByteArray three = Load(sk2::TrackFileName());
    Save("trackfile", "three-tracks.trk", three);
    Save("trackfile", "cut-short.trk", three.left(2 * sk2::TrackRecordSize + 100));
}

void SettingsSeeds()
{
    const QString folder = work->filePath(QStringLiteral("settings"));
    QDir().mkpath(folder);
    sk2::win::SetWindowsDirectory(folder);
    const sk2::Settings settings;
    using namespace sk2::Keys;
    settings.WriteInteger(LastPicked, 3);
    settings.WriteInteger(Laps, 7);
    settings.WriteInteger(ScreenSize, sk2::ScreenSize640x480);
    settings.WriteInteger(Races, 4);
    settings.WriteBool(CycleTracks, true);
    for (int slot = 1; slot <= 4; ++slot)
        settings.WriteInteger(RaceTrack(slot), slot * 2);
    for (int player = 1; player <= 2; ++player) {
        settings.WriteInteger(Score(player), -player);
        settings.WriteString(Name(player),
                             player == 1 ? QStringLiteral("Gr\u00FCn") : QStringLiteral("  Red Car "));
        settings.WriteInteger(InputDevice(player), player);
        settings.WriteInteger(Sensitivity(player), 25);
        settings.WriteInteger(TopSpeed(player), 10);
        settings.WriteSteeringKeys(player, sk2::RaceDefaults::SteeringKeys(player));
    }
    const QByteArray all = Load(sk2::win::ProfilePath(QString::fromLatin1(sk2::SettingsFileName)));
    Save("settings", "all-keys.ini", all);

    // The same as another editor may leave it: a byte order mark, CR LF line ends, numbers in
    // hexadecimal and beyond the 32-bit range, a key before any section, blanks and a repeated section.
    QByteArray edited = "\xEF\xBB\xBF"
                        "LastPicked=9\r\n" +
                        all;
    edited.replace("\n", "\r\n");
    edited.replace("Laps=7", "  laps = 0x1F  ");
    edited.replace("Races=4", "Races=$A");
    edited.replace("score1=-1", "score1=-2147483648");
    edited.replace("score2=-2", "score2=2147483648");
    edited += "\r\n[Match]\r\nRaces=2\r\n[Track\r\n=\r\nRace1=\r\n";
    Save("settings", "edited.ini", edited);
}

void LibrarySeeds()
{
    using namespace sk2::dgc;
    TDGCImageLib images;
    DGCPalette palette;
    for (int i = 0; i < 256; ++i)
        palette.SetColour(i, qRgb(i, 255 - i, (i * 7) & 0xFF));
    images.SetPalette(palette);
    Save("imagelib", "empty.iml", images.SaveToData());
    TDGCSurface tile(4, 3, 0);
    tile.SetPixel(1, 1, 9);
    tile.SetPixel(3, 2, 255);
    images.Add(tile);
    images.Add(TDGCSurface(1, 1, 200));
    images.Add(TDGCSurface(2, 5, 3));
    Save("imagelib", "three-images.iml", images.SaveToData());

    TDGCSoundLib sounds;
    Save("soundlib", "empty.sdl", sounds.SaveToData());
    sounds.Add(Wave(4));
    QByteArray odd = Wave(3);
    odd.append('\0'); // a pad byte after the form, which the library allows
    sounds.Add(odd);
    Save("soundlib", "two-sounds.sdl", sounds.SaveToData());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: fuzz_seeds FOLDER\n", stderr);
        return 2;
    }
    QTemporaryDir scratch;
    work = &scratch;
    outputRoot = QDir(QString::fromLocal8Bit(argv[1]));
    try {
        if (!scratch.isValid() || !outputRoot.mkpath(QStringLiteral(".")))
            throw std::runtime_error("cannot make the folders");
        BitmapSeeds();
        PuzzleSeeds();
        TrackSeeds();
        SettingsSeeds();
        LibrarySeeds();
        LargeRegressions();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
