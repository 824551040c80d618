#pragma once

// Steering with a joystick. Each axis gets a dead zone whose width shrinks as the sensitivity grows:
// width = range x 20 / sensitivity, centred on half the range counted from zero. A direction is active
// while the stick is beyond the zone on that side. Sensitivities below 10 count as 10; at 20 or less
// the zone is at least as wide as the axis.

#include "inputdevice.h"
#include "inputservices.h"

namespace sk2 {

class TJoyStick final : public TInputDevice
{
public:
    // joyId 0 is "Joystick 1", 1 is "Joystick 2".
    TJoyStick(std::uint32_t joyId, std::int32_t sensitivity, const win::InputServices &services);

    void Init(std::int32_t sensitivity) override;
    bool Up() override;
    bool Down() override;
    bool Right() override;
    bool Left() override;
    bool Fire1() override; // the driver reports button number 1
    bool Fire2() override; // the driver reports button number 2

    win::JOYINFOEX JoyInfo{};
    win::JOYCAPSA JoyCaps{};
    bool Connected = false;
    std::int32_t DeadWidth = 0; // of the axis computed last, Y
    std::int32_t DeadMaxX = 0;
    std::int32_t DeadMinX = 0;
    std::int32_t DeadMaxY = 0;
    std::int32_t DeadMinY = 0;
    std::uint32_t JoyId = 0;

private:
    bool Poll();
    void ReadCaps();
    // Computes one axis's dead zone into deadMin and deadMax, and its width into DeadWidth.
    void SetDeadZone(win::UINT axisMin, win::UINT axisMax, std::int32_t sensitivity, std::int32_t &deadMin,
                     std::int32_t &deadMax);

    win::JoystickService &m_joysticks;
    win::TraceSink m_trace;
};

} // namespace sk2
