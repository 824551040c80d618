#pragma once

// The pictures outside the race: the program icon, the small car pictures beside the players' names,
// and the small track map on the button that opens the track editor.

#include <QImage>

namespace sk2art {

struct CarLivery;

QImage DrawIcon(int size);
// The car pointing right with a soft shadow, on a transparent background.
QImage DrawCarPicture(const CarLivery &livery, int size);
QImage DrawTrackGlyph(int size);

} // namespace sk2art
