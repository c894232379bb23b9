// advance over a long run of paths that do not load, against the graph calls
// alone that such a run needs (release, create, render) on the same graph.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/Player.h"

namespace {

// A graph on which nothing renders, as cheap as a graph can be.
class RefusingGraph : public MediaGraph {
 public:
  void create(const GraphNotifyTarget&) override { ++created; }
  void release() override {}
  bool renderFile(const std::string& path) override { return path.empty(); }
  void run() override {}
  void stop() override {}
  void rewind() override {}
  bool atEnd() override { return false; }
  bool takeCompletion() override { return false; }
  void setVolume(int) override {}
  std::int64_t currentPosition() override { return 0; }
  std::int64_t length() override { return 0; }
  void seek(std::int64_t) override {}
  long created = 0;
};

class SilentDisplay : public PlayerDisplay {
 public:
  void setPlayButtonFace(PlayButtonFace) override {}
  void setPlayButtonEnabled(bool) override {}
  void setTrackLabelText(const std::string&) override {}
  void setGroupLabelText(const std::string&) override {}
};

std::vector<std::string> unloadablePaths(std::size_t count) {
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < count; ++i) paths.push_back("C:\\Music\\gone\\track " + std::to_string(i) + ".mp3");
  return paths;
}

void BM_AdvanceOverUnloadableEntries(benchmark::State& state) {
  const auto paths = unloadablePaths(static_cast<std::size_t>(state.range(0)));
  RefusingGraph graph;
  SilentDisplay display;
  ShuffleGenerator generator;
  Player player(graph, display, GraphNotifyTarget{}, generator);
  for (auto _ : state) player.playDropped(paths);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same graph calls with nothing of the player: the floor for advance.
void BM_GraphCallsAlone(benchmark::State& state) {
  const auto paths = unloadablePaths(static_cast<std::size_t>(state.range(0)));
  RefusingGraph graph;
  MediaGraph& media = graph;
  for (auto _ : state) {
    std::vector<std::string> queue = paths;
    for (const std::string& path : queue) {
      media.release();
      media.create(GraphNotifyTarget{});
      benchmark::DoNotOptimize(media.renderFile(path));
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_AdvanceOverUnloadableEntries)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GraphCallsAlone)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
