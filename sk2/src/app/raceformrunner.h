#pragma once

#include "raceplatform.h"
#include "racerunner.h"

#include <functional>

// Runs each race of a match on a fresh race form, shown modally with its sound library and, for
// 640 x 480, its display mode and tile library, and freed when the race is over.
class RaceFormRunner final : public RaceRunner
{
public:
    // What each race form takes from the machine, asked for once per race. The game gives none, so
    // every race takes the machine's own; tests race on a headless display with scripted input.
    using PlatformSource = std::function<sk2::race::RacePlatform()>;

    RaceFormRunner() = default;
    explicit RaceFormRunner(PlatformSource platform);

    Result RunRace(bool smallScreen) override;

private:
    PlatformSource m_platform;
};
