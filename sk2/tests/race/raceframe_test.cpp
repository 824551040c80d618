#include "racefixture.h"

#include <QTest>
#include <QTimer>

using namespace racetest;

class RaceFrameTest : public RaceTest
{
protected:
    void SetUp() override
    {
        RaceTest::SetUp();
        Write("Track", "LastPicked", "0");
    }

    // The track alone, as DrawMap puts it on an empty screen.
    dgc::TDGCSurface TrackOnly()
    {
        dgc::TDGCSurface track(800, 600, 0);
        Form().DGCScreen1.DrawMap(track, 0, 1, 1, true);
        return track;
    }
};

TEST_F(RaceFrameTest, FirstFrameDrawsTrackAndBoxesScattersTheConesOnRoadAndShowsTheCarsAtTheStart)
{
    Tskrace2game &race = Form();
    race.OpenScreen();
    const int before = display.PresentCount();
    ASSERT_TRUE(race.DGCScreen1.StepFrame());
    EXPECT_EQ(display.PresentCount(), before + 1);

    const dgc::TDGCSurface &shown = race.DGCScreen1.Front();
    const dgc::TDGCSurface track = TrackOnly();
    EXPECT_EQ(shown.GetPixel(400, 75), track.GetPixel(400, 75)) << "the track is drawn";
    EXPECT_EQ(shown.GetPixel(0, 300), 0) << "the left column is not part of the map";

    // Heads-up boxes: silver inside, player 1 green on the right, player 2 red on the left.
    const dgc::DGCPalette &palette = race.DGCScreen1.Palette();
    const int silver = palette.NearestIndex(qRgb(192, 192, 192));
    for (int left : {680, 20}) {
        EXPECT_EQ(shown.GetPixel(left + 2, 575 + 10), silver) << left;
        EXPECT_EQ(shown.GetPixel(left + 72, 575 + 10), silver) << left;
    }
    EXPECT_EQ(shown.GetPixel(680 + 25, 575 - 2), palette.NearestIndex(qRgb(0, 128, 0)));
    EXPECT_EQ(shown.GetPixel(20 + 25, 575 - 2), palette.NearestIndex(qRgb(255, 0, 0)));

    for (int id = 1; id <= 10; ++id) {
        const dgc::TDGCSprite *cone = race.DGCSpriteMgr1.Sprite(id);
        EXPECT_TRUE(cone->Visible) << id;
        EXPECT_FALSE(cone->Stopped) << id;
        EXPECT_FALSE(cone->Image()->Overlaps(cone->X(), cone->Y(), track, 0, 0, true))
            << "cone " << id << " off road";
        EXPECT_LT(cone->Y() + cone->Height(), 575 - 2) << "cone " << id << " clear of the boxes' line";
    }

    // The cars stand still at the start; the finish line is drawn over car 1, car 2 over everything.
    EXPECT_EQ(QPoint(race.Car1->X(), race.Car1->Y()), QPoint(427, 505));
    EXPECT_EQ(QPoint(race.Car2->X(), race.Car2->Y()), QPoint(427, 530));
    const dgc::TDGCSurface &line = race.DGCScreen1.ImageSurface(0);
    for (int y = 0; y < line.Height(); ++y) {
        for (int x = 0; x < line.Width(); ++x) {
            const int car2 = race.Car2->Image()->GetPixel(x + 462 - 427, y + 485 - 530);
            if (line.GetPixel(x, y) != 0 && (car2 == 0 || car2 == 254)) {
                ASSERT_EQ(shown.GetPixel(462 + x, 485 + y), line.GetPixel(x, y)) << x << "," << y;
            }
        }
    }
}

TEST_F(RaceFrameTest, TheCellUnderEachCarsReferencePointIsVisited)
{
    Tskrace2game &race = Form();
    race.OpenScreen();
    ASSERT_EQ(race.Visited1[2][3], NotVisited);
    race.DGCScreen1.StepFrame();
    // Car 1's reference point (437, 519) and car 2's (437, 544) lie in column 2 of row 3.
    EXPECT_EQ(race.Visited1[2][3], Visited);
    EXPECT_EQ(race.Visited2[2][3], Visited);
    EXPECT_EQ(race.Visited1[1][3], NotVisited);
    EXPECT_EQ(race.Visited1[1][1], NeverNeeded);

    // A car that drives onto the cell to its left marks that one too.
    race.Car1->SetSpeed(10);
    race.Car1->SetDirection(24);
    for (int frame = 0; frame < 15; ++frame)
        race.DGCScreen1.StepFrame();
    ASSERT_LT(race.Car1->X() + 10, 1 + 320);
    EXPECT_EQ(race.Visited1[1][3], Visited);
    EXPECT_EQ(race.Visited2[1][3], NotVisited);
}

