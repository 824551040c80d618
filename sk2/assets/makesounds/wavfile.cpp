#include "wavfile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace sk2sound {

namespace {

void Put16(std::string &out, std::uint16_t value)
{
    out.push_back(char(value & 0xff));
    out.push_back(char(value >> 8));
}

void Put32(std::string &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(char((value >> shift) & 0xff));
}

} // namespace

void WriteWave(const std::string &path, const Samples &samples)
{
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    std::string file;
    file += "RIFF";
    Put32(file, 36 + dataBytes);
    file += "WAVEfmt ";
    Put32(file, 16);
    Put16(file, 1); // PCM
    Put16(file, 1); // mono
    Put32(file, SampleRate);
    Put32(file, SampleRate * 2);
    Put16(file, 2);
    Put16(file, 16);
    file += "data";
    Put32(file, dataBytes);
    for (double s : samples) {
        const long value = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        Put16(file, std::uint16_t(std::int16_t(value)));
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(file.data(), std::streamsize(file.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace sk2sound
