// Cones: hits and bonus points, the spin, parking and scattering on the road.
#include "drivecar.h"
#include "drivecones.h"
#include "drivescene.h"
#include "raceflowsound.h"

namespace drivetest {
namespace {

class ConeTest : public DriveTest
{
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        SetUpRaceUnderWay();
        Place(1, 200, 60, 8, 0);
        Place(2, 200, 100, 8, 0);
    }
    // Moves a still cone onto the road in play.
    void PutCone(int i, int x, int y)
    {
        ParkSpunCone(scene, Cone(i));
        Cone(i).MoveTo(x, y);
        Cone(i).Visible = true;
        Cone(i).Stopped = false;
    }
    bool OnRoad(const dgc::TDGCSprite &cone)
    {
        return !cone.Image()->Overlaps(cone.X(), cone.Y(), screen.Back(), 0, 0, true);
    }
};

TEST_F(ConeTest, AConeHitSpinsAwayInTheCarsDirectionAtTheCarsSpeedPlusTwoCappedAtItsMaximumPlusOne)
{
    const struct
    {
        int player;
        double carSpeed, spinSpeed;
    } cases[] = {{1, 3, 5}, {1, 10, 11}, {2, 3, 5}, {2, 10, 11}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.player * 100 + int(c.carSpeed));
        ClearCones();
        fields.BonusScore1 = fields.BonusScore2 = 0;
        sound.played.clear();
        Place(c.player, 200, 500, 8, c.carSpeed);
        PutCone(3, 200 + CarWidth + 2, 505);
        PutCone(5, 200 + CarWidth + 2, 505); // touched as well, but only the first cone counts
        RunStep();
        const std::int32_t bonus = c.player == 1 ? fields.BonusScore1 : fields.BonusScore2;
        EXPECT_EQ(bonus, 10);
        EXPECT_EQ(Cone(3).Animation(), Animation::SpinCone);
        EXPECT_EQ(Cone(3).EdgeAction, dgc::EdgeStopOutside);
        EXPECT_EQ(Cone(3).Direction(), 8);
        EXPECT_DOUBLE_EQ(Cone(3).MaxSpeed(), 11);
        EXPECT_DOUBLE_EQ(Cone(3).Speed(), c.carSpeed + 2);
        EXPECT_EQ(Cone(5).Animation(), Animation::Cone);
        EXPECT_EQ(sound.played, std::vector<int>{Sound::Cone});

        // Moving with manager 1 it keeps its speed, limited to its maximum.
        const int x = Cone(3).X();
        SpriteMgr1.MoveAll(clock.TickCount());
        EXPECT_DOUBLE_EQ(Cone(3).Speed(), c.spinSpeed);
        EXPECT_EQ(Cone(3).X(), x + int(c.spinSpeed));
        Place(c.player, 200, 60 + 40 * c.player, 8, 0);
    }
}

TEST_F(ConeTest, ASpunConeIsParkedAndOnceAllAreParkedTheNextFrameScattersEveryOneOnTheRoad)
{
    Place(1, 200, 500, 8, 4);
    PutCone(1, 200 + CarWidth + 2, 505);
    for (int i = 2; i <= 10; ++i) {
        ParkSpunCone(scene, Cone(i));
        EXPECT_TRUE(Cone(i).Stopped);
    }
    RunStep();
    ASSERT_EQ(Cone(1).Animation(), Animation::SpinCone);
    // The spin's seven frames take 60 ms each; the screen refreshes every 16 ms.
    for (int frame = 0; frame < 40 && !Cone(1).Stopped; ++frame) {
        Place(1, 200, 500, 8, 0);
        RunStep();
    }
    ASSERT_TRUE(Cone(1).Stopped);
    EXPECT_FALSE(Cone(1).Visible);
    EXPECT_EQ(Cone(1).X(), 0);
    EXPECT_EQ(Cone(1).Y(), 0);
    EXPECT_EQ(Cone(1).Animation(), Animation::Cone);
    EXPECT_EQ(Cone(1).EdgeAction, dgc::EdgeBounce);

    DrawTrack();
    CheckCones(scene);
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(Cone(i).Visible);
        EXPECT_FALSE(Cone(i).Stopped);
        EXPECT_DOUBLE_EQ(Cone(i).Speed(), 0);
        EXPECT_TRUE(OnRoad(Cone(i)));
    }
}

TEST_F(ConeTest, CheckingHidesStoppedConesUpToTheFirstOneInPlay)
{
    for (int i = 1; i <= 10; ++i) {
        ParkSpunCone(scene, Cone(i));
        Cone(i).Visible = true;
    }
    Cone(4).Stopped = false;
    CheckCones(scene);
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(Cone(i).Visible) << i;
    for (int i = 4; i <= 10; ++i)
        EXPECT_TRUE(Cone(i).Visible) << i;
    EXPECT_EQ(Cone(4).X(), 0); // nothing scattered
}

TEST_F(ConeTest, EveryRunOfTheProgramScattersTheConesOnTheSameSpots)
{
    DrawTrack();
    ScatterCones(scene);
    std::vector<std::pair<int, int>> first;
    for (int i = 1; i <= 10; ++i)
        first.emplace_back(Cone(i).X(), Cone(i).Y());

    random = FixedSeedRandom();
    ScatterCones(scene);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(std::make_pair(Cone(i).X(), Cone(i).Y()), first[std::size_t(i - 1)]);
    ScatterCones(scene);
    EXPECT_NE(std::make_pair(Cone(1).X(), Cone(1).Y()), first[0]); // the sequence goes on
}

TEST_F(ConeTest, AConeFindingNoRoadIn499PlacementsStaysAtTheLast)
{
    screen.Back().Erase(Grass);
    ScatterCones(scene);
    FixedSeedRandom replay;
    for (int i = 1; i <= 10; ++i) {
        int x = 0, y = 0;
        for (int placement = 0; placement < MaxConePlacements; ++placement) {
            x = replay.Random(800);
            y = replay.Random(600);
        }
        EXPECT_EQ(Cone(i).X(), x) << i;
        EXPECT_EQ(Cone(i).Y(), y) << i;
        EXPECT_TRUE(Cone(i).Visible);
    }
}

TEST_F(ConeTest, AParkedConeInTheCornerScoresOnEveryFrameACarTouchesIt)
{
    ParkSpunCone(scene, Cone(2));
    Place(1, 5, 5, 24, 0);
    RunStep();
    Place(1, 5, 5, 24, 0);
    RunStep();
    EXPECT_EQ(fields.BonusScore1, 20);
}

} // namespace
} // namespace drivetest
