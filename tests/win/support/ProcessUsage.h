#pragma once
// The process's open handles and private memory, for soak tests.
#include <cstddef>

struct ProcessUsage {
  unsigned long handles = 0;
  std::size_t privateBytes = 0;

  static ProcessUsage now();
};
