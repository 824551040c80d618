#include "packfixture.h"
#include "spritemgr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace packtest;

TEST(FixedPoint, RoundsToTheNearestIntegerWithHalvesUpward)
{
    const struct
    {
        Fixed value;
        int expected;
    } cases[] = {
        {IntToFixed(3), 3},
        {IntToFixed(2) + FixedOne / 2, 3},
        {IntToFixed(2) + FixedOne / 2 - 1, 2},
        {IntToFixed(-3) + FixedOne / 2, -2}, // -2.5 rounds up to -2
        {IntToFixed(-3) + FixedOne / 2 - 1, -3},
        {-1, 0},
        {IntToFixed(-1000), -1000},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FixedToInt(c.value), c.expected) << c.value;
    EXPECT_EQ(DoubleToFixed(0.1), 6554) << "0.1 x 65536 = 6553.6 rounds to 6554";
    EXPECT_EQ(DoubleToFixed(-0.5 / 65536), 0) << "a half unit rounds upward";
}

class SpriteTest : public ::testing::Test
{
protected:
    SpriteTest()
        : pack({Block(10, 20, 1), Block(20, 10, 2), Block(4, 4, 3), Block(4, 4, 4), Block(4, 4, 5)})
    {
        pack.screen.Open();
        // Animation 0 "car": direction d shows image 0 for even d and 1 for odd d.
        DGCAnimation *car = manager.AnimationAt(manager.AddAnimation(QStringLiteral("car"), true, 100));
        for (int d = 0; d < 32; ++d)
            car->SetFrames(d, {d % 2});
        // Animation 1 "spin": images 2, 3, 4, not looping, 60 ms.
        manager.AnimationAt(manager.AddAnimation(QStringLiteral("spin"), false, 60))->SetAllFrames({2, 3, 4});
        manager.OnAnimationEnd = [this](TDGCSprite *sprite) { ended.push_back(sprite); };
    }

    OpenScreen pack;
    TDGCSpriteMgr manager{&pack.screen};
    std::vector<TDGCSprite *> ended;
};

TEST_F(SpriteTest, VelocityIsSpeedTimesSineAndMinusCosineRoundedPerComponent)
{
    TDGCRaceCar *car = manager.AddRaceCar(0, 100, 100, 0, 10, 0);
    auto fixed = [](double value) { return Fixed(std::floor(value * 65536 + 0.5)); };
    const struct
    {
        int direction;
        double speed;
    } cases[] = {{0, 1}, {8, 1}, {16, 2.5}, {24, 3}, {1, 10}, {5, 0.1}, {13, 7.3}, {31, 10}};
    for (const auto &c : cases) {
        car->SetDirection(c.direction);
        car->SetSpeed(c.speed);
        const double angle = c.direction * 11.25 * M_PI / 180;
        const double speed = FixedToDouble(DoubleToFixed(c.speed));
        EXPECT_EQ(car->VelocityX(), fixed(speed * std::sin(angle))) << c.direction;
        EXPECT_EQ(car->VelocityY(), fixed(-speed * std::cos(angle))) << c.direction;
    }
    car->SetSpeed(1);
    car->SetDirection(8);
    EXPECT_EQ(car->VelocityY(), 0) << "straight right has no vertical drift";
    EXPECT_EQ(car->VelocityX(), FixedOne);
    car->SetDirection(16);
    EXPECT_EQ(car->VelocityX(), 0);
    EXPECT_EQ(car->VelocityY(), FixedOne);
}

TEST_F(SpriteTest, RaceCarStepsAreAHundredthOfItsMaximum)
{
    TDGCRaceCar *car = manager.AddRaceCar(0, 0, 0, 8, 10, 0);
    EXPECT_EQ(car->MaxSpeed(), 10);
    EXPECT_EQ(car->Acceleration(), FixedToDouble(DoubleToFixed(0.1)));
    EXPECT_EQ(car->Deceleration(), FixedToDouble(DoubleToFixed(0.1)));
    EXPECT_EQ(car->TurnDelay, 50);
    EXPECT_EQ(car->Speed(), 0);
}

TEST_F(SpriteTest, AccelerateReachesTheMaximumInAHundredStepsAndDecelerateStopsAtTheMinimum)
{
    TDGCRaceCar *car = manager.AddRaceCar(0, 0, 0, 8, 10, 0);
    int steps = 0;
    while (car->Speed() < 10 && steps < 1000) {
        car->Accelerate();
        ++steps;
    }
    EXPECT_EQ(steps, 100);
    EXPECT_EQ(car->SpeedFixed(), IntToFixed(10)) << "the last step is cut to the maximum";
    car->Accelerate();
    EXPECT_EQ(car->Speed(), 10);

    car->SetDeceleration(1);
    steps = 0;
    while (car->Speed() > 0 && steps < 1000) {
        car->Decelerate();
        ++steps;
    }
    EXPECT_EQ(steps, 10);
    car->Decelerate();
    EXPECT_EQ(car->Speed(), 0) << "never below the minimum";

    car->SetSpeed(12); // setting the speed does not clamp it
    EXPECT_EQ(car->Speed(), 12);
    car->SetAcceleration(0);
    car->Accelerate();
    EXPECT_EQ(car->Speed(), 10) << "a zero step only limits the speed to the maximum";
}

