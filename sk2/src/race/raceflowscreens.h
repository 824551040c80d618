#pragma once

// What the race draws besides the track and the sprites: the intro screen, the heads-up boxes of bonus
// points and laps, and the race-over screen with the match score. Everything is drawn into the back
// buffer with its canvas, in the palette colours nearest to the colours asked for.

#include <QString>

#include <cstdint>

namespace sk2::race {

struct TRaceFields;
struct TRaceScene;

// The intro: the game's name, the start call, how to quit, and which race of the match this is.
void ShowIntro(TRaceScene &scene, std::int32_t currentRaceNo, std::int32_t racesInMatch);
QString RaceNumberText(std::int32_t currentRaceNo, std::int32_t racesInMatch);

// Player 1's boxes stand on the right (HudLeft1, green), player 2's on the left (HudLeft2, red).
void DrawScoreBox(TRaceScene &scene, std::int32_t value, int player);
void DrawLapBox(TRaceScene &scene, std::int32_t value, int player);
// Both players' score boxes, then both lap boxes.
void DrawHeadsUp(TRaceScene &scene);
// At least six digits, zero-padded.
QString ScoreBoxText(std::int32_t value);
// At least two digits, zero-padded; a negative count shows as 0.
QString LapBoxText(std::int32_t value);

// The race-over lines, each drawn twice (the second pass 2 pixels right and 1 down).
void DrawRaceOverScreen(TRaceScene &scene);
// "Race Over  <winner> Won!!": player 1 when its laps reached RaceLaps, otherwise player 2.
QString RaceOverTitle(const TRaceFields &fields);
QString MatchScoreLine(const TRaceFields &fields);

} // namespace sk2::race
