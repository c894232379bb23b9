#pragma once
// The three ordering settings that decide the order of a TrackList.
#include <cstdint>

struct TrackOrder {
  std::int32_t randomMode = 0;
  std::int32_t sortMethod = 0;  // 0 name order, 1 last-write time, 2 last-access time
  bool sortReverse = false;
};