TEST_F(SpriteTest, BounceMirrorsTheDirectionAtEachScreenEdge)
{
    // Cars standing still (speed 0), so only the bounce moves them; image 0 (10 x 20) shows for even
    // directions.
    const struct
    {
        int x, y, direction;
        int expectedX, expectedY, expectedDirection;
    } cases[] = {
        {-3, 100, 24, 0, 100, 8},     // off the left: x 0, left-right mirror
        {-3, 100, 0, 0, 100, 0},      // 0 stays 0
        {-3, 100, 16, 0, 100, 16},    // only a left-right mirror: 16 stays 16
        {795, 100, 8, 790, 100, 24},  // off the right while heading right
        {795, 100, 24, 795, 100, 24}, // past the right edge but heading left: left alone
        {100, -2, 0, 100, 0, 16},     // off the top: up-down mirror, d <= 16 gives 16 - d
        {100, -2, 30, 100, 0, 18},    // d above 16 gives 48 - d
        {100, 590, 16, 100, 580, 0},  // off the bottom while heading down
        {100, 590, 0, 100, 590, 0},   // heading up: left alone
        {-4, -4, 28, 0, 0, 12},       // a corner: left-right (28 -> 4), then up-down (4 -> 12)
    };
    for (const auto &c : cases) {
        TDGCRaceCar *car = manager.AddRaceCar(0, c.x, c.y, c.direction, 10, 0);
        car->EdgeAction = EdgeBounce;
        car->Move(0);
        EXPECT_EQ(car->X(), c.expectedX) << c.x << "," << c.y << " d" << c.direction;
        EXPECT_EQ(car->Y(), c.expectedY) << c.x << "," << c.y << " d" << c.direction;
        EXPECT_EQ(car->Direction(), c.expectedDirection) << c.x << "," << c.y << " d" << c.direction;
    }
}

TEST_F(SpriteTest, StopOutsideOnlyOnceTheSpriteIsWhollyOffTheScreen)
{
    const struct
    {
        int x, y, direction;
        bool stopped;
    } cases[] = {
        {-10, 100, 24, false}, // x + width = 0: still touching
        {-11, 100, 24, true},
        {801, 100, 8, true},
        {801, 100, 24, false}, // beyond the right edge but
                               // heading left
        {800, 100, 8, false},
        {100, -21, 0, true},
        {100, 601, 16, true},
        {100, 601, 0, false},
    };
    for (const auto &c : cases) {
        TDGCBouncer *cone = manager.AddBouncer(1, c.x, c.y, c.direction, 0);
        cone->EdgeAction = EdgeStopOutside;
        cone->Move(0);
        EXPECT_EQ(cone->Stopped, c.stopped) << c.x << "," << c.y << " d" << c.direction;
        EXPECT_EQ(cone->X(), c.x) << "stopping never moves the sprite";
    }
}

TEST_F(SpriteTest, NonLoopingAnimationEndsAfterItsLastFrameAndKeepsReportingIt)
{
    pack.clock.Set(1000);
    TDGCBouncer *cone = manager.AddBouncer(3, 50, 50, 0, 1);
    ASSERT_EQ(cone->ImageNumber(), 2);
    const std::uint32_t ticks[] = {1059, 1060, 1100, 1120, 1180, 1200, 1240};
    std::vector<int> images;
    std::vector<int> endsSeen;
    for (std::uint32_t tick : ticks) {
        manager.MoveAll(tick);
        images.push_back(cone->ImageNumber());
        endsSeen.push_back(int(ended.size()));
    }
    EXPECT_EQ(images, (std::vector<int>{2, 3, 3, 4, 4, 4, 4}));
    EXPECT_EQ(endsSeen, (std::vector<int>{0, 0, 0, 0, 1, 1, 2})) << "again each time the delay passes";
    EXPECT_EQ(ended.front(), cone);
}

