#pragma once
// The random generator of the shuffle: one state for the whole process,
// starting at 1 and never reseeded, so every run draws the same sequence.
#include <cstdint>
#include <string>
#include <vector>

class ShuffleGenerator {
 public:
  // The generator the program uses.
  static ShuffleGenerator& processWide();

  // state = state * 214013 + 2531011; yields (state >> 16) & 0x7FFF.
  unsigned draw();

  // Exchanges every position, from the first on, with one drawn from the whole
  // list; n draws for n entries.
  void shuffle(std::vector<std::string>& list);

 private:
  std::uint32_t state_ = 1;
};
