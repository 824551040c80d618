#pragma once

// The race's pseudo-random numbers (where the cones are scattered). The game's generator is never
// seeded from the clock, so every run of the program sees the same sequence.

#include <cstdint>

namespace sk2::race {

class RaceRandom
{
public:
    virtual ~RaceRandom() = default;
    // A whole number from 0 to range - 1; 0 when range is 0 or less.
    virtual std::int32_t Random(std::int32_t range) = 0;
};

// A 32-bit linear congruential generator (multiplier 134775813, increment 1) starting from seed 0,
// scaled to the range by taking the high 32 bits of seed x range.
class FixedSeedRandom : public RaceRandom
{
public:
    std::int32_t Random(std::int32_t range) override;

private:
    std::uint32_t m_seed = 0;
};

// The generator every race of this program run scatters its cones with, so that one run's races
// continue one sequence.
RaceRandom &ProgramRandom();

} // namespace sk2::race
