#pragma once

// The six sounds of a race, by sound number: 0 the start (a "go" tone and the engines revving up),
// 1 the engine (a loop that repeats seamlessly), 2 a thud against the roadside, 3 the signal beep,
// 4 the finish-line chime, 5 a cone hit.

#include "synth.h"

namespace sk2sound {

inline constexpr int RaceSoundCount = 6;

Samples StartSound();
Samples EngineLoop();
Samples WallThud();
Samples SignalBeep();
Samples FinishChime();
Samples ConeHit();

Samples RaceSound(int number);

} // namespace sk2sound
