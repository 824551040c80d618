#include "uskeyboard.h"

#include "virtualkeys.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace sk2::win {

namespace {

struct ScanName
{
    std::uint8_t scan;
    const char *name;
};

// Keys whose name is not the character they type.
constexpr ScanName PlainKeyNames[] = {
    {0x01, "Esc"},       {0x0E, "Backspace"},   {0x0F, "Tab"},         {0x1C, "Enter"}, {0x1D, "Ctrl"},
    {0x2A, "Shift"},     {0x36, "Right Shift"}, {0x37, "Num *"},       {0x38, "Alt"},   {0x39, "Space"},
    {0x3A, "Caps Lock"}, {0x3B, "F1"},          {0x3C, "F2"},          {0x3D, "F3"},    {0x3E, "F4"},
    {0x3F, "F5"},        {0x40, "F6"},          {0x41, "F7"},          {0x42, "F8"},    {0x43, "F9"},
    {0x44, "F10"},       {0x45, "Pause"},       {0x46, "Scroll Lock"}, {0x47, "Num 7"}, {0x48, "Num 8"},
    {0x49, "Num 9"},     {0x4A, "Num -"},       {0x4B, "Num 4"},       {0x4C, "Num 5"}, {0x4D, "Num 6"},
    {0x4E, "Num +"},     {0x4F, "Num 1"},       {0x50, "Num 2"},       {0x51, "Num 3"}, {0x52, "Num 0"},
    {0x53, "Num Del"},   {0x54, "Sys Req"},     {0x57, "F11"},         {0x58, "F12"},   {0x64, "F13"},
    {0x65, "F14"},       {0x66, "F15"},         {0x67, "F16"},         {0x68, "F17"},   {0x69, "F18"},
    {0x6A, "F19"},       {0x6B, "F20"},         {0x6C, "F21"},         {0x6D, "F22"},   {0x6E, "F23"},
    {0x76, "F24"},
};

// Keys that type a character are named by it, on the US layout.
constexpr ScanName CharacterKeyNames[] = {
    {0x02, "1"}, {0x03, "2"}, {0x04, "3"}, {0x05, "4"}, {0x06, "5"},  {0x07, "6"}, {0x08, "7"}, {0x09, "8"},
    {0x0A, "9"}, {0x0B, "0"}, {0x0C, "-"}, {0x0D, "="}, {0x10, "Q"},  {0x11, "W"}, {0x12, "E"}, {0x13, "R"},
    {0x14, "T"}, {0x15, "Y"}, {0x16, "U"}, {0x17, "I"}, {0x18, "O"},  {0x19, "P"}, {0x1A, "["}, {0x1B, "]"},
    {0x1E, "A"}, {0x1F, "S"}, {0x20, "D"}, {0x21, "F"}, {0x22, "G"},  {0x23, "H"}, {0x24, "J"}, {0x25, "K"},
    {0x26, "L"}, {0x27, ";"}, {0x28, "'"}, {0x29, "`"}, {0x2B, "\\"}, {0x2C, "Z"}, {0x2D, "X"}, {0x2E, "C"},
    {0x2F, "V"}, {0x30, "B"}, {0x31, "N"}, {0x32, "M"}, {0x33, ","},  {0x34, "."}, {0x35, "/"}, {0x56, "\\"},
};

constexpr ScanName ExtendedKeyNames[] = {
    {0x1C, "Num Enter"},   {0x1D, "Right Ctrl"},   {0x35, "Num /"},
    {0x37, "Prnt Scrn"},   {0x38, "Right Alt"},    {0x45, "Num Lock"},
    {0x46, "Break"},       {0x47, "Home"},         {0x48, "Up"},
    {0x49, "Page Up"},     {0x4B, "Left"},         {0x4D, "Right"},
    {0x4F, "End"},         {0x50, "Down"},         {0x51, "Page Down"},
    {0x52, "Insert"},      {0x53, "Delete"},       {0x54, "<00>"},
    {0x56, "Help"},        {0x5B, "Left Windows"}, {0x5C, "Right Windows"},
    {0x5D, "Application"},
};

struct KeyScan
{
    int vk;
    std::uint8_t scan;
};

constexpr KeyScan NamedKeyScans[] = {
    {VK_CANCEL, 0x46},   {VK_BACK, 0x0E},      {VK_TAB, 0x0F},       {VK_CLEAR, 0x4C},
    {VK_RETURN, 0x1C},   {VK_SHIFT, 0x2A},     {VK_CONTROL, 0x1D},   {VK_MENU, 0x38},
    {VK_PAUSE, 0x45},    {VK_CAPITAL, 0x3A},   {VK_ESCAPE, 0x01},    {VK_SPACE, 0x39},
    {VK_PRIOR, 0x49},    {VK_NEXT, 0x51},      {VK_END, 0x4F},       {VK_HOME, 0x47},
    {VK_LEFT, 0x4B},     {VK_UP, 0x48},        {VK_RIGHT, 0x4D},     {VK_DOWN, 0x50},
    {VK_SNAPSHOT, 0x54}, {VK_INSERT, 0x52},    {VK_DELETE, 0x53},    {VK_LWIN, 0x5B},
    {VK_RWIN, 0x5C},     {VK_APPS, 0x5D},      {VK_MULTIPLY, 0x37},  {VK_ADD, 0x4E},
    {VK_SUBTRACT, 0x4A}, {VK_DECIMAL, 0x53},   {VK_DIVIDE, 0x35},    {VK_NUMLOCK, 0x45},
    {VK_SCROLL, 0x46},   {VK_LSHIFT, 0x2A},    {VK_RSHIFT, 0x36},    {VK_LCONTROL, 0x1D},
    {VK_RCONTROL, 0x1D}, {VK_LMENU, 0x38},     {VK_RMENU, 0x38},     {VK_OEM_1, 0x27},
    {VK_OEM_PLUS, 0x0D}, {VK_OEM_COMMA, 0x33}, {VK_OEM_MINUS, 0x0C}, {VK_OEM_PERIOD, 0x34},
    {VK_OEM_2, 0x35},    {VK_OEM_3, 0x29},     {VK_OEM_4, 0x1A},     {VK_OEM_5, 0x2B},
    {VK_OEM_6, 0x1B},    {VK_OEM_7, 0x28},     {VK_OEM_102, 0x56},
};

// The keypad digits 0..9, on the scan codes of the cursor block's keys.
constexpr std::array<std::uint8_t, 10> KeypadDigitScans = {0x52, 0x4F, 0x50, 0x51, 0x4B,
                                                           0x4C, 0x4D, 0x47, 0x48, 0x49};
constexpr std::array<std::uint8_t, 24> FunctionKeyScans = {0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42,
                                                           0x43, 0x44, 0x57, 0x58, 0x64, 0x65, 0x66, 0x67,
                                                           0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x76};

// Letters and digits keep their scan codes in the name table: look them up by name.
unsigned ScanOfCharacterKey(char character)
{
    for (const ScanName &key : CharacterKeyNames) {
        if (key.name[0] == character && key.name[1] == '\0')
            return key.scan;
    }
    return 0;
}

template<std::size_t N> const char *NameOf(const ScanName (&table)[N], unsigned scan)
{
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [scan](const ScanName &key) { return key.scan == scan; });
    return found == std::end(table) ? "" : found->name;
}

} // namespace

