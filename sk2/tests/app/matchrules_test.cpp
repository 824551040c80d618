#include "matchrules.h"

#include <gtest/gtest.h>

using namespace MatchRules;

TEST(MatchRules, SlotsCycleOneToFour)
{
    int slot = 1;
    std::vector<int> seen;
    for (int race = 0; race < 5; ++race) {
        slot = NextSlot(slot);
        seen.push_back(slot);
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 4, 1, 2}));
}

TEST(MatchRules, EditTextsBecomeLapsAndRaces)
{
    EXPECT_EQ(LapsFromText(QStringLiteral("7")), 7);
    EXPECT_EQ(LapsFromText(QStringLiteral("0")), 3);
    EXPECT_EQ(LapsFromText(QStringLiteral("x")), 3);
    EXPECT_EQ(LapsFromText(QString()), 3);
    EXPECT_EQ(RacesFromText(QStringLiteral("12")), 12);
    EXPECT_EQ(RacesFromText(QStringLiteral("0")), 1);
    EXPECT_EQ(RacesFromText(QStringLiteral("?")), 1);
}

TEST(MatchRules, TrackPicksAreKeptOnTheFile)
{
    EXPECT_EQ(ClampTrackPick(2, 2), 1);
    EXPECT_EQ(ClampTrackPick(3, 2), 1);
    EXPECT_EQ(ClampTrackPick(1, 2), 1);
    EXPECT_EQ(ClampTrackPick(-4, 2), 0);
}

TEST(MatchRules, WinnerRules)
{
    struct Case
    {
        int score1, score2, races, laps;
        Winner winner;
    };
    const Case cases[] = {
        {2, 1, 1, 3, Winner::Player1}, // a one-race match is always decided
        {1, 2, 1, 3, Winner::Player2},   {6, 6, 4, 3, Winner::Undecided}, // threshold 6, neither exceeds it
        {7, 6, 4, 3, Winner::Player1},   {6, 7, 4, 3, Winner::Player2},
        {7, 7, 4, 3, Winner::Tied},      {0, 0, 1, 3, Winner::Undecided},
        {0, 0, 5, 3, Winner::Undecided}, {4, 0, 3, 3, Winner::Player1}, // threshold (3 div 2) x 3 = 3
        {3, 0, 3, 3, Winner::Undecided},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DecideWinner(c.score1, c.score2, c.races, c.laps), c.winner)
            << c.score1 << ":" << c.score2 << " over " << c.races << " races of " << c.laps;
}

TEST(MatchRules, BonusTotalsAreRightAlignedInEightCharacters)
{
    EXPECT_EQ(BonusText(15), QStringLiteral("      15"));
    EXPECT_EQ(BonusText(0), QStringLiteral("       0"));
    EXPECT_EQ(BonusText(123456789), QStringLiteral("123456789"));
}
