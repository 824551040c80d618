// Driving: the wall turn and its hints, the wall response, the underpass of a crossing, and contact
// between the cars.
#include "drivecar.h"
#include "drivescene.h"
#include "raceflow.h"
#include "raceflowsound.h"

namespace drivetest {
namespace {

class DrivingTest : public DriveTest
{
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        SetUpRaceUnderWay();
    }
};

// A car of 24 x 25 at (196, 296): its corners and the hint cells its sectors look at.
constexpr int X = 196;
constexpr int Y = 296;

struct WallTurnCase
{
    int direction;
    const char *offCorner; // "TL", "TR", "BL", "BR" or "" for none
    bool turns;
    int lookColumn, lookRow; // hint cell of the sector's lookup point
};

class WallTurnTest : public DrivingTest, public ::testing::WithParamInterface<WallTurnCase>
{
};

TEST_P(WallTurnTest, TurnsByTheHintAtTheSectorsLookupPointOnlyWhenAWatchedCornerIsOffRoad)
{
    const WallTurnCase c = GetParam();
    screen.Back().Erase(Road);
    const std::map<std::string, std::pair<int, int>> corners = {{"TL", {X, Y}},
                                                                {"TR", {X + CarWidth, Y}},
                                                                {"BL", {X, Y + CarHeight}},
                                                                {"BR", {X + CarWidth, Y + CarHeight}}};
    if (auto corner = corners.find(c.offCorner); corner != corners.end())
        screen.Back().SetPixel(corner->second.first, corner->second.second, Grass);
    // -1 everywhere but the cell the sector should look at, so a wrong lookup shows.
    for (auto &row : HintGrid)
        row.fill(-1);
    HintGrid[std::size_t(c.lookRow)][std::size_t(c.lookColumn)] = 1;

    const int expected = c.turns ? c.direction + 1 : c.direction;
    EXPECT_EQ(WallTurn(scene, X, Y, c.direction, CarHeight, CarWidth), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sectors, WallTurnTest,
    ::testing::Values(WallTurnCase{0, "", true, 4, 9}, // straight up always turns
                      WallTurnCase{2, "BL", false, 4, 9}, WallTurnCase{2, "TR", true, 4, 9},
                      WallTurnCase{6, "TL", false, 5, 10}, WallTurnCase{6, "BR", true, 5, 10},
                      WallTurnCase{10, "BL", false, 5, 10}, WallTurnCase{10, "TL", true, 5, 10},
                      WallTurnCase{14, "TL", false, 5, 10}, WallTurnCase{14, "BL", true, 5, 10},
                      WallTurnCase{18, "TR", false, 5, 10}, WallTurnCase{18, "BR", true, 5, 10},
                      WallTurnCase{22, "TR", false, 4, 10}, WallTurnCase{22, "BL", true, 4, 10},
                      WallTurnCase{26, "BR", false, 4, 10}, WallTurnCase{26, "TR", true, 4, 10},
                      WallTurnCase{30, "BL", false, 4, 9}, WallTurnCase{30, "TL", true, 4, 9}));

TEST_F(DrivingTest, APointBeyondTheHintGridTakesTheNearestCellsHint)
{
    for (auto &row : HintGrid)
        row.fill(0);
    HintGrid[19][19] = 1;
    HintGrid[0][0] = -1;
    HintGrid[0][19] = 1;
    EXPECT_EQ(NearestHint(scene, 800, 600), 1); // the right and bottom edge: column and row 20
    EXPECT_EQ(NearestHint(scene, 799, 599), 1);
    EXPECT_EQ(NearestHint(scene, -50, -40), -1);
    EXPECT_EQ(NearestHint(scene, 900, 10), 1);
    EXPECT_EQ(NearestHint(scene, 400, 300), 0);
}

TEST_F(DrivingTest, WallTurnResultsWrapDifferentlyForEachCar)
{
    const struct
    {
        int r, car1, car2;
    } cases[] = {{32, 1, 0}, {31, 1, 0}, {30, 30, 30}, {1, 1, 1}, {0, 30, 31}, {-1, 30, 31}};
    for (const auto &c : cases) {
        EXPECT_EQ(WrapWallTurn(1, c.r), c.car1) << c.r;
        EXPECT_EQ(WrapWallTurn(2, c.r), c.car2) << c.r;
    }
}

TEST_F(DrivingTest, ACarWithoutInputKeepsRollingAtItsSpeed)
{
    Place(1, 200, 500, 8, 4);
    Place(2, 200, 60, 8, 0);
    for (int frame = 0; frame < 10; ++frame)
        RunStep();
    EXPECT_EQ(Car(1).X(), 240);
    EXPECT_EQ(Car(1).Y(), 500);
    EXPECT_DOUBLE_EQ(Car(1).Speed(), 4);
    EXPECT_EQ(Car(2).X(), 200);
    EXPECT_EQ(fields.WallCount1, 0);
}

// The bottom straight's road ends at y 567: a car at y 546 heading down overlaps the grass by 3 rows.
TEST_F(DrivingTest, WallResponseThrowsBackThenHoldsAndStopsCar1OnTheFourthFrameWhileCar2LosesOne)
{
    Place(1, 600, 546, 16, 3);
    Place(2, 240, 546, 16, 3);
    struct Expected
    {
        int y, wallCount, direction;
        double speed1, speed2;
    };
    const Expected frames[] = {
        {543, 1, 15, 3, 3}, // thrown back one step behind its position before the move
        {543, 2, 14, 3, 3}, // held at its position before the move
        {543, 3, 13, 3, 3},
        {543, 4, 12, 0, 2}, // the fourth contact: car 1 stops dead, car 2 loses 1
    };
    for (const Expected &e : frames) {
        RunStep();
        SCOPED_TRACE(e.wallCount);
        EXPECT_EQ(Car(1).X(), 600);
        EXPECT_EQ(Car(1).Y(), e.y);
        EXPECT_EQ(fields.WallCount1, e.wallCount);
        EXPECT_EQ(Car(1).Direction(), e.direction);
        EXPECT_DOUBLE_EQ(Car(1).Speed(), e.speed1);
        EXPECT_EQ(Car(2).X(), 240);
        EXPECT_EQ(Car(2).Y(), e.y);
        EXPECT_EQ(fields.WallCount2, e.wallCount);
        EXPECT_DOUBLE_EQ(Car(2).Speed(), e.speed2);
    }
    EXPECT_EQ(std::count(sound.played.begin(), sound.played.end(), Sound::Wall), 8);

    // Standing clear of the grass again, the count starts afresh.
    RunStep();
    EXPECT_EQ(fields.WallCount1, 0);
    EXPECT_EQ(Car(1).Y(), 543);
}

TEST_F(DrivingTest, CarsLeavingAWallHeadingStraightUpTurnAwayFromDirectionsZeroAndThirtyOne)
{
    const struct
    {
        int direction, hint, car1, car2;
    } cases[] = {{0, 0, 30, 31}, {0, 1, 1, 1}, {31, 1, 1, 0}, {1, -1, 30, 31}};
    for (const auto &c : cases) {
        for (auto &row : HintGrid)
            row.fill(std::int8_t(c.hint));
        // The top edge of the bottom straight's road is y 484: both cars overlap the grass above it.
        Place(1, 600, 482, c.direction, 2);
        Place(2, 240, 482, c.direction, 2);
        fields.WallCount1 = fields.WallCount2 = 0;
        RunStep();
        EXPECT_EQ(Car(1).Direction(), c.car1) << c.direction << " hint " << c.hint;
        EXPECT_EQ(Car(2).Direction(), c.car2) << c.direction << " hint " << c.hint;
    }
}

TEST_F(DrivingTest, CarsMeetingHeadOnSwapDirectionsAndBounceBackWithOnlyCar1Sounding)
{
    Place(1, 400, 500, 8, 3);
    Place(2, 426, 500, 24, 3);
    RunStep();
    EXPECT_EQ(Car(1).X(), 397);
    EXPECT_EQ(Car(1).Direction(), 24);
    EXPECT_DOUBLE_EQ(Car(1).Speed(), 2);
    EXPECT_EQ(Car(2).X(), 429);
    EXPECT_EQ(Car(2).Direction(), 8);
    EXPECT_DOUBLE_EQ(Car(2).Speed(), 2);
    EXPECT_EQ(std::count(sound.played.begin(), sound.played.end(), Sound::Signal), 1);
}

TEST_F(DrivingTest, CarsAtSpeedOneOrInAWallKeepTheirSpeedInAContact)
{
    Place(1, 400, 500, 8, 1);
    Place(2, 424, 500, 24, 1);
    RunStep();
    EXPECT_EQ(Car(1).Direction(), 24);
    EXPECT_DOUBLE_EQ(Car(1).Speed(), 1);
    EXPECT_DOUBLE_EQ(Car(2).Speed(), 1);
    EXPECT_TRUE(sound.played.empty());
}

// A crossing at column 2, row 2 with straights around it. Its north-south road runs on x 359..442; the
// lower marker bar lies on y 422..433, the west-east road on y 334..417, the upper bar on y 318..329.
class UnderpassTest : public DrivingTest
{
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        SetUpRace(TrackOf({12, 12, 12, 12, 12, //
                           12, 12, 5,  12, 12, //
                           6,  6,  7,  6,  6,  //
                           12, 12, 5,  12, 12}));
        ClearCones();
        sound.pollsPerPlay = 0;
        fields.StartPending = false;
        Place(2, 100, 60, 8, 0);
    }
};

TEST_F(UnderpassTest, ACarDrivingNorthIsHiddenUnderTheCrossingAndReappearsOneFrameAfterComingOut)
{
    Place(1, 380, 440, 0, 4);
    RunStep();
    EXPECT_EQ(Car(1).Y(), 436);
    EXPECT_FALSE(fields.Hidden1);

    RunStep(); // touches the lower marker bar at y 432
    EXPECT_TRUE(fields.Hidden1);
    EXPECT_FALSE(Car(1).Visible);
    EXPECT_EQ(Car(1).Direction(), 31);
    EXPECT_EQ(Car(1).Y(), 432 - CarHeight - 25 - 4);
    EXPECT_DOUBLE_EQ(Car(1).Speed(), 4); // no wall response while hidden

    int frames = 0;
    while (!fields.Reappear1 && frames++ < 40)
        RunStep();
    ASSERT_TRUE(fields.Reappear1);
    EXPECT_FALSE(Car(1).Visible);
    EXPECT_LT(Car(1).Y() + CarHeight, 318); // beyond the upper bar
    const int yOut = Car(1).Y();

    RunStep();
    EXPECT_TRUE(Car(1).Visible);
    EXPECT_FALSE(fields.Hidden1);
    EXPECT_FALSE(fields.Reappear1);
    EXPECT_LT(Car(1).Y(), yOut);
}

TEST_F(UnderpassTest, AHiddenCarNeitherScoresConesNorTouchesTheOtherCar)
{
    Place(1, 380, 440, 0, 4);
    RunStep();
    RunStep();
    ASSERT_TRUE(fields.Hidden1);
    // Car 2 and a cone stand right where the hidden car passes on the west-east road.
    Place(2, Car(1).X(), Car(1).Y() - 8, 8, 0);
    Cone(1).MoveTo(Car(1).X() - 2, Car(1).Y() - 40);
    Cone(1).Visible = true;
    const int coneX = Cone(1).X();
    for (int frame = 0; frame < 8; ++frame)
        RunStep();
    ASSERT_TRUE(fields.Hidden1);
    ASSERT_TRUE(
        Car(1).Image()->Overlaps(Car(1).X(), Car(1).Y(), *Cone(1).Image(), Cone(1).X(), Cone(1).Y(), true));
    EXPECT_EQ(fields.BonusScore1, 0);
    EXPECT_EQ(Cone(1).X(), coneX);
    EXPECT_EQ(Car(2).Direction(), 8);
    EXPECT_EQ(Car(1).Direction(), 31);
}

TEST_F(UnderpassTest, ACarDrivingSouthGoesDownUnderTheCrossing)
{
    Place(1, 380, 286, 16, 4); // touches the upper bar (y 318..329) on its second frame
    RunStep();
    RunStep();
    ASSERT_TRUE(fields.Hidden1);
    EXPECT_EQ(Car(1).Direction(), 16);
    EXPECT_EQ(Car(1).Y(), 294 + CarHeight + 25 + 4);
}

TEST_F(UnderpassTest, TouchingTheRoadsideOfAnOtherTileShowsAHiddenCarAgain)
{
    fields.Hidden1 = true;
    Car(1).Visible = false;
    Place(1, 200, 410, 8, 2); // west-east straight at column 1, overlapping the grass below its road
    RunStep();
    EXPECT_FALSE(fields.Hidden1);
    EXPECT_TRUE(Car(1).Visible);
    EXPECT_EQ(fields.WallCount1, 1);
}

// The 640 x 480 screen: tiles of 128 x 120 and marker colour 245. The crossing at column 2, row 2 spans
// x 257..384 and y 241..360; its north-south road runs on x 279..362, the lower bar on y 346..356, the
// west-east road on y 259..342 and the band above it on y 256..258.
class Underpass640Test : public DriveTest
{
protected:
    Underpass640Test()
        : DriveTest(dgc::dm640x480x8)
    {}
    void SetUp() override
    {
        DriveTest::SetUp();
        SetUpRace(TrackOf({12, 12, 12, 12, 12, //
                           12, 12, 5,  12, 12, //
                           6,  6,  7,  6,  6,  //
                           12, 12, 5,  12, 12}));
        ClearCones();
        sound.pollsPerPlay = 0;
        fields.StartPending = false;
        Place(2, 60, 30, 8, 0);
    }
};

TEST_F(Underpass640Test, TheSmallCrossingsMarkersSendACarThroughTheUnderpassToo)
{
    ASSERT_EQ(MarkerColour, 245);
    Place(1, 300, 362, 0, 4);
    RunStep();
    EXPECT_FALSE(fields.Hidden1);
    RunStep(); // touches the lower bar at y 354
    ASSERT_TRUE(fields.Hidden1);
    EXPECT_EQ(Car(1).Y(), 354 - CarHeight - 25 - 4);
    int frames = 0;
    while (!fields.Reappear1 && frames++ < 40)
        RunStep();
    ASSERT_TRUE(fields.Reappear1);
    EXPECT_LT(Car(1).Y() + CarHeight, 245); // beyond the upper bar, on the straight above
    RunStep();
    EXPECT_TRUE(Car(1).Visible);
}

} // namespace
} // namespace drivetest
