#include "racecounters.h"

std::int32_t RacesInMatch = 0;
std::int32_t CurrentRaceNo = 0;
