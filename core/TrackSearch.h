#pragma once
// The search for a playable track behind every change of track: paths are
// tried from the front of the PlayQueue until one loads, with at most one new
// pass over the TrackList, slice by slice when the window asks for slices. The
// commands that come meanwhile are held until it settles.
#include <chrono>
#include <deque>
#include <functional>
#include <optional>

#include "core/Playback.h"
#include "core/PlayerDisplay.h"
#include "core/PlayerState.h"
#include "core/ShuffleGenerator.h"

class TrackSearch {
 public:
  TrackSearch(PlayerState& state, Playback& playback, PlayerDisplay& display, ShuffleGenerator& generator);

  // play: the track found plays; refill: a used-up PlayQueue is refilled from
  // the TrackList even with repeat off. A new search takes over from one still
  // under way: its caller has set the queue.
  void advance(bool play, bool refill);

  // With a slice set, a search of the queue that has run that long with
  // entries left stops, asks continueLater to have continueAdvance() called
  // soon, and goes on then. Without one, a search runs to its end at once.
  void setSlice(std::chrono::milliseconds slice, std::function<void()> continueLater);
  bool active() const { return search_.active; }
  void continueAdvance();

  // What a press of play or stop does to a search that holds no command yet.
  enum class PlayWish { none, toggle, stop };
  // Every command of the user enters here. It runs at once, or, while a search
  // runs, it is held behind those that came before it until the search
  // settles, so that it ends as it would had the search found its track at
  // once, just before the command. A play or stop press with nothing held
  // decides at once whether the track found plays, and the button shows it.
  void perform(std::function<void()> command, PlayWish wish = PlayWish::none);

 private:
  enum class SearchResult { found, exhausted, sliceOver };
  // Tries the queue from its front until a track loads, the queue is used up
  // or the slice is over; the tried entries leave it.
  SearchResult openFirstLoadable();
  void searchQueue();
  void settle(bool found);
  // The play button while a search goes on: enabled, and showing whether the
  // track found will play.
  void showPlayWish(bool play);
  void runHeldCommands();

  PlayerState& state_;
  Playback& playback_;
  PlayerDisplay& display_;
  ShuffleGenerator& generator_;

  // The search under way: what it does once a track loads, whether it may
  // still start a new pass over the TrackList, and the options it began with,
  // which an option changed during the search does not alter.
  struct Search {
    bool active = false;
    bool play = false;
    bool mayRefill = false;
    bool refilled = false;
    bool repeat = false;
    bool random = false;
    // Some entry was tried, so a search that finds nothing ends empty.
    bool tried = false;
    // The play button shows the search's own wish to play.
    bool shown = false;
  };
  Search search_;
  std::optional<std::chrono::milliseconds> slice_;
  std::function<void()> continueLater_;
  // Commands that came during a search, in the order they came; run once it settles.
  std::deque<std::function<void()>> heldCommands_;
  bool runningHeld_ = false;
};
