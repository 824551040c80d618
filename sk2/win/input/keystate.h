#pragma once

// The key state, standing in for GetAsyncKeyState: which keys and mouse buttons are held down at this
// moment, by virtual-key code. The race window's key and mouse-button events feed it (KeyStateFeeder);
// tests press and release keys on a KeyStateTable directly.

#include <array>
#include <cstdint>

namespace sk2::win {

class KeyStateService
{
public:
    virtual ~KeyStateService() = default;
    // Whether the key is held down now; false for 0 and for codes outside 0..255.
    virtual bool IsKeyDown(int virtualKey) const = 0;
};

// As the system reports it: the most significant bit of the 16-bit result is set while the key is
// down. Any number of callers may ask about the same key; asking changes nothing.
std::int16_t GetAsyncKeyState(const KeyStateService &keys, int virtualKey);

// Keys held down, counted per virtual key, so that two physical keys with one code (the two Enter
// keys) keep it down until both are let go. The generic Shift, Ctrl and Alt codes are down while
// either of their left and right keys is.
class KeyStateTable final : public KeyStateService
{
public:
    void Press(int virtualKey);
    // Releasing a key that is not down does nothing.
    void Release(int virtualKey);
    void ReleaseAll();

    bool IsKeyDown(int virtualKey) const override;

private:
    bool IsHeld(int virtualKey) const;

    std::array<std::uint8_t, 256> m_holds{};
};

} // namespace sk2::win
