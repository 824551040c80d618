#include "joystickapi.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace sk2::win {

bool IsJoyInfoRecord(const JOYINFOEX *info)
{
    return info != nullptr && info->dwSize == sizeof(JOYINFOEX);
}

void FillJoyInfo(const JoystickReading &reading, JOYINFOEX &info)
{
    DWORD *const axisFields[JoyAxisCount] = {&info.dwXpos, &info.dwYpos, &info.dwZpos,
                                             &info.dwRpos, &info.dwUpos, &info.dwVpos};
    for (int axis = 0; axis < JoyAxisCount; ++axis) {
        if (info.dwFlags & (JOY_RETURNX << axis))
            *axisFields[axis] = reading.axes[axis];
    }
    if (info.dwFlags & JOY_RETURNBUTTONS) {
        info.dwButtons = reading.buttons;
        info.dwButtonNumber = static_cast<DWORD>(std::popcount(reading.buttons));
    }
    if (info.dwFlags & JOY_RETURNPOV)
        info.dwPOV = reading.pov;
}

void FillJoyCaps(const JoystickDescription &description, JOYCAPSA &caps)
{
    std::memset(&caps, 0, sizeof caps);
    caps.wMid = description.vendor;
    caps.wPid = description.product;
    const QByteArray name = description.name.toLatin1().left(MAXPNAMELEN - 1);
    std::memcpy(caps.szPname, name.constData(), static_cast<std::size_t>(name.size()));
    caps.wXmax = caps.wYmax = caps.wZmax = caps.wRmax = caps.wUmax = caps.wVmax = JoyAxisMax;
    caps.wNumButtons = static_cast<UINT>(std::clamp(description.buttonCount, 0, JoyButtonCount));
    caps.wPeriodMin = 10;
    caps.wPeriodMax = 1000;
    caps.wMaxAxes = JoyAxisCount;
    caps.wNumAxes = static_cast<UINT>(std::clamp(description.axisCount, 0, JoyAxisCount));
    caps.wMaxButtons = JoyButtonCount;
    const UINT extraAxisFlags[] = {JOYCAPS_HASZ, JOYCAPS_HASR, JOYCAPS_HASU, JOYCAPS_HASV};
    for (UINT axis = 2; axis < caps.wNumAxes; ++axis)
        caps.wCaps |= extraAxisFlags[axis - 2];
    if (description.hasPov)
        caps.wCaps |= JOYCAPS_HASPOV | JOYCAPS_POVCTS;
}

} // namespace sk2::win
