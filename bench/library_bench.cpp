// The media library's costs, each against a baseline measured in the same run:
// a scan of 100,000 files in every order against the bare enumeration of the
// folder, the time order against the selection rule written out, and a
// one-million-line playlist against reading the file alone.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "BenchData.h"
#include "HeapCounter.h"
#include "library/PlaylistReader.h"
#include "library/TimeOrder.h"
#include "library/TrackScanner.h"
#include "platform/File.h"
#include "tests/common/SelectionTimeOrder.h"

namespace {

// A folder of the run's own, removed with its files when the run ends.
class BenchFolder {
 public:
  explicit BenchFolder(const std::string& name) {
    const char* temp = std::getenv("TMPDIR");
    path_ = std::string(temp && *temp ? temp : "/tmp") + "/vexmoor-bench-" + std::to_string(getpid()) + "-" + name;
    if (mkdir(path_.c_str(), 0755) != 0) std::abort();
  }
  ~BenchFolder() {
    if (DIR* dir = opendir(path_.c_str())) {
      while (dirent* entry = readdir(dir)) unlinkat(dirfd(dir), entry->d_name, 0);
      closedir(dir);
    }
    rmdir(path_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
  close(fd);
}

timespec toTimespec(std::uint64_t fileTime) {
  const std::uint64_t since1970 = fileTime - 116444736000000000ULL;
  timespec spec;
  spec.tv_sec = static_cast<time_t>(since1970 / 10000000ULL);
  spec.tv_nsec = static_cast<long>(since1970 % 10000000ULL * 100);
  return spec;
}

const std::string& scanFolder() {
  static BenchFolder folder("scan");
  static const bool filled = [] {
    for (std::size_t i = 0; i < bench_data::folderFiles; ++i) {
      const std::string path = folder.path() + "/" + bench_data::fileName(i);
      writeFile(path, "");
      const timespec times[2] = {toTimespec(bench_data::accessTime(i)), toTimespec(bench_data::writeTime(i))};
      if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) std::abort();
    }
    return true;
  }();
  (void)filled;
  return folder.path();
}

const std::string& millionLinePlaylist() {
  static BenchFolder folder("playlist");
  static const std::string path = [] {
    const std::string file = folder.path() + "/million.m3u";
    std::string text;
    for (std::size_t i = 0; i < 1000000; ++i) {
      text += "C:\\Music\\\x83\x41\x83\x8B\x83\x6F\x83\x80 " + std::to_string(i / 12) + "\\" + bench_data::fileName(i) + "\r\n";
    }
    writeFile(file, text);
    return file;
  }();
  return path;
}

std::size_t fileSize(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? static_cast<std::size_t>(info.st_size) : 0;
}

std::vector<FileTime> timesWithTies(std::size_t count) {
  std::mt19937_64 random(count);
  std::vector<FileTime> times(count);
  for (FileTime& time : times) time = bench_data::firstTime + random() % (count / 4 + 1);
  return times;
}

double minimum(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

// What the platform's own calls cost for the folder, nothing kept: one
// directory read and the record of every entry.
void bareEnumeration(benchmark::State& state) {
  const std::string& path = scanFolder();
  for (auto _ : state) {
    std::size_t entries = 0;
    DIR* dir = opendir(path.c_str());
    while (dirent* entry = readdir(dir)) {
      struct stat info;
      if (fstatat(dirfd(dir), entry->d_name, &info, 0) == 0) ++entries;
    }
    closedir(dir);
    benchmark::DoNotOptimize(entries);
  }
}

void scan(benchmark::State& state, TrackOrder order) {
  const std::string& path = scanFolder();
  for (auto _ : state) {
    std::vector<std::string> tracks = scanTracks(path, bench_data::excludedExts(), order);
    benchmark::DoNotOptimize(tracks.data());
    // The player keeps the list; letting it go is no part of the scan.
    state.PauseTiming();
    tracks = std::vector<std::string>();
    state.ResumeTiming();
  }
}

void timeOrder(benchmark::State& state) {
  const std::vector<FileTime> times = timesWithTies(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(newestFirst(times).data());
}

void selectionRule(benchmark::State& state) {
  const std::vector<FileTime> times = timesWithTies(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(selectionNewestFirst(times).data());
}

void readWhole(benchmark::State& state) {
  const std::string& path = millionLinePlaylist();
  for (auto _ : state) {
    std::string text;
    benchmark::DoNotOptimize(file::readWhole(path, text));
  }
  state.counters["file_MB"] = static_cast<double>(fileSize(path)) / 1e6;
}

void loadMillionLines(benchmark::State& state) {
  const std::string& path = millionLinePlaylist();
  std::size_t peak = 0;
  for (auto _ : state) {
    std::vector<std::string> trackList;
    const std::size_t before = heap_counter::live();
    heap_counter::resetPeak();
    if (!loadPlaylist(path, TrackOrder(), nullptr, trackList) || trackList.size() != 1000000) std::abort();
    peak = std::max(peak, heap_counter::peak() - before);
  }
  state.counters["file_MB"] = static_cast<double>(fileSize(path)) / 1e6;
  state.counters["peak_heap_MB"] = static_cast<double>(peak) / 1e6;
  state.counters["peak_per_file_byte"] = static_cast<double>(peak) / static_cast<double>(fileSize(path));
}

}  // namespace

int main(int argc, char** argv) {
  auto timed = [](benchmark::internal::Benchmark* b) {
    return b->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", minimum);
  };
  timed(benchmark::RegisterBenchmark("scan/bare_enumeration", bareEnumeration));
  for (const bench_data::NamedOrder& named : bench_data::scanOrders()) {
    timed(benchmark::RegisterBenchmark(("scan/" + std::string(named.name)).c_str(), scan, named.order));
  }
  timed(benchmark::RegisterBenchmark("time_order/fast", timeOrder))->Arg(10000)->Arg(100000);
  timed(benchmark::RegisterBenchmark("time_order/selection_rule", selectionRule))->Arg(10000);
  timed(benchmark::RegisterBenchmark("playlist/read_whole", readWhole));
  timed(benchmark::RegisterBenchmark("playlist/load_million_lines", loadMillionLines));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
