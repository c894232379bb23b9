#pragma once
// The moves between tracks: play/stop, cue, next and previous, the end of a
// track, a track chosen from the track menu and files dropped on the window.
// Each sets the PlayQueue and has the search find what plays.
#include <cstddef>
#include <string>
#include <vector>

#include "core/Playback.h"
#include "core/PlayerState.h"
#include "core/TrackSearch.h"

class Transport {
 public:
  Transport(PlayerState& state, Playback& playback, TrackSearch& search);

  void playOrStop();
  void cue() { playback_.rewind(); }
  void next();
  // The entry before the current track in the TrackList, then the rest of it.
  void previous();
  // The graph has told the window of an event.
  void graphNotify();
  // A track chosen where the track menu showed it: played with the rest of
  // the TrackList behind it, from the place shown while the path is still
  // there, else from its first place; a path the TrackList no longer holds is
  // played as a dropped file is.
  void playChosen(const std::string& path, std::size_t shownAt);
  // Played at once, ahead of the queue.
  void playDropped(const std::vector<std::string>& paths);

 private:
  PlayerState& state_;
  Playback& playback_;
  TrackSearch& search_;
};
