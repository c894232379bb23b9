#include "core/ShuffleGenerator.h"

#include <utility>

ShuffleGenerator& ShuffleGenerator::processWide() {
  static ShuffleGenerator generator;
  return generator;
}

unsigned ShuffleGenerator::draw() {
  state_ = state_ * 214013u + 2531011u;
  return (state_ >> 16) & 0x7FFFu;
}

void ShuffleGenerator::shuffle(std::vector<std::string>& list) {
  const std::size_t count = list.size();
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t j = draw() % count;
    if (j != i) std::swap(list[i], list[j]);
  }
}
