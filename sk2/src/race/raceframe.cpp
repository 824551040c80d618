// One frame of the race (DGCScreen1Flip): the track and the heads-up boxes, the cones, the game step
// with the driving and the race flow, the sprites, the players' input and the pending messages.
#include "racecaru2.h"

#include "drivecones.h"
#include "raceflow.h"
#include "raceflowscreens.h"

#include <QCoreApplication>

namespace sk2::race {

void Tskrace2game::DGCScreen1Flip()
{
    // The map starts at (1, 1): the left pixel column and the top pixel row keep what was drawn there.
    DGCScreen1.DrawMap(DGCScreen1.Back(), 0, 1, 1, true);
    DrawHeadsUp(m_scene);
    CheckCones(m_scene);
    UpdateRace(m_scene);
    // Car 2 is drawn over everything, the finish line over car 1.
    DGCSpriteMgr1.DrawAll();
    DGCSpriteMgr2.DrawAll();
    PollInput();
    QCoreApplication::processEvents();
}

void Tskrace2game::PollInput()
{
    // Input is sampled once per car 1's turn delay, whatever the frame rate.
    PollInputs(*this, Input1.get(), Input2.get(), *Car1, *Car2, TickCount(), Car1->TurnDelay);
}

} // namespace sk2::race
