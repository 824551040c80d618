#pragma once

// The game's pseudo-random numbers: a linear congruential generator, seeded once at start-up, so that
// the same seed cuts and scatters the same puzzle on every machine.
#include <cstdint>

void SeedRandom(std::uint32_t seed);

// The next number, 0 to 32767.
int NextRandom();

std::uint32_t RandomState();