TEST_F(SpriteTest, LoopingAnimationStartsAgainAndDirectionRestartsItWithItsSize)
{
    TDGCRaceCar *car = manager.AddRaceCar(0, 0, 0, 0, 10, 0);
    EXPECT_EQ(car->Width(), 10);
    EXPECT_EQ(car->Height(), 20);
    car->SetDirection(1);
    EXPECT_EQ(car->ImageNumber(), 1);
    EXPECT_EQ(car->Width(), 20);
    EXPECT_EQ(car->Height(), 10);
    manager.MoveAll(500);
    EXPECT_EQ(car->ImageNumber(), 1);
    EXPECT_TRUE(ended.empty());

    car->SetAnimation(1);
    EXPECT_EQ(car->Direction(), 1) << "a new animation keeps the direction";
    EXPECT_EQ(car->ImageNumber(), 2);
    EXPECT_EQ(car->Width(), 4);
}

TEST_F(SpriteTest, MoveAllStepsEachKindOfSpriteItsOwnWay)
{
    TDGCRaceCar *car = manager.AddRaceCar(0, 100, 100, 8, 10, 0);
    car->SetSpeed(2);
    car->Stopped = true;
    TDGCBouncer *stopped = manager.AddBouncer(1, 200, 200, 16, 0);
    stopped->SetMaxSpeed(3);
    stopped->SetSpeed(5);
    stopped->Stopped = true;
    TDGCBouncer *rolling = manager.AddBouncer(2, 300, 300, 16, 0);
    rolling->SetMaxSpeed(3);
    rolling->SetSpeed(5);
    TDGCStatic *line = manager.AddStatic(0, 400, 400, 8, 0);
    line->SetSpeed(4);
    TDGCRaceCar *disabled = manager.AddRaceCar(0, 10, 10, 8, 10, 0);
    disabled->SetSpeed(5);
    disabled->Enabled = false;

    manager.MoveAll(0);

    EXPECT_FALSE(car->Stopped) << "a race car clears Stopped";
    EXPECT_EQ(car->X(), 102);
    EXPECT_EQ(stopped->Y(), 200) << "a stopped bouncer stays";
    EXPECT_EQ(stopped->Speed(), 3) << "but still accelerates, which limits it to its maximum";
    EXPECT_EQ(rolling->Y(), 303) << "limited first, then moved";
    EXPECT_EQ(line->X(), 400);
    EXPECT_EQ(disabled->X(), 10);
}

TEST_F(SpriteTest, DrawAllDrawsVisibleSpritesInListOrderWithIndexZeroTransparent)
{
    pack.sprites.Clear();
    OpenScreen small({Picture({"11", "1."}), Picture({".2", "22"})});
    small.screen.Open();
    TDGCSpriteMgr sprites(&small.screen);
    sprites.AnimationAt(sprites.AddAnimation(QStringLiteral("a"), true, 0))->SetAllFrames({0});
    sprites.AnimationAt(sprites.AddAnimation(QStringLiteral("b"), true, 0))->SetAllFrames({1});
    sprites.AddStatic(0, 10, 10, 0, 0);
    sprites.AddStatic(0, 10, 10, 0, 1);
    TDGCStatic *hidden = sprites.AddStatic(0, 20, 20, 0, 0);
    hidden->Visible = false;
    small.screen.Back().Erase(7);

    sprites.DrawAll();

    const TDGCSurface &back = small.screen.Back();
    EXPECT_EQ(back.GetPixel(10, 10), 1) << "second sprite's transparent pixel";
    EXPECT_EQ(back.GetPixel(11, 10), 2) << "drawn over the first";
    EXPECT_EQ(back.GetPixel(11, 11), 2) << "the first sprite's transparent pixel, covered by the second";
    EXPECT_EQ(back.GetPixel(12, 10), 7) << "beside both";
    EXPECT_EQ(back.GetPixel(20, 20), 7) << "hidden sprites are not drawn";
}

TEST_F(SpriteTest, SpritesOverlapIsPreciseAndNeedsBothEnabled)
{
    pack.sprites.Clear();
    OpenScreen small({Picture({"1.", ".."}), Picture({"..", ".2"})});
    small.screen.Open();
    TDGCSpriteMgr sprites(&small.screen);
    sprites.AnimationAt(sprites.AddAnimation(QStringLiteral("a"), true, 0))->SetAllFrames({0});
    sprites.AnimationAt(sprites.AddAnimation(QStringLiteral("b"), true, 0))->SetAllFrames({1});
    TDGCStatic *first = sprites.AddStatic(0, 10, 10, 0, 0);
    TDGCStatic *second = sprites.AddStatic(0, 10, 10, 0, 1);
    EXPECT_FALSE(sprites.SpritesOverlap(0, 1)) << "boxes overlap, pixels do not";
    second->MoveTo(9, 9);
    EXPECT_TRUE(sprites.SpritesOverlap(0, 1));
    first->Visible = false;
    EXPECT_TRUE(sprites.SpritesOverlap(0, 1)) << "visibility plays no part";
    first->Enabled = false;
    EXPECT_FALSE(sprites.SpritesOverlap(0, 1));
    EXPECT_FALSE(sprites.SpritesOverlap(0, 5)) << "no such sprite";
}
