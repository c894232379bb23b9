// Walks through a group: passes, repeat, random, single-track play, next,
// previous and the queues of the track menu.
#include <gtest/gtest.h>

#include "PlayerHarness.h"

namespace {

using Names = std::vector<std::string>;

// Plays on from the current track until the player stops; the tracks heard.
Names playToTheEnd(PlayerHarness& h, int limit = 20) {
  Names heard;
  if (h.state().playing) heard.push_back(h.name(h.state().lastFile));
  while (h.state().playing && limit-- > 0) {
    h.endTrack();
    if (h.state().playing) heard.push_back(h.name(h.state().lastFile));
  }
  return heard;
}

TEST(PlayerQueue, OnePassWithoutRepeatEndsStoppedOnTheLastTrack) {
  PlayerHarness h;
  h.track("a");
  h.track("b");
  h.track("c");
  h.chooseRoot();
  EXPECT_EQ(h.name(h.state().lastFile), "a");
  EXPECT_FALSE(h.state().playing);
  EXPECT_EQ(h.queueNames(), (Names{"b", "c"}));

  h.player.onPlay();
  EXPECT_EQ(playToTheEnd(h), (Names{"a", "b", "c"}));
  EXPECT_TRUE(h.state().trackLoaded);
  EXPECT_EQ(h.name(h.state().lastFile), "c");
  EXPECT_EQ(h.display.face(), PlayButtonFace::Play);
  EXPECT_TRUE(h.state().playQueue.empty());

  // Next begins a new pass even with repeat off, keeping the stopped state.
  h.player.onNext();
  EXPECT_EQ(h.name(h.state().lastFile), "a");
  EXPECT_FALSE(h.state().playing);
  EXPECT_EQ(h.queueNames(), (Names{"b", "c"}));
}

TEST(PlayerQueue, PlayAfterTheLastTrackEndedPlaysItAgainFromItsStart) {
  PlayerHarness h;
  h.track("a");
  h.track("c");
  h.chooseRoot();
  h.player.onPlay();
  h.endTrack();
  h.endTrack();
  ASSERT_FALSE(h.state().playing);
  h.player.onPlay();
  EXPECT_EQ(h.name(h.graph.rendered()), "c");
  EXPECT_EQ(h.graph.position(), FakeGraph::Position::Start);
  EXPECT_TRUE(h.graph.running());
}

TEST(PlayerQueue, RepeatStartsTheNextPassAtOnce) {
  PlayerHarness h;
  h.track("a");
  h.track("b");
  h.track("c");
  h.player.onRepeat();
  h.chooseRoot();
  h.player.onPlay();
  EXPECT_EQ(playToTheEnd(h, 6), (Names{"a", "b", "c", "a", "b", "c", "a"}));
  EXPECT_TRUE(h.state().playing);
}

TEST(PlayerQueue, RandomRepeatReshufflesTheTrackListBeforeEveryPass) {
  PlayerHarness h;
  h.track("a");
  h.track("b");
  h.track("c");
  h.player.onRepeat();
  h.player.onOrderRandom();  // the empty TrackList draws nothing
  h.chooseRoot();
  // Draws 41, 18467, 6334 turn a, b, c into c, b, a.
  EXPECT_EQ(h.trackNames(), (Names{"c", "b", "a"}));
  h.player.onPlay();
  // The next pass draws 26500, 19169, 15724 over c, b, a.
  EXPECT_EQ(playToTheEnd(h, 5), (Names{"c", "b", "a", "b", "c", "a"}));
  EXPECT_EQ(h.trackNames(), (Names{"b", "c", "a"}));
}

TEST(PlayerQueue, NextKeepsThePlayState) {
  PlayerHarness h;
  h.track("a");
  h.track("b");
  h.track("c");
  h.chooseRoot();
  h.player.onNext();
  EXPECT_EQ(h.name(h.state().lastFile), "b");
  EXPECT_FALSE(h.state().playing);
  EXPECT_FALSE(h.graph.running());
  h.player.onPlay();
  h.player.onNext();
  EXPECT_EQ(h.name(h.state().lastFile), "c");
  EXPECT_TRUE(h.state().playing);
  EXPECT_TRUE(h.graph.running());
}

TEST(PlayerQueue, AnUnloadableTrackIsSkippedAndTriedAgainInTheNextPass) {
  PlayerHarness h;
  h.track("a");
  h.brokenTrack("b");
  h.track("c");
  h.player.onRepeat();
  h.chooseRoot();
  h.player.onPlay();
  EXPECT_EQ(playToTheEnd(h, 4), (Names{"a", "c", "a", "c", "a"}));
  EXPECT_EQ(h.attemptNames(), (Names{"a", "b", "c", "a", "b", "c", "a"}));
  EXPECT_EQ(h.trackNames(), (Names{"a", "b", "c"}));
}

TEST(PlayerQueue, NothingLoadableEndsEmptyAfterOneTryOfEachAndNextTriesOnceMore) {
  PlayerHarness h;
  h.brokenTrack("a");
  h.brokenTrack("b");
  h.brokenTrack("c");
  h.player.onRepeat();  // one refill per advance, even with repeat on
  h.chooseRoot();
  EXPECT_EQ(h.attemptNames(), (Names{"a", "b", "c", "a", "b", "c"}));
  EXPECT_FALSE(h.state().trackLoaded);
  EXPECT_FALSE(h.display.enabled());
  EXPECT_TRUE(h.state().playQueue.empty());
  EXPECT_EQ(h.display.trackLabel(), "(track template)");

  PlayerHarness once;
  once.brokenTrack("a");
  once.brokenTrack("b");
  once.chooseRoot();
  EXPECT_EQ(once.attemptNames(), (Names{"a", "b"}));
  once.graph.clearLog();
  once.player.onNext();
  EXPECT_EQ(once.attemptNames(), (Names{"a", "b"}));
  EXPECT_FALSE(once.state().trackLoaded);
  EXPECT_FALSE(once.state().playing);
  EXPECT_EQ(once.display.face(), PlayButtonFace::Play);
  once.player.onPlay();
  EXPECT_FALSE(once.state().playing);
}

TEST(PlayerQueue, PreviousQueuesFromTheEntryBeforeTheCurrentTrack) {
  PlayerHarness h;
  h.track("a");
  h.track("b");
  h.track("c");
  h.chooseRoot();
  // One load since start and no saved track: nothing to go back to.
  h.player.onPrev();
  EXPECT_EQ(h.name(h.state().lastFile), "a");
  EXPECT_EQ(h.queueNames(), (Names{"b", "c"}));

  h.player.onNext();
  h.player.onPrev();
  EXPECT_EQ(h.name(h.state().lastFile), "a");
  EXPECT_EQ(h.queueNames(), (Names{"b", "c"}));
  EXPECT_FALSE(h.state().playing);

  // From position 0 to the last entry alone; playing goes on playing.
  h.player.onPlay();
  h.player.onPrev();
  EXPECT_EQ(h.name(h.state().lastFile), "c");
  EXPECT_TRUE(h.state().playing);
  EXPECT_TRUE(h.state().playQueue.empty());
  h.endTrack();
  EXPECT_FALSE(h.state().playing);
  EXPECT_EQ(h.name(h.state().lastFile), "c");
}

TEST(PlayerQueue, PreviousGoesBeforeTheLastOccurrenceOfTheCurrentTrack) {
  PlayerHarness h;
  const std::string x = h.track("x");
  const std::string y = h.track("y");
  const std::string z = h.track("z");
  h.root.file("list.m3u", x + "\r\n" + y + "\r\n" + x + "\r\n" + z + "\r\n");
  h.chooseRoot();
  h.player.selectGroup("list.m3u");
  h.player.onNext();
  h.player.onNext();
  ASSERT_EQ(h.queueNames(), (Names{"z"}));
  h.player.onPrev();
  EXPECT_EQ(h.name(h.state().lastFile), "y");
  EXPECT_EQ(h.queueNames(), (Names{"x", "z"}));
}

TEST(PlayerQueue, PreviousDoesNothingForATrackOutsideTheTrackList) {
  PlayerHarness h;
  h.track("a");
  h.track("b");
  h.root.folder("Other");
  const std::string dropped = h.track("Other\\d");
  h.chooseRoot();
  h.player.playDropped({dropped});
  h.player.onPrev();
  EXPECT_EQ(h.state().lastFile, dropped);
  EXPECT_EQ(h.queueNames(), (Names{"a", "b"}));
}

TEST(PlayerQueue, RandomOnMidPassReshufflesAtOnceButLeavesTheQueue) {
  PlayerHarness h;
  h.track("a");
  h.track("b");
  h.track("c");
  h.chooseRoot();
  h.player.onOrderRandom();
  EXPECT_EQ(h.trackNames(), (Names{"c", "b", "a"}));
  EXPECT_EQ(h.queueNames(), (Names{"b", "c"}));
  // Previous and the track menu follow the new order at once.
  h.player.onPrev();  // nothing loaded before a yet
  h.player.onNext();  // b
  h.player.onPrev();  // b sits at 1 in c, b, a: queue c, b, a
  EXPECT_EQ(h.name(h.state().lastFile), "c");
  EXPECT_EQ(h.queueNames(), (Names{"b", "a"}));

  h.player.onOrderRandom();
  EXPECT_EQ(h.state().randomMode, 0);
  EXPECT_EQ(h.trackNames(), (Names{"c", "b", "a"}));
  h.player.chooseTrack(2);
  EXPECT_EQ(h.name(h.state().lastFile), "a");
}

TEST(PlayerQueue, ATrackChosenFromTheMenuPlaysWithTheRestOfTheListBehindIt) {
  PlayerHarness h;
  h.track("a");
  h.track("b");
  h.track("c");
  h.track("d");
  h.chooseRoot();
  h.player.chooseTrack(2);
  EXPECT_EQ(playToTheEnd(h), (Names{"c", "d"}));

  h.graph.clearLog();
  h.player.chooseTrack(4);
  h.player.chooseTrack(99);
  EXPECT_TRUE(h.graph.calls().empty());
  EXPECT_EQ(h.name(h.state().lastFile), "d");
}

TEST(PlayerQueue, OptionCommandsChangeOnlyTheirMembers) {
  PlayerHarness h;
  h.track("a");
  h.track("b");
  h.chooseRoot();
  const PlayQueue queue = h.state().playQueue;
  const TrackList tracks = h.state().trackList;

  h.player.onOrderCreated();
  EXPECT_EQ(h.state().sortMethod, 1);
  h.player.onOrderAccessed();
  EXPECT_EQ(h.state().sortMethod, 2);
  h.player.onOrderName();
  EXPECT_EQ(h.state().sortMethod, 0);
  h.player.onOrderReverse();
  EXPECT_TRUE(h.state().sortReverse);
  h.player.onRepeat();
  EXPECT_EQ(h.state().repeatMode, 1);
  h.player.onRepeat();
  EXPECT_EQ(h.state().repeatMode, 0);
  h.player.onOnePlay();
  EXPECT_TRUE(h.state().onePlay);
  h.player.toggleTopMost();
  EXPECT_FALSE(h.state().topMost);
  h.player.toggleTransparent();
  EXPECT_TRUE(h.state().transparent);
  EXPECT_EQ(h.state().playQueue, queue);
  EXPECT_EQ(h.state().trackList, tracks);
  EXPECT_EQ(h.graph.renderAttempts().size(), 1u);
}

}  // namespace

