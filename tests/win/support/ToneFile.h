#pragma once
// Short sound files made on the spot: a sine tone as 16-bit stereo PCM WAV.
#include <string>

namespace tone_file {

constexpr unsigned sampleRate = 48000;

// Writes the tone to path (an ANSI path); false when the file cannot be made.
bool writeWav(const std::string& path, double frequency, unsigned milliseconds);

}  // namespace tone_file