TEST_F(RaceFrameTest, ASpunConeIsParkedAndAllAreScatteredOnceEveryOneIsParked)
{
    Tskrace2game &race = Form();
    race.OpenScreen();
    race.DGCScreen1.StepFrame();

    dgc::TDGCSprite *cone = race.DGCSpriteMgr1.Sprite(4);
    cone->SetMaxSpeed(5);
    cone->SetSpeed(3);
    cone->SetAnimation(2);
    cone->EdgeAction = dgc::EdgeStopOutside;
    // Seven frames of 60 ms, then the end.
    for (int frame = 0; frame < 10; ++frame) {
        clock.Advance(60);
        race.DGCScreen1.StepFrame();
    }
    EXPECT_EQ(QPoint(cone->X(), cone->Y()), QPoint(0, 0));
    EXPECT_TRUE(cone->Stopped);
    EXPECT_FALSE(cone->Visible);
    EXPECT_EQ(cone->Speed(), 0);
    EXPECT_EQ(cone->Animation(), 1);
    EXPECT_EQ(cone->EdgeAction, dgc::EdgeBounce);
    dgc::TDGCSprite *line = race.DGCSpriteMgr1.Sprite(11);
    EXPECT_EQ(QPoint(line->X(), line->Y()), QPoint(462, 485)) << "the finish line's end changes nothing";
    EXPECT_TRUE(line->Visible);

    // With every cone parked, the next frame scatters all ten again.
    for (int id = 1; id <= 10; ++id) {
        race.DGCSpriteMgr1.Sprite(id)->Stopped = true;
        race.DGCSpriteMgr1.Sprite(id)->MoveTo(0, 0);
    }
    race.DGCScreen1.StepFrame();
    const dgc::TDGCSurface track = TrackOnly();
    for (int id = 1; id <= 10; ++id) {
        const dgc::TDGCSprite *scattered = race.DGCSpriteMgr1.Sprite(id);
        EXPECT_TRUE(scattered->Visible && !scattered->Stopped) << id;
        EXPECT_FALSE(scattered->Image()->Overlaps(scattered->X(), scattered->Y(), track, 0, 0, true)) << id;
    }
}

TEST_F(RaceFrameTest, EscapeClosesTheFormAtAnyTimeAndWritesNothing)
{
    const QByteArray settingsBefore = SettingsFile();
    Tskrace2game &race = Form();
    race.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(display.IsOpen());
    race.DGCScreen1.StepFrame();

    QTest::keyClick(&race, Qt::Key_A);
    QTest::keyClick(&race, Qt::Key_Return);
    EXPECT_TRUE(race.isVisible()) << "other keys do nothing";

    QTest::keyClick(&race, Qt::Key_Escape);
    EXPECT_FALSE(race.isVisible());
    EXPECT_EQ(race.result(), QDialog::Rejected);
    EXPECT_FALSE(display.IsOpen()) << "the display is given back";
    EXPECT_FALSE(race.DGCScreen1.StepFrame());
    EXPECT_EQ(SettingsFile(), settingsBefore);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(RaceFrameTest, ShownModallyOnItsOwnScreenItRunsFramesUntilEscape)
{
    RacePlatform platform;
    platform.audio = std::make_unique<NoSound>();
    platform.showError = [this](const QString &message) { errors << message; };
    Tskrace2game race(std::move(platform));
    EXPECT_TRUE(race.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(race.windowTitle(), "skrace2game");

    // Once the first frame has scattered the cones, Escape is pressed.
    bool sawBlankPointer = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!race.isVisible() || race.DGCSpriteMgr1.Count() < 2 || race.DGCSpriteMgr1.Sprite(1)->Stopped)
            return;
        sawBlankPointer = race.cursor().shape() == Qt::BlankCursor;
        QTest::keyClick(&race, Qt::Key_Escape);
    });
    watch.start(5);
    QTimer::singleShot(20000, &race, [&] { race.done(QDialog::Accepted); }); // a safety net only

    EXPECT_EQ(race.ShowModal(), QDialog::Rejected);
    EXPECT_TRUE(sawBlankPointer);
    EXPECT_NE(race.cursor().shape(), Qt::BlankCursor) << "the pointer is given back";
    EXPECT_TRUE(errors.isEmpty());
}
