#include "pointerservice.h"

#include <QCursor>
#include <QGuiApplication>
#include <QInputDevice>
#include <QScreen>

namespace sk2::win {

namespace {

bool HasScreen()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr &&
           QGuiApplication::primaryScreen() != nullptr;
}

} // namespace

bool SystemPointer::MousePresent() const
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr)
        return false;
    bool anyPointer = false;
    for (const QInputDevice *device : QInputDevice::devices()) {
        const QInputDevice::DeviceType type = device->type();
        if (type == QInputDevice::DeviceType::Mouse || type == QInputDevice::DeviceType::TouchPad)
            return true;
        anyPointer = anyPointer || device->type() != QInputDevice::DeviceType::Keyboard;
    }
    return !anyPointer;
}

bool SystemPointer::GetCursorPos(QPoint &position)
{
    if (!HasScreen())
        return false;
    position = QCursor::pos();
    return true;
}

bool SystemPointer::SetCursorPos(int x, int y)
{
    if (!HasScreen())
        return false;
    QCursor::setPos(x, y);
    return true;
}

} // namespace sk2::win
