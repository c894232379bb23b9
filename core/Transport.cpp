#include "core/Transport.h"

#include <algorithm>
#include <iterator>
#include <utility>

Transport::Transport(PlayerState& state, Playback& playback, TrackSearch& search)
    : state_(state), playback_(playback), search_(search) {}

void Transport::playOrStop() {
  if (state_.playing) {
    playback_.stopPlayback();
  } else {
    playback_.startPlayback();
  }
}

void Transport::next() { search_.advance(state_.playing, true); }

void Transport::previous() {
  const TrackList& tracks = state_.trackList;
  if (state_.previousFile.empty() || tracks.empty()) return;
  std::size_t current = tracks.size();
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    if (tracks[i] == state_.lastFile) current = i;
  }
  if (current == tracks.size()) return;
  if (current == 0) {
    state_.playQueue.assign(1, tracks.back());
  } else {
    state_.playQueue.assign(tracks.begin() + static_cast<std::ptrdiff_t>(current - 1), tracks.end());
  }
  search_.advance(state_.playing, false);
}

void Transport::graphNotify() {
  // A track that ended just before the user stopped it has left its completion
  // behind; the stop is what the user asked for, so it is not undone.
  if (!playback_.takeCompletion() || !state_.playing) return;
  if (!state_.onePlay) {
    search_.advance(true, false);
  } else if (state_.repeatMode != 0) {
    playback_.rewind();
  } else {
    playback_.stopPlayback();
  }
}

void Transport::playChosen(const std::string& path, std::size_t shownAt) {
  const TrackList& tracks = state_.trackList;
  auto place = tracks.begin() + static_cast<std::ptrdiff_t>(shownAt < tracks.size() ? shownAt : tracks.size());
  if (place == tracks.end() || *place != path) place = std::find(tracks.begin(), tracks.end(), path);
  if (place == tracks.end()) {
    playDropped({path});
    return;
  }
  state_.playQueue.assign(place, tracks.end());
  search_.advance(true, false);
}

void Transport::playDropped(const std::vector<std::string>& paths) {
  PlayQueue oldQueue = std::move(state_.playQueue);
  const std::string current = state_.trackLoaded ? state_.lastFile : std::string();
  state_.playQueue = paths;
  const bool queuedNext = !oldQueue.empty() && oldQueue.front() == current;
  if (!current.empty() && !queuedNext) state_.playQueue.push_back(current);
  state_.playQueue.insert(state_.playQueue.end(), std::make_move_iterator(oldQueue.begin()),
                          std::make_move_iterator(oldQueue.end()));
  search_.advance(true, false);
}
