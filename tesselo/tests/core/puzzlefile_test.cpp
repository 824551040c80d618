// The puzzle file's bytes, its reading, the checks that refuse damaged files, and saving that either
// completes or leaves the old file alone.
#include "puzzlefile.h"
#include "savefaults.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>

using namespace tesselo;

namespace {

// A finished-looking 2 x 1 puzzle: piece 1 in front, both in one group led by piece 0.
PuzzleSnapshot TwoPieces()
{
    PuzzleSnapshot p;
    p.style = 1;
    p.elapsed = 75;
    p.score = 30;
    p.placed = 2;
    p.lastJoin = 60;
    p.total = 2;
    p.rows = 1;
    p.cols = 2;
    for (int id : {1, 0}) {
        PieceRecord r;
        r.id = id;
        r.srcX = id * 10 - 5;
        r.srcY = -5;
        r.x = 300 + id * 10;
        r.y = 200;
        r.sheetX = id * 20;
        r.sheetY = 0;
        for (int i = 0; i < 19; ++i) {
            r.leftEdge[i] = {r.sheetX + 5, i};
            r.topEdge[i] = {r.sheetX + 5 + i / 2, 5};
        }
        r.w = 20;
        r.h = 20;
        p.pieces.push_back(r);
    }
    p.groups = {{1, 0}, {1, 0}};
    return p;
}

const QByteArray Picture("BM-the-picture-bytes");

QByteArray Encode(const PuzzleSnapshot &p)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QBuffer picture;
    picture.setData(Picture);
    picture.open(QIODevice::ReadOnly);
    EXPECT_TRUE(WritePuzzleStream(out, p, picture));
    return out.data();
}

std::int32_t IntAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<std::int32_t>(bytes.constData() + offset);
}

void SetInt(QByteArray &bytes, int offset, std::int32_t value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

int Read(const QByteArray &bytes, PuzzleSnapshot &into, PuzzleProblem &problem)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return ReadPuzzleStream(in, QStringLiteral("puzzle.tsl"), into, &problem);
}

TEST(PuzzleFileTest, WritesTheHeaderPiecesGroupsAndPictureAtTheirOffsets)
{
    const QByteArray bytes = Encode(TwoPieces());
    ASSERT_EQ(bytes.size(), 40 + 348 * 2 + Picture.size());
    EXPECT_EQ(bytes.left(4), QByteArray("TESO"));
    const std::int32_t header[] = {PuzzleMagic, 1, 1, 75, 30, 2, 60, 2, 1, 2};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(IntAt(bytes, 4 * i), header[i]) << "header field " << i;
    // The front piece first: id, srcX, srcY, x, y, sheetX, sheetY, edges, w, h.
    EXPECT_EQ(IntAt(bytes, 40), 1);
    EXPECT_EQ(IntAt(bytes, 40 + 4), 5);
    EXPECT_EQ(IntAt(bytes, 40 + 12), 310);
    EXPECT_EQ(IntAt(bytes, 40 + 28), 25);      // left edge, point 0, x
    EXPECT_EQ(IntAt(bytes, 40 + 28 + 4), 0);   // and y
    EXPECT_EQ(IntAt(bytes, 40 + 180 + 8), 25); // top edge, point 1, x
    EXPECT_EQ(IntAt(bytes, 40 + 332), 20);
    EXPECT_EQ(IntAt(bytes, 40 + 340), 0); // the back piece follows
    // Groups by id: next, then group.
    EXPECT_EQ(IntAt(bytes, 40 + 680), 1);
    EXPECT_EQ(IntAt(bytes, 40 + 684), 0);
    EXPECT_EQ(IntAt(bytes, 40 + 688), 1);
    EXPECT_EQ(bytes.mid(40 + 696), Picture);
}

TEST(PuzzleFileTest, ReadsBackWhatItWrote)
{
    const PuzzleSnapshot written = TwoPieces();
    PuzzleSnapshot read;
    PuzzleProblem problem;
    ASSERT_EQ(Read(Encode(written), read, problem), 0) << problem.text.toStdString();
    EXPECT_EQ(read.pieces, written.pieces);
    EXPECT_EQ(read.groups, written.groups);
    EXPECT_EQ(read.picture, Picture);
    EXPECT_EQ(std::tie(read.style, read.elapsed, read.score, read.placed, read.lastJoin, read.total,
                       read.rows, read.cols),
              std::tie(written.style, written.elapsed, written.score, written.placed, written.lastJoin,
                       written.total, written.rows, written.cols));
}

struct Damage
{
    const char *what;
    std::function<void(QByteArray &)> apply;
    const char *title;
    const char *text; // the start of the message
};

