// The whole game through its real windows on the offscreen platform: menus, dialogs, prompts, files
// and play with the mouse.
#include "fixtures.h"
#include "framewindow.h"
#include "pieces.h"
#include "puzzlefile.h"
#include "statuswindow.h"
#include "tablewindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace tesselo;
using namespace tesselo::testing;

namespace {

class FrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        pieceCount = 250;
        pieceStyle = 1;
        SeedRandom(11);
        frame = std::make_unique<FrameWindow>();
        frame->SetFileDialogRunner([this](QFileDialog &dialog) {
            dialogTitles.append(dialog.windowTitle());
            dialogFilters.append(dialog.nameFilters().join(QStringLiteral(";;")));
            return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
        });
        frame->resize(900, 700);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }

    void TearDown() override
    {
        // Leave without questions: nothing is unsaved once the test is over.
        frame->game().SetDirty(false);
        ModalAnswerer yes;
        yes.answers = {QMessageBox::Yes};
        frame->close();
    }

    bool Enabled(Command command) const { return frame->action(command)->isEnabled(); }

    void OpenPicture(int width, int height)
    {
        chosenFiles.append(WritePicture(dir, QStringLiteral("picture.bmp"), width, height));
        frame->NewPicture();
    }

    // Runs New Jigsaw, choosing `count` pieces in the dialog and pressing OK.
    void NewJigsaw(int count)
    {
        ModalAnswerer answerer;
        answerer.onDialog = [count](QWidget *dialog) {
            dialog->findChild<QRadioButton *>(QStringLiteral("count%1").arg(count))->click();
            dialog->findChild<QPushButton *>(QStringLiteral("IDOK"))->click();
        };
        frame->NewJigsaw();
    }

    QWidget *viewport() const { return frame->tableWindow()->viewport(); }
    static Piece &P(int id) { return *pieceTable[id].piece; }
    static QPoint Centre(const Piece &p) { return QPoint(p.x + p.w / 2, p.y + p.h / 2); }

    // Drags with the mouse, in window coordinates of the table.
    void MouseDrag(QPoint from, QPoint to)
    {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport(), (from + to) / 2);
        QTest::mouseMove(viewport(), to);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
    }

    QTemporaryDir dir;
    std::unique_ptr<FrameWindow> frame;
    QStringList chosenFiles;
    QStringList dialogTitles;
    QStringList dialogFilters;
};

TEST_F(FrameTest, MenusStartGrayAndFollowThePuzzle)
{
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tesselo"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/tesselo/icon.png")));
    EXPECT_FALSE(Enabled(IDM_F_NEWJIGSAW));
    EXPECT_TRUE(Enabled(IDM_F_NEWPICTURE));
    EXPECT_TRUE(Enabled(IDM_F_OPEN));
    EXPECT_FALSE(Enabled(IDM_F_SAVE));
    EXPECT_FALSE(Enabled(IDM_F_SAVEAS));
    EXPECT_FALSE(Enabled(IDM_H_CONTENTS));
    EXPECT_TRUE(Enabled(IDM_H_ABOUT));

    OpenPicture(100, 100);
    EXPECT_EQ(dialogTitles.value(0), QStringLiteral("Open New Picture"));
    EXPECT_EQ(dialogFilters.value(0), QStringLiteral("Windows Bitmaps (*.bmp);;All files (*.*)"));
    EXPECT_TRUE(Enabled(IDM_F_NEWJIGSAW));
    EXPECT_FALSE(Enabled(IDM_F_SAVEAS));

    NewJigsaw(25);
    EXPECT_EQ(total, 25);
    EXPECT_TRUE(Enabled(IDM_F_SAVEAS));
    EXPECT_FALSE(Enabled(IDM_F_SAVE));
    EXPECT_TRUE(frame->game().dirty());
    EXPECT_TRUE(frame->statusWindow()->Running());

    ModalAnswerer answerer;
    const QString saved = dir.filePath(QStringLiteral("first.tsl"));
    chosenFiles.append(saved);
    frame->SaveAs();
    EXPECT_EQ(dialogTitles.value(1), QStringLiteral("Save Puzzle As"));
    EXPECT_EQ(dialogFilters.value(1), QStringLiteral("Tesselo Puzzles (*.tsl);;All files (*.*)"));
    EXPECT_TRUE(Enabled(IDM_F_SAVE));
    EXPECT_FALSE(frame->game().dirty());
    EXPECT_EQ(answerer.texts.value(0), QStringLiteral("%1 has been successfully saved.").arg(saved));
    EXPECT_EQ(frame->puzzlePath(), saved);

    chosenFiles.append(saved);
    frame->Open();
    EXPECT_EQ(dialogTitles.value(2), QStringLiteral("Open Existing Puzzle"));
    EXPECT_TRUE(Enabled(IDM_F_NEWJIGSAW));
    EXPECT_TRUE(Enabled(IDM_F_SAVE));
    EXPECT_TRUE(Enabled(IDM_F_SAVEAS));
}

