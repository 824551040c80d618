#pragma once

// The pointer, standing in for GetCursorPos, SetCursorPos and GetSystemMetrics(SM_MOUSEPRESENT).
// Positions are in screen coordinates of the whole desktop.

#include <QPoint>

namespace sk2::win {

class PointerService
{
public:
    virtual ~PointerService() = default;
    // Whether the system has a mouse.
    virtual bool MousePresent() const = 0;
    // The pointer position; false, with position unchanged, when it cannot be read.
    virtual bool GetCursorPos(QPoint &position) = 0;
    // Moves the pointer; false when the platform does not let programs move it.
    virtual bool SetCursorPos(int x, int y) = 0;
};

// The desktop's pointer through QCursor. It needs a QGuiApplication; without one, or without a screen,
// the pointer cannot be read or moved. A mouse counts as present when the platform lists a mouse or a
// touchpad, or lists no pointing device at all (it cannot tell, and a desktop has one).
class SystemPointer final : public PointerService
{
public:
    bool MousePresent() const override;
    bool GetCursorPos(QPoint &position) override;
    bool SetCursorPos(int x, int y) override;
};

} // namespace sk2::win
