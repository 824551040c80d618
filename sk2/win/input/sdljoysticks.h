#pragma once

// The joystick services on SDL's joysticks. Identifier n is the n-th joystick SDL lists (0 for
// "Joystick 1"); it is opened the first time it is asked for, so a joystick plugged in any time before
// the race sets up its devices is found. A joystick unplugged during the race fails its polls; plugged
// in again it is opened anew.
//
// Axes -32768..32767 become 0..65535, the first six axes being X, Y, Z, R, U and V; the first hat is
// the point-of-view control. SDL's joystick events are switched off: the state is read on demand.

#include "joystickapi.h"

#include <array>

struct _SDL_Joystick;

namespace sk2::win {

class SdlJoysticks final : public JoystickService
{
public:
    SdlJoysticks();
    ~SdlJoysticks() override;
    SdlJoysticks(const SdlJoysticks &) = delete;
    SdlJoysticks &operator=(const SdlJoysticks &) = delete;

    MMRESULT joyGetPosEx(UINT id, JOYINFOEX *info) override;
    MMRESULT joyGetDevCapsA(UINT id, JOYCAPSA *caps, UINT size) override;

private:
    // The open joystick under id, opening it when needed; nullptr when there is none.
    _SDL_Joystick *Open(UINT id);
    void Close(UINT id);

    bool m_ready = false;
    std::array<_SDL_Joystick *, JoystickIdCount> m_sticks{};
};

} // namespace sk2::win
