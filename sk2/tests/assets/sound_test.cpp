// The built race sounds: well-formed 16-bit PCM that SDL_mixer plays, audible, of a sane length, not
// clipped, the one-shots ending quietly and the engine looping without a seam.
#include "artfiles.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

using namespace sk2arttest;

namespace {

struct Wave
{
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int format = 0;
    std::vector<double> samples; // in [-1, 1]
};

std::uint32_t Read32(const QByteArray &b, qsizetype at)
{
    return std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8 | std::uint8_t(b[at + 2]) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

int Read16(const QByteArray &b, qsizetype at)
{
    return std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8;
}

// Reads a RIFF WAVE file, checking each chunk against the file's length; fails the test otherwise.
Wave ReadWave(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    const QByteArray b = file.readAll();
    Wave wave;
    EXPECT_GE(b.size(), 44);
    if (b.size() < 44)
        return wave;
    EXPECT_EQ(b.left(4), "RIFF");
    EXPECT_EQ(b.mid(8, 4), "WAVE");
    EXPECT_EQ(Read32(b, 4), std::uint32_t(b.size() - 8));
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const std::uint32_t size = Read32(b, at + 4);
        EXPECT_LE(at + 8 + qsizetype(size), b.size()) << qPrintable(path);
        if (id == "fmt ") {
            wave.format = Read16(b, at + 8);
            wave.channels = Read16(b, at + 10);
            wave.rate = int(Read32(b, at + 12));
            wave.bits = Read16(b, at + 22);
        } else if (id == "data") {
            for (qsizetype i = at + 8; i + 1 < at + 8 + qsizetype(size); i += 2)
                wave.samples.push_back(std::int16_t(Read16(b, i)) / 32768.0);
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    return wave;
}

double Rms(const std::vector<double> &s, std::size_t begin, std::size_t end)
{
    double sum = 0;
    for (std::size_t i = begin; i < end; ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / double(end - begin));
}

struct Role
{
    int number;
    const char *role;
    double shortest; // seconds
    double longest;
    bool loops;
};

} // namespace

TEST(Sk2ArtSounds, SixSoundsWellFormedAudibleAndOfSaneLength)
{
    const Role roles[] = {
        {0, "start", 0.8, 3.0, false},        {1, "engine", 0.5, 2.0, true},
        {2, "wall thud", 0.1, 0.8, false},    {3, "signal beep", 0.15, 1.0, false},
        {4, "finish chime", 0.4, 2.0, false}, {5, "cone hit", 0.05, 0.6, false},
    };
    EXPECT_FALSE(QFile::exists(ArtPath("sounds/6.wav")));
    for (const Role &role : roles) {
        const Wave wave = ReadWave(ArtPath(QString("sounds/%1.wav").arg(role.number)));
        ASSERT_EQ(wave.format, 1) << role.role << ": PCM";
        EXPECT_EQ(wave.channels, 1) << role.role;
        EXPECT_EQ(wave.bits, 16) << role.role;
        EXPECT_EQ(wave.rate, 22050) << role.role;
        const double seconds = double(wave.samples.size()) / wave.rate;
        EXPECT_GE(seconds, role.shortest) << role.role;
        EXPECT_LE(seconds, role.longest) << role.role;

        const auto [low, high] = std::minmax_element(wave.samples.begin(), wave.samples.end());
        const double peak = std::max(-*low, *high);
        EXPECT_GT(peak, 0.3) << role.role << " is too quiet";
        EXPECT_LT(peak, 0.99) << role.role << " clips";
        EXPECT_GT(Rms(wave.samples, 0, wave.samples.size()), 0.03) << role.role;
        double mean = 0;
        for (double s : wave.samples)
            mean += s;
        EXPECT_LT(std::abs(mean / double(wave.samples.size())), 0.02) << role.role << " has an offset";
        if (!role.loops) {
            // The last 10 ms fade out, so stopping there does not click.
            const std::size_t tail = std::size_t(wave.rate / 100);
            EXPECT_LT(Rms(wave.samples, wave.samples.size() - tail, wave.samples.size()), 0.01) << role.role;
        }
    }
}

TEST(Sk2ArtSounds, EngineLoopsWithoutASeam)
{
    // From the last sample back to the first, the wave moves no more than it does from one sample to
    // the next anywhere inside the loop.
    const Wave engine = ReadWave(ArtPath("sounds/1.wav"));
    ASSERT_GT(engine.samples.size(), 1000u);
    std::vector<double> steps;
    for (std::size_t i = 1; i < engine.samples.size(); ++i)
        steps.push_back(std::abs(engine.samples[i] - engine.samples[i - 1]));
    std::sort(steps.begin(), steps.end());
    const double typical = steps[steps.size() * 99 / 100];
    EXPECT_LE(std::abs(engine.samples.front() - engine.samples.back()), typical);
    // And a sound that is restarted from its start often must start at once.
    EXPECT_GT(Rms(engine.samples, 0, 350), 0.05);
}
