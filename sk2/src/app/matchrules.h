#pragma once

#include <QString>

// The rules of a match as the start-up form applies them: which slot a race takes its track from, how
// the edits' texts become laps and races, who won, and how the bonus totals are shown.
namespace MatchRules {

inline constexpr int SlotCount = 4;

// The slot after this one, back to 1 after the last.
int NextSlot(int slot);

// Laps per race from the laps edit: 0, or text that is no number, gives 3.
int LapsFromText(const QString &text);
// Races per match from the races edit: 0, or text that is no number, gives 1.
int RacesFromText(const QString &text);

// A track pick read from the settings: raised to 0 when negative, lowered to the last track when past it.
int ClampTrackPick(int pick, int trackCount);

enum class Winner { Undecided, Player1, Player2, Tied };

// The winner from the match scores (laps completed over the match). A player wins outright only with
// more laps than half the races' worth; a one-race match is always decided.
Winner DecideWinner(int score1, int score2, int racesInMatch, int laps);

// A bonus total as decimal text right-aligned in eight characters.
QString BonusText(int bonus);

} // namespace MatchRules
