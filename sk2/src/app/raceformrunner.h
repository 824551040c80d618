#pragma once

#include "racerunner.h"

// Runs each race of a match on a fresh race form, shown modally with its sound library and, for
// 640 x 480, its display mode and tile library, and freed when the race is over.
class RaceFormRunner final : public RaceRunner
{
public:
    Result RunRace(bool smallScreen) override;
};
