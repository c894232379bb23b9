#include "core/Player.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/PlayerSettings.h"
#include "settings/ExcludedExtensions.h"
#include "settings/SettingsFile.h"

Player::Player(MediaGraph& graph, PlayerDisplay& display, GraphNotifyTarget notifyTarget,
               ShuffleGenerator& generator)
    : graph_(graph),
      notifyTarget_(notifyTarget),
      generator_(generator),
      playback_(state_, graph, display, notifyTarget),
      search_(state_, playback_, display, generator),
      transport_(state_, playback_, search_),
      groups_(state_, search_, display, generator),
      options_(state_, generator) {}

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
      const bool onTarget = !search_.active() && state_.trackLoaded && state_.lastFile == target;
      if (onTarget && position > 0 && position < graph_.length()) graph_.seek(position);
      return;
    }
  }
}

std::int64_t Player::positionToKeep() {
  if (!state_.trackLoaded || search_.active() || graph_.atEnd()) return 0;
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

// The search.

void Player::advance(bool play, bool refill) { search_.advance(play, refill); }

void Player::shuffleTracks() { generator_.shuffle(state_.trackList); }

void Player::setAdvanceSlice(std::chrono::milliseconds slice, std::function<void()> continueLater) {
  search_.setSlice(slice, std::move(continueLater));
}

void Player::continueAdvance() { search_.continueAdvance(); }

// Transport.

void Player::onPlay() { search_.perform([this] { transport_.playOrStop(); }, TrackSearch::PlayWish::toggle); }

void Player::onStop() { search_.perform([this] { stopPlayback(); }, TrackSearch::PlayWish::stop); }

void Player::onCue() { search_.perform([this] { transport_.cue(); }); }

void Player::onNext() { search_.perform([this] { transport_.next(); }); }

void Player::onPrev() { search_.perform([this] { transport_.previous(); }); }

void Player::onGraphNotify() { transport_.graphNotify(); }

void Player::stopPlayback() { playback_.stopPlayback(); }

void Player::stepVolume(int notches) {
  constexpr std::int32_t pointsPerNotch = 5;
  const std::int64_t level = std::int64_t{state_.volume} + std::int64_t{notches} * pointsPerNotch;
  state_.volume = static_cast<std::int32_t>(std::clamp<std::int64_t>(level, 0, 100));
  graph_.setVolume(state_.volume);
}

// Options.

void Player::onOrderRandom() { options_.toggleRandom(); }
void Player::onRepeat() { options_.toggleRepeat(); }
void Player::onOnePlay() { options_.toggleOnePlay(); }
void Player::onOrderName() { options_.orderByName(); }
void Player::onOrderCreated() { options_.orderByCreated(); }
void Player::onOrderAccessed() { options_.orderByAccessed(); }
void Player::onOrderReverse() { options_.toggleReverse(); }
void Player::toggleTopMost() { options_.toggleTopMost(); }
void Player::toggleTransparent() { options_.toggleTransparent(); }

std::string Player::joinExcludedExts() const { return ::joinExcludedExts(state_); }

// Groups and tracks.

void Player::buildGroupList(const std::string& root) { search_.perform([this, root] { groups_.buildGroupList(root); }); }

void Player::selectGroup(const std::string& name) { groups_.selectGroup(name); }

void Player::setPopupKind(PopupKind kind) { state_.popupKind = kind; }

// A menu choice means the entry the menu showed, so it is resolved as it comes,
// though it may be carried out only after commands held before it.
void Player::chooseGroup(std::size_t position) {
  const std::optional<std::string> group = groups_.menuEntry(position);
  if (group) search_.perform([this, name = *group] { groups_.chooseGroup(name); });
}

void Player::chooseTrack(std::size_t position) {
  const TrackList& tracks = state_.trackList;
  if (position >= tracks.size()) return;
  search_.perform([this, path = tracks[position], position] { transport_.playChosen(path, position); });
}

void Player::playDropped(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  search_.perform([this, paths] { transport_.playDropped(paths); });
}
