#include "racefixture.h"

#include "canvas.h"

using namespace racetest;

namespace {

// A west-east straight across the bottom row of an oval shifted up one row: row 3 is grass, so the
// start cell is column 2 of row 2.
TTrackRec RaisedOval()
{
    TTrackRec rec = DefaultTrack();
    SetTrackName(rec, QStringLiteral("Raised"));
    const std::int32_t tiles[TrackCells] = {3, 6, 6, 6, 4, 5,  12, 12, 12, 5,
                                            1, 6, 6, 6, 2, 12, 12, 12, 12, 11};
    for (int k = 0; k < TrackCells; ++k)
        SetTileCode(rec, k, tiles[k]);
    return rec;
}

} // namespace

TEST_F(RaceTest, SetUpTakesTheRaceFromTheSettingsFile)
{
    WriteTrack(1, RaisedOval());
    Write("Track", "LastPicked", "1");
    Write("Laps", "Laps", "7");
    Write("Player1", "Name", "Ann");
    Write("Player2", "Name", "Bo");
    Write("Match", "score1", "3");
    Write("Match", "score2", "$A");
    Write("Player1", "TopSpeed", "12");
    Write("Player2", "TopSpeed", "8");
    Write("Player2", "InputDevice", "2");

    Tskrace2game &race = Form();
    race.OpenScreen();

    ASSERT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
    EXPECT_EQ(race.TrackNo, 1);
    EXPECT_EQ(TrackName(race.Track), "Raised");
    EXPECT_EQ(race.RaceLaps, 7);
    EXPECT_EQ(race.Name1, "Ann");
    EXPECT_EQ(race.Name2, "Bo");
    EXPECT_EQ(race.MatchScore1, 3);
    EXPECT_EQ(race.MatchScore2, 10);
    EXPECT_EQ(race.InputDevice1, 0);
    EXPECT_EQ(race.InputDevice2, 2);
    EXPECT_EQ(race.ConeCount, 10);
    EXPECT_TRUE(race.StartPending);
    EXPECT_EQ(race.BonusScore1 + race.BonusScore2 + race.Laps1 + race.Laps2, 0);
    EXPECT_EQ(race.LastPoll, 0u);
    EXPECT_EQ(race.RoadColour, 0);

    // The start cell is one row up: the finish line and the cars stand one tile height higher.
    EXPECT_EQ(race.StartType, 5);
    EXPECT_EQ(race.StartX, 462);
    EXPECT_EQ(race.StartY, 485 - 150);
    EXPECT_EQ(race.DGCScreen1.GetMapTile(2, 2), 5);
    EXPECT_EQ(race.DGCScreen1.GetMapTile(4, 3), 7) << "the pond";
    EXPECT_EQ(race.Visited1, race.Visited2);
    EXPECT_EQ(race.Visited1[2][3], NeverNeeded);
    EXPECT_EQ(race.Visited1[2][2], NotVisited);
    // The course runs east along row 2, so north up column 4 and south down column 0; row 3 is grass.
    EXPECT_EQ(HintGrid[5][16], +1);
    EXPECT_EQ(HintGrid[5][0], -1);
    EXPECT_EQ(HintGrid[17], THintGrid::value_type{});

    ASSERT_NE(race.Car1, nullptr);
    ASSERT_NE(race.Car2, nullptr);
    const struct
    {
        dgc::TDGCRaceCar *car;
        int y;
        double top;
    } cars[] = {{race.Car1, 335 + 20, 12}, {race.Car2, 335 + 45, 8}};
    for (const auto &c : cars) {
        EXPECT_EQ(c.car->X(), 462 - 35);
        EXPECT_EQ(c.car->Y(), c.y);
        EXPECT_EQ(c.car->Direction(), 8);
        EXPECT_EQ(c.car->Speed(), 0);
        EXPECT_EQ(c.car->MaxSpeed(), c.top);
        EXPECT_EQ(c.car->Acceleration(), dgc::FixedToDouble(dgc::DoubleToFixed(0.1)));
        EXPECT_EQ(c.car->Deceleration(), 1);
        EXPECT_EQ(c.car->TurnDelay, 50);
        EXPECT_EQ(c.car->EdgeAction, dgc::EdgeBounce);
        EXPECT_EQ(c.car->ID, 0);
        EXPECT_EQ(c.car->Animation(), 0);
    }
    EXPECT_EQ(race.Car1->ImageNumber(), 9) << "car 1 pointing right";
    EXPECT_EQ(race.Car2->ImageNumber(), 41) << "car 2 pointing right";
}