TEST_F(FrameTest, NewJigsawWithoutAPictureExplainsAndOpensNoDialog)
{
    ModalAnswerer answerer;
    bool dialogOpened = false;
    answerer.onDialog = [&dialogOpened](QWidget *dialog) {
        dialogOpened = true;
        static_cast<QDialog *>(dialog)->reject();
    };
    // A picture that cannot be read leaves no picture but New Jigsaw enabled.
    chosenFiles.append(dir.filePath(QStringLiteral("missing.bmp")));
    frame->NewPicture();
    ASSERT_EQ(answerer.titles.value(0), QStringLiteral("NewPicture error"));
    EXPECT_EQ(answerer.texts.value(0), QStringLiteral("Unable to open bitmap: [-1]"));
    ASSERT_TRUE(Enabled(IDM_F_NEWJIGSAW));

    frame->action(IDM_F_NEWJIGSAW)->trigger();
    EXPECT_EQ(answerer.titles.value(1), QStringLiteral("New Jigsaw Error"));
    EXPECT_EQ(answerer.texts.value(1),
              QStringLiteral("You must load a picture before creating a new puzzle."));
    EXPECT_FALSE(dialogOpened);
    EXPECT_FALSE(frame->game().HasPuzzle());
}

TEST_F(FrameTest, TheDialogRefusesMorePiecesThanThePictureAllows)
{
    OpenPicture(320, 200);
    ModalAnswerer answerer;
    int step = 0;
    answerer.onDialog = [&step](QWidget *dialog) {
        auto click = [dialog](const char *name) {
            dialog->findChild<QAbstractButton *>(QLatin1String(name))->click();
        };
        if (step++ == 0) {
            click("count250");
            click("IDOK"); // refused, the dialog stays
        } else {
            click("count100");
            click("IDOK");
        }
    };
    frame->NewJigsaw();
    EXPECT_EQ(answerer.titles, QStringList{QStringLiteral("New Jigsaw Error")});
    EXPECT_EQ(answerer.texts.value(0),
              QStringLiteral("Error: bitmap too small for 250 pieces. Puzzle must be 160 pieces or less."));
    EXPECT_EQ(step, 2);
    EXPECT_EQ(pieceCount, 100);
    EXPECT_TRUE(frame->game().HasPuzzle());
}

TEST_F(FrameTest, TheDialogRemembersTheLastAcceptedCountAndStyle)
{
    OpenPicture(320, 200);
    QStringList checkedOnOpen;
    auto checked = [](QWidget *dialog) {
        QStringList names;
        for (auto *radio : dialog->findChildren<QRadioButton *>())
            if (radio->isChecked())
                names.append(radio->objectName());
        names.sort();
        return names.join(QLatin1Char(' '));
    };
    {
        ModalAnswerer answerer;
        answerer.onDialog = [&](QWidget *dialog) {
            checkedOnOpen.append(checked(dialog));
            dialog->findChild<QRadioButton *>(QStringLiteral("count50"))->click();
            dialog->findChild<QRadioButton *>(QStringLiteral("styleRectangular"))->click();
            dialog->findChild<QPushButton *>(QStringLiteral("IDOK"))->click();
        };
        frame->NewJigsaw();
    }
    {
        ModalAnswerer answerer;
        answerer.onDialog = [&](QWidget *dialog) {
            checkedOnOpen.append(checked(dialog));
            dialog->findChild<QRadioButton *>(QStringLiteral("count1000"))->click();
            dialog->findChild<QPushButton *>(QStringLiteral("IDCANCEL"))->click();
        };
        frame->NewJigsaw();
    }
    EXPECT_EQ(checkedOnOpen, (QStringList{QStringLiteral("count250 styleTabbed"),
                                          QStringLiteral("count50 styleRectangular")}));
    EXPECT_EQ(pieceCount, 50);
    EXPECT_EQ(pieceStyle, 0);
}

