#include "trackfile.h"

#include "savefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace sk2;

namespace {

QByteArray Bytes(const TTrackRec &rec)
{
    return QByteArray(reinterpret_cast<const char *>(&rec), sizeof rec);
}

TTrackRec NamedTrack(const QString &name, std::int32_t fill)
{
    TTrackRec rec{};
    SetTrackName(rec, name);
    rec.Tiles.fill(fill);
    return rec;
}

// The message of the EInOutError that action raises, or "no error".
std::string IoErrorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EInOutError &error) {
        return error.what();
    }
    return "no error";
}

class TrackFile : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        SetTrackFolder(m_folder.path());
    }
    void TearDown() override
    {
        CloseTrackFile();
        SetTrackFolder(QString());
    }

    QString FilePath() const { return QDir(m_folder.path()).filePath(QStringLiteral("sk2.trk")); }

    QByteArray FileBytes() const
    {
        QFile file(FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void PutFile(const QByteArray &bytes) const
    {
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

private:
    QTemporaryDir m_folder;
};

} // namespace

TEST_F(TrackFile, NameIsTheFolderWithItsSeparatorAndSk2Trk)
{
    EXPECT_EQ(TrackFileName(), FilePath());
}

TEST_F(TrackFile, AMissingFileIsCreatedWithTheDefaultOval)
{
    OpenTrackFile();
    EXPECT_TRUE(TrackFileOpen());
    EXPECT_EQ(TrackCount(), 1);

    const QByteArray bytes = FileBytes();
    ASSERT_EQ(bytes.size(), 336);
    EXPECT_EQ(bytes[0], 14);
    EXPECT_EQ(bytes.mid(1, 14), "My First Track");
    const std::int32_t oval[20] = {3, 6, 6, 6, 4, 5, 12, 12, 12, 5, 5, 12, 12, 12, 5, 1, 6, 6, 6, 2};
    for (int k = 0; k < 20; ++k) {
        const auto *at = reinterpret_cast<const unsigned char *>(bytes.constData() + 256 + 4 * k);
        const std::int32_t code = at[0] | at[1] << 8 | at[2] << 16 | at[3] << 24;
        EXPECT_EQ(code, oval[k]) << "cell " << k;
    }

    const TTrackRec read = ReadTrack(0);
    EXPECT_EQ(TrackName(read), QStringLiteral("My First Track"));
    EXPECT_EQ(Bytes(read), bytes);
}

TEST_F(TrackFile, ATrailingPieceIsNoTrackAndAnAppendOverwritesIt)
{
    const TTrackRec first = NamedTrack(QStringLiteral("First"), 5);
    const TTrackRec second = NamedTrack(QStringLiteral("Second"), 6);
    PutFile(Bytes(first) + Bytes(second) + QByteArray(28, '\xAA'));

    OpenTrackFile();
    EXPECT_EQ(TrackCount(), 2);
    EXPECT_EQ(IoErrorOf([] { ReadTrack(2); }), "Read beyond end of file");

    const TTrackRec third = NamedTrack(QStringLiteral("Third"), 7);
    WriteTrack(2, third);
    EXPECT_EQ(TrackCount(), 3);
    EXPECT_EQ(FileBytes(), Bytes(first) + Bytes(second) + Bytes(third));
    EXPECT_EQ(TrackName(ReadTrack(2)), QStringLiteral("Third"));
}

TEST_F(TrackFile, OverwritingARecordChangesOnlyThatRecord)
{
    const TTrackRec first = NamedTrack(QStringLiteral("First"), 5);
    const TTrackRec second = NamedTrack(QStringLiteral("Second"), 6);
    PutFile(Bytes(first) + Bytes(second));
    OpenTrackFile();

    const TTrackRec changed = NamedTrack(QStringLiteral("Changed"), 12);
    WriteTrack(0, changed);
    EXPECT_EQ(TrackCount(), 2);
    EXPECT_EQ(FileBytes(), Bytes(changed) + Bytes(second));
}

TEST_F(TrackFile, ReadingOutsideTheRecordsFailsAndLeavesTheRecordAlone)
{
    OpenTrackFile();
    for (const std::int32_t index : {1, 2, 1000000, -1, -2147483647 - 1}) {
        TTrackRec rec = NamedTrack(QStringLiteral("Shown"), 4);
        EXPECT_EQ(IoErrorOf([&] { ReadTrack(index, rec); }), "Read beyond end of file") << index;
        EXPECT_EQ(Bytes(rec), Bytes(NamedTrack(QStringLiteral("Shown"), 4)));
    }
}

TEST_F(TrackFile, WritingLeavesNoGapAndTakesNoNegativeIndex)
{
    OpenTrackFile();
    const TTrackRec rec = NamedTrack(QStringLiteral("Far"), 5);
    EXPECT_EQ(IoErrorOf([&] { WriteTrack(2, rec); }), "Read beyond end of file");
    EXPECT_EQ(IoErrorOf([&] { WriteTrack(-1, rec); }), "Read beyond end of file");
    EXPECT_EQ(FileBytes().size(), 336);
    EXPECT_EQ(TrackCount(), 1);
}

TEST_F(TrackFile, AFullLengthNameSurvivesAWriteAndARead)
{
    OpenTrackFile();
    const QString name = QString(254, QLatin1Char('n')) + QLatin1Char('!');
    WriteTrack(1, NamedTrack(name, 12));
    EXPECT_EQ(static_cast<unsigned char>(FileBytes()[336]), 255);
    EXPECT_EQ(TrackName(ReadTrack(1)), name);
}

TEST_F(TrackFile, OnlyTheNamesLengthCountsWhateverTheFieldHoldsAfterIt)
{
    QByteArray bytes = Bytes(DefaultTrack());
    std::memset(bytes.data() + 15, 'Q', 241);
    PutFile(bytes);
    OpenTrackFile();
    EXPECT_EQ(TrackName(ReadTrack(0)), QStringLiteral("My First Track"));
}

TEST_F(TrackFile, AnExistingFileWithoutAWholeRecordGetsTheDefaultTrack)
{
    for (const int size : {0, 100}) {
        PutFile(QByteArray(size, 'x'));
        OpenTrackFile();
        EXPECT_EQ(TrackCount(), 1) << size;
        EXPECT_EQ(FileBytes(), Bytes(DefaultTrack())) << size;
        CloseTrackFile();
    }
}

TEST_F(TrackFile, ReopeningCountsTheRecordsAnew)
{
    OpenTrackFile();
    {
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(Bytes(NamedTrack(QStringLiteral("Added"), 6)));
    }
    EXPECT_EQ(TrackCount(), 1);
    ReopenTrackFile();
    EXPECT_EQ(TrackCount(), 2);
    EXPECT_EQ(TrackName(ReadTrack(1)), QStringLiteral("Added"));

    ASSERT_TRUE(QFile::remove(FilePath()));
    EXPECT_EQ(IoErrorOf([] { ReopenTrackFile(); }), "File not found");
    EXPECT_EQ(IoErrorOf([] { ReadTrack(0); }), "File not open");
}

TEST_F(TrackFile, AnEmptyFileMadeForTheEditorHoldsNoTrackUntilItsFirstSave)
{
    OpenTrackFile();
    CreateEmptyTrackFile();
    EXPECT_EQ(TrackCount(), 0);
    EXPECT_TRUE(FileBytes().isEmpty());
    EXPECT_EQ(IoErrorOf([] { ReadTrack(0); }), "Read beyond end of file");

    WriteTrack(0, NamedTrack(QStringLiteral("Mine"), 12));
    EXPECT_EQ(TrackCount(), 1);
    EXPECT_EQ(TrackName(ReadTrack(0)), QStringLiteral("Mine"));
}

TEST_F(TrackFile, NothingIsReadOrWrittenWhileTheFileIsClosed)
{
    CloseTrackFile();
    EXPECT_FALSE(TrackFileOpen());
    EXPECT_EQ(IoErrorOf([] { ReadTrack(0); }), "File not open");
    OpenTrackFile();
    CloseTrackFile();
    EXPECT_FALSE(TrackFileOpen());
    EXPECT_EQ(IoErrorOf([] { WriteTrack(0, DefaultTrack()); }), "File not open");
}

TEST_F(TrackFile, SystemErrorsCarryTheSystemsText)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), FilePath()));
    EXPECT_EQ(IoErrorOf([] { OpenTrackFile(); }), "Disk full");
    EXPECT_FALSE(TrackFileOpen());

    ASSERT_TRUE(QFile::remove(FilePath()));
    ASSERT_TRUE(QDir().mkdir(FilePath()));
    EXPECT_EQ(IoErrorOf([] { OpenTrackFile(); }), "I/O error 21"); // EISDIR
}

