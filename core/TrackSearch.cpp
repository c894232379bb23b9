#include "core/TrackSearch.h"

#include <cstddef>
#include <utility>

TrackSearch::TrackSearch(PlayerState& state, Playback& playback, PlayerDisplay& display, ShuffleGenerator& generator)
    : state_(state), playback_(playback), display_(display), generator_(generator) {}

TrackSearch::SearchResult TrackSearch::openFirstLoadable() {
  // Entries are tried from the front; the tried ones leave the queue in one
  // step, so a long run of unplayable paths costs one pass over the queue.
  PlayQueue& queue = state_.playQueue;
  const auto sliceEnd = std::chrono::steady_clock::now() + slice_.value_or(std::chrono::milliseconds(0));
  std::size_t tried = 0;
  SearchResult result = SearchResult::exhausted;
  while (tried < queue.size()) {
    playback_.openTrack(queue[tried]);
    ++tried;
    search_.tried = true;
    if (state_.trackLoaded) {
      result = SearchResult::found;
      break;
    }
    if (slice_ && tried < queue.size() && std::chrono::steady_clock::now() >= sliceEnd) {
      result = SearchResult::sliceOver;
      break;
    }
  }
  queue.erase(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(tried));
  return result;
}

void TrackSearch::advance(bool play, bool refill) {
  search_ = Search{};
  search_.active = true;
  search_.play = play;
  search_.mayRefill = refill;
  search_.repeat = state_.repeatMode == 1;
  search_.random = state_.randomMode != 0;
  searchQueue();
}

void TrackSearch::setSlice(std::chrono::milliseconds slice, std::function<void()> continueLater) {
  slice_ = slice;
  continueLater_ = std::move(continueLater);
}

void TrackSearch::continueAdvance() {
  if (search_.active) searchQueue();
}

void TrackSearch::searchQueue() {
  SearchResult result = openFirstLoadable();
  if (result == SearchResult::exhausted && !search_.refilled && (search_.repeat || search_.mayRefill)) {
    search_.refilled = true;
    if (search_.random) generator_.shuffle(state_.trackList);
    state_.playQueue = state_.trackList;
    result = openFirstLoadable();
  }
  if (result != SearchResult::sliceOver) {
    settle(result == SearchResult::found);
    return;
  }
  // The former track was released by the first try: nothing plays meanwhile.
  state_.playing = false;
  if (!search_.shown) showPlayWish(search_.play);
  if (continueLater_) continueLater_();
}

void TrackSearch::showPlayWish(bool play) {
  search_.play = play;
  search_.shown = true;
  display_.setPlayButtonFace(play ? PlayButtonFace::Stop : PlayButtonFace::Play);
  display_.setPlayButtonEnabled(true);
}

void TrackSearch::settle(bool found) {
  search_.active = false;
  if (search_.tried && !found) display_.setPlayButtonEnabled(false);
  const bool play = found && search_.play;
  if (heldCommands_.empty()) {
    if (play) {
      playback_.startPlayback();
    } else {
      playback_.stopPlayback();
    }
    return;
  }
  // The commands that came during the search act on the track it found; that
  // track does not start only to give way to them at once.
  state_.playing = play;
  if (!runningHeld_) runHeldCommands();
}

void TrackSearch::perform(std::function<void()> command, PlayWish wish) {
  if (!search_.active) {
    command();
    return;
  }
  // Nothing is loaded yet: the press decides whether the track found plays.
  if (wish != PlayWish::none && heldCommands_.empty()) {
    showPlayWish(wish == PlayWish::toggle && !search_.play);
    return;
  }
  heldCommands_.push_back(std::move(command));
}

void TrackSearch::runHeldCommands() {
  runningHeld_ = true;
  while (!search_.active && !heldCommands_.empty()) {
    const std::function<void()> command = std::move(heldCommands_.front());
    heldCommands_.pop_front();
    command();
  }
  runningHeld_ = false;
  if (search_.active) return;
  if (state_.playing) {
    playback_.startPlayback();
  } else {
    playback_.stopPlayback();
  }
}
