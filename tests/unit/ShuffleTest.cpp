#include "core/ShuffleGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ShuffleGenerator, DrawsTheFixedSequenceFromAFreshState) {
  ShuffleGenerator generator;
  const unsigned expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
  for (unsigned value : expected) EXPECT_EQ(generator.draw(), value);
}

TEST(ShuffleGenerator, StaysWithinFifteenBitsOverManyDraws) {
  ShuffleGenerator generator;
  unsigned highest = 0;
  for (int i = 0; i < 100000; ++i) highest = std::max(highest, generator.draw());
  EXPECT_EQ(highest, 32767u);
}

TEST(ShuffleGenerator, OneGeneratorServesTheWholeProcess) {
  EXPECT_EQ(&ShuffleGenerator::processWide(), &ShuffleGenerator::processWide());
}

}  // namespace
