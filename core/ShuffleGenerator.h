#pragma once
// The random generator of the shuffle: one state for the whole process,
// starting at 1 and never reseeded, so every run draws the same sequence.
#include <cstdint>

class ShuffleGenerator {
 public:
  // The generator the program uses.
  static ShuffleGenerator& processWide();

  // state = state * 214013 + 2531011; yields (state >> 16) & 0x7FFF.
  unsigned draw();

 private:
  std::uint32_t state_ = 1;
};
