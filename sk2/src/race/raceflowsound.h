#pragma once

// The race's sounds, by their index in the sound library, and the calls that play them. Sound errors
// never reach the race: every call here swallows them, and without a sound system nothing plays and
// nothing waits.

namespace sk2::race {

struct TRaceScene;

namespace Sound {
inline constexpr int Start = 0;      // once, right after the start signal
inline constexpr int Engine = 1;     // looped while racing; once more before the race-over screen
inline constexpr int Wall = 2;       // every wall response
inline constexpr int Signal = 3;     // start, last lap, final crossing, car 1 losing speed to car 2
inline constexpr int FinishLine = 4; // at the finish line
inline constexpr int Cone = 5;       // every cone hit
} // namespace Sound

inline constexpr int PanFullLeft = -10000;
inline constexpr int PanFullRight = 10000;

// Plays sound n from its start, looped or once, unless it is already playing once. A looping sound
// never counts as playing, so a looped request always starts it again.
void PlaySound(TRaceScene &scene, int n, bool looped);
// Whether sound n is playing once; false for a sound that cannot be asked.
bool SoundPlaying(const TRaceScene &scene, int n);
void SetSoundPan(TRaceScene &scene, int n, int pan);
// With a sound system: lets the application process messages until sound n no longer plays.
void WaitWhilePlaying(TRaceScene &scene, int n);

} // namespace sk2::race
