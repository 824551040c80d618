#include "racerandom.h"

namespace sk2::race {

std::int32_t FixedSeedRandom::Random(std::int32_t range)
{
    m_seed = m_seed * 134775813u + 1u;
    if (range <= 0)
        return 0;
    return std::int32_t((std::uint64_t(m_seed) * std::uint64_t(range)) >> 32);
}

RaceRandom &ProgramRandom()
{
    static FixedSeedRandom random;
    return random;
}

} // namespace sk2::race
