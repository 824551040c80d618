#pragma once

#include <cstdint>

// The program-wide counters of a match: the number of races in it and the 1-based number of the race
// being run. The start-up form sets them; the race form shows them on its intro screen.
extern std::int32_t RacesInMatch;
extern std::int32_t CurrentRaceNo;
