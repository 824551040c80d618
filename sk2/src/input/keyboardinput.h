#pragma once

// Steering with six keys. Two devices may share a key; both then read it as pressed.

#include "inputdevice.h"
#include "inputservices.h"

namespace sk2 {

class TKeyBoardInput final : public TInputDevice
{
public:
    // Both numbers are without effect; the creator sets the key codes afterwards.
    TKeyBoardInput(std::int32_t unused, std::int32_t sensitivity, const win::InputServices &services);

    void Init(std::int32_t sensitivity) override;
    bool Up() override;
    bool Down() override;
    bool Right() override;
    bool Left() override;
    bool Fire1() override;
    bool Fire2() override;

    // Virtual-key codes. A code that names no key never reads as pressed.
    std::uint16_t KeyUp = 0;
    std::uint16_t KeyDown = 0;
    std::uint16_t KeyLeft = 0;
    std::uint16_t KeyRight = 0;
    std::uint16_t KeyFire1 = 0;
    std::uint16_t KeyFire2 = 0;

private:
    bool IsDown(std::uint16_t key) const;

    const win::KeyStateService &m_keys;
};

} // namespace sk2
