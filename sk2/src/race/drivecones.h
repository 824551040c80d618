#pragma once

// The ten cones on the road. A cone is in play (visible, still), hit (spinning away), parked (hidden,
// stopped at the top-left corner) and, once every cone is parked, scattered again with all the others
// on random road positions.

#include <cstdint>

namespace sk2::dgc {
class TDGCSprite;
}

namespace sk2::race {

struct TRaceScene;

// Each frame before the game step: hides the stopped cones up to the first one still in play; when
// every cone is stopped, scatters them all.
void CheckCones(TRaceScene &scene);

// Puts every cone on a random spot of the screen, trying again while some pixel of it lies off the road
// or on a heads-up box; after 499 placements the last one stays. Each cone is left visible and still.
void ScatterCones(TRaceScene &scene);

inline constexpr int MaxConePlacements = 499;

// A cone whose spin has ended: hidden and stopped at (0, 0), waiting to be scattered. Other sprites
// (the finish line raises the same event every frame) are left alone.
void ParkSpunCone(TRaceScene &scene, dgc::TDGCSprite &sprite);

} // namespace sk2::race
