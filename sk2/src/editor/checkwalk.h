#pragma once

#include "coursewalk.h"

#include <QImage>

namespace sk2 {

class EditorFeedback;

// The grid cells a course check walks over: their tile codes and the pictures it colours.
class CourseCells
{
public:
    virtual ~CourseCells() = default;
    virtual int Code(int cell) const = 0;
    virtual QImage Picture(int cell) const = 0;
    // Replaces the cell's picture and shows it at once.
    virtual void SetPicture(int cell, const QImage &picture) = 0;
};

inline constexpr QRgb CheckRed = qRgb(255, 0, 0);
inline constexpr QRgb RoadBlack = qRgb(0, 0, 0);
inline constexpr int CheckPauseMs = 350;

// Colours the road of one cell the walk passed from `from` to `to`: on a curve or straight the road
// through the middle, on a crossing only the road the heading uses (the middle for west-east, the two
// arms for north-south). Other tiles are left alone.
void MarkCell(QImage &picture, int code, Heading heading, QRgb from, QRgb to);

// Walks the course from its start cell, recolouring the road of each cell it enters from `from` to
// `to`. When visible it pauses after each cell, beeps where the course breaks or leaves the grid,
// and reports a closed course or a missing start cell.
void CheckWalk(CourseCells &cells, QRgb from, QRgb to, bool visible, EditorFeedback &feedback);

} // namespace sk2