TEST_F(RaceTest, SpritesAndAnimationsStandInTheirListOrder)
{
    Write("Track", "LastPicked", "0");
    Tskrace2game &race = Form();
    race.OpenScreen();

    ASSERT_EQ(race.DGCSpriteMgr1.Count(), 12);
    ASSERT_EQ(race.DGCSpriteMgr2.Count(), 1);
    EXPECT_EQ(race.DGCSpriteMgr1.Sprite(0), race.Car1);
    EXPECT_EQ(race.DGCSpriteMgr2.Sprite(0), race.Car2);
    for (int id = 1; id <= 10; ++id) {
        const dgc::TDGCSprite *cone = race.DGCSpriteMgr1.Sprite(id);
        EXPECT_EQ(cone->ID, id);
        EXPECT_EQ(QPoint(cone->X(), cone->Y()), QPoint(1000, 1000));
        EXPECT_TRUE(cone->Stopped);
        EXPECT_EQ(cone->Animation(), 1);
        EXPECT_EQ(cone->ImageNumber(), 65);
        EXPECT_EQ(cone->EdgeAction, dgc::EdgeBounce);
        EXPECT_EQ(cone->MaxSpeed() + cone->Speed() + cone->Acceleration() + cone->Deceleration(), 0);
    }
    const dgc::TDGCSprite *line = race.DGCSpriteMgr1.Sprite(11);
    EXPECT_EQ(QPoint(line->X(), line->Y()), QPoint(462, 485));
    EXPECT_EQ(line->ImageNumber(), 0);
    EXPECT_EQ(line->EdgeAction, dgc::EdgeStopOutside);

    const struct
    {
        const dgc::TDGCSpriteMgr &manager;
        QStringList names;
    } managers[] = {
        {race.DGCSpriteMgr1,
         {"car", "Cone", "SpinCone", "SpinCar", "finish", "car1hideup", "car1showup", "car1hidedown",
          "car1showdown"}},
        {race.DGCSpriteMgr2, {"car", "SpinCar"}},
    };
    for (const auto &m : managers) {
        QStringList names;
        for (int i = 0; i < m.manager.AnimationCount(); ++i)
            names << m.manager.AnimationAt(i)->Name;
        EXPECT_EQ(names, m.names);
    }
    const dgc::DGCAnimation *spin = race.DGCSpriteMgr1.AnimationAt(2);
    EXPECT_FALSE(spin->Loops);
    EXPECT_EQ(spin->Delay, 60);
    EXPECT_EQ(spin->Frames[17], (std::vector<int>{65, 66, 67, 68, 65, 66, 67}));
    EXPECT_EQ(race.DGCSpriteMgr2.AnimationAt(1)->Frames[0], (std::vector<int>{37, 41, 45, 49, 53, 57, 61}));
    EXPECT_EQ(race.DGCSpriteMgr1.AnimationAt(8)->Frames[31], (std::vector<int>{78, 79, 80}));
}

