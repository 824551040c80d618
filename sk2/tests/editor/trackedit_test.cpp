#include "checkwalk.h"
#include "recordingfeedback.h"
#include "tileimage.h"
#include "trackedit.h"
#include "trackfile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace sk2;

namespace {

const std::array<int, 20> Oval = {3, 6, 6, 6, 4, 5, 12, 12, 12, 5, 5, 12, 12, 12, 5, 1, 6, 6, 6, 2};

// Each test works on a track file of its own in a fresh folder, holding the default oval.
class TrackEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        SetTrackFolder(folder.path());
        OpenTrackFile();
    }
    void TearDown() override
    {
        editor.reset();
        CloseTrackFile();
        SetTrackFolder(QString());
    }

    TTrackEdit &Open()
    {
        editor = std::make_unique<TTrackEdit>(nullptr, &feedback);
        return *editor;
    }
    template<typename T> T *Child(const char *name) const
    {
        T *child = editor->findChild<T *>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QPushButton *Button(const char *name) const { return Child<QPushButton>(name); }
    void Trigger(const char *action) const { Child<QAction>(action)->trigger(); }
    QString ShownName() const { return Child<QLineEdit>("EditTrackName")->text(); }

    // A drop of source onto target as the window system delivers it, with the keys held then.
    static bool Drop(TileImage *target, TileImage *source, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        std::unique_ptr<QMimeData> data(source->DragData());
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        // The drop goes where the last accepted drag entry was, so the drag enters first.
        QDragEnterEvent enter(QPoint(10, 10), actions, data.get(), Qt::LeftButton, keys);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(10, 10), actions, data.get(), Qt::LeftButton, keys);
        QCoreApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    std::array<int, 20> Tags() const
    {
        std::array<int, 20> tags{};
        for (int cell = 0; cell < 20; ++cell)
            tags[cell] = editor->Cell(cell)->tag();
        return tags;
    }
    static std::array<int, 20> StoredTiles(int index)
    {
        const TTrackRec rec = ReadTrack(index);
        std::array<int, 20> tiles{};
        std::copy(rec.Tiles.begin(), rec.Tiles.end(), tiles.begin());
        return tiles;
    }

    QTemporaryDir folder;
    RecordingFeedback feedback;
    std::unique_ptr<TTrackEdit> editor;
};

} // namespace

TEST_F(TrackEditTest, OpensOnTheFirstTrackWithItsPicturesAndTheButtonsOfTheFirstTrack)
{
    TTrackEdit &edit = Open();
    EXPECT_EQ(edit.windowTitle(), QStringLiteral("Track editor"));
    EXPECT_EQ(ShownName(), QStringLiteral("My First Track"));
    EXPECT_EQ(Tags(), Oval);
    for (int cell = 0; cell < 20; ++cell) {
        const QImage &picture = edit.Cell(cell)->picture();
        ASSERT_FALSE(picture.isNull()) << cell;
        EXPECT_EQ(picture, edit.PaletteImage(TileImageNumber(Oval[cell]))->picture()) << cell;
    }
    EXPECT_EQ(edit.CurrentIndex, 0);
    EXPECT_FALSE(edit.TracksChanged);
    EXPECT_FALSE(Button("BitBtnUndo")->isEnabled());
    EXPECT_FALSE(Button("BitBtnPrevious")->isEnabled());
    EXPECT_TRUE(Button("BitBtnNext")->isEnabled());
    EXPECT_TRUE(feedback.events.isEmpty());
}

