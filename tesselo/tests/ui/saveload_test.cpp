// Saving and opening puzzles through the game: round trips, the worked example's file size, and files
// that must be refused without disturbing the puzzle in play.
#include "bitmaps.h"
#include "fixtures.h"
#include "game.h"
#include "pieces.h"
#include "puzzlefile.h"
#include "savefaults.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>

using namespace tesselo;
using namespace tesselo::testing;

namespace {

class CountingClock : public PlayClock
{
public:
    void Start() override { running = true; }
    void Stop() override { running = false; }
    bool Running() const override { return running; }
    bool running = false;
};

class SaveLoadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        game.SetClock(&clock);
        game.table().Resize(QSize(800, 600));
        pieceStyle = 1;
    }

    void NewPuzzle(int width, int height, int count, std::uint32_t seed = 3)
    {
        pieceCount = count;
        SeedRandom(seed);
        ASSERT_EQ(game.NewPicture(WritePicture(dir, QStringLiteral("picture.bmp"), width, height), false), 0);
        ASSERT_TRUE(game.BuildPuzzle(false));
    }

    // Makes a few joins by dragging, so that groups, order, score and time are not those of a new cut.
    void PlayABit()
    {
        auto dragBeside = [this](int anchor, int id) {
            Piece &a = *pieceTable[anchor].piece;
            Piece &p = *pieceTable[id].piece;
            const QPoint grab(p.x + p.w / 2, p.y + p.h / 2);
            ASSERT_TRUE(game.Press(grab - game.table().scroll()));
            const QPoint to(a.x + p.srcX - a.srcX, a.y + p.srcY - a.srcY);
            game.DragStep(grab - game.table().scroll() + to - QPoint(p.x, p.y));
            game.Drop();
        };
        // Bring the pieces in reach of the window first: a row along the top.
        for (int id = 0; id < total; ++id) {
            pieceTable[id].piece->x = 20 + (id % 10) * 70;
            pieceTable[id].piece->y = 20 + (id / 10) * 70;
        }
        game.table().RedrawTable(QRect(0, 0, TableWidth, TableHeight));
        elapsed = 17;
        dragBeside(0, 1);
        elapsed = 31;
        dragBeside(1, 2);
        dragBeside(0, cols);
    }

    static bool SamePuzzle(const PuzzleSnapshot &a, const PuzzleSnapshot &b)
    {
        return a.pieces == b.pieces && a.groups == b.groups &&
               std::tie(a.style, a.elapsed, a.score, a.placed, a.lastJoin, a.total, a.rows, a.cols) ==
                   std::tie(b.style, b.elapsed, b.score, b.placed, b.lastJoin, b.total, b.rows, b.cols);
    }

    QByteArray Contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void Write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    CountingClock clock;
    MessageLog log;
    Game game;
};

TEST_F(SaveLoadTest, APuzzleInPlayComesBackAsItWasSaved)
{
    NewPuzzle(200, 150, 50);
    PlayABit();
    ASSERT_GT(placed, 2);
    const PuzzleSnapshot saved = CapturePuzzle();
    const QString path = dir.filePath(QStringLiteral("game.tsl"));
    ASSERT_EQ(game.SaveTo(path), 0);
    EXPECT_EQ(log.texts.last(), QStringLiteral("%1 has been successfully saved.").arg(path));

    // Another puzzle takes its place, then the saved one is opened again.
    NewPuzzle(120, 100, 25, 99);
    clock.running = false;
    ASSERT_EQ(game.Open(path), 0) << log.texts.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(SamePuzzle(CapturePuzzle(), saved));
    EXPECT_TRUE(clock.running) << "the clock runs on from the stored time";
    EXPECT_EQ(elapsed, 31);
    EXPECT_FALSE(game.dirty());

    // The sheets are rebuilt from the stored shapes: a piece is drawn and picked up where it lies.
    const Piece &p = *pieceTable[cols + 1].piece;
    EXPECT_TRUE(game.Press(QPoint(p.x + p.w / 2, p.y + p.h / 2)));
    game.Drop();

    // Saving the loaded puzzle gives the same bytes again.
    const QString again = dir.filePath(QStringLiteral("again.tsl"));
    ASSERT_EQ(game.SaveTo(again), 0);
    EXPECT_EQ(Contents(again).size(), Contents(path).size());
}

