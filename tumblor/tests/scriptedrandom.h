#pragma once

#include "randomsource.h"

#include <functional>
#include <vector>

// Deals exactly what a test asks for: the n-th call to Uniform returns pick(n, low, high).
class ScriptedRandom final : public tumblor::RandomSource
{
public:
    using Pick = std::function<int(int call, int low, int high)>;
    explicit ScriptedRandom(Pick pick)
        : m_pick(std::move(pick))
    {}

    void Randomize() override { ++randomizeCount; }
    int Uniform(int low, int high) override
    {
        calls.push_back({low, high});
        return m_pick(static_cast<int>(calls.size()) - 1, low, high);
    }

    struct Call
    {
        int low, high;
    };
    std::vector<Call> calls;
    int randomizeCount = 0;

private:
    Pick m_pick;
};

// Every tile a rock of colour 1, unless the test changes cells afterwards.
inline ScriptedRandom UniformRocks()
{
    return ScriptedRandom([](int call, int, int) { return call % 2 == 0 ? tumblor::Rock : 1; });
}
