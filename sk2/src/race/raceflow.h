#pragma once

// The course of a race around the driving: the game step of each frame with its start sequence and
// engine sound, lap counting at the finish line, and the end of the race with the match score added to
// the settings file.
//
// A lap counts when a car touches the finish line heading roughly rightward (directions 0 to 14) after
// its reference point has visited every road cell; touching it heading the other way takes a lap away.
// The two players' finish-line tests differ: car 2's clears its visited flags and sounds on every
// frame it touches the line, car 1's only when a lap changes.

#include <cstdint>

namespace sk2::race {

struct TRaceFields;
struct TRaceScene;

// One game step: both cars' updates, sounds and the start sequence, car-to-car contact, cone hits and
// car 2's finish-line test, in that order. Once the race is over the parked cars are left where they
// stand.
void UpdateRace(TRaceScene &scene);

// Car 1's move and track contact, then its finish-line test.
void UpdateCar1(TRaceScene &scene);
// Car 2's move and track contact; its finish-line test comes at the end of the game step.
void UpdateCar2(TRaceScene &scene);

// The first frame gives the start signal and waits for it (messages are processed meanwhile), then
// plays the start sound; later frames keep the engine going once the start sound has ended.
void SoundStep(TRaceScene &scene);

void FinishLineTest1(TRaceScene &scene);
void FinishLineTest2(TRaceScene &scene);

// True when none of the player's visited flags is 0.
bool AllVisited(const TRaceFields &fields, int player);
// Flags of visited cells (1) become 0 again; cells never needed (2) stay.
void ClearVisited(TRaceFields &fields, int player);

// Parks both cars at the finish line, hides the cones and the finish line, stops the frame loop after
// this frame, adds both players' laps to the match score in the settings file and draws the race-over
// screen. Runs once per race.
void RaceOver(TRaceScene &scene);

} // namespace sk2::race
