#include "core/Player.h"

#include <algorithm>
#include <utility>

#include "core/PlayerSettings.h"
#include "core/TrackPath.h"
#include "library/GroupEnumeration.h"
#include "library/PlaylistReader.h"
#include "library/TrackScanner.h"
#include "settings/ExcludedExtensions.h"
#include "settings/SettingsFile.h"

namespace {

void shuffleWith(ShuffleGenerator& generator, std::vector<std::string>& list) {
  const std::size_t count = list.size();
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t j = generator.draw() % count;
    if (j != i) std::swap(list[i], list[j]);
  }
}

}  // namespace

Player::Player(MediaGraph& graph, PlayerDisplay& display, GraphNotifyTarget notifyTarget,
               ShuffleGenerator& generator)
    : graph_(graph), display_(display), notifyTarget_(notifyTarget), generator_(generator) {}

// Session.

void Player::startUp(const std::string& settingsName, StartUpWindowSteps& window) {
  SettingsFile settings;
  settings.open(settingsName, false);
  const SavedSession session = readSettings(settings, state_);
  state_.trackLoaded = false;
  state_.playing = false;
  window.prepareWindow();
  graph_.create(notifyTarget_);
  graph_.setVolume(state_.volume);
  setExcludedExtensions(state_, session.extList.empty() ? excluded_extensions::defaultText
                                                        : session.extList);
  buildGroupList(state_.curDir);
  if (!session.savedGroup.empty() && !state_.curDir.empty()) {
    selectGroup(session.savedGroup);
  } else {
    selectGroup(std::string());
  }
  if (!session.resumeTarget.empty()) resume(session.resumeTarget, session.resumePosition);
  window.applyTopMost();
  settings.close();
}

void Player::resume(const std::string& target, std::int64_t position) {
  if (state_.randomMode != 0) shuffleTracks();
  const TrackList& tracks = state_.trackList;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    if (tracks[i] == target) {
      state_.playQueue.assign(tracks.begin() + static_cast<std::ptrdiff_t>(i), tracks.end());
      advance(false, false);
      // Another track (the saved one is gone), or a position the track no
      // longer reaches, starts from the beginning.
      const bool onTarget = !search_.active && state_.trackLoaded && state_.lastFile == target;
      if (onTarget && position > 0 && position < graph_.length()) graph_.seek(position);
      return;
    }
  }
}

std::int64_t Player::positionToKeep() {
  if (!state_.trackLoaded || search_.active || graph_.atEnd()) return 0;
  const std::int64_t position = graph_.currentPosition();
  return position > 0 && position < graph_.length() ? position : 0;
}

void Player::shutDown(const std::string& settingsName, const std::function<void()>& closeWindow) {
  const std::int64_t position = positionToKeep();
  SettingsFile settings;
  settings.open(settingsName, true);
  writeSettings(state_, settings, position);
  if (closeWindow) closeWindow();
  settings.close();
}

void Player::saveSettings(const std::string& settingsName) {
  shutDown(settingsName, std::function<void()>());
}

// Loading and playing one track.

void Player::openTrack(const std::string& path) {
  graph_.release();
  graph_.create(notifyTarget_);
  // A failure disables the play button only once the search has settled, so
  // that it does not blink through a long run of unplayable files.
  if (!graph_.renderFile(track_path::resolveAgainstRoot(path, state_.curDir))) {
    state_.trackLoaded = false;
    return;
  }
  state_.trackLoaded = true;
  state_.previousFile = std::move(state_.lastFile);
  state_.lastFile = path;
  display_.setTrackLabelText(track_path::fileName(path));
  display_.setPlayButtonEnabled(true);
}

void Player::startPlayback() {
  if (!state_.trackLoaded) return;
  if (graph_.atEnd()) graph_.rewind();
  graph_.run();
  display_.setPlayButtonFace(PlayButtonFace::Stop);
  state_.playing = true;
}

void Player::stopPlayback() {
  if (state_.trackLoaded) graph_.stop();
  display_.setPlayButtonFace(PlayButtonFace::Play);
  state_.playing = false;
}

// The queue.

