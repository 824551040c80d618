#pragma once

// The race cars seen from above: one drawing, rotated to each of the 32 directions (11.25 degrees
// apart, clockwise from straight up) and painted in the green of player 1 or the red of player 2.

#include "gamepalette.h"

#include <QColor>
#include <QPainter>

namespace sk2art {

struct CarLivery
{
    QColor body;
    QColor dark;
    QColor light;
    QColor stripe;
};

const CarLivery &GreenLivery();
const CarLivery &RedLivery();

// Paints the car centred on the origin, nose toward negative y, 26 units long and 14 wide.
void PaintCar(QPainter &painter, const CarLivery &livery);

// The car sprite pointing in direction 0..31: cropped to the car and widened with transparent
// columns or rows to at least 22 x 25, the car in the middle.
IndexedArt CarSprite(const CarLivery &livery, int direction);

// The car pointing up (direction 0) or down (16) partly hidden under a bridge. `shownFrom` and
// `shownTo` give, as fractions of the image height from the top, the rows that are still seen.
IndexedArt CarUnderBridge(const CarLivery &livery, int direction, double shownFrom, double shownTo);

} // namespace sk2art
