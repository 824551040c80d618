// The key list's names come from the US keyboard's key-name services.
#include "keylist.h"

#include "uskeyboard.h"

#include <array>

namespace sk2 {

KeyNameServices UsKeyboardNames()
{
    return {[](unsigned virtualKey) { return win::MapVirtualKeyA(virtualKey, win::MAPVK_VK_TO_VSC); },
            [](long keyParameter) {
                std::array<char, MaxKeyNameLength + 1> buffer{};
                const int length = win::GetKeyNameTextA(static_cast<std::int32_t>(keyParameter),
                                                        buffer.data(), buffer.size());
                return QString::fromLatin1(buffer.data(), length > 0 ? length : 0);
            }};
}

} // namespace sk2
