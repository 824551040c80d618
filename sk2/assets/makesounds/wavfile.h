#pragma once

// Writes samples as a RIFF WAVE file: PCM, 16-bit, mono.

#include "synth.h"

#include <string>

namespace sk2sound {

// Throws std::runtime_error when the file cannot be written.
void WriteWave(const std::string &path, const Samples &samples);

} // namespace sk2sound
