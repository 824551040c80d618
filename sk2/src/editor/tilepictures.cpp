#include "tilepictures.h"

#include <QString>

namespace sk2 {

QImage TilePicture(int imageNumber)
{
    QImage picture(QStringLiteral(":/sk2/editor/tiles/%1.png").arg(imageNumber));
    // The course check recolours the road in place, which needs a true-colour picture.
    if (!picture.isNull())
        picture.convertTo(QImage::Format_RGB32);
    return picture;
}

} // namespace sk2
