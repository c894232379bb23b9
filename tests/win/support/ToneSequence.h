#pragma once
// Which of a few known tones sound, in which order, in captured stereo audio:
// a Goertzel filter per tone over 20 ms blocks; silent blocks and fragments
// shorter than 60 ms (a block that straddles two tones) are left out.
#include <vector>

namespace tone_sequence {

// The indexes into frequencies of the tones heard, one per stretch of a tone.
std::vector<int> heard(const std::vector<float>& stereo, unsigned sampleRate,
                       const std::vector<double>& frequencies);

// How loud and how long the sound was: the median RMS level of the 20 ms
// blocks that are not silent, in dB of full scale, and how long they last.
struct Loudness {
  double decibels = -200;
  unsigned milliseconds = 0;
};
Loudness loudness(const std::vector<float>& stereo, unsigned sampleRate);

}  // namespace tone_sequence
