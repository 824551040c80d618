#pragma once

// Which virtual key a key event or a mouse button stands for.
//
// The physical key decides where the platform tells it: on X11 and Wayland a key event's native scan
// code is the Linux input code plus 8, which names the key's place on the keyboard whatever Shift or
// the layout make it type, and tells the left Shift from the right. Keys are placed as on a US
// keyboard, like the key names. The keypad's keys give their digit codes while they type digits
// (Num Lock on) and their cursor codes otherwise, as on the original system.
//
// Without a native scan code (tests, other platforms) the Qt key decides; shifted symbols of the US
// layout count as their unshifted key, and a modifier without a side counts as the left one.

#include <QString>
#include <QtGlobal>
#include <qnamespace.h>

namespace sk2::win {

struct KeyEventFacts
{
    int qtKey = 0;
    bool keypad = false;   // Qt::KeypadModifier was set
    quint32 inputCode = 0; // Linux input code of the physical key; 0 when unknown
};

// The virtual-key code for the event; 0 for a key without one.
int VirtualKeyOf(const KeyEventFacts &facts);

// The Linux input code in a native scan code of the given platform ("xcb", "wayland"); 0 elsewhere.
quint32 InputCodeOfNativeScanCode(quint32 nativeScanCode, const QString &platformName);

// VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1 or VK_XBUTTON2; 0 for other buttons.
int VirtualKeyOfMouseButton(Qt::MouseButton button);

} // namespace sk2::win
