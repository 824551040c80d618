#include "random.h"

namespace {

std::uint32_t state = 1;

} // namespace

void SeedRandom(std::uint32_t seed)
{
    state = seed;
}

int NextRandom()
{
    state = state * 214013u + 2531011u;
    return int((state >> 16) & 0x7FFF);
}

std::uint32_t RandomState()
{
    return state;
}
