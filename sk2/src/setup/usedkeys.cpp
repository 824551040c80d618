#include "usedkeys.h"

#include <algorithm>

namespace sk2 {

UsedKeyFlags UsedKeysOf(std::span<const int> codes)
{
    UsedKeyFlags used{};
    for (const int code : codes) {
        if (code >= 0 && code < KeyCodeCount)
            used[static_cast<std::size_t>(code)] = true;
    }
    return used;
}

int DistinctKeyCount(const UsedKeyFlags &used)
{
    return static_cast<int>(std::count(used.begin(), used.end(), true));
}

bool IsKeyboardConflict(int device1, int device2, int distinctKeys)
{
    const int keyboardPlayers = (device1 == DeviceKeyboard) + (device2 == DeviceKeyboard);
    return distinctKeys < keyboardPlayers * KeysPerPlayer;
}

} // namespace sk2
