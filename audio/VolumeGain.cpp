#include "audio/VolumeGain.h"

#include <algorithm>
#include <cmath>

namespace volume_gain {

namespace {
constexpr long silence = -10000;
int clamped(int level) { return std::clamp(level, 0, fullLevel); }
}  // namespace

long hundredthsOfDecibel(int level) {
  const int p = clamped(level);
  return p == 0 ? silence : -static_cast<long>(fullLevel - p) * 50;
}

float amplitude(int level) {
  const int p = clamped(level);
  if (p == 0) return 0.0f;
  return static_cast<float>(std::pow(10.0, hundredthsOfDecibel(p) / 2000.0));
}

}  // namespace volume_gain