unsigned MapVirtualKeyA(unsigned code, unsigned mapType)
{
    if (mapType != MAPVK_VK_TO_VSC || code >= VirtualKeyCount)
        return 0;
    const int vk = static_cast<int>(code);
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return ScanOfCharacterKey(static_cast<char>(vk));
    if (vk >= VK_NUMPAD0 && vk < VK_NUMPAD0 + 10)
        return KeypadDigitScans[vk - VK_NUMPAD0];
    if (vk >= VK_F1 && vk <= VK_F24)
        return FunctionKeyScans[vk - VK_F1];
    for (const KeyScan &key : NamedKeyScans) {
        if (key.vk == vk)
            return key.scan;
    }
    return 0;
}

int GetKeyNameTextA(std::int32_t keyParameter, char *buffer, int bufferSize)
{
    if (buffer == nullptr || bufferSize <= 0)
        return 0;
    const unsigned scan = (static_cast<std::uint32_t>(keyParameter) >> 16) & 0xFF;
    const bool extended = (keyParameter & (1 << 24)) != 0;
    const char *name = "";
    if (extended) {
        name = NameOf(ExtendedKeyNames, scan);
    } else {
        name = NameOf(PlainKeyNames, scan);
        if (*name == '\0')
            name = NameOf(CharacterKeyNames, scan);
    }
    const int length = std::min(static_cast<int>(std::strlen(name)), bufferSize - 1);
    std::memcpy(buffer, name, static_cast<std::size_t>(length));
    buffer[length] = '\0';
    return length;
}

} // namespace sk2::win
