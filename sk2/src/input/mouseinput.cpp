#include "mouseinput.h"

#include "virtualkeys.h"

#include <cstdlib>

namespace sk2 {

namespace {

const QPoint RecentredPosition(400, 400);

} // namespace

TMouseInput::TMouseInput(std::int32_t cursorMode, std::int32_t sensitivity,
                         const win::InputServices &services)
    : CursorMode(cursorMode)
    , m_pointer(services.pointer)
    , m_keys(services.keys)
    , m_trace(services.trace)
{
    Init(sensitivity);
}

void TMouseInput::Init(std::int32_t sensitivity)
{
    MousePresent = m_pointer.MousePresent();
    // Without a reference every travel would be measured from the screen's corner, so a pointer that
    // cannot be read leaves the mouse unusable rather than steering on its own.
    const bool hasReference = MousePresent && m_pointer.GetCursorPos(RefPos);
    Threshold = sensitivity;
    Available = hasReference;
}

bool TMouseInput::Up()
{
    if (!Available || !ReadPointer())
        return false;
    NearY = IsNear(RefPos.y(), CurPos.y());
    const bool result = CurPos.y() < RefPos.y() && !NearY;
    DebugText = PositionLine();
    if (result)
        m_trace(QStringLiteral("mouse north ") + DebugText);
    return result;
}

bool TMouseInput::Down()
{
    if (!Available || !ReadPointer())
        return false;
    NearY = IsNear(RefPos.y(), CurPos.y());
    const bool result = RefPos.y() < CurPos.y() && !NearY;
    if (result)
        m_trace(QStringLiteral("mouse south get true "));
    return result;
}

bool TMouseInput::Right()
{
    if (!Available || !ReadPointer())
        return false;
    NearX = IsNear(RefPos.x(), CurPos.x());
    const bool result = RefPos.x() < CurPos.x() && !NearX;
    if (result && CursorMode == 1)
        Recentre();
    if (result)
        m_trace(QStringLiteral("mouse east get true "));
    return result;
}

bool TMouseInput::Left()
{
    if (!Available || !ReadPointer())
        return false;
    NearX = IsNear(RefPos.x(), CurPos.x());
    const bool result = CurPos.x() < RefPos.x() && !NearX;
    DebugText = PositionLine();
    if (result && CursorMode == 1)
        Recentre();
    if (result)
        m_trace(QStringLiteral("mouse west ") + DebugText);
    return result;
}

bool TMouseInput::Fire1()
{
    return (win::GetAsyncKeyState(m_keys, win::VK_LBUTTON) & 0x8000) != 0;
}

bool TMouseInput::Fire2()
{
    return (win::GetAsyncKeyState(m_keys, win::VK_RBUTTON) & 0x8000) != 0;
}

bool TMouseInput::ReadPointer()
{
    return m_pointer.GetCursorPos(CurPos);
}

bool TMouseInput::IsNear(int reference, int current) const
{
    return std::llabs(static_cast<long long>(reference) - current) < Threshold;
}

void TMouseInput::Recentre()
{
    CurPos = RecentredPosition;
    m_pointer.SetCursorPos(RecentredPosition.x(), RecentredPosition.y());
    RefPos = RecentredPosition;
}

QString TMouseInput::PositionLine() const
{
    return QString::asprintf("cx= %.4d cy= %.4d :: mx= %.4d my= %.4d", CurPos.x(), CurPos.y(), RefPos.x(),
                             RefPos.y());
}

} // namespace sk2