// A puzzle of 25 pieces on a 100 x 100 picture, pieces laid out apart from one another: piece 0 near the
// top left, the others on a grid to the right.
class PlayTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        OpenPicture(100, 100);
        NewJigsaw(25);
        ASSERT_EQ(total, 25);
        for (int id = 0; id < total; ++id) {
            P(id).x = id == 0 ? 60 : 300 + (id % 5) * 60;
            P(id).y = id == 0 ? 60 : 40 + (id / 5) * 60;
        }
        frame->game().table().RedrawTable(QRect(0, 0, TableWidth, TableHeight));
        viewport()->update();
    }

    static QPoint PlaceBeside(int anchor, int id)
    {
        return QPoint(P(anchor).x + P(id).srcX - P(anchor).srcX, P(anchor).y + P(id).srcY - P(anchor).srcY);
    }

    // Drags piece `id` with the mouse so that its box's corner ends at `to` plus `offset`.
    void DragPiece(int id, QPoint to, QPoint offset = {})
    {
        const QPoint grab = Centre(P(id));
        MouseDrag(grab, grab + (to - QPoint(P(id).x, P(id).y)) + offset);
    }

    // What the player sees of the table at a window position.
    QRgb OnScreen(QPoint at) { return viewport()->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0); }
};

TEST_F(PlayTest, APuzzleIsSolvedByMouseDragsAndTheVictoryIsAnnouncedOnce)
{
    ModalAnswerer answerer;
    elapsed = 3;
    for (int id = 1; id < total; ++id)
        DragPiece(id, PlaceBeside(id % 5 == 0 ? id - 5 : id - 1, id));

    EXPECT_EQ(placed, total);
    EXPECT_EQ(answerer.titles, QStringList{QStringLiteral("Victory!!!")});
    EXPECT_EQ(answerer.texts, QStringList{QStringLiteral("Congratulations! You finished the puzzle!")});
    EXPECT_FALSE(frame->statusWindow()->Running());
    // The first join after 3 seconds scored 25 - 1 - 3 + 0 = 21; the others each 25 - placed at least.
    EXPECT_GE(score, 21);

    // The whole picture moves as one, and no second message comes.
    const QPoint before(P(12).x, P(12).y);
    DragPiece(12, before + QPoint(20, 10));
    EXPECT_EQ(QPoint(P(0).x, P(0).y) - QPoint(P(12).x, P(12).y),
              QPoint(P(0).srcX - P(12).srcX, P(0).srcY - P(12).srcY));
    EXPECT_EQ(answerer.titles.size(), 1);
}

TEST_F(PlayTest, TheFirstJoinIsShownInTheStatusLineAndOnTheTable)
{
    elapsed = 12;
    const QPoint home = PlaceBeside(0, 1);
    DragPiece(1, home, QPoint(6, 0));
    EXPECT_EQ(placed, 1) << "6 pixels off does not join";
    DragPiece(1, home, QPoint(5, -5));
    EXPECT_EQ(placed, 2);
    EXPECT_EQ(score, 25 - 1 - 12 + 0);
    EXPECT_TRUE(frame->game().dirty());

    // The table shows both pieces together, each with its part of the picture, and nothing where
    // piece 1 lay before.
    auto pictureAt = [](int x, int y) {
        return qRgb((x * 255) / 100, (y * 255) / 100, ((x + y) * 97) % 256);
    };
    for (int id : {0, 1}) {
        const Piece &p = P(id);
        EXPECT_EQ(OnScreen(Centre(p)), pictureAt(p.srcX + p.w / 2, p.srcY + p.h / 2)) << "piece " << id;
    }
    EXPECT_EQ(OnScreen(QPoint(360 + 20, 40 + 20)), qRgb(255, 255, 255));
}

TEST_F(PlayTest, SaveAsAsksBeforeOverwritingAndKeepsTheNameOnlyWhenSaved)
{
    const QString existing = dir.filePath(QStringLiteral("existing.tsl"));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }
    ModalAnswerer answerer;
    answerer.answers = {QMessageBox::No};
    chosenFiles.append(existing);
    frame->SaveAs();
    EXPECT_EQ(answerer.titles.value(0), QStringLiteral("Save Puzzle"));
    EXPECT_EQ(answerer.texts.value(0),
              QStringLiteral("The file '%1' exists. Overwrite it with the current puzzle?").arg(existing));
    EXPECT_TRUE(frame->puzzlePath().isEmpty());
    EXPECT_FALSE(Enabled(IDM_F_SAVE));
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("keep me"));
    }

    answerer.answers = {QMessageBox::Yes};
    chosenFiles.append(existing);
    frame->SaveAs();
    EXPECT_EQ(answerer.texts.value(2), QStringLiteral("%1 has been successfully saved.").arg(existing));
    EXPECT_EQ(QFileInfo(existing).size(),
              40 + 348 * 25 + QFileInfo(dir.filePath(QStringLiteral("picture.bmp"))).size());

    // Save now writes to that name without asking.
    answerer.titles.clear();
    frame->Save();
    EXPECT_EQ(answerer.titles, QStringList{QStringLiteral("Save Puzzle")});
    EXPECT_EQ(dialogTitles.size(), 3);
}

