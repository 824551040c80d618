// One frame of the race (DGCScreen1Flip) and the game step it runs (UpdateRace).
#include "racecaru2.h"

#include <QCoreApplication>

namespace sk2::race {

namespace {
// The point of a car whose cell counts as visited, relative to its top-left corner.
constexpr int ReferenceX = 10;
constexpr int ReferenceY = 14;
// Map values below this are tiles a car's reference point must visit each lap: roads and the pond.
constexpr int FirstUnvisitedValue = 8;
} // namespace

void Tskrace2game::DGCScreen1Flip()
{
    // The map starts at (1, 1): the left pixel column and the top pixel row keep what was drawn there.
    DGCScreen1.DrawMap(DGCScreen1.Back(), 0, 1, 1, true);
    DrawScoreBox(BonusScore1, 1);
    DrawScoreBox(BonusScore2, 2);
    DrawLapBox(Laps1, 1);
    DrawLapBox(Laps2, 2);
    CheckCones();
    UpdateRace();
    // Car 2 is drawn over everything, the finish line over car 1.
    DGCSpriteMgr1.DrawAll();
    DGCSpriteMgr2.DrawAll();
    QCoreApplication::processEvents();
}

void Tskrace2game::UpdateRace()
{
    m_carImage1 = Car1->ImageNumber();
    m_carImage2 = Car2->ImageNumber();
    UpdateCar1();
    UpdateCar2();
}

void Tskrace2game::UpdateCar1()
{
    // Moving car 1's manager also moves and animates the cones and the finish line.
    m_step1 = MoveCar(DGCSpriteMgr1, *Car1, Visited1);
}

void Tskrace2game::UpdateCar2()
{
    m_step2 = MoveCar(DGCSpriteMgr2, *Car2, Visited2);
}

Tskrace2game::CarStep Tskrace2game::MoveCar(dgc::TDGCSpriteMgr &manager, dgc::TDGCRaceCar &car,
                                            TVisitedFlags &visited)
{
    CarStep step;
    step.OldX = car.X();
    step.OldY = car.Y();
    manager.MoveAll(TickCount());
    step.Dx = car.X() - step.OldX;
    step.Dy = car.Y() - step.OldY;
    const dgc::TDGCScreen::TileHit cell = DGCScreen1.TileAt(car.X() + ReferenceX, car.Y() + ReferenceY);
    if (cell.column >= 0 && cell.value < FirstUnvisitedValue)
        visited[std::size_t(cell.column)][std::size_t(cell.row)] = Visited;
    return step;
}

} // namespace sk2::race
