// The DirectShow graph on real files, posting to a real window.
#include "audio/PlaybackGraph_win32.h"

#include <windows.h>
#include <dshow.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "GraphOnWindow.h"
#include "NotifyWindow.h"
#include "ProcessUsage.h"
#include "TestFolder.h"
#include "TestMedia.h"
#include "ToneFile.h"
#include "ProcessText.h"

namespace {

constexpr DWORD patience = 10000;

using DirectShowOnWindow = GraphOnWindow<PlaybackGraph>;

class PlaybackGraphOnFile : public testing::TestWithParam<const char*> {
 protected:
  std::string soundFile() {
    const std::string kind = GetParam();
    if (kind == "mp3") return test_media::preparedFile("tone.mp3");
    std::string path = folder.join("tone.wav");
    if (!tone_file::writeWav(path, 440, 400)) return "";
    return path;
  }

  TestFolder folder;
};

TEST_P(PlaybackGraphOnFile, PlaysToItsEndOncePlaysAgainAfterRewind) {
  const std::string path = soundFile();
  ASSERT_FALSE(path.empty()) << "no test media: run through tools/run-tests.sh";
  DirectShowOnWindow g;
  g.graph.create(g.window.target());
  ASSERT_TRUE(g.graph.renderFile(path));
  EXPECT_FALSE(g.graph.atEnd());
  g.graph.run();
  ASSERT_TRUE(g.waitForCompletions(1));
  EXPECT_GE(g.window.notifications(), 1);
  EXPECT_TRUE(g.graph.atEnd());
  EXPECT_FALSE(g.graph.takeCompletion());

  // Still running at its end: back to the start, it plays and ends again.
  g.graph.rewind();
  ASSERT_TRUE(g.waitForCompletions(2));
  g.window.pumpFor(300);
  EXPECT_EQ(g.completions, 2);
  g.graph.stop();
}

INSTANTIATE_TEST_SUITE_P(Formats, PlaybackGraphOnFile, testing::Values("wav", "mp3"));

TEST(PlaybackGraph, StopHoldsTheTrackAndRunGoesOn) {
  TestFolder folder;
  const std::string path = folder.join("long.wav");
  ASSERT_TRUE(tone_file::writeWav(path, 440, 800));
  DirectShowOnWindow g;
  g.graph.create(g.window.target());
  ASSERT_TRUE(g.graph.renderFile(path));
  g.graph.run();
  g.window.pumpFor(200);
  g.graph.stop();
  EXPECT_FALSE(g.graph.atEnd());
  g.window.pumpFor(1200);
  EXPECT_EQ(g.completions, 0);
  g.graph.run();
  EXPECT_TRUE(g.waitForCompletions(1));
}

TEST(PlaybackGraph, WhatIsNoSoundFailsToRender) {
  TestFolder folder;
  const std::string text = folder.file("notes.txt", "not a sound\r\n");
  const std::string empty = folder.file("empty.wav");
  const std::string sub = folder.folder("sub");
  const std::string missing = folder.join("missing.wav");
  for (const std::string& path : {text, empty, sub, missing, std::string()}) {
    PlaybackGraph graph;
    NotifyWindow window;
    graph.create(window.target());
    EXPECT_FALSE(graph.renderFile(path)) << path;
    EXPECT_FALSE(graph.atEnd());
    EXPECT_FALSE(graph.takeCompletion());
  }
}

TEST(PlaybackGraph, RendersAJapanesePathThroughTheAnsiCodePage) {
  TestFolder folder;
  // In code page 932 both characters of "表ソ" end in the byte of "\\".
  const std::string sub = folder.folder(processText("表ソ"));
  const std::string path = sub + "\\" + processText("ソ.wav");
  ASSERT_TRUE(tone_file::writeWav(path, 440, 100));
  DirectShowOnWindow g;
  g.graph.create(g.window.target());
  EXPECT_TRUE(g.graph.renderFile(path));
}

TEST(PlaybackGraph, EveryCallOfAGraphNotCreatedOrReleasedDoesNothing) {
  TestFolder folder;
  const std::string path = folder.join("tone.wav");
  ASSERT_TRUE(tone_file::writeWav(path, 440, 100));
  PlaybackGraph graph;
  EXPECT_FALSE(graph.renderFile(path));
  graph.run();
  graph.stop();
  graph.rewind();
  EXPECT_FALSE(graph.atEnd());
  EXPECT_FALSE(graph.takeCompletion());
  graph.release();

  NotifyWindow window;
  graph.create(window.target());
  ASSERT_TRUE(graph.renderFile(path));
  graph.run();
  graph.release();
  graph.release();
  EXPECT_FALSE(graph.renderFile(path));
  EXPECT_FALSE(graph.atEnd());
  EXPECT_FALSE(graph.takeCompletion());
  graph.run();
  window.pumpFor(300);
  EXPECT_FALSE(graph.takeCompletion());
}

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
    ASSERT_TRUE(g.window.pumpUntil([&] { return g.completions >= 1 + changes; }, patience * 3));
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
