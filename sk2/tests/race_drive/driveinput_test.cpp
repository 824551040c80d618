// The players' devices in the race: how they are made from the settings and how their polls steer the
// cars.
#include "driveinput.h"
#include "drivescene.h"
#include "scriptedinput.h"
#include "sk2settings.h"
#include "virtualkeys.h"

namespace drivetest {
namespace {

// Speeds are fixed-point numbers: 0.1 is 6554 / 65536.
constexpr double Step = 1.0 / 65536 * 4;

class DriveInputTest : public DriveTest
{
protected:
    void SetUp() override
    {
        DriveTest::SetUp();
        SetUpRace(DefaultTrack());
        fields.LastPoll = 0;
    }
    void WriteSetting(SettingKey key, std::int32_t value) { Settings().WriteInteger(key, value); }
    TRaceInputs Devices() { return CreateInputDevices(Settings(), services); }
    // One frame's input step at the present time, then the clock moves on one 16 ms refresh.
    void PollFrame(TRaceInputs &inputs)
    {
        PollInputs(fields, inputs.Input1.get(), inputs.Input2.get(), Car(1), Car(2), clock.TickCount(), 50);
        clock.Advance(16);
    }

    win::KeyStateTable keys;
    win::ScriptedPointer pointer;
    win::ScriptedJoysticks joysticks;
    win::InputServices services{keys, pointer, joysticks};
};

TEST_F(DriveInputTest, GasTakesACarFromStandstillToTenInAHundredPollsAndBrakesStopItInTen)
{
    TRaceInputs inputs = Devices();
    ASSERT_TRUE(inputs.Input1 && inputs.Input1->Available);
    keys.Press(win::VK_UP);
    int polls = 0;
    while (Car(1).Speed() < 10 && polls < 200) {
        PollInput(*inputs.Input1, Car(1));
        ++polls;
    }
    EXPECT_EQ(polls, 100);
    PollInput(*inputs.Input1, Car(1));
    EXPECT_DOUBLE_EQ(Car(1).Speed(), 10);

    keys.Release(win::VK_UP);
    keys.Press(win::VK_DOWN);
    for (polls = 0; Car(1).Speed() > 0 && polls < 50;)
        PollInput(*inputs.Input1, Car(1)), ++polls;
    EXPECT_EQ(polls, 10);
    PollInput(*inputs.Input1, Car(1));
    EXPECT_DOUBLE_EQ(Car(1).Speed(), 0); // cars never reverse
}

TEST_F(DriveInputTest, TurningStepsOneDirectionAndWrapsBetweenZeroAndThirtyOne)
{
    TRaceInputs inputs = Devices();
    const struct
    {
        int from;
        std::vector<int> held;
        int to;
    } cases[] = {{0, {win::VK_LEFT}, 31},
                 {31, {win::VK_RIGHT}, 0},
                 {8, {win::VK_RIGHT}, 9},
                 {8, {win::VK_LEFT, win::VK_RIGHT}, 7},
                 {8, {}, 8}};
    for (const auto &c : cases) {
        keys.ReleaseAll();
        for (int key : c.held)
            keys.Press(key);
        Car(1).SetDirection(c.from);
        PollInput(*inputs.Input1, Car(1));
        EXPECT_EQ(Car(1).Direction(), c.to) << c.from;
    }
    keys.ReleaseAll();
    keys.Press(win::VK_UP);
    keys.Press(win::VK_DOWN);
    PollInput(*inputs.Input1, Car(1));
    EXPECT_NEAR(Car(1).Speed(), 0.1, Step); // gas wins over brakes
}

TEST_F(DriveInputTest, DevicesArePolledOnlyWhenMoreThanFiftyMillisecondsHavePassed)
{
    TRaceInputs inputs = Devices();
    keys.Press(win::VK_UP);
    clock.Set(1000);
    for (int frame = 0; frame < 12; ++frame)
        PollFrame(inputs); // at 1000, 1016, ... 1176: polls at 1000, 1064, 1128
    EXPECT_NEAR(Car(1).Speed(), 0.3, Step);
    EXPECT_EQ(fields.LastPoll, 1128u);

    // Across the wrap of the tick count.
    fields.LastPoll = 0xFFFFFFF0u;
    clock.Set(0x20); // 48 ms later
    PollFrame(inputs);
    EXPECT_EQ(fields.LastPoll, 0xFFFFFFF0u);
    clock.Set(0x40); // 80 ms later
    PollFrame(inputs);
    EXPECT_EQ(fields.LastPoll, 0x40u);
}

TEST_F(DriveInputTest, TwoKeyboardPlayersOnOneKeyboardBothReactToASharedKey)
{
    // Player 2 steers with W A S D and shares player 1's Up arrow as its gas.
    const SteeringKeyCodes player2 = {'A', 'D', win::VK_UP, 'S', 'F', 'G'};
    Settings().WriteSteeringKeys(2, player2);
    TRaceInputs inputs = Devices();
    keys.Press(win::VK_UP);
    keys.Press('A');
    clock.Set(1000);
    PollFrame(inputs);
    EXPECT_NEAR(Car(1).Speed(), 0.1, Step);
    EXPECT_NEAR(Car(2).Speed(), 0.1, Step);
    EXPECT_EQ(Car(1).Direction(), 8);
    EXPECT_EQ(Car(2).Direction(), 7);
}

TEST_F(DriveInputTest, AMissingJoystickOrAnUnknownDeviceCodeLeavesThatCarStandingAndTheOtherRacing)
{
    for (std::int32_t code : {2, 3, 7, -1}) {
        WriteSetting(Keys::InputDevice(2), code);
        TRaceInputs inputs = Devices();
        EXPECT_TRUE(!inputs.Input2 || !inputs.Input2->Available) << code;
        keys.Press(win::VK_UP);
        Car(1).SetSpeed(0);
        Car(2).SetSpeed(0);
        clock.Advance(100);
        PollFrame(inputs);
        EXPECT_NEAR(Car(1).Speed(), 0.1, Step) << code;
        EXPECT_DOUBLE_EQ(Car(2).Speed(), 0) << code;
    }
}

TEST_F(DriveInputTest, TheDeviceCodesReadAtTheSetUpChooseTheDevices)
{
    const TRaceInputs inputs = CreateInputDevices(Settings(), services, 7, 1);
    EXPECT_FALSE(inputs.Input1);
    ASSERT_TRUE(inputs.Input2);
    EXPECT_TRUE(inputs.Input2->Available); // the mouse, though the settings file names none
    EXPECT_TRUE(pointer.moves.isEmpty());
}

TEST_F(DriveInputTest, AJoystickPluggedInSteersItsPlayersCar)
{
    WriteSetting(Keys::InputDevice(2), 3);
    win::ScriptedStick &stick = joysticks.Connect(1);
    TRaceInputs inputs = Devices();
    ASSERT_TRUE(inputs.Input2 && inputs.Input2->Available);
    stick.reading.axes[1] = 0; // pushed forward and right all the way
    stick.reading.axes[0] = 65535;
    clock.Set(1000);
    PollFrame(inputs);
    EXPECT_NEAR(Car(2).Speed(), 0.1, Step);
    EXPECT_EQ(Car(2).Direction(), 9);
}

TEST_F(DriveInputTest, OnlyPlayer1sMouseMovesThePointerToItsStartingPoint)
{
    WriteSetting(Keys::InputDevice(2), 1);
    TRaceInputs inputs = Devices();
    EXPECT_TRUE(pointer.moves.isEmpty());

    WriteSetting(Keys::InputDevice(1), 1);
    inputs = Devices();
    EXPECT_TRUE(inputs.Input1 && inputs.Input1->Available);
    EXPECT_EQ(pointer.moves.value(0), QPoint(520, 480));
}

} // namespace
} // namespace drivetest
