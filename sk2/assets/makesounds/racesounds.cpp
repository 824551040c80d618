#include "racesounds.h"

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace sk2sound {

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

double Seconds(std::size_t sample)
{
    return double(sample) / SampleRate;
}

// One firing of the engine: a damped low resonance of the exhaust with a breath of noise. The engine
// is a train of these; `brightness` from 0 to 1 opens it up as the revs rise.
Samples EnginePulse(Noise &noise, double loudness, double brightness)
{
    Samples pulse(std::size_t(SamplesFor(0.016)));
    double smoothNoise = 0;
    const double body = 120 + 60 * brightness;
    for (std::size_t i = 0; i < pulse.size(); ++i) {
        const double t = Seconds(i);
        const double envelope = (1 - std::exp(-t / 0.0004)) * std::exp(-t / 0.0042);
        smoothNoise = 0.7 * smoothNoise + 0.3 * noise.Next();
        const double rasp = std::sin(TwoPi * (300 + 200 * brightness) * t) * std::exp(-t / 0.002);
        pulse[i] = loudness * envelope *
                   (0.8 * std::sin(TwoPi * body * t) + (0.3 + 0.2 * brightness) * rasp + 0.35 * smoothNoise);
    }
    return pulse;
}

// A tone with a few harmonics.
double Organ(double phase, const std::array<double, 4> &harmonics)
{
    double value = 0;
    for (std::size_t h = 0; h < harmonics.size(); ++h)
        value += harmonics[h] * std::sin(phase * double(h + 1));
    return value;
}

// A bell-like strike: inharmonic partials that fade faster the higher they are.
Samples Bell(double frequency, double seconds, double decay)
{
    const std::array<double, 5> ratios = {1.0, 2.0, 3.0, 4.2, 5.4};
    const std::array<double, 5> levels = {1.0, 0.5, 0.25, 0.12, 0.08};
    Samples bell(std::size_t(SamplesFor(seconds)));
    for (std::size_t i = 0; i < bell.size(); ++i) {
        const double t = Seconds(i);
        double value = 0;
        for (std::size_t p = 0; p < ratios.size(); ++p)
            value += levels[p] * std::exp(-t / (decay / std::pow(ratios[p], 0.7))) *
                     std::sin(TwoPi * frequency * ratios[p] * t);
        bell[i] = value * (1 - std::exp(-t / 0.002));
    }
    return bell;
}

} // namespace

Samples EngineLoop()
{
    // One second of sixty firings in a four-beat pattern; a whole number of everything fits in it, and
    // each firing's tail wraps round to the beginning, so the loop has no seam. It starts on a firing,
    // so that restarting it from the beginning still sounds like the engine.
    constexpr int Firings = 60;
    const std::array<double, 4> pattern = {1.0, 0.84, 0.94, 0.8};
    Samples loop(SampleRate, 0.0);
    Noise noise(7);
    for (int firing = 0; firing < Firings; ++firing) {
        const int onset = int(std::lround(firing * double(SampleRate) / Firings));
        const double loudness = pattern[std::size_t(firing % 4)] * (1 + 0.08 * noise.Next());
        MixCircular(loop, EnginePulse(noise, loudness, 0.15), onset);
    }
    for (std::size_t i = 0; i < loop.size(); ++i)
        loop[i] += 0.12 * std::sin(TwoPi * 30 * Seconds(i)) + 0.06 * std::sin(TwoPi * 90 * Seconds(i) + 1.0);
    LowPassCircular(loop, 2200);
    Saturate(loop, 1.6);
    RemoveOffset(loop);
    Normalise(loop, 0.55);
    return loop;
}