TEST_F(RaceTest, ValuesThatDependOnTheDisplayMode)
{
    const struct
    {
        dgc::TDisplayMode mode;
        int width, height, hudTop, hudLeft1, hudLeft2, cellWidth, cellHeight, tileHeight, startX, startY;
        std::uint8_t marker;
    } cases[] = {
        {dgc::dm800x600x8, 800, 600, 575, 680, 20, 40, 30, 150, 462, 485, 31},
        {dgc::dm640x480x8, 640, 480, 465, 535, 5, 32, 24, 120, 390, 380, 245},
    };
    Write("Track", "LastPicked", "0");
    for (const auto &c : cases) {
        form.reset();
        MarkerColour = 0;
        Tskrace2game &race = Form();
        race.DGCScreen1.SetDisplayMode(c.mode);
        race.OpenScreen();
        ASSERT_TRUE(errors.isEmpty());
        EXPECT_EQ(race.DGCScreen1.Width(), c.width);
        EXPECT_EQ(race.DGCScreen1.Height(), c.height);
        EXPECT_EQ(race.HudTop, c.hudTop);
        EXPECT_EQ(race.HudLeft1, c.hudLeft1);
        EXPECT_EQ(race.HudLeft2, c.hudLeft2);
        EXPECT_EQ(race.CellWidth, c.cellWidth);
        EXPECT_EQ(race.CellHeight, c.cellHeight);
        EXPECT_EQ(race.TileHeight, c.tileHeight);
        // The default oval starts on a straight at the bottom: the finish line stays where it begins.
        EXPECT_EQ(race.StartX, c.startX);
        EXPECT_EQ(race.StartY, c.startY);
        EXPECT_EQ(MarkerColour, c.marker);
    }
}

TEST_F(RaceTest, IntroFadesInWithTheRaceNumberCentred)
{
    Write("Track", "LastPicked", "0");
    RacesInMatch = 5;
    CurrentRaceNo = 2;
    Tskrace2game &race = Form();
    race.OpenScreen();

    // Fade out in 2 steps, one flip, fade in in 101 steps; the palette ends at full brightness.
    EXPECT_EQ(display.PresentCount(), 104);
    EXPECT_EQ(race.DGCScreen1.FadeLevel(), 1.0);

    // The intro drawn again, line by line, on a blank surface must be exactly what is on show.
    dgc::TDGCSurface expected(800, 600, 0);
    dgc::DGCCanvas canvas(expected, race.DGCScreen1.Palette());
    canvas.SetBrushStyle(dgc::DGCCanvas::BrushStyle::Clear);
    canvas.SetFontName(QStringLiteral("Times New Roman"));
    const struct
    {
        int y, points;
        QColor colour;
        const char *text;
    } lines[] = {
        {100, 28, QColor(0, 128, 0), "SKARVEL"},
        {200, 20, QColor(255, 255, 0), "Start your engines"},
        {300, 20, QColor(255, 0, 0), "Press Escape to Quit race"},
        {400, 20, QColor(255, 255, 255), "Race number : 2  of  5"},
    };
    for (const auto &line : lines) {
        canvas.SetFontSize(line.points);
        canvas.SetFontColor(line.colour);
        const int width = canvas.TextWidth(line.text);
        canvas.TextOut(400 - width / 2, line.y, line.text);
    }
    EXPECT_EQ(race.DGCScreen1.Front(), expected);
    EXPECT_EQ(display.Shown().pixel(0, 0), race.DGCScreen1.Palette().Colour(0)) << "at full brightness";
    const int white = race.DGCScreen1.Palette().NearestIndex(qRgb(255, 255, 255));
    int whitePixels = 0;
    for (int y = 400; y < 440; ++y)
        for (int x = 0; x < 800; ++x)
            whitePixels += race.DGCScreen1.Front().GetPixel(x, y) == white;
    EXPECT_GT(whitePixels, 100) << "the race number line is drawn";
}

TEST_F(RaceTest, ATrackThatCannotBeReadShowsItsErrorAndClosesTheForm)
{
    // No settings: the race takes track 1, but the new track file holds only track 0.
    Tskrace2game &race = Form();
    race.show();
    QCoreApplication::processEvents();

    EXPECT_EQ(errors, QStringList{QStringLiteral("Read beyond end of file")});
    EXPECT_FALSE(race.isVisible());
    EXPECT_EQ(race.result(), QDialog::Rejected);
    EXPECT_FALSE(display.IsOpen()) << "the display is given back";
    EXPECT_FALSE(race.DGCScreen1.StepFrame()) << "no frame runs";
    EXPECT_TRUE(SettingsFile().isEmpty()) << "nothing written";
}
