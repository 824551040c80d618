#pragma once

#include <QColor>
#include <QPixmap>

// A small top view of a race car pointing up, in the given body colour, size x size pixels.
QPixmap DrawCarPicture(const QColor &body, int size);