namespace {

// A record write that meets a full disk: the file holds three records; the disk has room for `room`
// bytes of it.
struct TrackWriteFault
{
    const char *name;
    std::int32_t index;
    qint64 room;
};

void PrintTo(const TrackWriteFault &fault, std::ostream *out)
{
    *out << fault.name;
}

class TrackFileFault : public TrackFile, public ::testing::WithParamInterface<TrackWriteFault>
{
};

QByteArray RecordOf(const QByteArray &file, int index)
{
    return file.mid(qsizetype(index) * 336, 336);
}

} // namespace

TEST_P(TrackFileFault, AWriteThatMeetsAFullDiskRaisesDiskFullAndKeepsTheOtherRecords)
{
    const QByteArray before = Bytes(NamedTrack(QStringLiteral("First"), 5)) +
                              Bytes(NamedTrack(QStringLiteral("Second"), 6)) +
                              Bytes(NamedTrack(QStringLiteral("Third"), 7));
    PutFile(before);
    OpenTrackFile();
    const TTrackRec rec = NamedTrack(QStringLiteral("Saved"), 12);
    const std::int32_t index = GetParam().index;

    {
        const skarvel::testsupport::FileSizeLimit limit(rlim_t(GetParam().room));
        ASSERT_TRUE(limit.active());
        EXPECT_EQ(IoErrorOf([&] { WriteTrack(index, rec); }), "Disk full");
    }
    EXPECT_EQ(TrackCount(), 3);
    const QByteArray after = FileBytes();
    for (int other = 0; other < 3; ++other) {
        if (other != index) {
            EXPECT_EQ(RecordOf(after, other), RecordOf(before, other)) << "record " << other;
        }
    }
    // What a failed append leaves after the records is no track, and nothing reads it.
    EXPECT_EQ(IoErrorOf([] { ReadTrack(3); }), "Read beyond end of file");

    // With room again the same write is whole, over anything the failed one left.
    WriteTrack(index, rec);
    EXPECT_EQ(FileBytes(),
              before.left(qsizetype(index) * 336) + Bytes(rec) + before.mid(qsizetype(index + 1) * 336));
}

INSTANTIATE_TEST_SUITE_P(Faults, TrackFileFault,
                         ::testing::Values(TrackWriteFault{"append_without_room", 3, 3 * 336},
                                           TrackWriteFault{"append_cut_after_its_name", 3, 3 * 336 + 256},
                                           TrackWriteFault{"append_without_its_last_byte", 3, 4 * 336 - 1},
                                           TrackWriteFault{"overwrite_beyond_the_room", 2, 2 * 336},
                                           TrackWriteFault{"overwrite_cut_midway", 1, 336 + 100}),
                         [](const ::testing::TestParamInfo<TrackWriteFault> &info) {
                             return std::string(info.param.name);
                         });
