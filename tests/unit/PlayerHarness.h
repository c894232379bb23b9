#pragma once
// A player over a scripted graph and a recording display, with a music root in
// a temporary folder whose files render only when a test says so.
#include <string>
#include <vector>

#include "FakeGraph.h"
#include "RecordingDisplay.h"
#include "TestFolder.h"
#include "core/Player.h"

// The default group's label the harness hands the player, as the window hands
// it string 137.
extern const char* const defaultGroupText;

class PlayerHarness {
 public:
  static constexpr unsigned graphNotify = 32969;

  PlayerHarness();

  // A file of the music root (or below it) that renders, or one that does not.
  std::string track(const std::string& relative);
  std::string brokenTrack(const std::string& relative);
  // Makes the music root current, as a new root chosen by the user is.
  void chooseRoot() { player.buildGroupList(root.path()); }
  // Cuts every search after each try, as a window with a very short slice would.
  void sliceEveryTry();
  // Runs the slices the search asks for until it settles; how many ran.
  int finishSearch();
  // The running track plays to its end and the window hears of it.
  void endTrack();
  // The file names of paths under the root, for short expectations.
  std::vector<std::string> names(const std::vector<std::string>& paths) const;
  std::string name(const std::string& path) const;

  const PlayerState& state() const { return player.state(); }
  std::vector<std::string> queueNames() const { return names(state().playQueue); }
  std::vector<std::string> trackNames() const { return names(state().trackList); }
  std::vector<std::string> attemptNames() const { return names(graph.renderAttempts()); }

  TestFolder root;
  FakeGraph graph;
  RecordingDisplay display;
  // A fresh generator: every test draws the sequence from its start.
  ShuffleGenerator generator;
  Player player;
  bool continuationAsked = false;
};
