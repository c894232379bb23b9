#pragma once
// The time order's selection rule written out as it reads, quadratic: the
// reference that the fast time order must agree with, ties included.
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <utility>
#include <vector>

inline std::vector<std::size_t> selectionNewestFirst(std::vector<std::uint64_t> times) {
  const std::size_t n = times.size();
  std::vector<std::size_t> permutation(n);
  std::iota(permutation.begin(), permutation.end(), std::size_t{0});
  if (n < 2) return permutation;
  for (std::size_t j = 0; j <= n - 2; ++j) {
    std::size_t candidate = j;
    for (std::size_t k = j; k <= n - 1; ++k) {
      if (times[k] >= times[candidate]) candidate = k;
    }
    times[candidate] = times[j];
    std::swap(permutation[j], permutation[candidate]);
  }
  return permutation;
}