TEST_F(PlayTest, ExitAsksTwiceForAnUnsavedPuzzleAndStaysOpenWhenTheSaveFails)
{
    ModalAnswerer answerer;
    answerer.answers = {QMessageBox::No};
    frame->close();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(answerer.texts, QStringList{QStringLiteral("Are you sure you want to quit tesselo?")});

    // Yes, then Yes to saving, into a folder that does not exist: the save fails and the game stays.
    answerer.texts.clear();
    answerer.answers = {QMessageBox::Yes, QMessageBox::Yes};
    chosenFiles.append(dir.filePath(QStringLiteral("no/such/folder/puzzle.tsl")));
    frame->close();
    EXPECT_TRUE(frame->isVisible());
    ASSERT_EQ(answerer.texts.size(), 3);
    EXPECT_EQ(answerer.texts.value(1), QStringLiteral("Save current puzzle before exiting?"));
    EXPECT_TRUE(answerer.texts.value(2).startsWith(QStringLiteral("Unable to open")));
    EXPECT_TRUE(frame->game().dirty());

    // Yes, then No: the game closes without saving.
    answerer.texts.clear();
    answerer.answers = {QMessageBox::Yes, QMessageBox::No};
    frame->close();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(answerer.titles.value(answerer.titles.size() - 1), QStringLiteral("Exit Tesselo"));
    EXPECT_EQ(answerer.texts.size(), 2);
}

TEST_F(FrameTest, ScrollBarsMoveTheTableByLinesPagesAndTheReleasedThumb)
{
    QScrollBar *bar = frame->tableWindow()->horizontalScrollBar();
    const Table &table = frame->game().table();
    const int page = (2 * table.client().width()) / 3;
    ASSERT_EQ(bar->maximum(), 2047 - table.client().width());

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(table.scroll().x(), 10);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(table.scroll().x(), 10 + page);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(table.scroll().x(), 0);
    EXPECT_EQ(bar->value(), 0);

    // Dragging the thumb moves nothing until it is let go.
    bar->setSliderDown(true);
    bar->setSliderPosition(500);
    EXPECT_EQ(table.scroll().x(), 0);
    bar->setSliderDown(false);
    EXPECT_EQ(table.scroll().x(), 500);

    // The last line reaches the table's edge; the thumb stops at its range's end.
    for (int i = 0; i < 200; ++i)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(table.scroll().x(), 2048 - table.client().width());
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(FrameTest, ExitWithoutAPuzzleAsksNothing)
{
    ModalAnswerer answerer;
    frame->close();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(answerer.texts.isEmpty());
}

TEST_F(PlayTest, AFailedOpenLeavesThePuzzleThePathAndTheUnsavedChangesAsTheyWere)
{
    ModalAnswerer answerer;
    const QString good = dir.filePath(QStringLiteral("good.tsl"));
    chosenFiles.append(good);
    frame->SaveAs();
    ASSERT_EQ(frame->puzzlePath(), good);
    DragPiece(1, PlaceBeside(0, 1));
    ASSERT_TRUE(frame->game().dirty());
    const PuzzleSnapshot before = CapturePuzzle();

    const QString bad = dir.filePath(QStringLiteral("bad.tsl"));
    {
        QFile file(bad);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("TESX and nothing else");
    }
    chosenFiles.append(bad);
    frame->Open();
    EXPECT_EQ(answerer.texts.last(), QStringLiteral("%1 is not a valid Puzzle file.").arg(bad));
    EXPECT_EQ(frame->puzzlePath(), good);
    EXPECT_TRUE(frame->game().dirty());
    const PuzzleSnapshot after = CapturePuzzle();
    EXPECT_EQ(after.pieces, before.pieces);
    EXPECT_EQ(after.groups, before.groups);
    EXPECT_EQ(after.placed, before.placed);
}

TEST_F(PlayTest, NewPictureDuringAPuzzleAsksFirstAndEndsItOnlyOnYes)
{
    ModalAnswerer answerer;
    answerer.answers = {QMessageBox::No};
    frame->NewPicture();
    EXPECT_EQ(answerer.titles.value(0), QStringLiteral("Load New Picture"));
    EXPECT_TRUE(frame->game().HasPuzzle());
    EXPECT_EQ(dialogTitles.size(), 1);

    answerer.answers = {QMessageBox::Yes};
    score = 40;
    elapsed = 90;
    chosenFiles.append(WritePicture(dir, QStringLiteral("other.bmp"), 120, 80));
    frame->NewPicture();
    EXPECT_FALSE(frame->game().HasPuzzle());
    EXPECT_EQ(score, 0);
    EXPECT_EQ(elapsed, 0);
    EXPECT_EQ(total, 0);
    EXPECT_FALSE(frame->statusWindow()->Running());
    EXPECT_FALSE(Enabled(IDM_F_SAVEAS));
}

} // namespace
