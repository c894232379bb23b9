#include "audio/VolumeGain.h"

#include <gtest/gtest.h>

TEST(VolumeGain, EachPointIsHalfADecibelAndZeroIsSilence) {
  const struct { int level; long hundredthsOfDecibel; float amplitude; } rows[] = {
      {0, -10000, 0.0f}, {5, -4750, 0.0042170f}, {80, -1000, 0.3162278f}, {100, 0, 1.0f}};
  for (const auto& row : rows) {
    EXPECT_EQ(volume_gain::hundredthsOfDecibel(row.level), row.hundredthsOfDecibel) << row.level;
    EXPECT_NEAR(volume_gain::amplitude(row.level), row.amplitude, 1e-6) << row.level;
  }
}
