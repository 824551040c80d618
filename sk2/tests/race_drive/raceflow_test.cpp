// Race flow: the start sequence and engine, lap counting at the finish line for each player, the end
// of the race with the match score, and the heads-up boxes.
#include "drivescene.h"
#include "inifile.h"
#include "raceflow.h"
#include "raceflowscreens.h"
#include "raceflowsound.h"
#include "sk2settings.h"

#include <QFile>

namespace drivetest {
namespace {

class RaceFlowTest : public DriveTest
{
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        SetUpRaceUnderWay();
        Place(2, 100, 60, 8, 0);
    }

    // Every road cell visited by the player.
    void VisitAll(int player)
    {
        for (auto &column : player == 1 ? fields.Visited1 : fields.Visited2) {
            for (std::uint8_t &flag : column) {
                if (flag == NotVisited)
                    flag = Visited;
            }
        }
    }
    // Puts the car over the finish line (x 462..469, y 485..564) heading in direction.
    void OnTheLine(int player, int direction)
    {
        Place(player, fields.StartX - 10, fields.StartY + 20, direction, 0);
        fields.StartImage1 = Car(1).ImageNumber();
        fields.StartImage2 = Car(2).ImageNumber();
    }
    void OffTheLine(int player)
    {
        Place(player, fields.StartX + 100, fields.StartY + 20, 8, 0);
        fields.StartImage1 = Car(1).ImageNumber();
        fields.StartImage2 = Car(2).ImageNumber();
    }
    void FinishLineTest(int player) { player == 1 ? FinishLineTest1(scene) : FinishLineTest2(scene); }
    std::int32_t &Laps(int player) { return player == 1 ? fields.Laps1 : fields.Laps2; }
    long Played(int n) const { return std::count(sound.played.begin(), sound.played.end(), n); }

