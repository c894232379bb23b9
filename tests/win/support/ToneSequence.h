#pragma once
// Which of a few known tones sound, in which order, in captured stereo audio:
// a Goertzel filter per tone over 20 ms blocks; silent blocks and fragments
// shorter than 60 ms (a block that straddles two tones) are left out.
#include <vector>

namespace tone_sequence {

// The indexes into frequencies of the tones heard, one per stretch of a tone.
std::vector<int> heard(const std::vector<float>& stereo, unsigned sampleRate,
                       const std::vector<double>& frequencies);

}  // namespace tone_sequence
