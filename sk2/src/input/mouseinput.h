#pragma once

// Steering with the mouse as with a joystick whose centre is a reference point: travel of at least
// Threshold pixels from RefPos in a direction makes that direction active. With cursor mode 1 each
// detected left or right movement puts the pointer and the reference back at (400, 400); until then a
// vertical direction, once reached, stays active. The buttons fire.

#include "inputdevice.h"
#include "inputservices.h"

#include <QPoint>
#include <QString>

namespace sk2 {

class TMouseInput final : public TInputDevice
{
public:
    // sensitivity becomes the threshold in pixels.
    TMouseInput(std::int32_t cursorMode, std::int32_t sensitivity, const win::InputServices &services);

    void Init(std::int32_t sensitivity) override;
    bool Up() override;
    bool Down() override;
    bool Right() override;
    bool Left() override;
    bool Fire1() override;
    bool Fire2() override;

    bool MousePresent = false;
    std::int32_t CursorMode = 0; // 1 = re-centre after each detected horizontal movement
    std::int32_t Threshold = 0;
    QPoint RefPos;
    QPoint CurPos;
    QString DebugText; // the latest position line, for the trace only
    bool NearX = false;
    bool NearY = false;

private:
    // Reads the pointer into CurPos; false, with nothing changed, when it cannot be read.
    bool ReadPointer();
    bool IsNear(int reference, int current) const;
    void Recentre();
    QString PositionLine() const;

    win::PointerService &m_pointer;
    const win::KeyStateService &m_keys;
    win::TraceSink m_trace;
};

} // namespace sk2
