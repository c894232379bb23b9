// Commands that arrive while a long search for a playable track goes on, slice
// by slice: each ends as it would had the search found its track at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "PlayerHarness.h"

namespace {

using Command = std::function<void(PlayerHarness&)>;

struct Row {
  const char* name;
  Command command;
  // e and f play; without them the search runs out of the queue.
  bool restPlays = true;
  // What the command amounts to once the search has found its track, when
  // that is not the command itself.
  Command asAfterTheSearch = {};
};

// Whether the track in the graph was sent back to its start after it loaded.
bool rewoundSinceLoad(const FakeGraph& graph) {
  const std::vector<std::string>& calls = graph.calls();
  const auto load = std::find_if(calls.rbegin(), calls.rend(),
                                 [](const std::string& call) { return call.rfind("render ", 0) == 0; });
  return std::find(calls.rbegin(), load, "rewind") != load;
}

// Plays a, whose end starts a search over three unplayable files; the command
// comes after the search's first try, or after the whole search. What the user
// sees and what comes next, once everything has settled.
std::string outcome(const Row& row, bool sliced, bool repeat) {
  PlayerHarness h;
  h.root.folder("sub");
  for (const char* name : {"a", "sub\\dropped"}) h.track(name);
  for (const char* name : {"b", "c", "d"}) h.brokenTrack(name);
  for (const char* name : {"e", "f"}) {
    if (row.restPlays) {
      h.track(name);
    } else {
      h.brokenTrack(name);
    }
  }
  if (sliced) h.sliceEveryTry();
  if (repeat) h.player.onRepeat();
  h.chooseRoot();
  h.player.onPlay();
  h.endTrack();
  EXPECT_EQ(h.player.advancing(), sliced);
  (sliced || !row.asAfterTheSearch ? row.command : row.asAfterTheSearch)(h);
  h.finishSearch();
  const PlayerState& s = h.state();
  std::string seen = h.name(s.previousFile) + " then " + h.name(s.lastFile) + (s.trackLoaded ? " loaded" : " empty") +
                     (s.playing ? ", playing" : ", stopped") + (h.graph.running() ? ", running" : ", idle") +
                     (h.display.face() == PlayButtonFace::Stop ? ", stop face" : ", play face") +
                     (h.display.enabled() ? " on" : " off") +
                     (rewoundSinceLoad(h.graph) ? ", rewound" : "") + ", label " + h.display.trackLabel() + ", queue";
  for (const std::string& name : h.queueNames()) seen += " " + name;
  return seen;
}

TEST(PlayerSearch, ACommandDuringASlicedSearchEndsAsAfterAWholeSearch) {
  const Row rows[] = {
      {"stop", [](PlayerHarness& h) { h.player.onStop(); }},
      {"play", [](PlayerHarness& h) { h.player.onPlay(); }},
      {"next", [](PlayerHarness& h) { h.player.onNext(); }},
      {"next, then play", [](PlayerHarness& h) { h.player.onNext(); h.player.onPlay(); }},
      {"stop, then previous", [](PlayerHarness& h) { h.player.onStop(); h.player.onPrev(); }},
      {"drop", [](PlayerHarness& h) { h.player.playDropped({h.root.join("sub\\dropped")}); }},
      {"track menu", [](PlayerHarness& h) { h.player.chooseTrack(5); }},
      {"group menu", [](PlayerHarness& h) { h.player.chooseGroup(1); }},
      {"cue", [](PlayerHarness& h) { h.player.onCue(); }},
      {"new music root", [](PlayerHarness& h) { h.player.buildGroupList(h.root.join("sub")); }},
      // The search keeps the repeat setting it began with.
      {"repeat, in a search that runs out", [](PlayerHarness& h) { h.player.onRepeat(); }, false},
      // The track menu still shows the group of a, so its entry 5 is f, which
      // the group chosen before no longer holds: it plays as a dropped file.
      {"group menu, then the track menu it still showed",
       [](PlayerHarness& h) { h.player.chooseGroup(1); h.player.chooseTrack(5); }, true,
       [](PlayerHarness& h) { h.player.chooseGroup(1); h.player.playDropped({h.root.join("f")}); }},
  };
  for (const Row& row : rows) {
    for (bool repeat : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (repeat ? ", repeat on" : ", repeat off"));
      EXPECT_EQ(outcome(row, true, repeat), outcome(row, false, repeat));
    }
  }
}

}  // namespace
