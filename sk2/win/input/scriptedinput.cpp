#include "scriptedinput.h"

namespace sk2::win {

bool ScriptedPointer::GetCursorPos(QPoint &position)
{
    if (readFails)
        return false;
    position = this->position;
    return true;
}

bool ScriptedPointer::SetCursorPos(int x, int y)
{
    position = QPoint(x, y);
    moves.append(position);
    return true;
}

MMRESULT ScriptedJoysticks::joyGetPosEx(UINT id, JOYINFOEX *info)
{
    if (!IsJoyInfoRecord(info))
        return MMSYSERR_INVALPARAM;
    if (id >= JoystickIdCount)
        return JOYERR_PARMS;
    ScriptedStick &stick = m_sticks[id];
    ++stick.polls;
    if (!stick.connected)
        return JOYERR_UNPLUGGED;
    if (stick.failingPolls > 0) {
        --stick.failingPolls;
        return JOYERR_UNPLUGGED;
    }
    FillJoyInfo(stick.reading, *info);
    return JOYERR_NOERROR;
}

MMRESULT ScriptedJoysticks::joyGetDevCapsA(UINT id, JOYCAPSA *caps, UINT size)
{
    if (caps == nullptr || size != sizeof(JOYCAPSA))
        return MMSYSERR_INVALPARAM;
    if (id >= JoystickIdCount || !m_sticks[id].connected || m_sticks[id].capsFail)
        return JOYERR_PARMS;
    *caps = m_sticks[id].caps;
    return JOYERR_NOERROR;
}

ScriptedStick &ScriptedJoysticks::Connect(UINT id)
{
    ScriptedStick &stick = Stick(id);
    stick = ScriptedStick{};
    stick.connected = true;
    JoystickDescription description;
    description.name = QStringLiteral("Scripted joystick %1").arg(id + 1);
    FillJoyCaps(description, stick.caps);
    return stick;
}

} // namespace sk2::win
