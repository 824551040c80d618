#include "keyboardinput.h"

namespace sk2 {

TKeyBoardInput::TKeyBoardInput(std::int32_t, std::int32_t sensitivity, const win::InputServices &services)
    : m_keys(services.keys)
{
    Init(sensitivity);
}

void TKeyBoardInput::Init(std::int32_t)
{
    Available = true;
}

bool TKeyBoardInput::IsDown(std::uint16_t key) const
{
    return (win::GetAsyncKeyState(m_keys, key) & 0x8000) != 0;
}

bool TKeyBoardInput::Up()
{
    return IsDown(KeyUp);
}

bool TKeyBoardInput::Down()
{
    return IsDown(KeyDown);
}

bool TKeyBoardInput::Right()
{
    return IsDown(KeyRight);
}

bool TKeyBoardInput::Left()
{
    return IsDown(KeyLeft);
}

bool TKeyBoardInput::Fire1()
{
    return IsDown(KeyFire1);
}

bool TKeyBoardInput::Fire2()
{
    return IsDown(KeyFire2);
}

} // namespace sk2
