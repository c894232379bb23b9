#pragma once
// The folder the scan is measured on, the same natively and under Wine: file
// names in code page 932 (some with 0x5C trail bytes), numbered out of order so
// that no disk delivers them in name order by chance, and many equal times.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "library/TrackOrder.h"

namespace bench_data {

constexpr std::size_t folderFiles = 100000;
constexpr std::uint64_t firstTime = 132000000000000000ULL;  // in 2019
constexpr std::uint64_t second = 10000000ULL;

inline std::string fileName(std::size_t i) {
  static const char* const words[] = {"\x83\x5C\x83\x93\x83\x4F", "\x95\x5C\x91\xE8", "Track", "\x83\x41\x83\x8B\x83\x6F\x83\x80"};
  std::string number = std::to_string(100000 + (i * 7919) % folderFiles).substr(1);
  return number + " " + words[i % 4] + (i % 50 == 0 ? ".txt" : ".mp3");
}

// Write times repeat every 5000 files and access times every 20000.
inline std::uint64_t writeTime(std::size_t i) { return firstTime + (i % 5000) * second; }
inline std::uint64_t accessTime(std::size_t i) { return firstTime + (i * 31 % 20000) * second; }

inline const std::vector<std::string>& excludedExts() {
  static const std::vector<std::string> exts = {"exe", "def", "txt", "m3u", "dll"};
  return exts;
}

struct NamedOrder {
  const char* name;
  TrackOrder order;
};

inline std::vector<NamedOrder> scanOrders() {
  auto order = [](std::int32_t randomMode, std::int32_t sortMethod, bool sortReverse) {
    TrackOrder result;
    result.randomMode = randomMode;
    result.sortMethod = sortMethod;
    result.sortReverse = sortReverse;
    return result;
  };
  return {{"name", order(0, 0, false)},          {"name_reversed", order(0, 0, true)},
          {"write_time", order(0, 1, false)},    {"write_time_reversed", order(0, 1, true)},
          {"access_time", order(0, 2, false)},   {"access_time_reversed", order(0, 2, true)},
          {"random", order(1, 0, false)}};
}

}  // namespace bench_data
