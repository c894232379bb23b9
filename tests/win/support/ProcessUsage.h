#pragma once
// The process's open handles, threads and private memory, for soak tests. Where the
// system does not report them (Wine gives 0 for both), the handles are counted
// in the system's handle table and the private memory is taken from the
// pagefile usage, which there follows the private pages in use.
#include <cstddef>

struct ProcessUsage {
  unsigned long handles = 0;
  unsigned long threads = 0;
  std::size_t privateBytes = 0;

  static ProcessUsage now();
};