    int ReadScore(int player) const { return Settings().ReadInteger(Keys::Score(player), -1); }
};

TEST_F(RaceFlowTest, ALapCountsOnlyAfterEveryRoadCellWasVisitedAndOncePerCrossing)
{
    for (int player = 1; player <= 2; ++player) {
        SCOPED_TRACE(player);
        OnTheLine(player, 8);
        FinishLineTest(player);
        EXPECT_EQ(Laps(player), 0);

        OffTheLine(player);
        FinishLineTest(player);
        VisitAll(player);
        OnTheLine(player, 8);
        FinishLineTest(player);
        EXPECT_EQ(Laps(player), 1);
        EXPECT_FALSE(AllVisited(fields, player));

        // Still on the line with every cell visited again: the same crossing counts once.
        VisitAll(player);
        FinishLineTest(player);
        EXPECT_EQ(Laps(player), 1);
    }
}

TEST_F(RaceFlowTest, CrossingLeftwardTakesALapAwayButNeverBelowZero)
{
    const struct
    {
        int direction, lapsBefore, lapsAfter;
    } cases[] = {{14, 1, 2}, {15, 2, 1}, {24, 0, 0}, {31, 3, 2}, {0, 0, 1}};
    for (int player = 1; player <= 2; ++player) {
        for (const auto &c : cases) {
            Laps(player) = c.lapsBefore;
            OffTheLine(player);
            FinishLineTest(player);
            VisitAll(player);
            OnTheLine(player, c.direction);
            FinishLineTest(player);
            EXPECT_EQ(Laps(player), c.lapsAfter) << "player " << player << " direction " << c.direction;
        }
    }
}

TEST_F(RaceFlowTest, ClearingKeepsCellsNeverNeededAndAPondOnceEnteredMustBeEnteredEveryLap)
{
    fields.Visited1[1][1] = Visited; // a grass cell of the oval that the car's reference point crossed
    VisitAll(1);
    EXPECT_TRUE(AllVisited(fields, 1));
    ClearVisited(fields, 1);
    EXPECT_EQ(fields.Visited1[0][0], NotVisited);
    EXPECT_EQ(fields.Visited1[2][1], NeverNeeded);
    EXPECT_EQ(fields.Visited1[1][1], NotVisited);
    EXPECT_EQ(fields.Visited2[0][0], NotVisited); // the other player's flags are its own
}

TEST_F(RaceFlowTest, Car2ClearsItsFlagsAndSoundsOnEveryFrameOnTheLineCar1OnlyWhenALapCounts)
{
    fields.Visited1[0][0] = Visited;
    fields.Visited2[0][0] = Visited;
    OnTheLine(1, 8);
    OnTheLine(2, 8);
    FinishLineTest1(scene);
    EXPECT_EQ(fields.Visited1[0][0], Visited);
    EXPECT_FALSE(fields.OnLine1);
    EXPECT_EQ(Played(Sound::FinishLine), 0);

    FinishLineTest2(scene);
    EXPECT_EQ(fields.Visited2[0][0], NotVisited);
    EXPECT_TRUE(fields.OnLine2);
    EXPECT_EQ(Played(Sound::FinishLine), 1);
    FinishLineTest2(scene);
    EXPECT_EQ(Played(Sound::FinishLine), 2);
    EXPECT_TRUE(sound.pans.empty());

    VisitAll(1);
    FinishLineTest1(scene);
    EXPECT_EQ(fields.Laps1, 1);
    EXPECT_EQ(Played(Sound::FinishLine), 3);
    const std::vector<std::pair<int, int>> pans = {{Sound::FinishLine, PanFullLeft},
                                                   {Sound::FinishLine, PanFullRight}};
    EXPECT_EQ(sound.pans, pans);
}

TEST_F(RaceFlowTest, AtTheStartCar2DrivesOverTheFinishLineAndOnlyItSounds)
{
    fields.StartPending = false;
    Place(1, fields.StartX - 35, fields.StartY + 20, 8, 4);
    Place(2, fields.StartX - 35, fields.StartY + 45, 8, 4);
    for (int frame = 0; frame < 12; ++frame)
        RunStep();
    EXPECT_GE(Played(Sound::FinishLine), 1);
    EXPECT_GT(Car(1).X(), fields.StartX + 8); // both cars crossed
    EXPECT_TRUE(sound.pans.empty());          // car 1's crossing would pan the sound
    EXPECT_EQ(fields.Laps1, 0);
    EXPECT_EQ(fields.Laps2, 0);
}

TEST_F(RaceFlowTest, TheLastLapIsAnnouncedAndTheFinalCrossingEndsTheRace)
{
    fields.RaceLaps = 3;
    fields.Laps1 = 1;
    VisitAll(1);
    OnTheLine(1, 8);
    FinishLineTest1(scene);
    EXPECT_EQ(fields.Laps1, 2);
    EXPECT_EQ(Played(Sound::Signal), 1);
    EXPECT_FALSE(fields.RaceIsOver);

    OffTheLine(1);
    FinishLineTest1(scene);
    VisitAll(1);
    OnTheLine(1, 8);
    sound.pollsPerPlay = 4; // the signal plays for a while: the race waits for it
    int messageRounds = 0;
    scene.ProcessMessages = [&] { ++messageRounds; };
    FinishLineTest1(scene);
    EXPECT_EQ(fields.Laps1, 3);
    EXPECT_TRUE(fields.RaceIsOver);
    EXPECT_GE(messageRounds, 3);
    EXPECT_FALSE(SoundPlaying(scene, Sound::Signal));
    EXPECT_EQ(sound.played.back(), Sound::Engine);
    EXPECT_FALSE(screen.FlippingEnabled());
}

TEST_F(RaceFlowTest, WithOneLapTheFirstCountedLapEndsTheRaceWithoutALastLapSignal)
{
    fields.RaceLaps = 1;
    VisitAll(2);
    OnTheLine(2, 8);
    FinishLineTest2(scene);
    EXPECT_EQ(fields.Laps2, 1);
    EXPECT_TRUE(fields.RaceIsOver);
    EXPECT_EQ(Played(Sound::Signal), 1); // the final signal only
    EXPECT_EQ(RaceOverTitle(fields), QStringLiteral("Race Over  Red Car Won!!"));
}

TEST_F(RaceFlowTest, RaceOverParksTheCarsAddsTheLapsToTheMatchScoreAndRunsOnce)
{
    Settings().WriteInteger(Keys::Score(1), 99); // what the race read at its set-up counts, not this
    fields.MatchScore1 = 5;
    fields.MatchScore2 = 2;
    fields.RaceLaps = 3;
    fields.Laps1 = 3;
    fields.Laps2 = 1;
    Cone(4).Visible = true;
    RaceOver(scene);

    EXPECT_EQ(ReadScore(1), 8);
    EXPECT_EQ(ReadScore(2), 3);
    EXPECT_EQ(RaceOverTitle(fields), QStringLiteral("Race Over  Green Car Won!!"));
    EXPECT_EQ(MatchScoreLine(fields), QStringLiteral("Green Car : 8  ///\\\\\\///\\\\\\  Red Car : 3"));
    EXPECT_EQ(Car(1).X(), fields.StartX);
    EXPECT_EQ(Car(1).Y(), fields.StartY + 20);
    EXPECT_EQ(Car(2).Y(), fields.StartY + 45);
    EXPECT_TRUE(Car(1).Stopped && Car(2).Stopped);
    for (int i = 1; i <= 11; ++i)
        EXPECT_FALSE(SpriteMgr1.Sprite(i)->Visible) << i;
    EXPECT_FALSE(screen.FlippingEnabled());

    // The screen shows only the texts: the title's two passes in dark and bright green.
    const dgc::TDGCSurface &back = screen.Back();
    const std::uint8_t darkGreen = screen.Palette().NearestIndex(QColor(0, 128, 0));
    const std::uint8_t green = screen.Palette().NearestIndex(QColor(0, 255, 0));
    int dark = 0, bright = 0;
    for (int y = 0; y < back.Height(); ++y) {
        for (int x = 0; x < back.Width(); ++x) {
            dark += back.GetPixel(x, y) == darkGreen;
            bright += back.GetPixel(x, y) == green;
        }
    }
    EXPECT_GT(dark, 0);
    EXPECT_GT(bright, 0);

    RaceOver(scene);
    EXPECT_EQ(ReadScore(1), 8);
}

TEST_F(RaceFlowTest, ASettingsFileThatCannotBeWrittenEndsTheRaceOverStepWithItsError)
{
    QFile::remove(win::ProfilePath(QStringLiteral("Skarvel.ini")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Skarvel.ini"))); // a folder where the file belongs
    fields.Laps1 = fields.RaceLaps;
    EXPECT_THROW(RaceOver(scene), win::EIniFileException);
    EXPECT_FALSE(screen.FlippingEnabled());
}

TEST_F(RaceFlowTest, TheFirstFrameSignalsWaitsThenStartsAndLaterFramesKeepTheEngineGoing)
{
    fields.StartPending = true;
    sound.pollsPerPlay = 5;
    int messageRounds = 0;
    scene.ProcessMessages = [&] { ++messageRounds; };
    SoundStep(scene);
    EXPECT_FALSE(fields.StartPending);
    EXPECT_EQ(sound.played, (std::vector<int>{Sound::Signal, Sound::Start}));
    EXPECT_EQ(messageRounds, 5);

    SoundStep(scene); // the start sound still plays
    EXPECT_TRUE(sound.looped.empty());
    sound.remaining[Sound::Start] = 0;
    SoundStep(scene);
    SoundStep(scene);
    EXPECT_EQ(sound.looped, (std::vector<int>{Sound::Engine, Sound::Engine}));
}

TEST_F(RaceFlowTest, WithoutASoundSystemNothingPlaysAndNothingWaits)
{
    sound.opens = false;
    audio.Open();
    ASSERT_FALSE(audio.SoundAvailable());
    fields.StartPending = true;
    int messageRounds = 0;
    scene.ProcessMessages = [&] { ++messageRounds; };
    SoundStep(scene);
    SoundStep(scene);
    fields.RaceLaps = 1;
    VisitAll(1);
    OnTheLine(1, 8);
    FinishLineTest1(scene);
    EXPECT_TRUE(fields.RaceIsOver);
    EXPECT_FALSE(fields.StartPending);
    EXPECT_EQ(messageRounds, 0);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_TRUE(sound.looped.empty());
}

TEST_F(RaceFlowTest, ASoundMissingFromTheLibraryIsIgnored)
{
    sounds.Clear();
    sounds.Add(QByteArray("RIFF\x04\x00\x00\x00WAVE", 12));
    audio.Open();
    ASSERT_TRUE(audio.SoundAvailable());
    EXPECT_NO_THROW(PlaySound(scene, Sound::Cone, false));
    EXPECT_NO_THROW(SetSoundPan(scene, Sound::FinishLine, PanFullLeft));
    fields.StartPending = true;
    EXPECT_NO_THROW(SoundStep(scene));
    EXPECT_EQ(sound.played, (std::vector<int>{Sound::Start}));
}

TEST_F(RaceFlowTest, HeadsUpBoxesShowZeroPaddedValuesInEachPlayersColourOnSilver)
{
    EXPECT_EQ(ScoreBoxText(30), QStringLiteral("000030"));
    EXPECT_EQ(ScoreBoxText(1234567), QStringLiteral("1234567"));
    EXPECT_EQ(LapBoxText(3), QStringLiteral("03"));
    EXPECT_EQ(LapBoxText(12), QStringLiteral("12"));
    EXPECT_EQ(LapBoxText(-2), QStringLiteral("00"));

    screen.Back().Erase(Road);
    DrawHeadsUp(scene);
    const dgc::TDGCSurface &back = screen.Back();
    const std::uint8_t silver = screen.Palette().NearestIndex(QColor(192, 192, 192));
    const std::uint8_t red = screen.Palette().NearestIndex(QColor(255, 0, 0));
    const std::uint8_t green = screen.Palette().NearestIndex(QColor(0, 128, 0));
    // 800 x 600: the line at y 575, player 1's boxes at x 680, player 2's at x 20.
    EXPECT_EQ(back.GetPixel(680 + 25, 575 - 2), green); // score box outline
    EXPECT_EQ(back.GetPixel(20 + 25, 575 - 2), red);
    EXPECT_EQ(back.GetPixel(680 + 80, 575 + 19), green); // lap box outline
    EXPECT_EQ(back.GetPixel(20 + 72, 575 + 8), silver);  // inside the lap box, left of its digits
    EXPECT_EQ(back.GetPixel(680 + 60, 575 + 5), Road);   // between the boxes
}

} // namespace
} // namespace drivetest
