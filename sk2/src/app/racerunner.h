#pragma once

// Runs the races of a match for the start-up form. The game's runner shows one modal race form per
// race; tests run races of their own.
class RaceRunner
{
public:
    virtual ~RaceRunner() = default;

    struct Result
    {
        int bonusScore1 = 0;
        int bonusScore2 = 0;
    };

    // Runs one race to its end, on the track and with the settings the settings file holds now, in
    // 640 x 480 when smallScreen is set and 800 x 600 otherwise. Throws when the race cannot be run.
    virtual Result RunRace(bool smallScreen) = 0;
};
