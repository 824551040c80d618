// Whole races: scripted drivers that follow the road race the default oval to the race-over screen.
#include "drivescene.h"
#include "raceflowscreens.h"
#include "roaddriver.h"
#include "sk2settings.h"

namespace drivetest {
namespace {

class RaceCourseTest : public DriveTest
{
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        SetUpRace(DefaultTrack());
        sound.pollsPerPlay = 2;
    }
};

TEST_F(RaceCourseTest, TwoScriptedDriversRaceTheDefaultOvalUntilTheFasterOneWins)
{
    fields.RaceLaps = 2;
    fields.MatchScore1 = 3;
    fields.MatchScore2 = 1;
    TRaceInputs inputs;
    inputs.Input1 = std::make_unique<RoadDriver>(Car(1), RoadDriver::DefaultOvalCorners(), 3.0);
    inputs.Input2 = std::make_unique<RoadDriver>(Car(2), RoadDriver::DefaultOvalCorners(), 2.0);

    int frames = 0;
    while (RunFrame(inputs) && frames < 10000)
        ++frames;

    ASSERT_TRUE(fields.RaceIsOver) << "after " << frames << " frames, laps " << fields.Laps1 << " and "
                                   << fields.Laps2;
    EXPECT_EQ(fields.Laps1, 2);
    EXPECT_LT(fields.Laps2, 2);
    EXPECT_EQ(RaceOverTitle(fields), QStringLiteral("Race Over  Green Car Won!!"));
    EXPECT_EQ(Settings().ReadInteger(Keys::Score(1), -1), 5);
    EXPECT_EQ(Settings().ReadInteger(Keys::Score(2), -1), 1 + fields.Laps2);
    EXPECT_GE(static_cast<RoadDriver &>(*inputs.Input1).WaypointsPassed(), 8);
    // The last frame still drew both parked cars, over the race-over texts.
    EXPECT_EQ(screen.Back().GetPixel(fields.StartX + 5, fields.StartY + 25), Car1Colour);
    EXPECT_EQ(screen.Back().GetPixel(fields.StartX + 5, fields.StartY + 50), Car2Colour);
    EXPECT_FALSE(RunFrame(inputs));
}

} // namespace
} // namespace drivetest