Samples StartSound()
{
    // "Go!": a high tone after the signal's lower beep, while the engines rev up and settle to idle.
    Samples sound(std::size_t(SamplesFor(1.8)), 0.0);
    Samples go(std::size_t(SamplesFor(0.45)));
    for (std::size_t i = 0; i < go.size(); ++i) {
        const double t = Seconds(i);
        go[i] = Organ(TwoPi * 1318.5 * t, {1.0, 0.3, 0.15, 0.05}) * (1 - std::exp(-t / 0.003)) *
                std::exp(-t / 0.35);
    }
    FadeEnds(go, 0, 0.06);
    MixInto(sound, go, 0, 0.5);

    Samples engine;
    Noise noise(11);
    double phase = 0;
    const double start = 0.04;
    for (std::size_t i = std::size_t(SamplesFor(start)); i < sound.size(); ++i) {
        const double t = Seconds(i) - start;
        // Revs climb quickly, hold, and fall back toward the idle of the engine loop.
        const double rise = 1 - std::exp(-t / 0.25);
        const double fall = t > 0.8 ? 1 - std::exp(-(t - 0.8) / 0.3) : 0;
        const double rate = 45 + 110 * rise - 95 * fall;
        phase += rate / SampleRate;
        if (phase >= 1) {
            phase -= 1;
            const double brightness = (rate - 45) / 110;
            MixInto(engine, EnginePulse(noise, 0.7 + 0.5 * brightness, brightness), int(i));
        }
    }
    LowPass(engine, 2500);
    Saturate(engine, 1.6);
    HighPass(engine, 25);
    MixInto(sound, engine, 0, 0.9);
    sound.resize(std::size_t(SamplesFor(1.8)));
    FadeEnds(sound, 0.002, 0.2);
    RemoveOffset(sound);
    Normalise(sound, 0.85);
    return sound;
}

Samples WallThud()
{
    Samples thud(std::size_t(SamplesFor(0.4)));
    Noise noise(3);
    Samples rumble(thud.size());
    Samples crunch(thud.size());
    for (std::size_t i = 0; i < thud.size(); ++i) {
        rumble[i] = noise.Next();
        crunch[i] = noise.Next();
    }
    LowPass(rumble, 900);
    HighPass(crunch, 1500);
    double phase = 0;
    for (std::size_t i = 0; i < thud.size(); ++i) {
        const double t = Seconds(i);
        phase += TwoPi * (45 + 75 * std::exp(-t / 0.05)) / SampleRate;
        const double attack = 1 - std::exp(-t / 0.001);
        thud[i] = attack * (std::sin(phase) * std::exp(-t / 0.09) + 1.4 * rumble[i] * std::exp(-t / 0.03) +
                            0.5 * crunch[i] * std::exp(-t / 0.012));
    }
    Saturate(thud, 2.0);
    FadeEnds(thud, 0, 0.05);
    Normalise(thud, 0.9);
    return thud;
}

Samples SignalBeep()
{
    Samples beep(std::size_t(SamplesFor(0.5)));
    for (std::size_t i = 0; i < beep.size(); ++i) {
        const double t = Seconds(i);
        beep[i] =
            Organ(TwoPi * 880 * t, {1.0, 0.35, 0.18, 0.08}) * (1 - std::exp(-t / 0.004)) * std::exp(-t / 1.5);
    }
    FadeEnds(beep, 0, 0.07);
    Normalise(beep, 0.7);
    return beep;
}

Samples FinishChime()
{
    // A rising major arpeggio of bells, the top note ringing longest.
    const std::array<double, 4> notes = {1046.5, 1318.5, 1568.0, 2093.0};
    Samples chime;
    for (std::size_t n = 0; n < notes.size(); ++n) {
        const bool last = n + 1 == notes.size();
        MixInto(chime, Bell(notes[n], last ? 1.1 : 0.8, last ? 0.5 : 0.3), SamplesFor(0.1 * double(n)),
                last ? 1.0 : 0.7);
    }
    FadeEnds(chime, 0, 0.1);
    Normalise(chime, 0.8);
    return chime;
}

Samples ConeHit()
{
    Samples hit(std::size_t(SamplesFor(0.3)));
    Noise noise(5);
    Samples click(hit.size());
    for (double &c : click)
        c = noise.Next();
    HighPass(click, 2000);
    double phase = 0;
    for (std::size_t i = 0; i < hit.size(); ++i) {
        const double t = Seconds(i);
        phase += TwoPi * (380 + 260 * std::exp(-t / 0.02)) / SampleRate;
        hit[i] =
            (1 - std::exp(-t / 0.0005)) *
            (std::sin(phase) * std::exp(-t / 0.045) + 0.4 * std::sin(2.7 * phase) * std::exp(-t / 0.02) +
             0.3 * std::sin(TwoPi * 140 * t) * std::exp(-t / 0.03) + 0.5 * click[i] * std::exp(-t / 0.004));
    }
    FadeEnds(hit, 0, 0.04);
    Normalise(hit, 0.85);
    return hit;
}

Samples RaceSound(int number)
{
    switch (number) {
    case 0:
        return StartSound();
    case 1:
        return EngineLoop();
    case 2:
        return WallThud();
    case 3:
        return SignalBeep();
    case 4:
        return FinishChime();
    case 5:
        return ConeHit();
    default:
        throw std::out_of_range("no race sound " + std::to_string(number));
    }
}

} // namespace sk2sound
