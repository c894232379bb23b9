// Commands that arrive while a long search for a playable track goes on, slice
// by slice: each ends as it would had the search found its track at once.
#include <gtest/gtest.h>

#include <functional>

#include "PlayerHarness.h"

namespace {

using Names = std::vector<std::string>;

// What the user can see and what comes next, after everything has settled.
struct Outcome {
  std::string lastFile;
  std::string previousFile;
  bool trackLoaded;
  bool playing;
  Names queue;
  std::string rendered;
  bool running;
  PlayButtonFace face;
  bool enabled;
  std::string trackLabel;

  bool operator==(const Outcome& o) const {
    return lastFile == o.lastFile && previousFile == o.previousFile && trackLoaded == o.trackLoaded &&
           playing == o.playing && queue == o.queue && rendered == o.rendered && running == o.running &&
           face == o.face && enabled == o.enabled && trackLabel == o.trackLabel;
  }
};

std::ostream& operator<<(std::ostream& out, const Outcome& o) {
  out << "last " << o.lastFile << ", previous " << o.previousFile << (o.trackLoaded ? ", loaded" : ", empty")
      << (o.playing ? ", playing" : ", stopped") << ", queue";
  for (const std::string& name : o.queue) out << ' ' << name;
  return out << ", graph " << o.rendered << (o.running ? " running" : " idle") << ", face "
             << (o.face == PlayButtonFace::Stop ? "stop" : "play") << (o.enabled ? " enabled" : " disabled")
             << ", label " << o.trackLabel;
}

using Command = std::function<void(PlayerHarness&)>;

// Plays a, whose end starts a search over three unplayable files; the command
// comes after the search's first try, or after the whole search.
Outcome run(const Command& command, bool sliced, bool repeat) {
  PlayerHarness h;
  h.track("a");
  h.brokenTrack("b");
  h.brokenTrack("c");
  h.brokenTrack("d");
  h.track("e");
  h.track("f");
  h.root.folder("sub");
  h.track("sub\\dropped");
  if (sliced) h.sliceEveryTry();
  if (repeat) h.player.onRepeat();
  h.chooseRoot();
  h.player.onPlay();
  h.endTrack();
  EXPECT_EQ(h.player.advancing(), sliced);
  command(h);
  h.finishSearch();
  EXPECT_FALSE(h.player.advancing());
  const PlayerState& s = h.state();
  return Outcome{h.name(s.lastFile),     h.name(s.previousFile), s.trackLoaded,          s.playing,
                 h.queueNames(),         h.name(h.graph.rendered()), h.graph.running(), h.display.face(),
                 h.display.enabled(),    h.display.trackLabel()};
}

TEST(PlayerSearch, ACommandDuringASlicedSearchEndsAsAfterAWholeSearch) {
  const struct {
    const char* name;
    Command command;
  } commands[] = {
      {"stop", [](PlayerHarness& h) { h.player.onStop(); }},
      {"play", [](PlayerHarness& h) { h.player.onPlay(); }},
      {"play twice", [](PlayerHarness& h) { h.player.onPlay(); h.player.onPlay(); }},
      {"next", [](PlayerHarness& h) { h.player.onNext(); }},
      {"next three times", [](PlayerHarness& h) { for (int i = 0; i < 3; ++i) h.player.onNext(); }},
      {"next, then play", [](PlayerHarness& h) { h.player.onNext(); h.player.onPlay(); }},
      {"stop, then previous", [](PlayerHarness& h) { h.player.onStop(); h.player.onPrev(); }},
      {"previous", [](PlayerHarness& h) { h.player.onPrev(); }},
      {"drop", [](PlayerHarness& h) { h.player.playDropped({h.root.join("sub\\dropped")}); }},
      {"track menu", [](PlayerHarness& h) { h.player.chooseTrack(5); }},
      {"group menu", [](PlayerHarness& h) { h.player.chooseGroup(1); }},
      {"random, then next", [](PlayerHarness& h) { h.player.onOrderRandom(); h.player.onNext(); }},
  };
  for (const auto& c : commands) {
    for (bool repeat : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (repeat ? ", repeat on" : ", repeat off"));
      EXPECT_EQ(run(c.command, true, repeat), run(c.command, false, repeat));
    }
  }
}

TEST(PlayerSearch, TheStopKeyDuringASearchLeavesTheTrackFoundStopped) {
  PlayerHarness h;
  h.track("a");
  h.brokenTrack("b");
  h.track("c");
  h.sliceEveryTry();
  h.chooseRoot();
  h.player.onPlay();
  h.endTrack();
  h.player.onStop();
  EXPECT_EQ(h.display.face(), PlayButtonFace::Play);
  EXPECT_TRUE(h.display.enabled());
  h.finishSearch();
  EXPECT_EQ(h.name(h.state().lastFile), "c");
  EXPECT_FALSE(h.state().playing);
  EXPECT_FALSE(h.graph.running());
}

}  // namespace
