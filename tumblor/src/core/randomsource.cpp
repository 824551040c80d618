#include "randomsource.h"

#include <chrono>

namespace tumblor {

void ClockSeededRandom::Randomize()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
}

int ClockSeededRandom::Uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_engine);
}

} // namespace tumblor