Player::SearchResult Player::openFirstLoadable() {
  // Entries are tried from the front; the tried ones leave the queue in one
  // step, so a long run of unplayable paths costs one pass over the queue.
  PlayQueue& queue = state_.playQueue;
  const auto sliceEnd = std::chrono::steady_clock::now() + slice_.value_or(std::chrono::milliseconds(0));
  std::size_t tried = 0;
  SearchResult result = SearchResult::exhausted;
  while (tried < queue.size()) {
    openTrack(queue[tried]);
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

void Player::advance(bool play, bool refill) {
  // A new advance takes over from one still under way: its caller has set the queue.
  search_ = QueueSearch{};
  search_.active = true;
  search_.play = play;
  search_.mayRefill = refill;
  search_.repeat = state_.repeatMode == 1;
  search_.random = state_.randomMode != 0;
  searchQueue();
}

void Player::setAdvanceSlice(std::chrono::milliseconds slice, std::function<void()> continueLater) {
  slice_ = slice;
  continueLater_ = std::move(continueLater);
}

void Player::continueAdvance() {
  if (search_.active) searchQueue();
}

void Player::searchQueue() {
  SearchResult result = openFirstLoadable();
  if (result == SearchResult::exhausted && !search_.refilled && (search_.repeat || search_.mayRefill)) {
    search_.refilled = true;
    if (search_.random) shuffleTracks();
    state_.playQueue = state_.trackList;
    result = openFirstLoadable();
  }
  if (result != SearchResult::sliceOver) {
    settleSearch(result == SearchResult::found);
    return;
  }
  // The former track was released by the first try: nothing plays meanwhile.
  state_.playing = false;
  if (!search_.shown) showSearchPlayWish(search_.play);
  if (continueLater_) continueLater_();
}

void Player::showSearchPlayWish(bool play) {
  search_.play = play;
  search_.shown = true;
  display_.setPlayButtonFace(play ? PlayButtonFace::Stop : PlayButtonFace::Play);
  display_.setPlayButtonEnabled(true);
}

void Player::settleSearch(bool found) {
  search_.active = false;
  if (search_.tried && !found) display_.setPlayButtonEnabled(false);
  const bool play = found && search_.play;
  if (deferredCommands_.empty()) {
    if (play) {
      startPlayback();
    } else {
      stopPlayback();
    }
    return;
  }
  // The commands that came during the search act on the track it found; that
  // track does not start only to give way to them at once.
  state_.playing = play;
  if (!runningDeferred_) runDeferredCommands();
}

bool Player::deferUntilSearchSettles(std::function<void()> command) {
  if (!search_.active) return false;
  deferredCommands_.push_back(std::move(command));
  return true;
}

void Player::runDeferredCommands() {
  runningDeferred_ = true;
  while (!search_.active && !deferredCommands_.empty()) {
    const std::function<void()> command = std::move(deferredCommands_.front());
    deferredCommands_.pop_front();
    command();
  }
  runningDeferred_ = false;
  if (search_.active) return;
  if (state_.playing) {
    startPlayback();
  } else {
    stopPlayback();
  }
}

void Player::shuffleTracks() { shuffleWith(generator_, state_.trackList); }

// Transport.

void Player::onPlay() {
  // Nothing is loaded yet: the press decides whether the track found plays.
  if (search_.active && deferredCommands_.empty()) {
    showSearchPlayWish(!search_.play);
    return;
  }
  if (deferUntilSearchSettles([this] { onPlay(); })) return;
  if (state_.playing) {
    stopPlayback();
  } else {
    startPlayback();
  }
}

void Player::onStop() {
  if (search_.active && deferredCommands_.empty()) {
    showSearchPlayWish(false);
    return;
  }
  if (deferUntilSearchSettles([this] { onStop(); })) return;
  stopPlayback();
}

void Player::onCue() { graph_.rewind(); }

void Player::onNext() {
  if (deferUntilSearchSettles([this] { onNext(); })) return;
  advance(state_.playing, true);
}

void Player::onPrev() {
  if (deferUntilSearchSettles([this] { onPrev(); })) return;
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
  advance(state_.playing, false);
}

void Player::onGraphNotify() {
  // A track that ended just before the user stopped it has left its completion
  // behind; the stop is what the user asked for, so it is not undone.
  if (!graph_.takeCompletion() || !state_.playing) return;
  if (!state_.onePlay) {
    advance(true, false);
  } else if (state_.repeatMode != 0) {
    graph_.rewind();
  } else {
    stopPlayback();
  }
}

void Player::stepVolume(int notches) {
  constexpr std::int32_t pointsPerNotch = 5;
  const std::int64_t level = std::int64_t{state_.volume} + std::int64_t{notches} * pointsPerNotch;
  state_.volume = static_cast<std::int32_t>(std::clamp<std::int64_t>(level, 0, 100));
  graph_.setVolume(state_.volume);
}

// Options.

void Player::onOrderRandom() {
  if (state_.randomMode != 0) {
    state_.randomMode = 0;
    return;
  }
  state_.randomMode = 1;
  shuffleTracks();
}

void Player::onRepeat() { state_.repeatMode = state_.repeatMode == 1 ? 0 : 1; }
void Player::onOnePlay() { state_.onePlay = !state_.onePlay; }
void Player::onOrderName() { state_.sortMethod = 0; }
void Player::onOrderCreated() { state_.sortMethod = 1; }
void Player::onOrderAccessed() { state_.sortMethod = 2; }
void Player::onOrderReverse() { state_.sortReverse = !state_.sortReverse; }
void Player::toggleTopMost() { state_.topMost = !state_.topMost; }
void Player::toggleTransparent() { state_.transparent = !state_.transparent; }

std::string Player::joinExcludedExts() const { return ::joinExcludedExts(state_); }

// Groups and tracks.

void Player::buildGroupList(const std::string& root) {
  if (deferUntilSearchSettles([this, root] { buildGroupList(root); })) return;
  if (!root.empty()) {
    state_.groupList = enumerateGroups(root);
    state_.curDir = root;
  }
  selectGroup(std::string());
}

void Player::selectGroup(const std::string& name) {
  // The name may be one of the lists' own entries; keep it apart from them.
  const std::string group = name;
  if (group.empty()) {
    state_.subDir.clear();
    display_.setGroupLabelText(defaultGroupLabel_);
    state_.trackList = scanTracks(state_.curDir, state_.excludedExts, trackOrder());
  } else {
    state_.subDir = group;
    display_.setGroupLabelText(group);
    const std::string path = track_path::join(state_.curDir, group);
    if (isPlaylistName(group)) {
      loadPlaylist(path);
    } else {
      state_.trackList = scanTracks(path, state_.excludedExts, trackOrder());
    }
  }
  if (state_.randomMode != 0) shuffleTracks();
  state_.playQueue = state_.trackList;
  advance(false, false);
}

void Player::loadPlaylist(const std::string& path) {
  ::loadPlaylist(path, trackOrder(),
                 [this](std::vector<std::string>& lines) { shuffleWith(generator_, lines); },
                 state_.trackList);
}

TrackOrder Player::trackOrder() const {
  TrackOrder order;
  order.randomMode = state_.randomMode;
  order.sortMethod = state_.sortMethod;
  order.sortReverse = state_.sortReverse;
  return order;
}

void Player::setPopupKind(PopupKind kind) { state_.popupKind = kind; }

void Player::chooseGroup(std::size_t position) {
  if (deferUntilSearchSettles([this, position] { chooseGroup(position); })) return;
  if (position == 0) {
    selectGroup(std::string());
  } else if (position - 1 < state_.groupList.size()) {
    selectGroup(state_.groupList[position - 1]);
  }
}

void Player::chooseTrack(std::size_t position) {
  if (deferUntilSearchSettles([this, position] { chooseTrack(position); })) return;
  const TrackList& tracks = state_.trackList;
  if (position >= tracks.size()) return;
  state_.playQueue.assign(tracks.begin() + static_cast<std::ptrdiff_t>(position), tracks.end());
  advance(true, false);
}

void Player::playDropped(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  if (deferUntilSearchSettles([this, paths] { playDropped(paths); })) return;
  PlayQueue oldQueue = std::move(state_.playQueue);
  const std::string current = state_.trackLoaded ? state_.lastFile : std::string();
  state_.playQueue = paths;
  const bool queuedNext = !oldQueue.empty() && oldQueue.front() == current;
  if (!current.empty() && !queuedNext) state_.playQueue.push_back(current);
  state_.playQueue.insert(state_.playQueue.end(), std::make_move_iterator(oldQueue.begin()),
                          std::make_move_iterator(oldQueue.end()));
  advance(true, false);
}
