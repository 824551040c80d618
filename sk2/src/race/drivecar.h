#pragma once

// Driving a car and its contact with the track and the other car.
//
// Each frame a car moves by its velocity, then is checked against the pixels of the drawn track (the
// back buffer before the sprites are drawn): a car whose picture touches anything but road colour is
// pushed back and turned by the steering hints, and on a crossing the marker bars send it through the
// underpass, hidden. Two cars that touch bounce back and swap directions.

namespace sk2::race {

struct TRaceScene;

// The car's move and its contact with the roadside: everything of a car's update except the finish
// line. Marks the cell under the car's reference point as visited.
void DriveCar(TRaceScene &scene, int player);

// The direction a car at (x, y) with a w x h picture and direction d should take after touching the
// roadside: d when the corners its sector watches are all on road, otherwise d plus the steering hint
// at the sector's lookup point. The result lies between -1 and 32; WrapWallTurn brings it into range.
int WallTurn(const TRaceScene &scene, int x, int y, int d, int h, int w);

// Car 1 never keeps 0 or 31 after a wall response (32 and more become 1, 0 and less 30); car 2 swaps
// them (32 and more become 0, -1 and less 31).
int WrapWallTurn(int player, int r);

// The hint of the hint cell holding (x, y); a point beyond the grid takes the nearest cell's hint.
int NearestHint(const TRaceScene &scene, int x, int y);

// When neither car is hidden and the pictures they showed at the start of the game step touch at
// their present positions: both go back one step and take each other's direction.
void CarContact(TRaceScene &scene);

// Each car that is not hidden scores at most one cone per frame, the first it touches; the cone spins
// away in the car's direction.
void ConeHits(TRaceScene &scene);

} // namespace sk2::race
