// Loading, playing and stopping one track, through drops (no group needed).
#include <gtest/gtest.h>

#include "PlayerHarness.h"
#include "ProcessText.h"

namespace {

using Position = FakeGraph::Position;

TEST(PlayerPlayback, LoadingSetsLabelLastFileAndPreviousFile) {
  PlayerHarness h;
  const std::string take5 = "C:\\Music\\Jazz\\take5.mp3";
  // In code page 932 "ソ" and "表" both end in byte 0x5C.
  const std::string so = processText("C:\\Music\\ソ\\表.mp3");
  h.graph.makeRenderable(take5);
  h.graph.makeRenderable(so);
  h.graph.makeRenderable("plain.mp3");

  h.player.playDropped({take5});
  EXPECT_EQ(h.display.trackLabel(), "take5.mp3");
  EXPECT_EQ(h.state().lastFile, take5);
  EXPECT_EQ(h.state().previousFile, "");
  EXPECT_TRUE(h.display.enabled());
  EXPECT_EQ(h.graph.target().window, 0x5150u);
  EXPECT_EQ(h.graph.target().message, 32969u);

  h.player.playDropped({so});
  EXPECT_EQ(h.display.trackLabel(), processText("表.mp3"));
  EXPECT_EQ(h.state().lastFile, so);
  EXPECT_EQ(h.state().previousFile, take5);

  h.player.playDropped({"plain.mp3"});
  EXPECT_EQ(h.display.trackLabel(), "plain.mp3");
}

TEST(PlayerPlayback, FailedLoadDisablesPlayKeepsLabelAndEndsTheEarlierTrack) {
  PlayerHarness h;
  h.graph.makeRenderable("C:\\a.mp3");
  h.player.playDropped({"C:\\a.mp3", "C:\\gone.mp3"});
  ASSERT_TRUE(h.state().playing);
  h.graph.clearLog();
  h.endTrack();
  EXPECT_EQ(h.graph.calls(), (std::vector<std::string>{"release", "create", "render C:\\gone.mp3"}));
  EXPECT_FALSE(h.state().trackLoaded);
  EXPECT_FALSE(h.state().playing);
  EXPECT_FALSE(h.display.enabled());
  EXPECT_EQ(h.display.face(), PlayButtonFace::Play);
  EXPECT_EQ(h.display.trackLabel(), "a.mp3");
  EXPECT_EQ(h.state().lastFile, "C:\\a.mp3");
  EXPECT_EQ(h.state().previousFile, "");
  // The earlier track's graph is gone; an empty one waits for the next load.
  EXPECT_EQ(h.graph.rendered(), "");
  EXPECT_TRUE(h.graph.exists());
  // The next track that loads enables play again.
  h.player.playDropped({"C:\\a.mp3"});
  EXPECT_TRUE(h.display.enabled());
}

TEST(PlayerPlayback, PlayStopActAsPauseAndRewindOnlyAtTheEnd) {
  PlayerHarness h;
  h.graph.makeRenderable("C:\\a.mp3");
  h.player.playDropped({"C:\\a.mp3"});
  EXPECT_EQ(h.display.face(), PlayButtonFace::Stop);
  EXPECT_TRUE(h.graph.running());

  h.graph.playSome();
  h.player.onPlay();
  EXPECT_FALSE(h.state().playing);
  EXPECT_FALSE(h.graph.running());
  EXPECT_EQ(h.display.face(), PlayButtonFace::Play);
  EXPECT_EQ(h.graph.position(), Position::Middle);

  h.player.onPlay();
  EXPECT_TRUE(h.state().playing);
  EXPECT_EQ(h.graph.position(), Position::Middle);

  h.graph.playToEnd();
  h.player.onPlay();
  h.graph.clearLog();
  h.player.onPlay();
  EXPECT_EQ(h.graph.calls(), (std::vector<std::string>{"rewind", "run"}));
  EXPECT_EQ(h.graph.position(), Position::Start);
  EXPECT_TRUE(h.state().playing);
}

TEST(PlayerPlayback, PlayWithoutTrackChangesNothingStopStillShowsThePlayFace) {
  PlayerHarness h;
  h.player.onPlay();
  EXPECT_FALSE(h.state().playing);
  EXPECT_EQ(h.display.faceChanges(), 0);
  EXPECT_TRUE(h.graph.calls().empty());

  h.player.stopPlayback();
  EXPECT_EQ(h.display.faceChanges(), 1);
  EXPECT_EQ(h.display.face(), PlayButtonFace::Play);
  EXPECT_TRUE(h.graph.calls().empty());
}

TEST(PlayerPlayback, CueRestartsWithoutChangingTheFace) {
  PlayerHarness h;
  h.graph.makeRenderable("C:\\a.mp3");
  h.player.playDropped({"C:\\a.mp3"});
  h.graph.playSome();
  int faces = h.display.faceChanges();
  h.player.onCue();
  EXPECT_EQ(h.graph.position(), Position::Start);
  EXPECT_TRUE(h.graph.running());
  EXPECT_TRUE(h.state().playing);
  EXPECT_EQ(h.display.faceChanges(), faces);

  // Stopped mid-track, cued, played: from the beginning.
  h.graph.playSome();
  h.player.onPlay();
  h.player.onCue();
  EXPECT_FALSE(h.graph.running());
  EXPECT_EQ(h.graph.position(), Position::Start);
  h.player.onPlay();
  EXPECT_TRUE(h.graph.running());
  EXPECT_EQ(h.graph.position(), Position::Start);
}

TEST(PlayerPlayback, GraphEventsWithoutCompletionDoNothing) {
  PlayerHarness h;
  h.graph.makeRenderable("C:\\a.mp3");
  h.graph.makeRenderable("C:\\b.mp3");
  h.player.playDropped({"C:\\a.mp3", "C:\\b.mp3"});
  h.graph.queueOtherEvent();
  h.graph.clearLog();
  h.player.onGraphNotify();
  EXPECT_TRUE(h.graph.calls().empty());
  EXPECT_EQ(h.state().lastFile, "C:\\a.mp3");

  // A completion with more events behind it: one advance.
  h.graph.playToEnd();
  h.graph.queueOtherEvent();
  h.player.onGraphNotify();
  EXPECT_EQ(h.state().lastFile, "C:\\b.mp3");
  EXPECT_EQ(h.graph.renderAttempts().size(), 1u);
}

TEST(PlayerPlayback, ACompletionThatArrivesAfterTheStopDoesNotStartTheNextTrack) {
  for (bool onePlay : {false, true}) {
    PlayerHarness h;
    h.graph.makeRenderable("C:\\a.mp3");
    h.graph.makeRenderable("C:\\b.mp3");
    if (onePlay) h.player.onOnePlay();
    h.player.onRepeat();
    h.player.playDropped({"C:\\a.mp3", "C:\\b.mp3"});
    h.graph.playToEnd();
    h.player.onPlay();
    h.player.onGraphNotify();
    EXPECT_FALSE(h.state().playing);
    EXPECT_FALSE(h.graph.running());
    EXPECT_EQ(h.state().lastFile, "C:\\a.mp3");
    EXPECT_EQ(h.display.face(), PlayButtonFace::Play);

    // Played again, the stopped track starts over and then gives way as usual.
    h.player.onPlay();
    EXPECT_EQ(h.graph.position(), Position::Start);
    h.endTrack();
    EXPECT_EQ(h.state().lastFile, onePlay ? "C:\\a.mp3" : "C:\\b.mp3");
    EXPECT_TRUE(h.state().playing);
  }
}

TEST(PlayerPlayback, SingleTrackPlayLoopsWithRepeatAndStopsAtTheEndWithout) {
  PlayerHarness h;
  h.graph.makeRenderable("C:\\a.mp3");
  h.graph.makeRenderable("C:\\b.mp3");
  h.player.onOnePlay();
  h.player.onRepeat();
  h.player.playDropped({"C:\\a.mp3", "C:\\b.mp3"});
  h.endTrack();
  EXPECT_EQ(h.state().lastFile, "C:\\a.mp3");
  EXPECT_TRUE(h.state().playing);
  EXPECT_TRUE(h.graph.running());
  EXPECT_EQ(h.graph.position(), Position::Start);
  EXPECT_EQ(h.state().playQueue, (std::vector<std::string>{"C:\\b.mp3"}));

  h.player.onRepeat();
  h.endTrack();
  EXPECT_FALSE(h.state().playing);
  EXPECT_FALSE(h.graph.running());
  EXPECT_TRUE(h.state().trackLoaded);
  EXPECT_EQ(h.graph.position(), Position::End);
  h.player.onPlay();
  EXPECT_EQ(h.graph.position(), Position::Start);
  EXPECT_EQ(h.state().lastFile, "C:\\a.mp3");
}

TEST(PlayerPlayback, DroppedFilesPlayThenTheInterruptedTrackThenTheOldQueue) {
  PlayerHarness h;
  for (const char* path : {"C:\\a", "C:\\b", "C:\\c", "C:\\d1", "C:\\d2"}) h.graph.makeRenderable(path);
  h.player.playDropped({"C:\\a", "C:\\b", "C:\\c"});
  h.endTrack();  // b plays, c queued
  h.graph.playSome();
  h.player.playDropped({"C:\\d1", "C:\\folder", "C:\\d2"});
  EXPECT_EQ(h.state().lastFile, "C:\\d1");
  EXPECT_EQ(h.state().playQueue, (std::vector<std::string>{"C:\\folder", "C:\\d2", "C:\\b", "C:\\c"}));
  std::vector<std::string> played{h.state().lastFile};
  while (h.state().playing) {
    h.endTrack();
    if (h.state().playing) played.push_back(h.state().lastFile);
  }
  EXPECT_EQ(played, (std::vector<std::string>{"C:\\d1", "C:\\d2", "C:\\b", "C:\\c"}));
}

TEST(PlayerPlayback, DropsDoNotQueueTheCurrentTrackTwiceOrWhenNoneIsLoaded) {
  PlayerHarness h;
  for (const char* path : {"C:\\a", "C:\\d", "C:\\e"}) h.graph.makeRenderable(path);
  h.player.playDropped({"C:\\gone"});
  EXPECT_FALSE(h.state().trackLoaded);
  EXPECT_TRUE(h.state().playQueue.empty());
  h.player.playDropped({"C:\\d", "C:\\d", "C:\\a"});
  EXPECT_EQ(h.state().playQueue, (std::vector<std::string>{"C:\\d", "C:\\a"}));
  // The queue already starts with the current track.
  h.player.playDropped({"C:\\e"});
  EXPECT_EQ(h.state().playQueue, (std::vector<std::string>{"C:\\d", "C:\\a"}));

  h.player.playDropped({});
  EXPECT_EQ(h.state().lastFile, "C:\\e");
  EXPECT_EQ(h.state().playQueue, (std::vector<std::string>{"C:\\d", "C:\\a"}));
}

}  // namespace
