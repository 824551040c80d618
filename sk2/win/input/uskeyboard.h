#pragma once

// The key-name services of a standard US keyboard, standing in for MapVirtualKeyA and
// GetKeyNameTextA. Scan codes are those of the PC keyboard's first scan-code set; keys reached with the
// E0 prefix (the cursor block, the right-hand Ctrl and Alt, the keypad's Enter and /) are "extended"
// and carry bit 24 in the key parameter.
//
// Like the system's own tables, the names belong to scan codes, not to virtual keys: the cursor keys
// share their scan codes with the keypad digits and differ only in the extended bit, and a virtual
// key maps to the scan code without that bit.

#include <cstdint>

namespace sk2::win {

// The one mapping the steering setup asks for: virtual-key code to scan code.
inline constexpr unsigned MAPVK_VK_TO_VSC = 0;

// The scan code of a virtual key for MAPVK_VK_TO_VSC; 0 for a key this keyboard does not have, for
// a code outside 0..255 and for any other mapping type.
unsigned MapVirtualKeyA(unsigned code, unsigned mapType);

// The name of the key whose scan code stands in bits 16..23 of keyParameter, bit 24 asking for the
// extended key. Copies at most bufferSize - 1 characters and a terminating zero into buffer and
// returns the number of characters copied; 0, with an empty buffer, for a key without a name.
int GetKeyNameTextA(std::int32_t keyParameter, char *buffer, int bufferSize);

} // namespace sk2::win
