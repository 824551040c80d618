#pragma once

// The race's 81 sprite images, by image number: 0 the finish line, 1..32 the green car and 33..64 the
// red car in directions 0..31, 65 the cone and 66..68 its spin, 69..80 the green car going under and
// coming out from under a bridge, up (69..74) and down (75..80).

#include "gamepalette.h"

#include <vector>

namespace sk2art {

inline constexpr int SpriteCount = 81;

IndexedArt FinishLine();
// The cone; spin frames 1..3 show its foot turned by 22.5, 45 and 67.5 degrees.
IndexedArt Cone(int spinFrame);

std::vector<IndexedArt> AllSprites();

} // namespace sk2art
