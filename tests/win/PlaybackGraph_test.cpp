// What is the DirectShow graph's own: its threads, and the codes it answers.
#include "audio/PlaybackGraph_win32.h"

#include <windows.h>
#include <dshow.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "GraphOnWindow.h"
#include "ProcessUsage.h"
#include "TestFolder.h"
#include "ToneFile.h"

namespace {

constexpr DWORD patience = 10000;

using DirectShowOnWindow = GraphOnWindow<PlaybackGraph>;

// Every processor kept busy for its life: the streaming threads of a graph
// then end late, which is when a release can leave them behind.
class BusyMachine {
 public:
  BusyMachine() {
    for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i) {
      spinners_.emplace_back([this] {
        while (!done_) {
        }
      });
    }
  }
  ~BusyMachine() {
    done_ = true;
    for (std::thread& spinner : spinners_) spinner.join();
  }

 private:
  std::atomic<bool> done_{false};
  std::vector<std::thread> spinners_;
};

// As the player changes tracks on a busy machine: every graph is released from
// the window's handler of its completion, and the next one is built and run at once.
TEST(PlaybackGraph, GraphsReleasedAtTheirEndOneAfterAnotherLeaveNoThreadsBehind) {
  TestFolder folder;
  const std::string path = folder.join("short.wav");
  ASSERT_TRUE(tone_file::writeWav(path, 440, 60));
  constexpr int changes = 60;
  DirectShowOnWindow g;
  g.graph.create(g.window.target());
  ASSERT_TRUE(g.graph.renderFile(path));
  g.graph.run();
  ASSERT_TRUE(g.waitForCompletions(1));
  g.graph.release();
  g.window.pumpFor(300);
  const unsigned long threadsAtRest = ProcessUsage::now().threads;
  ASSERT_GT(threadsAtRest, 0u);

  int started = 0;
  auto playAgain = [&] {
    g.graph.create(g.window.target());
    if (g.graph.renderFile(path)) g.graph.run();
    ++started;
  };
  g.window.onNotify([&] {
    if (!g.graph.takeCompletion()) return;
    ++g.completions;
    if (started < changes) playAgain();
  });
  {
    BusyMachine busy;
    playAgain();
    // Each graph gets its own patience: the sound plays on the wall clock, and
    // a platform that builds its pipelines slowly takes longer over all 60.
    for (int heard = -1; g.completions < 1 + changes && g.completions > heard;) {
      heard = g.completions;
      g.window.pumpUntil([&] { return g.completions > heard; }, patience);
    }
    ASSERT_EQ(g.completions, 1 + changes);
  }
  g.graph.release();
  g.window.pumpFor(300);
  // A graph that stays behind keeps its streaming threads; Wine's own come and go by one or two.
  EXPECT_LE(ProcessUsage::now().threads, threadsAtRest + 2);
}

TEST(PlaybackGraph, StreamsEndOnCompletionErrorsAndAbortsOnly) {
  const struct {
    long code;
    bool ends;
  } cases[] = {
      {EC_COMPLETE, true},          {EC_ERRORABORT, true},   {EC_USERABORT, true},
      {EC_STREAM_ERROR_STOPPED, true}, {EC_PAUSED, false},   {EC_CLOCK_CHANGED, false},
      {EC_STREAM_ERROR_STILLPLAYING, false}, {EC_ERROR_STILLPLAYING, false}, {EC_SEGMENT_STARTED, false},
  };
  for (const auto& c : cases) EXPECT_EQ(PlaybackGraph::endsStream(c.code), c.ends) << c.code;
}

TEST(PlaybackGraph, APartialRenderIsNoSuccess) {
  const struct {
    HRESULT result;
    bool plays;
  } cases[] = {
      {S_OK, true},           {VFW_S_DUPLICATE_NAME, true}, {VFW_S_VIDEO_NOT_RENDERED, true},
      {VFW_S_AUDIO_NOT_RENDERED, false}, {VFW_S_PARTIAL_RENDER, false}, {S_FALSE, false},
      {VFW_E_UNSUPPORTED_STREAM, false},
  };
  for (const auto& c : cases) EXPECT_EQ(PlaybackGraph::renderedInFull(c.result), c.plays) << std::hex << c.result;
}

}  // namespace
