#include "joystickapi.h"
#include "scriptedinput.h"
#include "sdljoysticks.h"

#include <gtest/gtest.h>

#include <cstring>

namespace sk2::win {
namespace {

JOYINFOEX Record(DWORD flags)
{
    JOYINFOEX info;
    std::memset(&info, 0xAB, sizeof info);
    info.dwSize = sizeof info;
    info.dwFlags = flags;
    return info;
}

JoystickReading SomeReading()
{
    JoystickReading reading;
    for (int axis = 0; axis < JoyAxisCount; ++axis)
        reading.axes[axis] = 1000u * static_cast<DWORD>(axis + 1);
    reading.buttons = 0b1010;
    reading.pov = JOY_POVRIGHT;
    return reading;
}

TEST(JoyInfo, OnlyTheFieldsAskedForAreFilled)
{
    JOYINFOEX info = Record(JOY_RETURNX | JOY_RETURNY | JOY_RETURNBUTTONS);
    FillJoyInfo(SomeReading(), info);
    EXPECT_EQ(info.dwXpos, 1000u);
    EXPECT_EQ(info.dwYpos, 2000u);
    EXPECT_EQ(info.dwButtons, 0b1010u);
    EXPECT_EQ(info.dwButtonNumber, 2u) << "two buttons are down";
    EXPECT_EQ(info.dwZpos, 0xABABABABu);
    EXPECT_EQ(info.dwPOV, 0xABABABABu);

    JOYINFOEX all = Record(JOY_RETURNALL);
    FillJoyInfo(SomeReading(), all);
    EXPECT_EQ(all.dwVpos, 6000u);
    EXPECT_EQ(all.dwPOV, JOY_POVRIGHT);

    JOYINFOEX none = Record(0);
    FillJoyInfo(SomeReading(), none);
    EXPECT_EQ(none.dwXpos, 0xABABABABu);
    EXPECT_EQ(none.dwButtonNumber, 0xABABABABu);
}

TEST(JoyCaps, EveryAxisRangesOverTheRawScale)
{
    JoystickDescription description;
    description.name = QString(40, QLatin1Char('n'));
    description.axisCount = 4;
    description.buttonCount = 40;
    description.hasPov = true;
    JOYCAPSA caps;
    std::memset(&caps, 0xAB, sizeof caps);
    FillJoyCaps(description, caps);
    EXPECT_EQ(caps.wXmin, 0u);
    EXPECT_EQ(caps.wXmax, 65535u);
    EXPECT_EQ(caps.wYmin, 0u);
    EXPECT_EQ(caps.wYmax, 65535u);
    EXPECT_EQ(caps.wNumAxes, 4u);
    EXPECT_EQ(caps.wNumButtons, 32u);
    EXPECT_EQ(caps.wCaps, JOYCAPS_HASZ | JOYCAPS_HASR | JOYCAPS_HASPOV | JOYCAPS_POVCTS);
    EXPECT_EQ(std::strlen(caps.szPname), 31u) << "the name is cut to the record's field";
    EXPECT_EQ(caps.szOEMVxD[0], '\0');
}

TEST(ScriptedJoysticks, AnswerLikeTheSystemDoes)
{
    ScriptedJoysticks sticks;
    JOYINFOEX info = Record(JOY_RETURNX);
    EXPECT_EQ(sticks.joyGetPosEx(JOYSTICKID1, &info), JOYERR_UNPLUGGED);
    EXPECT_EQ(sticks.joyGetPosEx(JoystickIdCount, &info), JOYERR_PARMS);

    ScriptedStick &stick = sticks.Connect(JOYSTICKID2);
    stick.reading.axes[0] = 7;
    EXPECT_EQ(sticks.joyGetPosEx(JOYSTICKID2, &info), JOYERR_NOERROR);
    EXPECT_EQ(info.dwXpos, 7u);

    stick.failingPolls = 1;
    EXPECT_NE(sticks.joyGetPosEx(JOYSTICKID2, &info), JOYERR_NOERROR);
    EXPECT_EQ(sticks.joyGetPosEx(JOYSTICKID2, &info), JOYERR_NOERROR);
    EXPECT_EQ(stick.polls, 3);

    info.dwSize = 40;
    EXPECT_EQ(sticks.joyGetPosEx(JOYSTICKID2, &info), MMSYSERR_INVALPARAM);
    JOYCAPSA caps;
    EXPECT_EQ(sticks.joyGetDevCapsA(JOYSTICKID2, &caps, 400), MMSYSERR_INVALPARAM);
    EXPECT_EQ(sticks.joyGetDevCapsA(JOYSTICKID2, &caps, sizeof caps), JOYERR_NOERROR);
    EXPECT_EQ(caps.wYmax, 65535u);
}

// A machine has far fewer than sixteen joysticks, so the last identifier is a missing one everywhere.
TEST(SdlJoysticks, AMissingJoystickFailsTheProbe)
{
    SdlJoysticks sticks;
    JOYINFOEX info = Record(0);
    EXPECT_NE(sticks.joyGetPosEx(JoystickIdCount - 1, &info), JOYERR_NOERROR);
    JOYCAPSA caps;
    EXPECT_NE(sticks.joyGetDevCapsA(JoystickIdCount - 1, &caps, sizeof caps), JOYERR_NOERROR);
    EXPECT_EQ(sticks.joyGetPosEx(JoystickIdCount, &info), JOYERR_PARMS);
    info.dwSize = 0;
    EXPECT_EQ(sticks.joyGetPosEx(JOYSTICKID1, &info), MMSYSERR_INVALPARAM);
}

} // namespace
} // namespace sk2::win