TEST_F(TrackEditTest, DraggingMovesWithinTheGridCopiesWithCtrlAndAlwaysCopiesFromThePalette)
{
    TTrackEdit &edit = Open();
    struct Case
    {
        const char *what;
        TileImage *source;
        int target;
        Qt::KeyboardModifiers keys;
        int sourceTagAfter; // -1: the source is a palette tile, which never changes
    };
    const Case cases[] = {
        {"palette crossing onto cell 7", edit.PaletteImage(6), 7, Qt::NoModifier, -1},
        {"palette with Ctrl", edit.PaletteImage(7), 8, Qt::ControlModifier, -1},
        {"grid cell moved", edit.Cell(0), 6, Qt::NoModifier, 0},
        {"grid cell copied with Ctrl", edit.Cell(1), 11, Qt::ControlModifier, 6},
        {"grid cell onto itself", edit.Cell(4), 4, Qt::NoModifier, 4},
    };
    for (const Case &c : cases) {
        Button("BitBtnUndo")->setEnabled(false);
        TileImage *target = edit.Cell(c.target);
        const int tag = c.source->tag();
        const QImage picture = c.source->picture();
        EXPECT_TRUE(Drop(target, c.source, c.keys)) << c.what;
        EXPECT_EQ(target->tag(), tag) << c.what;
        EXPECT_EQ(target->picture(), picture) << c.what;
        if (c.sourceTagAfter < 0) {
            EXPECT_EQ(c.source->tag(), tag) << c.what;
            EXPECT_FALSE(c.source->picture().isNull()) << c.what;
        } else {
            EXPECT_EQ(c.source->tag(), c.sourceTagAfter) << c.what;
            EXPECT_EQ(c.source->picture().isNull(), c.sourceTagAfter == 0) << c.what;
        }
        EXPECT_TRUE(Button("BitBtnUndo")->isEnabled()) << c.what;
    }
    // A palette tile is not a drop target, and a drag from another editor is not recognised.
    EXPECT_FALSE(edit.PaletteImage(0)->acceptDrops());
    TTrackEdit other(nullptr, &feedback);
    const std::array<int, 20> before = Tags();
    EXPECT_FALSE(Drop(edit.Cell(12), other.PaletteImage(6)));
    EXPECT_EQ(Tags(), before);
}

TEST_F(TrackEditTest, NewThenPreviousWritesTheNewTrackAsTheNextRecord)
{
    TTrackEdit &edit = Open();
    Button("BitBtnNew")->click();
    EXPECT_EQ(TrackCount(), 1);
    EXPECT_EQ(edit.CurrentIndex, 1);
    EXPECT_EQ(ShownName(), QStringLiteral("My new Track"));
    for (int cell = 0; cell < 20; ++cell) {
        EXPECT_EQ(edit.Cell(cell)->tag(), 0);
        EXPECT_TRUE(edit.Cell(cell)->picture().isNull());
    }
    EXPECT_TRUE(Button("BitBtnPrevious")->isEnabled());
    EXPECT_FALSE(Button("BitBtnNext")->isEnabled());
    EXPECT_FALSE(Button("BitBtnUndo")->isEnabled());

    Drop(edit.Cell(17), edit.PaletteImage(5)); // one straight, the rest left empty
    Button("BitBtnPrevious")->click();
    ASSERT_EQ(TrackCount(), 2);
    std::array<int, 20> expected;
    expected.fill(Tile::PlainGrass); // empty cells are stored as plain grass
    expected[17] = Tile::StraightWestEast;
    EXPECT_EQ(StoredTiles(1), expected);
    EXPECT_EQ(TrackName(ReadTrack(1)), QStringLiteral("My new Track"));
    EXPECT_EQ(edit.CurrentIndex, 0);
    EXPECT_EQ(ShownName(), QStringLiteral("My First Track"));
    EXPECT_EQ(Tags(), Oval);
    EXPECT_FALSE(Button("BitBtnPrevious")->isEnabled());
    EXPECT_TRUE(Button("BitBtnNext")->isEnabled());
    EXPECT_TRUE(edit.TracksChanged);

    Button("BitBtnNext")->click();
    EXPECT_EQ(edit.CurrentIndex, 1);
    EXPECT_EQ(Tags(), expected);
    EXPECT_TRUE(Button("BitBtnPrevious")->isEnabled());
    EXPECT_FALSE(Button("BitBtnNext")->isEnabled());
    EXPECT_TRUE(feedback.events.isEmpty());
}

