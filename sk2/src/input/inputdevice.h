#pragma once

// One player's steering input. Every query is digital and reads the device afresh: nothing is
// buffered between polls. Devices never throw; a device that cannot work says so with Available.

#include <cstdint>

namespace sk2 {

class TInputDevice
{
public:
    virtual ~TInputDevice() = default;
    TInputDevice(const TInputDevice &) = delete;
    TInputDevice &operator=(const TInputDevice &) = delete;

    // Prepares the device and sets Available. Runs once, from the constructor.
    virtual void Init(std::int32_t sensitivity) = 0;
    virtual bool Up() = 0;    // accelerate
    virtual bool Down() = 0;  // brake
    virtual bool Right() = 0; // steer right
    virtual bool Left() = 0;  // steer left
    virtual bool Fire1() = 0;
    virtual bool Fire2() = 0;

    // The device can be polled; fixed from construction on.
    bool Available = false;

protected:
    TInputDevice() = default;
};

} // namespace sk2
