#pragma once

#include <QImage>
#include <QPainter>

// Small stand-ins for the editor's 53 x 50 tile pictures, made in the test so that every pixel is
// known: olive grass, the road in pure black. The crossing's west-east road with its centre square is
// one black area, its north and south arms two more, parted from it by a green line.
namespace fixtures {

inline const QRgb Grass = qRgb(128, 128, 0);
inline const QRgb Line = qRgb(0, 160, 0);

inline QImage GrassPicture()
{
    QImage picture(53, 50, QImage::Format_RGB32);
    picture.fill(Grass);
    return picture;
}

// A road tile: a black band through the middle in the directions the code's road takes.
inline QImage RoadPicture(int code)
{
    QImage picture = GrassPicture();
    QPainter painter(&picture);
    const QRect centre(18, 18, 17, 15);
    painter.fillRect(centre, Qt::black);
    const bool north = code == 1 || code == 2 || code == 5 || code == 7;
    const bool south = code == 3 || code == 4 || code == 5 || code == 7;
    const bool west = code == 2 || code == 4 || code == 6 || code == 7;
    const bool east = code == 1 || code == 3 || code == 6 || code == 7;
    if (west)
        painter.fillRect(0, 18, 18, 15, Qt::black);
    if (east)
        painter.fillRect(35, 18, 18, 15, Qt::black);
    if (north)
        painter.fillRect(18, 0, 17, 18, Qt::black);
    if (south)
        painter.fillRect(18, 33, 17, 17, Qt::black);
    if (code == 7) {
        painter.fillRect(18, 16, 17, 2, Line);
        painter.fillRect(18, 33, 17, 2, Line);
    }
    return picture;
}

inline QImage TilePicture(int code)
{
    return code >= 1 && code <= 7 ? RoadPicture(code) : GrassPicture();
}

} // namespace fixtures
