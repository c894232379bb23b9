#include "audio/FallbackGraph.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeGraph.h"

namespace {

const GraphNotifyTarget target{42, 32969};
const std::string track = "C:\\Music\\take5.m4a";

struct TwoEngines {
  FakeGraph first;
  FakeGraph second;
  FallbackGraph graph{first, second};

  bool bothExist() const { return first.exists() && second.exists(); }
};

TEST(FallbackGraph, TriesTheSecondEngineOnlyAfterTheFirstFailedAndReleasedIt) {
  const struct {
    bool firstPlays;
    bool secondPlays;
    bool rendered;
    std::vector<std::string> firstCalls;
    std::vector<std::string> secondCalls;
  } cases[] = {
      {true, true, true, {"render " + track, "run"}, {}},
      {false, true, true, {"render " + track, "release"}, {"create", "render " + track, "run"}},
      {false, false, false, {"render " + track, "release"}, {"create", "render " + track, "run"}},
  };
  for (const auto& c : cases) {
    TwoEngines e;
    if (c.firstPlays) e.first.makeRenderable(track);
    if (c.secondPlays) e.second.makeRenderable(track);
    e.graph.create(target);
    EXPECT_TRUE(e.first.exists());
    EXPECT_FALSE(e.second.exists());
    e.first.clearLog();
    e.second.clearLog();
    EXPECT_EQ(e.graph.renderFile(track), c.rendered);
    EXPECT_FALSE(e.bothExist());
    e.graph.run();
    EXPECT_EQ(e.first.calls(), c.firstCalls) << c.firstPlays << c.secondPlays;
    EXPECT_EQ(e.second.calls(), c.secondCalls) << c.firstPlays << c.secondPlays;
    EXPECT_EQ(e.first.running() || e.second.running(), c.rendered);
    if (!c.firstPlays) {
      EXPECT_EQ(e.second.target().message, target.message);
    }
  }
}

TEST(FallbackGraph, TheEngineThatHoldsTheTrackPlaysItAndIsReleasedBeforeTheNextTrack) {
  TwoEngines e;
  e.second.makeRenderable(track);
  e.first.makeRenderable("next.mp3");
  EXPECT_FALSE(e.graph.renderFile(track));
  e.graph.create(target);
  ASSERT_TRUE(e.graph.renderFile(track));
  EXPECT_FALSE(e.graph.renderFile(track));
  e.graph.run();
  e.second.playToEnd();
  EXPECT_TRUE(e.graph.atEnd());
  EXPECT_TRUE(e.graph.takeCompletion());
  EXPECT_FALSE(e.graph.takeCompletion());
  e.graph.rewind();
  EXPECT_FALSE(e.graph.atEnd());
  e.graph.stop();
  EXPECT_FALSE(e.second.running());

  e.graph.release();
  e.graph.run();
  EXPECT_FALSE(e.graph.renderFile(track) || e.graph.takeCompletion() || e.second.running());
  e.graph.create(target);
  EXPECT_FALSE(e.second.exists());
  ASSERT_TRUE(e.graph.renderFile("next.mp3"));
  EXPECT_EQ(e.first.rendered(), "next.mp3");
  EXPECT_FALSE(e.bothExist());
}

}  // namespace
