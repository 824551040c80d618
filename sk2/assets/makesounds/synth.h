#pragma once

// A few building blocks for the race sounds: oscillators, noise, envelopes and simple filters on a
// buffer of samples in [-1, 1].

#include <cstdint>
#include <vector>

namespace sk2sound {

inline constexpr int SampleRate = 22050;

using Samples = std::vector<double>;

// A repeatable white-noise source.
class Noise
{
public:
    explicit Noise(std::uint32_t seed)
        : m_state(seed)
    {}
    double Next();

private:
    std::uint32_t m_state;
};

inline int SamplesFor(double seconds)
{
    return int(seconds * SampleRate + 0.5);
}

// Adds `source` into `target` starting at sample `offset`, growing the target as needed.
void MixInto(Samples &target, const Samples &source, int offset, double gain = 1.0);
// Adds `source` into `target` at `offset`, wrapping around its end (for loops).
void MixCircular(Samples &target, const Samples &source, int offset, double gain = 1.0);

// One-pole low-pass and high-pass filters with the given corner frequency.
void LowPass(Samples &samples, double cutoff);
void HighPass(Samples &samples, double cutoff);
// The same low-pass for a loop: run twice round it, so the end flows into the beginning.
void LowPassCircular(Samples &samples, double cutoff);

// Soft saturation that keeps small signals as they are.
void Saturate(Samples &samples, double drive);
// Scales so the largest magnitude is `peak`.
void Normalise(Samples &samples, double peak);
// Takes away a constant offset, which a loudspeaker cannot play and which would click at the ends.
void RemoveOffset(Samples &samples);
// Short fades at both ends against clicks.
void FadeEnds(Samples &samples, double fadeInSeconds, double fadeOutSeconds);

} // namespace sk2sound
