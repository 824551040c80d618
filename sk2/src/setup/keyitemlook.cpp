#include "keyitemlook.h"

namespace sk2 {

KeyItemLook LookOfKeyItem(bool used, bool selected, const QString &text)
{
    if (used)
        return {selected ? qRgb(255, 255, 255) : qRgb(0, 128, 0), true};
    if (text.contains(QLatin1String("n/a")))
        return {qRgb(255, 255, 0), false};
    return {qRgb(0, 0, 0), false};
}

} // namespace sk2