TEST_F(SaveLoadTest, AFinishedPuzzleLoadsWithoutStartingTheClock)
{
    NewPuzzle(100, 100, 25);
    placed = total; // as if every join had been made
    const QString path = dir.filePath(QStringLiteral("done.tsl"));
    ASSERT_EQ(game.SaveTo(path), 0);
    clock.running = false;
    ASSERT_EQ(game.Open(path), 0);
    EXPECT_FALSE(clock.running);
}

TEST_F(SaveLoadTest, TheWorkedExampleHasTheDocumentedSize)
{
    // A 640 x 480 picture of 256 colours: 14 + 40 + 1024 + 640 x 480 = 308 278 bytes.
    QImage indexed(640, 480, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours.append(qRgb(i, 255 - i, (i * 7) % 256));
    indexed.setColorTable(colours);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            indexed.setPixel(x, y, uint((x / 3 + y / 5) % 256));
    const QString picture = dir.filePath(QStringLiteral("example.bmp"));
    ASSERT_TRUE(indexed.save(picture, "BMP"));
    ASSERT_EQ(QFileInfo(picture).size(), 308278);

    pieceCount = 250;
    SeedRandom(1);
    ASSERT_EQ(game.NewPicture(picture, false), 0);
    ASSERT_TRUE(game.BuildPuzzle(false));
    ASSERT_EQ(total, 247);
    const QString path = dir.filePath(QStringLiteral("example.tsl"));
    ASSERT_EQ(game.SaveTo(path), 0);
    EXPECT_EQ(QFileInfo(path).size(), 40 + 348 * 247 + 308278);
    EXPECT_EQ(QFileInfo(path).size(), 394274);
}

class SaveFaultTest : public SaveLoadTest,
                      public ::testing::WithParamInterface<skarvel::testsupport::SaveFault>
{
};

TEST_P(SaveFaultTest, TellsTheFailureNamingTheFileAndKeepsThePreviousSave)
{
    NewPuzzle(100, 100, 25);
    const QString path = dir.filePath(QStringLiteral("game.tsl"));
    ASSERT_EQ(game.SaveTo(path), 0);
    const QByteArray previous = Contents(path);
    PlayABit(); // the puzzle in play moves on from the saved one
    const PuzzleSnapshot played = CapturePuzzle();
    log.clear();
    const auto save = [this, &path] {
        const int result = game.SaveTo(path);
        return (QString::number(result) + QLatin1Char('|') + log.titles.join(QLatin1Char('\n')) +
                QLatin1Char('|') + log.texts.join(QLatin1Char('\n')))
            .toStdString();
    };

    // The file would keep its size: the same pieces and the same picture.
    const QString told = QString::fromStdString(GetParam().run(dir.path(), previous.size(), save));
    EXPECT_TRUE(told.startsWith(QStringLiteral("-1|Save Puzzle|Unable to ")) &&
                told.contains(QLatin1Char('\'') + path + QLatin1Char('\'')) &&
                told.endsWith(QStringLiteral(". Your puzzle was not saved.")))
        << told.toStdString();
    EXPECT_EQ(Contents(path), previous);
    EXPECT_EQ(skarvel::testsupport::FolderEntries(dir.path()),
              (QStringList{QStringLiteral("game.tsl"), QStringLiteral("picture.bmp")}));

    // Without the fault the puzzle as played is saved.
    log.clear();
    ASSERT_EQ(game.SaveTo(path), 0);
    EXPECT_EQ(log.texts, QStringList{QStringLiteral("%1 has been successfully saved.").arg(path)});
    PuzzleSnapshot reread;
    ASSERT_EQ(LoadPuzzle(path, reread, nullptr), 0);
    EXPECT_TRUE(SamePuzzle(reread, played));
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultTest,
                         ::testing::ValuesIn(skarvel::testsupport::WholeFileSaveFaults()),
                         skarvel::testsupport::SaveFaultName());

struct BadFile
{
    const char *what;
    std::function<void(QByteArray &)> damage;
    const char *title;
};

class BadFileTest : public SaveLoadTest, public ::testing::WithParamInterface<BadFile>
{
};

TEST_P(BadFileTest, LeavesThePuzzleInPlayIntact)
{
    NewPuzzle(100, 100, 25);
    const QString path = dir.filePath(QStringLiteral("good.tsl"));
    ASSERT_EQ(game.SaveTo(path), 0);
    QByteArray bytes = Contents(path);
    GetParam().damage(bytes);
    const QString bad = dir.filePath(QStringLiteral("bad.tsl"));
    Write(bad, bytes);

    // The puzzle in play differs from the file, so that a wrongful load would show.
    NewPuzzle(120, 100, 25, 42);
    PlayABit();
    const PuzzleSnapshot before = CapturePuzzle();
    const QSize pictureBefore = SizeOf(game.bitmaps().picture);
    log.clear();

    EXPECT_EQ(game.Open(bad), -1);
    EXPECT_EQ(log.titles.value(0), QString::fromLatin1(GetParam().title))
        << log.texts.join('\n').toStdString();
    EXPECT_TRUE(SamePuzzle(CapturePuzzle(), before));
    EXPECT_EQ(SizeOf(game.bitmaps().picture), pictureBefore);
    // Still playable: a piece is picked up where it lies.
    const Piece &p = *pieceTable[7].piece;
    EXPECT_TRUE(game.Press(QPoint(p.x + p.w / 2, p.y + p.h / 2)));
    game.Drop();
}

void SetInt(QByteArray &bytes, int offset, std::int32_t value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

constexpr int PictureStart = 40 + 348 * 25;

INSTANTIATE_TEST_SUITE_P(
    Refusals, BadFileTest,
    ::testing::Values(
        BadFile{"bad_magic", [](QByteArray &b) { b[0] = 'X'; }, "Load Puzzle"},
        BadFile{"version_2", [](QByteArray &b) { SetInt(b, 4, 2); }, "Load Puzzle"},
        BadFile{"truncated", [](QByteArray &b) { b.truncate(40 + 340 * 3 + 17); }, "ReadError"},
        BadFile{"too_many_pieces", [](QByteArray &b) { SetInt(b, 28, 1200); }, "Load Puzzle"},
        BadFile{"grid_not_total", [](QByteArray &b) { SetInt(b, 32, 4); }, "Load Puzzle"},
        BadFile{"id_out_of_range", [](QByteArray &b) { SetInt(b, 40 + 340, 25); }, "Load Puzzle"},
        BadFile{"link_out_of_range", [](QByteArray &b) { SetInt(b, 40 + 340 * 25 + 8, 99); }, "Load Puzzle"},
        BadFile{"open_chain", [](QByteArray &b) { SetInt(b, 40 + 340 * 25 + 8, 0); }, "Load Puzzle"},
        BadFile{"no_picture", [](QByteArray &b) { b.truncate(PictureStart); }, "Load Puzzle"},
        BadFile{"unreadable_picture", [](QByteArray &b) { b[PictureStart] = 'Q'; }, "Load Puzzle"},
        BadFile{"picture_too_small_for_the_pieces",
                [](QByteArray &b) {
                    // The pieces' slots reach beyond the sheets of a picture half as wide.
                    QImage small(50, 100, QImage::Format_RGB32);
                    small.fill(Qt::red);
                    QBuffer buffer;
                    buffer.open(QIODevice::WriteOnly);
                    small.save(&buffer, "BMP");
                    b = b.left(PictureStart) + buffer.data();
                },
                "Load Puzzle"}),
    [](const ::testing::TestParamInfo<BadFile> &info) { return std::string(info.param.what); });

} // namespace
