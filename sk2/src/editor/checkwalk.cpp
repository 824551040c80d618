#include "checkwalk.h"

#include "editorfeedback.h"
#include "floodfill.h"

#include <QString>

namespace sk2 {

namespace {

// Points inside the road areas of the 53 x 50 tile pictures.
constexpr QPoint RoadCentre(25, 25);
constexpr QPoint CrossingNorthArm(25, 5);
constexpr QPoint CrossingSouthArm(25, 47);

} // namespace

void MarkCell(QImage &picture, int code, Heading heading, QRgb from, QRgb to)
{
    if (code >= 1 && code <= 6) {
        FloodFill(picture, RoadCentre, from, to);
    } else if (code == 7) {
        if (heading == Heading::East || heading == Heading::West) {
            FloodFill(picture, RoadCentre, from, to);
        } else {
            FloodFill(picture, CrossingNorthArm, from, to);
            FloodFill(picture, CrossingSouthArm, from, to);
        }
    }
}

void CheckWalk(CourseCells &cells, QRgb from, QRgb to, bool visible, EditorFeedback &feedback)
{
    CellCodes codes{};
    for (int cell = 0; cell < int(codes.size()); ++cell)
        codes[cell] = cells.Code(cell);
    const CourseWalk walk = TraceCourse(codes);

    if (walk.end == WalkEnd::NoStart) {
        if (visible)
            feedback.ShowError(QStringLiteral("cannot find start position for check"));
        return;
    }
    for (const WalkStep &step : walk.steps) {
        QImage picture = cells.Picture(step.cell);
        MarkCell(picture, codes[step.cell], step.heading, from, to);
        cells.SetPicture(step.cell, picture);
        if (visible)
            feedback.Pause(CheckPauseMs);
    }
    if (!visible)
        return;
    if (walk.end == WalkEnd::Closed)
        feedback.ShowInformation(QStringLiteral("Course check successful"));
    else
        feedback.Beep();
}

} // namespace sk2
