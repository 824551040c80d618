#pragma once

// Pointer and joysticks whose every answer the caller sets: what tests and headless races steer with.
// (A KeyStateTable serves as scripted key state as it is.)

#include "joystickapi.h"
#include "pointerservice.h"

#include <QList>

#include <array>

namespace sk2::win {

class ScriptedPointer final : public PointerService
{
public:
    bool MousePresent() const override { return mousePresent; }
    bool GetCursorPos(QPoint &position) override;
    bool SetCursorPos(int x, int y) override;

    bool mousePresent = true;
    QPoint position;
    bool readFails = false; // GetCursorPos fails while set
    QList<QPoint> moves;    // every SetCursorPos, in order
};

struct ScriptedStick
{
    bool connected = false;
    JOYCAPSA caps{};       // what joyGetDevCapsA copies out
    bool capsFail = false; // joyGetDevCapsA fails while set
    int failingPolls = 0;  // so many of the next joyGetPosEx calls fail
    JoystickReading reading;
    int polls = 0; // joyGetPosEx calls answered, failed ones included
};

class ScriptedJoysticks final : public JoystickService
{
public:
    MMRESULT joyGetPosEx(UINT id, JOYINFOEX *info) override;
    MMRESULT joyGetDevCapsA(UINT id, JOYCAPSA *caps, UINT size) override;

    // The stick under id 0..15.
    ScriptedStick &Stick(UINT id) { return m_sticks.at(id); }
    // Plugs in a stick with two axes of 0..65535 and two buttons, centred, none pressed.
    ScriptedStick &Connect(UINT id);

private:
    std::array<ScriptedStick, JoystickIdCount> m_sticks;
};

} // namespace sk2::win
