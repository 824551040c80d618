#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sk2sound {

double Noise::Next()
{
    m_state = m_state * 1664525u + 1013904223u;
    return (m_state >> 8) / double(1u << 24) * 2.0 - 1.0;
}

void MixInto(Samples &target, const Samples &source, int offset, double gain)
{
    if (target.size() < source.size() + std::size_t(offset))
        target.resize(source.size() + std::size_t(offset), 0.0);
    for (std::size_t i = 0; i < source.size(); ++i)
        target[i + std::size_t(offset)] += gain * source[i];
}

void MixCircular(Samples &target, const Samples &source, int offset, double gain)
{
    for (std::size_t i = 0; i < source.size(); ++i)
        target[(i + std::size_t(offset)) % target.size()] += gain * source[i];
}

namespace {

double PoleFor(double cutoff)
{
    return std::exp(-2.0 * std::numbers::pi * cutoff / SampleRate);
}

} // namespace

void LowPass(Samples &samples, double cutoff)
{
    const double pole = PoleFor(cutoff);
    double state = 0;
    for (double &s : samples) {
        state = (1 - pole) * s + pole * state;
        s = state;
    }
}

void HighPass(Samples &samples, double cutoff)
{
    const double pole = PoleFor(cutoff);
    double low = 0;
    for (double &s : samples) {
        low = (1 - pole) * s + pole * low;
        s -= low;
    }
}

void LowPassCircular(Samples &samples, double cutoff)
{
    const double pole = PoleFor(cutoff);
    double state = 0;
    for (double s : samples)
        state = (1 - pole) * s + pole * state;
    for (double &s : samples) {
        state = (1 - pole) * s + pole * state;
        s = state;
    }
}

void Saturate(Samples &samples, double drive)
{
    for (double &s : samples)
        s = std::tanh(drive * s) / drive;
}

void Normalise(Samples &samples, double peak)
{
    double largest = 0;
    for (double s : samples)
        largest = std::max(largest, std::abs(s));
    if (largest > 0) {
        for (double &s : samples)
            s *= peak / largest;
    }
}

void FadeEnds(Samples &samples, double fadeInSeconds, double fadeOutSeconds)
{
    // Squared ramps: the level falls smoothly and is well below hearing in the last few milliseconds.
    const std::size_t fadeIn = std::min(samples.size(), std::size_t(SamplesFor(fadeInSeconds)));
    const std::size_t fadeOut = std::min(samples.size(), std::size_t(SamplesFor(fadeOutSeconds)));
    for (std::size_t i = 0; i < fadeIn; ++i)
        samples[i] *= std::pow(double(i) / fadeIn, 2);
    for (std::size_t i = 0; i < fadeOut; ++i)
        samples[samples.size() - 1 - i] *= std::pow(double(i) / fadeOut, 2);
}

void RemoveOffset(Samples &samples)
{
    double sum = 0;
    for (double s : samples)
        sum += s;
    const double mean = samples.empty() ? 0 : sum / double(samples.size());
    for (double &s : samples)
        s -= mean;
}

} // namespace sk2sound
