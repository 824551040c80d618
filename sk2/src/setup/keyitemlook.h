#pragma once

#include <QRgb>
#include <QString>

namespace sk2 {

// How one entry of a key box is written: bound keys stand out in green italics (white on the selection
// background), keys this keyboard has no name for are yellow, the rest black.
struct KeyItemLook
{
    QRgb colour;
    bool italic;

    bool operator==(const KeyItemLook &) const = default;
};

KeyItemLook LookOfKeyItem(bool used, bool selected, const QString &text);

} // namespace sk2