TEST_F(TrackEditTest, CopyKeepsTheGridUnderANewNameAndEnablesUndo)
{
    TTrackEdit &edit = Open();
    Drop(edit.Cell(6), edit.PaletteImage(8)); // grass where grass was: still a change
    Trigger("Copycurrenttrack1");
    EXPECT_EQ(ShownName(), QStringLiteral("Copy of My First Track"));
    EXPECT_EQ(Tags(), Oval);
    EXPECT_EQ(edit.CurrentIndex, 1);
    EXPECT_TRUE(Button("BitBtnUndo")->isEnabled());
    Trigger("Exit1");
    EXPECT_EQ(TrackCount(), 2);
    EXPECT_EQ(StoredTiles(1), Oval);
    EXPECT_EQ(TrackName(ReadTrack(1)), QStringLiteral("Copy of My First Track"));
}

TEST_F(TrackEditTest, CloseWritesTheTrackButTheTitleBarCloseAndEscapeDoNot)
{
    TTrackEdit &edit = Open();
    edit.show();
    Drop(edit.Cell(6), edit.PaletteImage(7)); // a pond inside the oval
    Child<QLineEdit>("EditTrackName")->setText(QStringLiteral("Pond Oval"));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&edit, &escape);
    EXPECT_TRUE(edit.isVisible());

    edit.close();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(StoredTiles(0), Oval);
    EXPECT_EQ(TrackName(ReadTrack(0)), QStringLiteral("My First Track"));
    EXPECT_FALSE(edit.TracksChanged);

    edit.show();
    Button("BitBtnClose")->click();
    EXPECT_FALSE(edit.isVisible());
    EXPECT_EQ(edit.result(), QDialog::Accepted);
    EXPECT_EQ(StoredTiles(0)[6], Tile::GrassWithPond);
    EXPECT_EQ(TrackName(ReadTrack(0)), QStringLiteral("Pond Oval"));
    EXPECT_TRUE(edit.TracksChanged);
}

TEST_F(TrackEditTest, UndoReloadsTheShownTrackButFailsOnANewTrackNotYetWritten)
{
    TTrackEdit &edit = Open();
    Drop(edit.Cell(0), edit.PaletteImage(8));
    Button("BitBtnUndo")->click();
    EXPECT_EQ(Tags(), Oval);
    EXPECT_FALSE(Button("BitBtnUndo")->isEnabled());

    Trigger("New1");
    Drop(edit.Cell(3), edit.PaletteImage(4));
    Child<QLineEdit>("EditTrackName")->setText(QStringLiteral("Half done"));
    Trigger("Save1"); // the menu's Undo item
    EXPECT_EQ(feedback.events, QStringList{QStringLiteral("exception: Read beyond end of file")});
    EXPECT_EQ(edit.Cell(3)->tag(), Tile::StraightNorthSouth);
    EXPECT_EQ(ShownName(), QStringLiteral("Half done"));
    EXPECT_TRUE(Button("BitBtnUndo")->isEnabled());
    EXPECT_EQ(TrackCount(), 1);
}

TEST_F(TrackEditTest, CourseCheckOfTheOvalColoursTheRoadAndClearCheckTakesItAway)
{
    TTrackEdit &edit = Open();
    Trigger("Checkcourse1");
    QStringList expected;
    for (int i = 0; i < 14; ++i)
        expected << QStringLiteral("pause 350");
    expected << QStringLiteral("information: Course check successful");
    EXPECT_EQ(feedback.events, expected);
    for (int cell = 0; cell < 20; ++cell) {
        const QImage &picture = edit.Cell(cell)->picture();
        if (Oval[cell] == Tile::PlainGrass)
            EXPECT_EQ(picture, edit.PaletteImage(TileImageNumber(Oval[cell]))->picture()) << cell;
        else
            EXPECT_EQ(picture.pixel(25, 25) & RGB_MASK, CheckRed & RGB_MASK) << cell;
    }
    // A second check first clears the first, so the outcome is the same.
    feedback.events.clear();
    Trigger("Checkcourse1");
    EXPECT_EQ(feedback.events, expected);

    Trigger("ClearCheck1");
    for (int cell = 0; cell < 20; ++cell)
        EXPECT_EQ(edit.Cell(cell)->picture(), edit.PaletteImage(TileImageNumber(Oval[cell]))->picture())
            << cell;
}

