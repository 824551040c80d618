#pragma once

#include <array>
#include <span>

namespace sk2 {

// Every key box lists one entry per Windows virtual-key code 0..255; an entry's index is its code.
constexpr int KeyCodeCount = 256;

// The twelve key boxes: Left, Right, Gas, Brakes, Fire 1 and Fire 2 of player 1, then of player 2.
constexpr int KeysPerPlayer = 6;
constexpr int KeyBoxCount = 2 * KeysPerPlayer;

// Device codes as the settings file stores them under InputDevice.
enum DeviceCode : int { DeviceKeyboard = 0, DeviceMouse = 1, DeviceJoystick1 = 2, DeviceJoystick2 = 3 };

// Which key codes are bound in at least one key box.
using UsedKeyFlags = std::array<bool, KeyCodeCount>;

// The flags of the codes the boxes hold. A box holding a code outside 0..255 (read from a hand-edited
// settings file) binds no listed key, so it sets no flag.
UsedKeyFlags UsedKeysOf(std::span<const int> codes);

// The number of distinct codes bound, that is, the set flags.
int DistinctKeyCount(const UsedKeyFlags &used);

// Whether the keyboard players' keys are too few to be their own: both players on the keyboard need
// twelve distinct codes, a lone keyboard player six. Hidden and disabled boxes count like the others,
// so a lone keyboard player may still share keys with the other player's unused boxes.
bool IsKeyboardConflict(int device1, int device2, int distinctKeys);

} // namespace sk2
