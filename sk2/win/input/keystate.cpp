#include "keystate.h"

#include "virtualkeys.h"

namespace sk2::win {

namespace {

bool IsKeyCode(int virtualKey)
{
    return virtualKey > 0 && virtualKey < VirtualKeyCount;
}

} // namespace

std::int16_t GetAsyncKeyState(const KeyStateService &keys, int virtualKey)
{
    constexpr std::uint16_t DownBit = 0x8000;
    return static_cast<std::int16_t>(keys.IsKeyDown(virtualKey) ? DownBit : 0);
}

void KeyStateTable::Press(int virtualKey)
{
    if (IsKeyCode(virtualKey) && m_holds[virtualKey] < UINT8_MAX)
        ++m_holds[virtualKey];
}

void KeyStateTable::Release(int virtualKey)
{
    if (IsKeyCode(virtualKey) && m_holds[virtualKey] > 0)
        --m_holds[virtualKey];
}

void KeyStateTable::ReleaseAll()
{
    m_holds.fill(0);
}

bool KeyStateTable::IsKeyDown(int virtualKey) const
{
    switch (virtualKey) {
    case VK_SHIFT:
        return IsHeld(VK_SHIFT) || IsHeld(VK_LSHIFT) || IsHeld(VK_RSHIFT);
    case VK_CONTROL:
        return IsHeld(VK_CONTROL) || IsHeld(VK_LCONTROL) || IsHeld(VK_RCONTROL);
    case VK_MENU:
        return IsHeld(VK_MENU) || IsHeld(VK_LMENU) || IsHeld(VK_RMENU);
    default:
        return IsHeld(virtualKey);
    }
}

bool KeyStateTable::IsHeld(int virtualKey) const
{
    return IsKeyCode(virtualKey) && m_holds[virtualKey] > 0;
}

} // namespace sk2::win
