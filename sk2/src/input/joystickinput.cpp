#include "joystickinput.h"

#include <QString>

#include <algorithm>
#include <limits>

namespace sk2 {

namespace {

constexpr std::int32_t MinimumSensitivity = 10;

// Drivers may report any range; the zone's bounds are kept within 32 bits rather than wrapping over.
std::int32_t Saturated(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int32_t Position(win::DWORD raw)
{
    return static_cast<std::int32_t>(raw);
}

} // namespace

TJoyStick::TJoyStick(std::uint32_t joyId, std::int32_t sensitivity, const win::InputServices &services)
    : JoyId(joyId)
    , m_joysticks(services.joysticks)
    , m_trace(services.trace)
{
    Init(sensitivity);
}

void TJoyStick::Init(std::int32_t sensitivity)
{
    const std::int32_t s = std::max(sensitivity, MinimumSensitivity);
    JoyInfo.dwSize = sizeof JoyInfo;
    Connected = m_joysticks.joyGetPosEx(JoyId, &JoyInfo) == win::JOYERR_NOERROR;
    if (!Connected) {
        m_trace(QStringLiteral("No joystick ") + QString::number(JoyId));
        Available = false;
        return;
    }
    Available = true;
    ReadCaps();

    SetDeadZone(JoyCaps.wXmin, JoyCaps.wXmax, s, DeadMinX, DeadMaxX);
    m_trace(QStringLiteral("joystick  max X ") + QString::number(JoyCaps.wXmax));
    m_trace(QStringLiteral("joystick  min X ") + QString::number(JoyCaps.wXmin));
    m_trace(QStringLiteral("joystick dead max X ") + QString::number(DeadMaxX));
    m_trace(QStringLiteral("joystick dead min X ") + QString::number(DeadMinX));

    SetDeadZone(JoyCaps.wYmin, JoyCaps.wYmax, s, DeadMinY, DeadMaxY);
    m_trace(QStringLiteral("joystick  max y ") + QString::number(JoyCaps.wYmax));
    m_trace(QStringLiteral("joystick  min y ") + QString::number(JoyCaps.wYmin));
    m_trace(QStringLiteral("joystick dead max Y ") + QString::number(DeadMaxY));
    m_trace(QStringLiteral("joystick dead min Y ") + QString::number(DeadMinY));
}

// A joystick that answers its position but not its capabilities still has the axes every joystick
// of this system reports; zeros there would make it steer right and brake without being touched.
void TJoyStick::ReadCaps()
{
    if (m_joysticks.joyGetDevCapsA(JoyId, &JoyCaps, sizeof JoyCaps) == win::JOYERR_NOERROR)
        return;
    JoyCaps = win::JOYCAPSA{};
    JoyCaps.wXmax = win::JoyAxisMax;
    JoyCaps.wYmax = win::JoyAxisMax;
}

void TJoyStick::SetDeadZone(win::UINT axisMin, win::UINT axisMax, std::int32_t sensitivity,
                            std::int32_t &deadMin, std::int32_t &deadMax)
{
    const std::int64_t range = static_cast<std::int64_t>(axisMax) - axisMin;
    const std::int64_t width = range * 20 / sensitivity;
    const std::int64_t upper = range / 2 + width / 2;
    DeadWidth = Saturated(width);
    deadMax = Saturated(upper);
    deadMin = Saturated(upper - width);
}

bool TJoyStick::Poll()
{
    JoyInfo.dwSize = sizeof JoyInfo;
    JoyInfo.dwFlags = win::JOY_RETURNX | win::JOY_RETURNY | win::JOY_RETURNBUTTONS;
    return m_joysticks.joyGetPosEx(JoyId, &JoyInfo) == win::JOYERR_NOERROR;
}

bool TJoyStick::Up()
{
    return Available && Poll() && Position(JoyInfo.dwYpos) < DeadMinY;
}

bool TJoyStick::Down()
{
    return Available && Poll() && Position(JoyInfo.dwYpos) > DeadMaxY;
}

bool TJoyStick::Right()
{
    return Available && Poll() && Position(JoyInfo.dwXpos) > DeadMaxX;
}

bool TJoyStick::Left()
{
    return Available && Poll() && Position(JoyInfo.dwXpos) < DeadMinX;
}

bool TJoyStick::Fire1()
{
    return Available && Poll() && JoyInfo.dwButtonNumber == 1;
}

bool TJoyStick::Fire2()
{
    return Available && Poll() && JoyInfo.dwButtonNumber == 2;
}

} // namespace sk2
