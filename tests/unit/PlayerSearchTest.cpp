// Commands that arrive while a long search for a playable track goes on, slice
// by slice: each ends as it would had the search found its track at once.
#include <gtest/gtest.h>

#include <functional>

#include "PlayerHarness.h"

namespace {

using Command = std::function<void(PlayerHarness&)>;

// Plays a, whose end starts a search over three unplayable files; the command
// comes after the search's first try, or after the whole search. What the user
// sees and what comes next, once everything has settled.
std::string outcome(const Command& command, bool sliced, bool repeat) {
  PlayerHarness h;
  h.root.folder("sub");
  for (const char* name : {"a", "e", "f", "sub\\dropped"}) h.track(name);
  for (const char* name : {"b", "c", "d"}) h.brokenTrack(name);
  if (sliced) h.sliceEveryTry();
  if (repeat) h.player.onRepeat();
  h.chooseRoot();
  h.player.onPlay();
  h.endTrack();
  EXPECT_EQ(h.player.advancing(), sliced);
  command(h);
  h.finishSearch();
  const PlayerState& s = h.state();
  std::string seen = h.name(s.previousFile) + " then " + h.name(s.lastFile) + (s.trackLoaded ? " loaded" : " empty") +
                     (s.playing ? ", playing" : ", stopped") + (h.graph.running() ? ", running" : ", idle") +
                     (h.display.face() == PlayButtonFace::Stop ? ", stop face" : ", play face") +
                     (h.display.enabled() ? " on" : " off") + ", label " + h.display.trackLabel() + ", queue";
  for (const std::string& name : h.queueNames()) seen += " " + name;
  return seen;
}

TEST(PlayerSearch, ACommandDuringASlicedSearchEndsAsAfterAWholeSearch) {
  const std::pair<const char*, Command> commands[] = {
      {"stop", [](PlayerHarness& h) { h.player.onStop(); }},
      {"play", [](PlayerHarness& h) { h.player.onPlay(); }},
      {"next", [](PlayerHarness& h) { h.player.onNext(); }},
      {"next, then play", [](PlayerHarness& h) { h.player.onNext(); h.player.onPlay(); }},
      {"stop, then previous", [](PlayerHarness& h) { h.player.onStop(); h.player.onPrev(); }},
      {"drop", [](PlayerHarness& h) { h.player.playDropped({h.root.join("sub\\dropped")}); }},
      {"track menu", [](PlayerHarness& h) { h.player.chooseTrack(5); }},
      {"group menu", [](PlayerHarness& h) { h.player.chooseGroup(1); }},
  };
  for (const auto& c : commands) {
    for (bool repeat : {false, true}) {
      SCOPED_TRACE(std::string(c.first) + (repeat ? ", repeat on" : ", repeat off"));
      EXPECT_EQ(outcome(c.second, true, repeat), outcome(c.second, false, repeat));
    }
  }
}

}  // namespace
