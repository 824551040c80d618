#pragma once

#include <random>

namespace tumblor {

// Where the deal's random numbers come from. The game reseeds it from the clock before every deal;
// tests hand in a source whose numbers they choose.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Reseeds the generator, as the game does before each deal.
    virtual void Randomize() = 0;
    // A uniform integer in low..high, both included.
    virtual int Uniform(int low, int high) = 0;
};

// The generator the game plays with: a Mersenne twister seeded from the clock.
class ClockSeededRandom final : public RandomSource
{
public:
    void Randomize() override;
    int Uniform(int low, int high) override;

private:
    std::mt19937 m_engine;
};

} // namespace tumblor
