#include "library/TimeOrder.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <utility>

// The selection rule, step by step, puts at position j the last remaining file
// with the greatest time and moves the file that stood at j into its place.
// So the files come out time by time, newest first, and while one time is
// being placed its files' positions only ever lose their smallest (the file at
// j was one of them: it moves to the last one, which stays theirs) or their
// largest (another file moved into it). Kept sorted, they are a double-ended
// queue: each step costs nothing, and the cost is in sorting the times.
std::vector<std::size_t> newestFirst(std::vector<FileTime> times) {
  const std::size_t count = times.size();
  std::vector<std::size_t> fileAt(count);
  std::iota(fileAt.begin(), fileAt.end(), std::size_t{0});
  if (count < 2) return fileAt;
  std::vector<std::size_t> positionOf = fileAt;

  std::vector<std::pair<FileTime, std::uint32_t>> byTime(count);
  for (std::size_t i = 0; i < count; ++i) byTime[i] = {times[i], static_cast<std::uint32_t>(i)};
  std::sort(byTime.begin(), byTime.end(), [](const auto& a, const auto& b) { return a.first > b.first; });

  std::vector<std::size_t> positions;
  std::size_t j = 0;
  for (std::size_t first = 0; first < count;) {
    std::size_t end = first + 1;
    while (end < count && byTime[end].first == byTime[first].first) ++end;
    positions.clear();
    for (std::size_t k = first; k < end; ++k) positions.push_back(positionOf[byTime[k].second]);
    std::sort(positions.begin(), positions.end());
    std::size_t front = 0;
    std::size_t back = positions.size();
    while (front < back) {
      const std::size_t chosen = positions[back - 1];
      const std::size_t placed = fileAt[chosen];
      const std::size_t moved = fileAt[j];
      fileAt[j] = placed;
      positionOf[placed] = j;
      fileAt[chosen] = moved;
      positionOf[moved] = chosen;
      if (positions[front] == j) {
        ++front;
      } else {
        --back;
      }
      ++j;
    }
    first = end;
  }
  return fileAt;
}
