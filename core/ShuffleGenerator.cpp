#include "core/ShuffleGenerator.h"

ShuffleGenerator& ShuffleGenerator::processWide() {
  static ShuffleGenerator generator;
  return generator;
}

unsigned ShuffleGenerator::draw() {
  state_ = state_ * 214013u + 2531011u;
  return (state_ >> 16) & 0x7FFFu;
}
