#include "joystickinput.h"
#include "scriptedservices.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace sk2 {
namespace {

using win::DWORD;

class JoystickInputTest : public ScriptedServices
{
protected:
    std::unique_ptr<TJoyStick> Stick(std::uint32_t id, int sensitivity)
    {
        return std::make_unique<TJoyStick>(id, sensitivity, Services());
    }

    void Hold(std::uint32_t id, DWORD x, DWORD y, DWORD buttons = 0)
    {
        joysticks.Stick(id).reading.axes[0] = x;
        joysticks.Stick(id).reading.axes[1] = y;
        joysticks.Stick(id).reading.buttons = buttons;
    }
};

TEST_F(JoystickInputTest, DeadZonesFollowTheSensitivity)
{
    struct Case
    {
        int sensitivity;
        win::UINT min, max;
        std::int32_t deadMin, deadMax, width;
    };
    const Case cases[] = {
        {5, 0, 65535, -32768, 98302, 131070},  // counts as 10
        {10, 0, 65535, -32768, 98302, 131070}, // twice the axis
        {20, 0, 65535, -1, 65534, 65535},      // only full deflection to the high end
        {25, 0, 65535, 6553, 58981, 52428},    // four fifths
        {150, 0, 65535, 28398, 37136, 8738},   // two fifteenths
        {25, 1000, 65535, 6453, 58081, 51628}, // centred on half the range from zero, not from the minimum
        {10, 0, std::numeric_limits<win::UINT>::max(), std::numeric_limits<std::int32_t>::min(),
         std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.sensitivity << " over " << c.min << ".." << c.max);
        win::ScriptedStick &stick = joysticks.Connect(win::JOYSTICKID1);
        stick.caps.wXmin = stick.caps.wYmin = c.min;
        stick.caps.wXmax = stick.caps.wYmax = c.max;
        auto device = Stick(win::JOYSTICKID1, c.sensitivity);
        ASSERT_TRUE(device->Available);
        EXPECT_EQ(device->DeadMinX, c.deadMin);
        EXPECT_EQ(device->DeadMaxX, c.deadMax);
        EXPECT_EQ(device->DeadMinY, c.deadMin);
        EXPECT_EQ(device->DeadMaxY, c.deadMax);
        EXPECT_EQ(device->DeadWidth, c.width);
    }
}

TEST_F(JoystickInputTest, EachAxisHasItsOwnZoneAndDeadWidthEndsWithY)
{
    win::ScriptedStick &stick = joysticks.Connect(win::JOYSTICKID2);
    stick.caps.wYmax = 1000;
    auto device = Stick(win::JOYSTICKID2, 25);
    EXPECT_EQ(device->DeadMaxX, 58981);
    EXPECT_EQ(device->DeadMaxY, 900);
    EXPECT_EQ(device->DeadMinY, 100);
    EXPECT_EQ(device->DeadWidth, 800);
}

TEST_F(JoystickInputTest, DirectionsBeyondTheDeadZone)
{
    struct Case
    {
        int sensitivity;
        DWORD x, y;
        bool up, down, left, right;
    };
    const Case cases[] = {
        {25, 32767, 32767, false, false, false, false}, {25, 58982, 6552, true, false, false, true},
        {25, 58981, 6553, false, false, false, false},  {25, 6552, 58982, false, true, true, false},
        {20, 65535, 65535, false, true, false, true},   {20, 65534, 0, false, false, false, false},
        {10, 0, 65535, false, false, false, false},     {5, 65535, 0, false, false, false, false},
        {150, 28397, 37137, false, true, true, false},  {150, 37136, 28398, false, false, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.sensitivity << " at (" << c.x << ", " << c.y << ")");
        joysticks.Connect(win::JOYSTICKID1);
        auto device = Stick(win::JOYSTICKID1, c.sensitivity);
        Hold(win::JOYSTICKID1, c.x, c.y);
        EXPECT_EQ(device->Up(), c.up);
        EXPECT_EQ(device->Down(), c.down);
        EXPECT_EQ(device->Left(), c.left);
        EXPECT_EQ(device->Right(), c.right);
    }
}

TEST_F(JoystickInputTest, ButtonsFireByTheReportedButtonNumber)
{
    joysticks.Connect(win::JOYSTICKID1);
    auto device = Stick(win::JOYSTICKID1, 25);
    struct Case
    {
        DWORD buttons; // the service reports how many are down as the button number
        bool fire1, fire2;
    };
    const Case cases[] = {{0b0, false, false},
                          {0b1, true, false},
                          {0b100, true, false},
                          {0b11, false, true},
                          {0b111, false, false}};
    for (const Case &c : cases) {
        Hold(win::JOYSTICKID1, 32767, 32767, c.buttons);
        EXPECT_EQ(device->Fire1(), c.fire1) << c.buttons;
        EXPECT_EQ(device->Fire2(), c.fire2) << c.buttons;
    }
}

TEST_F(JoystickInputTest, EveryQueryReadsTheStickAfresh)
{
    win::ScriptedStick &stick = joysticks.Connect(win::JOYSTICKID1);
    auto device = Stick(win::JOYSTICKID1, 25);
    Hold(win::JOYSTICKID1, 32767, 0);
    EXPECT_TRUE(device->Up());
    Hold(win::JOYSTICKID1, 32767, 32767);
    EXPECT_FALSE(device->Up());
    EXPECT_EQ(stick.polls, 3) << "the probe and one poll per query";
}

TEST_F(JoystickInputTest, AFailedPollAnswersFalseAndTheNextOneTriesAgain)
{
    win::ScriptedStick &stick = joysticks.Connect(win::JOYSTICKID1);
    auto device = Stick(win::JOYSTICKID1, 25);
    Hold(win::JOYSTICKID1, 65535, 0, 0b1);
    stick.failingPolls = 1;
    EXPECT_FALSE(device->Up());
    EXPECT_TRUE(device->Available);
    EXPECT_TRUE(device->Up());
    EXPECT_TRUE(device->Right());
    EXPECT_TRUE(device->Fire1());
}

TEST_F(JoystickInputTest, AMissingJoystickIsUnavailableAndNeverAsked)
{
    joysticks.Connect(win::JOYSTICKID1);
    auto device = Stick(win::JOYSTICKID2, 25);
    EXPECT_FALSE(device->Available);
    EXPECT_FALSE(device->Connected);
    EXPECT_EQ(device->JoyId, 1u);
    EXPECT_EQ(trace, QStringList{"No joystick 1"});
    joysticks.Connect(win::JOYSTICKID2); // plugged in too late for this race
    Hold(win::JOYSTICKID2, 0, 0, 0b1);
    EXPECT_FALSE(device->Up());
    EXPECT_FALSE(device->Left());
    EXPECT_FALSE(device->Fire1());
    EXPECT_EQ(joysticks.Stick(win::JOYSTICKID2).polls, 0);
}

TEST_F(JoystickInputTest, InitTracesTheCapabilitiesAndZones)
{
    win::ScriptedStick &stick = joysticks.Connect(win::JOYSTICKID1);
    stick.caps.wYmin = 100;
    stick.caps.wYmax = 1100;
    auto device = Stick(win::JOYSTICKID1, 25);
    EXPECT_TRUE(device->Connected);
    EXPECT_EQ(trace, QStringList({
                         "joystick  max X 65535",
                         "joystick  min X 0",
                         "joystick dead max X 58981",
                         "joystick dead min X 6553",
                         "joystick  max y 1100",
                         "joystick  min y 100",
                         "joystick dead max Y 900",
                         "joystick dead min Y 100",
                     }));
}

TEST_F(JoystickInputTest, UnreadableCapabilitiesMeanTheUsualAxes)
{
    win::ScriptedStick &stick = joysticks.Connect(win::JOYSTICKID1);
    stick.capsFail = true;
    auto device = Stick(win::JOYSTICKID1, 25);
    EXPECT_TRUE(device->Available);
    EXPECT_EQ(device->DeadMaxX, 58981);
    EXPECT_EQ(device->DeadMinY, 6553);
    Hold(win::JOYSTICKID1, 32767, 32767);
    EXPECT_FALSE(device->Down());
    EXPECT_FALSE(device->Right());
}

} // namespace
} // namespace sk2
