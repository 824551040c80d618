#include "matchrules.h"

#include <algorithm>

namespace MatchRules {

int NextSlot(int slot)
{
    return slot >= SlotCount ? 1 : slot + 1;
}

namespace {
int NumberOr(const QString &text, int replacement)
{
    const int value = text.trimmed().toInt();
    return value == 0 ? replacement : value;
}
} // namespace

int LapsFromText(const QString &text)
{
    return NumberOr(text, 3);
}

int RacesFromText(const QString &text)
{
    return NumberOr(text, 1);
}

int ClampTrackPick(int pick, int trackCount)
{
    if (pick >= trackCount)
        pick = trackCount - 1;
    return std::max(pick, 0);
}

Winner DecideWinner(int score1, int score2, int racesInMatch, int laps)
{
    if (score1 <= 0 && score2 <= 0)
        return Winner::Undecided;
    const long long threshold = static_cast<long long>(racesInMatch / 2) * laps;
    if (!(score1 > threshold || score2 > threshold || racesInMatch == 1))
        return Winner::Undecided;
    if (score1 > score2)
        return Winner::Player1;
    if (score2 > score1)
        return Winner::Player2;
    return Winner::Tied;
}

QString BonusText(int bonus)
{
    return QStringLiteral("%1").arg(bonus, 8);
}

} // namespace MatchRules
