#pragma once
// The player's own volume as the engines apply it: a level from 0 (silent) to
// 100 (full), each point 0.5 dB, so that 80 is -10 dB and 60 is -20 dB.
namespace volume_gain {

constexpr int fullLevel = 100;

// The gain in hundredths of a decibel, DirectShow's unit: -(100 - level) * 50,
// and -10000 (DirectShow's silence) for level 0.
long hundredthsOfDecibel(int level);
// The same gain as an amplitude factor, 10^(dB / 20); 0 for level 0.
float amplitude(int level);

}  // namespace volume_gain
