#include "sdljoysticks.h"

#include <SDL.h>

#include <algorithm>

namespace sk2::win {

namespace {

DWORD RawAxis(Sint16 value)
{
    return static_cast<DWORD>(static_cast<int>(value) + 32768);
}

DWORD PovOfHat(Uint8 hat)
{
    switch (hat) {
    case SDL_HAT_UP:
        return JOY_POVFORWARD;
    case SDL_HAT_RIGHTUP:
        return 4500;
    case SDL_HAT_RIGHT:
        return JOY_POVRIGHT;
    case SDL_HAT_RIGHTDOWN:
        return 13500;
    case SDL_HAT_DOWN:
        return JOY_POVBACKWARD;
    case SDL_HAT_LEFTDOWN:
        return 22500;
    case SDL_HAT_LEFT:
        return JOY_POVLEFT;
    case SDL_HAT_LEFTUP:
        return 31500;
    default:
        return JOY_POVCENTERED;
    }
}

JoystickReading ReadingOf(SDL_Joystick *stick)
{
    JoystickReading reading;
    const int axes = std::min(SDL_JoystickNumAxes(stick), JoyAxisCount);
    for (int axis = 0; axis < axes; ++axis)
        reading.axes[axis] = RawAxis(SDL_JoystickGetAxis(stick, axis));
    const int buttons = std::min(SDL_JoystickNumButtons(stick), JoyButtonCount);
    for (int button = 0; button < buttons; ++button) {
        if (SDL_JoystickGetButton(stick, button))
            reading.buttons |= DWORD{1} << button;
    }
    if (SDL_JoystickNumHats(stick) > 0)
        reading.pov = PovOfHat(SDL_JoystickGetHat(stick, 0));
    return reading;
}

JoystickDescription DescriptionOf(SDL_Joystick *stick)
{
    JoystickDescription description;
    const char *name = SDL_JoystickName(stick);
    description.name = QString::fromUtf8(name != nullptr ? name : "");
    description.vendor = SDL_JoystickGetVendor(stick);
    description.product = SDL_JoystickGetProduct(stick);
    description.axisCount = SDL_JoystickNumAxes(stick);
    description.buttonCount = SDL_JoystickNumButtons(stick);
    description.hasPov = SDL_JoystickNumHats(stick) > 0;
    return description;
}

} // namespace

SdlJoysticks::SdlJoysticks()
{
    // SDL would otherwise take over Ctrl+C and the termination signal from the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The game window is Qt's, not SDL's: SDL must not think the joystick belongs to no one.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    m_ready = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    if (m_ready)
        SDL_JoystickEventState(SDL_IGNORE);
}

SdlJoysticks::~SdlJoysticks()
{
    if (!m_ready)
        return;
    for (UINT id = 0; id < JoystickIdCount; ++id)
        Close(id);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

MMRESULT SdlJoysticks::joyGetPosEx(UINT id, JOYINFOEX *info)
{
    if (!IsJoyInfoRecord(info))
        return MMSYSERR_INVALPARAM;
    if (id >= JoystickIdCount)
        return JOYERR_PARMS;
    if (!m_ready)
        return MMSYSERR_NODRIVER;
    SDL_JoystickUpdate();
    SDL_Joystick *stick = Open(id);
    if (stick == nullptr)
        return JOYERR_UNPLUGGED;
    FillJoyInfo(ReadingOf(stick), *info);
    return JOYERR_NOERROR;
}

MMRESULT SdlJoysticks::joyGetDevCapsA(UINT id, JOYCAPSA *caps, UINT size)
{
    if (caps == nullptr || size != sizeof(JOYCAPSA))
        return MMSYSERR_INVALPARAM;
    if (id >= JoystickIdCount)
        return JOYERR_PARMS;
    if (!m_ready)
        return MMSYSERR_NODRIVER;
    SDL_Joystick *stick = Open(id);
    if (stick == nullptr)
        return JOYERR_PARMS;
    FillJoyCaps(DescriptionOf(stick), *caps);
    return JOYERR_NOERROR;
}

SDL_Joystick *SdlJoysticks::Open(UINT id)
{
    if (m_sticks[id] != nullptr && !SDL_JoystickGetAttached(m_sticks[id]))
        Close(id);
    if (m_sticks[id] == nullptr && static_cast<int>(id) < SDL_NumJoysticks())
        m_sticks[id] = SDL_JoystickOpen(static_cast<int>(id));
    return m_sticks[id];
}

void SdlJoysticks::Close(UINT id)
{
    if (m_sticks[id] != nullptr)
        SDL_JoystickClose(m_sticks[id]);
    m_sticks[id] = nullptr;
}

} // namespace sk2::win