TEST_F(TrackEditTest, CourseCheckWithoutAStartCellSaysSoAndMarksNothing)
{
    TTrackEdit &edit = Open();
    Drop(edit.Cell(17), edit.PaletteImage(8));
    Trigger("Checkcourse1");
    EXPECT_EQ(feedback.events, QStringList{QStringLiteral("error: cannot find start position for check")});
    feedback.events.clear();
    Trigger("ClearCheck1");
    EXPECT_TRUE(feedback.events.isEmpty());
}

TEST_F(TrackEditTest, CopyToClipboardPutsTheGridPictureThere)
{
    TTrackEdit &edit = Open();
    Drop(edit.Cell(8), edit.Cell(7)); // leaves cell 7 empty
    Trigger("CopyToclipboard1");
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat(QStringLiteral("image/svg+xml")));
    const QImage image = QImage::fromData(data->data(QStringLiteral("image/png")), "PNG");
    ASSERT_EQ(image.size(), QSize(265, 200));
    for (int cell = 0; cell < 20; ++cell) {
        const QImage &picture = edit.Cell(cell)->picture();
        for (QPoint at : {QPoint(25, 25), QPoint(3, 3), QPoint(49, 46)}) {
            const QRgb expected = picture.isNull() ? qRgb(255, 255, 255) : picture.pixel(at);
            const QPoint where((cell % 5) * 53 + at.x(), (cell / 5) * 50 + at.y());
            EXPECT_EQ(image.pixel(where) & RGB_MASK, expected & RGB_MASK) << cell;
        }
    }
}

TEST_F(TrackEditTest, PrintsToAPdfFileUnderTheNameLastReadOrWritten)
{
    TTrackEdit &edit = Open();
    Child<QLineEdit>("EditTrackName")->setText(QStringLiteral("Not saved yet"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString file = folder.filePath(QStringLiteral("track.pdf"));
    printer.setOutputFileName(file);
    edit.PrintGrid(printer);

    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1);
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    // The document title, written as UTF-16 with its byte-order mark.
    QByteArray title("/Title (\xfe\xff");
    for (QChar c : QStringLiteral("My First Track"))
        title += QByteArray(1, char(c.unicode() >> 8)) + char(c.unicode() & 0xff);
    EXPECT_TRUE(bytes.contains(title + ')'));
}

TEST_F(TrackEditTest, WithoutATrackFileStartsANewFileWithTheFirstTrackToCome)
{
    CloseTrackFile();
    QFile::remove(TrackFileName());
    TTrackEdit &edit = Open();
    EXPECT_EQ(ShownName(), QStringLiteral("My 1st Track"));
    EXPECT_FALSE(Button("BitBtnNext")->isEnabled());
    EXPECT_EQ(TrackCount(), 0);
    EXPECT_EQ(Tags(), (std::array<int, 20>{}));
    Drop(edit.Cell(0), edit.PaletteImage(2));
    Button("BitBtnClose")->click();
    EXPECT_EQ(QFile(TrackFileName()).size(), 336);
    EXPECT_EQ(TrackName(ReadTrack(0)), QStringLiteral("My 1st Track"));
    EXPECT_EQ(StoredTiles(0)[0], Tile::CurveSouthEast);
    EXPECT_EQ(StoredTiles(0)[1], Tile::PlainGrass);
    EXPECT_TRUE(feedback.events.isEmpty());
}

TEST_F(TrackEditTest, CodesThatNameNoTileShowNothingAndAreWrittenBackUnchanged)
{
    TTrackRec rec = DefaultTrack();
    SetTileCode(rec, 6, 9);
    SetTileCode(rec, 7, -4);
    WriteTrack(0, rec);
    TTrackEdit &edit = Open();
    EXPECT_TRUE(edit.Cell(6)->picture().isNull());
    EXPECT_TRUE(edit.Cell(7)->picture().isNull());
    Button("BitBtnClose")->click();
    EXPECT_EQ(StoredTiles(0)[6], 9);
    EXPECT_EQ(StoredTiles(0)[7], -4);
}