namespace {

TEST(PlayerQueue, ASlicedSearchTriesEachEntryOnceAndEndsAsAWholeSearchWould) {
  PlayerHarness h;
  h.track("a");
  h.brokenTrack("b");
  h.brokenTrack("c");
  h.brokenTrack("d");
  h.track("e");
  h.sliceEveryTry();
  h.chooseRoot();
  EXPECT_FALSE(h.player.advancing());
  h.player.onPlay();
  h.graph.clearLog();

  // The end of a: one try per slice, and the track that loads still plays.
  h.endTrack();
  EXPECT_TRUE(h.player.advancing());
  EXPECT_EQ(h.attemptNames(), (Names{"b"}));
  EXPECT_FALSE(h.state().playing);
  EXPECT_TRUE(h.display.enabled()) << "play decides whether the track found plays";
  EXPECT_EQ(h.display.face(), PlayButtonFace::Stop);
  EXPECT_EQ(h.finishSearch(), 3);
  EXPECT_EQ(h.attemptNames(), (Names{"b", "c", "d", "e"}));
  EXPECT_TRUE(h.state().playing);
  EXPECT_EQ(h.name(h.state().lastFile), "e");

  // Stop during a search: the track it finds stays stopped.
  h.player.chooseTrack(1);
  EXPECT_TRUE(h.player.advancing());
  h.player.onPlay();
  h.finishSearch();
  EXPECT_EQ(h.name(h.state().lastFile), "e");
  EXPECT_FALSE(h.state().playing);
  EXPECT_EQ(h.display.face(), PlayButtonFace::Play);

  // Next during the search waits for the track it finds, then moves past it.
  h.graph.clearLog();
  h.player.chooseTrack(1);
  h.player.onNext();
  EXPECT_EQ(h.attemptNames(), (Names{"b"}));
  h.finishSearch();
  EXPECT_EQ(h.attemptNames(), (Names{"b", "c", "d", "e", "a"}));
  EXPECT_TRUE(h.state().playing);
  h.player.continueAdvance();
  EXPECT_EQ(h.attemptNames().size(), 5u);
}

TEST(PlayerQueue, ASlicedSearchOfNothingLoadableRefillsOnceAndEndsStopped) {
  PlayerHarness h;
  h.brokenTrack("a");
  h.brokenTrack("b");
  h.sliceEveryTry();
  h.player.onRepeat();
  h.chooseRoot();
  // A slice that tries the last entry of the queue ends the pass there: no empty slice follows.
  EXPECT_EQ(h.finishSearch(), 2);
  EXPECT_EQ(h.attemptNames(), (Names{"a", "b", "a", "b"}));
  EXPECT_FALSE(h.state().trackLoaded);
  EXPECT_FALSE(h.state().playing);
  EXPECT_TRUE(h.state().playQueue.empty());
  EXPECT_FALSE(h.display.enabled());
  // The next search makes the button answer again while it goes on.
  h.player.onNext();
  EXPECT_TRUE(h.player.advancing());
  EXPECT_TRUE(h.display.enabled());
}

}  // namespace
