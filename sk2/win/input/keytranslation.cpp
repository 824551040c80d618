#include "keytranslation.h"

#include "virtualkeys.h"

#include <QString>

#include <utility>

namespace sk2::win {

namespace {

// Linux input codes of a US keyboard. Keypad keys carry their cursor code and their digit code.
struct InputKey
{
    quint16 inputCode;
    quint8 vk;
    quint8 numLockVk = 0;
};

// clang-format off
constexpr InputKey InputKeys[] = {
    {1, VK_ESCAPE}, {2, '1'}, {3, '2'}, {4, '3'}, {5, '4'}, {6, '5'}, {7, '6'}, {8, '7'}, {9, '8'},
    {10, '9'}, {11, '0'}, {12, VK_OEM_MINUS}, {13, VK_OEM_PLUS}, {14, VK_BACK},
    {15, VK_TAB}, {16, 'Q'}, {17, 'W'}, {18, 'E'}, {19, 'R'}, {20, 'T'}, {21, 'Y'}, {22, 'U'},
    {23, 'I'}, {24, 'O'}, {25, 'P'}, {26, VK_OEM_4}, {27, VK_OEM_6}, {28, VK_RETURN},
    {29, VK_LCONTROL}, {30, 'A'}, {31, 'S'}, {32, 'D'}, {33, 'F'}, {34, 'G'}, {35, 'H'}, {36, 'J'},
    {37, 'K'}, {38, 'L'}, {39, VK_OEM_1}, {40, VK_OEM_7}, {41, VK_OEM_3},
    {42, VK_LSHIFT}, {43, VK_OEM_5}, {44, 'Z'}, {45, 'X'}, {46, 'C'}, {47, 'V'}, {48, 'B'}, {49, 'N'},
    {50, 'M'}, {51, VK_OEM_COMMA}, {52, VK_OEM_PERIOD}, {53, VK_OEM_2}, {54, VK_RSHIFT},
    {55, VK_MULTIPLY}, {56, VK_LMENU}, {57, VK_SPACE}, {58, VK_CAPITAL},
    {59, VK_F1}, {60, VK_F1 + 1}, {61, VK_F1 + 2}, {62, VK_F1 + 3}, {63, VK_F1 + 4}, {64, VK_F1 + 5},
    {65, VK_F1 + 6}, {66, VK_F1 + 7}, {67, VK_F1 + 8}, {68, VK_F1 + 9}, {87, VK_F1 + 10}, {88, VK_F1 + 11},
    {69, VK_NUMLOCK}, {70, VK_SCROLL}, {74, VK_SUBTRACT}, {78, VK_ADD}, {86, VK_OEM_102},
    {71, VK_HOME, VK_NUMPAD0 + 7}, {72, VK_UP, VK_NUMPAD0 + 8}, {73, VK_PRIOR, VK_NUMPAD0 + 9},
    {75, VK_LEFT, VK_NUMPAD0 + 4}, {76, VK_CLEAR, VK_NUMPAD0 + 5}, {77, VK_RIGHT, VK_NUMPAD0 + 6},
    {79, VK_END, VK_NUMPAD0 + 1}, {80, VK_DOWN, VK_NUMPAD0 + 2}, {81, VK_NEXT, VK_NUMPAD0 + 3},
    {82, VK_INSERT, VK_NUMPAD0}, {83, VK_DELETE, VK_DECIMAL},
    {96, VK_RETURN}, {97, VK_RCONTROL}, {98, VK_DIVIDE}, {99, VK_SNAPSHOT}, {100, VK_RMENU},
    {102, VK_HOME}, {103, VK_UP}, {104, VK_PRIOR}, {105, VK_LEFT}, {106, VK_RIGHT}, {107, VK_END},
    {108, VK_DOWN}, {109, VK_NEXT}, {110, VK_INSERT}, {111, VK_DELETE}, {119, VK_PAUSE},
    {125, VK_LWIN}, {126, VK_RWIN}, {127, VK_APPS},
};
// clang-format on

// F13..F24 sit apart from the other function keys in the input codes.
constexpr quint32 InputCodeF13 = 183;

bool TypesDigit(int qtKey)
{
    return (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || qtKey == Qt::Key_Period || qtKey == Qt::Key_Comma;
}

int VirtualKeyOfInputCode(quint32 inputCode, int qtKey)
{
    if (inputCode >= InputCodeF13 && inputCode < InputCodeF13 + 12)
        return VK_F1 + 12 + static_cast<int>(inputCode - InputCodeF13);
    for (const InputKey &key : InputKeys) {
        if (key.inputCode == inputCode)
            return key.numLockVk != 0 && TypesDigit(qtKey) ? key.numLockVk : key.vk;
    }
    return 0;
}

// Keys whose Qt key is the same on the keypad and elsewhere.
int VirtualKeyOfKeypadKey(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return VK_NUMPAD0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return VK_DECIMAL;
    default:
        return 0;
    }
}

// Printable keys of the US layout, shifted or not.
constexpr std::pair<int, int> SymbolKeys[] = {
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Minus, VK_OEM_MINUS},
    {Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_BraceLeft, VK_OEM_4},
    {Qt::Key_BracketRight, VK_OEM_6},
    {Qt::Key_BraceRight, VK_OEM_6},
    {Qt::Key_Backslash, VK_OEM_5},
    {Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_Semicolon, VK_OEM_1},
    {Qt::Key_Colon, VK_OEM_1},
    {Qt::Key_Apostrophe, VK_OEM_7},
    {Qt::Key_QuoteDbl, VK_OEM_7},
    {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Greater, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_AsciiTilde, VK_OEM_3},
};

constexpr std::pair<int, int> NamedKeys[] = {
    {Qt::Key_Escape, VK_ESCAPE},     {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},       {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Return, VK_RETURN},     {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Insert, VK_INSERT},     {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Pause, VK_PAUSE},       {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_SysReq, VK_SNAPSHOT},   {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Home, VK_HOME},         {Qt::Key_End, VK_END},
    {Qt::Key_Left, VK_LEFT},         {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},       {Qt::Key_Down, VK_DOWN},
    {Qt::Key_PageUp, VK_PRIOR},      {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_Shift, VK_LSHIFT},      {Qt::Key_Control, VK_LCONTROL},
    {Qt::Key_Alt, VK_LMENU},         {Qt::Key_AltGr, VK_RMENU},
    {Qt::Key_Meta, VK_LWIN},         {Qt::Key_Super_L, VK_LWIN},
    {Qt::Key_Super_R, VK_RWIN},      {Qt::Key_Menu, VK_APPS},
    {Qt::Key_CapsLock, VK_CAPITAL},  {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_Help, VK_HELP},
};

template<std::size_t N> int Lookup(const std::pair<int, int> (&table)[N], int qtKey)
{
    for (const auto &[key, vk] : table) {
        if (key == qtKey)
            return vk;
    }
    return 0;
}

int VirtualKeyOfQtKey(int qtKey, bool keypad)
{
    if (keypad) {
        if (const int vk = VirtualKeyOfKeypadKey(qtKey))
            return vk;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // Qt and the system share the ASCII codes of letters and digits
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    if (const int vk = Lookup(SymbolKeys, qtKey))
        return vk;
    return Lookup(NamedKeys, qtKey);
}

} // namespace

int VirtualKeyOf(const KeyEventFacts &facts)
{
    if (facts.inputCode != 0) {
        if (const int vk = VirtualKeyOfInputCode(facts.inputCode, facts.qtKey))
            return vk;
    }
    return VirtualKeyOfQtKey(facts.qtKey, facts.keypad);
}

quint32 InputCodeOfNativeScanCode(quint32 nativeScanCode, const QString &platformName)
{
    // X11 and Wayland (through xkb) both add 8 to the kernel's key code.
    constexpr quint32 XkbOffset = 8;
    const bool xkbCodes =
        platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland"));
    if (!xkbCodes || nativeScanCode <= XkbOffset)
        return 0;
    return nativeScanCode - XkbOffset;
}

int VirtualKeyOfMouseButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return VK_LBUTTON;
    case Qt::RightButton:
        return VK_RBUTTON;
    case Qt::MiddleButton:
        return VK_MBUTTON;
    case Qt::BackButton:
        return VK_XBUTTON1;
    case Qt::ForwardButton:
        return VK_XBUTTON2;
    default:
        return 0;
    }
}

} // namespace sk2::win