class DamagedFileTest : public ::testing::TestWithParam<Damage>
{
};

TEST_P(DamagedFileTest, IsRefusedWithAClearMessage)
{
    QByteArray bytes = Encode(TwoPieces());
    GetParam().apply(bytes);
    PuzzleSnapshot read;
    read.total = -7; // untouched by a refusal
    PuzzleProblem problem;
    EXPECT_EQ(Read(bytes, read, problem), -1);
    EXPECT_EQ(read.total, -7);
    EXPECT_EQ(problem.title, QString::fromLatin1(GetParam().title));
    EXPECT_TRUE(problem.text.startsWith(QString::fromLatin1(GetParam().text))) << problem.text.toStdString();
}

constexpr int Record0 = 40;
constexpr int Groups = 40 + 2 * 340;

INSTANTIATE_TEST_SUITE_P(
    Refusals, DamagedFileTest,
    ::testing::Values(Damage{"bad magic", [](QByteArray &b) { b[3] = 'X'; }, "Load Puzzle",
                             "puzzle.tsl is not a valid Puzzle file."},
                      Damage{"empty", [](QByteArray &b) { b.clear(); }, "Load Puzzle",
                             "puzzle.tsl is not a valid Puzzle file."},
                      Damage{"version 2", [](QByteArray &b) { SetInt(b, 4, 2); }, "Load Puzzle",
                             "Unknown puzzle version number."},
                      Damage{"cut in the header", [](QByteArray &b) { b.truncate(30); }, "ReadError",
                             "End of file while reading input file."},
                      Damage{"cut in the pieces", [](QByteArray &b) { b.truncate(Record0 + 400); },
                             "ReadError", "End of file while reading input file."},
                      Damage{"cut in the groups", [](QByteArray &b) { b.truncate(Groups + 12); }, "ReadError",
                             "End of file while reading input file."},
                      Damage{"over 1000 pieces", [](QByteArray &b) { SetInt(b, 28, 1001); }, "Load Puzzle",
                             "puzzle.tsl cannot be loaded"},
                      Damage{"grid not the total", [](QByteArray &b) { SetInt(b, 36, 3); }, "Load Puzzle",
                             "puzzle.tsl cannot be loaded"},
                      Damage{"no pieces", [](QByteArray &b) { SetInt(b, 28, 0); }, "Load Puzzle",
                             "puzzle.tsl cannot be loaded"},
                      Damage{"id out of range", [](QByteArray &b) { SetInt(b, Record0, 2); }, "Load Puzzle",
                             "puzzle.tsl cannot be loaded"},
                      Damage{"id twice", [](QByteArray &b) { SetInt(b, Record0, 0); }, "Load Puzzle",
                             "puzzle.tsl cannot be loaded"},
                      Damage{"link out of range", [](QByteArray &b) { SetInt(b, Groups, 5); }, "Load Puzzle",
                             "puzzle.tsl cannot be loaded"},
                      Damage{"leader out of range", [](QByteArray &b) { SetInt(b, Groups + 4, -1); },
                             "Load Puzzle", "puzzle.tsl cannot be loaded"},
                      Damage{"chain that loops", [](QByteArray &b) { SetInt(b, Groups + 8, 0); },
                             "Load Puzzle", "puzzle.tsl cannot be loaded"},
                      Damage{"member outside its chain", [](QByteArray &b) { SetInt(b, Groups, 0); },
                             "Load Puzzle", "puzzle.tsl cannot be loaded"},
                      Damage{"unknown style", [](QByteArray &b) { SetInt(b, 8, 7); }, "Load Puzzle",
                             "puzzle.tsl cannot be loaded"},
                      Damage{"more placed than pieces", [](QByteArray &b) { SetInt(b, 20, 3); },
                             "Load Puzzle", "puzzle.tsl cannot be loaded"},
                      Damage{"piece far off the table",
                             [](QByteArray &b) { SetInt(b, Record0 + 12, 1 << 30); }, "Load Puzzle",
                             "puzzle.tsl cannot be loaded"}),
    [](const ::testing::TestParamInfo<Damage> &info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(CheckPuzzleTest, PiecesMustFitTheSheetsOfTheirPicture)
{
    const PuzzleSnapshot p = TwoPieces();
    // The sheets of a 20 x 10 picture are 45 x 22: both 20 x 20 slots fit.
    EXPECT_EQ(CheckPuzzle(p, 20, 10), QString());
    // A 16 x 10 picture gives a 36-pixel-wide sheet: the second slot, 20 to 40, does not fit.
    EXPECT_FALSE(CheckPuzzle(p, 16, 10).isEmpty());
    PuzzleSnapshot edge = p;
    edge.pieces[0].topEdge[3] = {400, 5};
    EXPECT_FALSE(CheckPuzzle(edge, 20, 10).isEmpty());
}

// A picture that cannot be read past its first bytes, as from a failing disk.
class FailingPicture : public QIODevice
{
public:
    FailingPicture() { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return false; }

protected:
    qint64 readData(char *data, qint64 max) override
    {
        if (m_given)
            return -1;
        m_given = true;
        const qint64 n = std::min<qint64>(max, 4);
        std::memcpy(data, "BMxx", size_t(n));
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    bool m_given = false;
};

class SavePuzzleTest : public ::testing::Test
{
protected:
    QByteArray Contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(SavePuzzleTest, ReplacesTheFileOnlyWhenEverythingWasWritten)
{
    const QString path = dir.filePath(QStringLiteral("saved.tsl"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the previous puzzle");
    }
    FailingPicture failing;
    PuzzleProblem problem;
    EXPECT_EQ(SavePuzzle(path, TwoPieces(), failing, &problem), -1);
    EXPECT_EQ(problem.title, QStringLiteral("Save Puzzle"));
    EXPECT_TRUE(problem.text.endsWith(QStringLiteral("Your puzzle was not saved.")))
        << problem.text.toStdString();
    EXPECT_EQ(Contents(path), QByteArray("the previous puzzle"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("saved.tsl")});

    QBuffer picture;
    picture.setData(Picture);
    picture.open(QIODevice::ReadOnly);
    EXPECT_EQ(SavePuzzle(path, TwoPieces(), picture, &problem), 0);
    EXPECT_EQ(Contents(path), Encode(TwoPieces()));
}

class SavePuzzleFault : public SavePuzzleTest,
                        public ::testing::WithParamInterface<skarvel::testsupport::SaveFault>
{
};

TEST_P(SavePuzzleFault, TellsTheFailureAndKeepsEveryByteOfThePreviousFile)
{
    const QString path = dir.filePath(QStringLiteral("saved.tsl"));
    PuzzleSnapshot earlier = TwoPieces();
    earlier.elapsed = 12;
    const QByteArray previous = Encode(earlier);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        ASSERT_EQ(old.write(previous), previous.size());
    }
    const auto save = [&path] {
        QBuffer picture;
        picture.setData(Picture);
        picture.open(QIODevice::ReadOnly);
        PuzzleProblem problem;
        if (SavePuzzle(path, TwoPieces(), picture, &problem) == 0)
            return std::string("saved");
        return (problem.title + QLatin1Char('|') + problem.text).toStdString();
    };

    const QString told = QString::fromStdString(GetParam().run(dir.path(), Encode(TwoPieces()).size(), save));
    EXPECT_TRUE(told.startsWith(QStringLiteral("Save Puzzle|Unable to ")) &&
                told.contains(QLatin1Char('\'') + path + QLatin1Char('\'')) &&
                told.endsWith(QStringLiteral(". Your puzzle was not saved.")))
        << told.toStdString();
    EXPECT_EQ(Contents(path), previous);
    EXPECT_EQ(skarvel::testsupport::FolderEntries(dir.path()), QStringList{QStringLiteral("saved.tsl")});

    // Without the fault the same save goes through.
    EXPECT_EQ(save(), "saved");
    EXPECT_EQ(Contents(path), Encode(TwoPieces()));
}

INSTANTIATE_TEST_SUITE_P(Faults, SavePuzzleFault,
                         ::testing::ValuesIn(skarvel::testsupport::WholeFileSaveFaults()),
                         skarvel::testsupport::SaveFaultName());

TEST_F(SavePuzzleTest, TellsWhenTheFileCannotBeMade)
{
    const QString path = dir.filePath(QStringLiteral("missing/folder/saved.tsl"));
    QBuffer picture;
    picture.setData(Picture);
    picture.open(QIODevice::ReadOnly);
    PuzzleProblem problem;
    EXPECT_EQ(SavePuzzle(path, TwoPieces(), picture, &problem), -1);
    EXPECT_EQ(problem.text,
              QStringLiteral("Unable to open '%1' for output. Your puzzle was not saved.").arg(path));
}

TEST_F(SavePuzzleTest, LoadTellsWhenTheFileCannotBeOpened)
{
    const QString path = dir.filePath(QStringLiteral("absent.tsl"));
    PuzzleSnapshot read;
    PuzzleProblem problem;
    EXPECT_EQ(LoadPuzzle(path, read, &problem), -1);
    EXPECT_EQ(problem.title, QStringLiteral("Load Puzzle"));
    EXPECT_EQ(problem.text, QStringLiteral("Unable to open '%1'.").arg(path));
}

} // namespace
