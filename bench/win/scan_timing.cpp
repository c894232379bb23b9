// The scan of 100,000 files in every order against the bare enumeration of the
// same folder (FindFirstFileA and FindNextFileA, nothing kept), measured in one
// run, each figure the fastest of several rounds taken in turn.
//   scan_timing --list   prints "write<TAB>access<TAB>name" for every file
//   scan_timing FOLDER   times the scans of FOLDER, filled from that list
// Making 100,000 files through Windows calls in one folder takes Wine a
// quarter of an hour (every new name is looked up case-blind across the
// folder), so the runner makes them from the list directly on the disk.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchData.h"
#include "library/TrackScanner.h"

namespace {

constexpr int rounds = 5;

void printList() {
  for (std::size_t i = 0; i < bench_data::folderFiles; ++i) {
    std::printf("%llu\t%llu\t%s\n", static_cast<unsigned long long>(bench_data::writeTime(i)),
                static_cast<unsigned long long>(bench_data::accessTime(i)), bench_data::fileName(i).c_str());
  }
}

std::size_t bareEnumeration(const std::string& folder) {
  std::size_t entries = 0;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    ++entries;
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return entries;
}

double millisecondsOf(const std::function<std::size_t()>& step) {
  const auto start = std::chrono::steady_clock::now();
  volatile std::size_t result = step();
  (void)result;
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: scan_timing --list | FOLDER\n");
    return 2;
  }
  if (std::string(argv[1]) == "--list") {
    printList();
    return 0;
  }
  const std::string folder = argv[1];
  const std::vector<bench_data::NamedOrder> orders = bench_data::scanOrders();
  std::size_t tracks = 0;
  std::vector<std::function<std::size_t()>> steps = {[&] { return bareEnumeration(folder); }};
  for (const bench_data::NamedOrder& named : orders) {
    steps.push_back([&folder, &named, &tracks] {
      tracks = scanTracks(folder, bench_data::excludedExts(), named.order).size();
      return tracks;
    });
  }
  std::vector<double> best(steps.size(), 1e300);
  const std::size_t entries = steps[0]();  // a first read warms the file system's caches
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t i = 0; i < steps.size(); ++i) best[i] = std::min(best[i], millisecondsOf(steps[i]));
  }

  std::printf("wine folder: %zu entries, %zu tracks, fastest of %d rounds\n", entries, tracks, rounds);
  std::printf("wine scan/bare_enumeration: %.1f ms\n", best[0]);
  for (std::size_t i = 0; i < orders.size(); ++i) {
    std::printf("wine scan/%s: %.1f ms, %.2fx the bare enumeration\n", orders[i].name, best[i + 1],
                best[i + 1] / best[0]);
  }
  return 0;
}
