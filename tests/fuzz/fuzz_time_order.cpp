// The time order against the selection rule written out as it reads: every
// input byte is one file's time, so equal times are everywhere.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "library/TimeOrder.h"
#include "tests/common/SelectionTimeOrder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte spreads the times: from all equal to all different.
  const unsigned shift = data[0] % 57;
  std::vector<FileTime> times;
  for (std::size_t i = 1; i < size; ++i) times.push_back(static_cast<FileTime>(data[i]) << shift);
  const std::vector<std::size_t> fast = newestFirst(times);
  if (fast != selectionNewestFirst(times)) std::abort();
  for (std::size_t i = 1; i < fast.size(); ++i) {
    if (times[fast[i - 1]] < times[fast[i]]) std::abort();
  }
  return 0;
}
