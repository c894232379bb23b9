#include "core/Groups.h"

#include <vector>

#include "core/TrackPath.h"
#include "library/GroupEnumeration.h"
#include "library/PlaylistReader.h"
#include "library/TrackScanner.h"

Groups::Groups(PlayerState& state, TrackSearch& search, PlayerDisplay& display, ShuffleGenerator& generator)
    : state_(state), search_(search), display_(display), generator_(generator) {}

void Groups::buildGroupList(const std::string& root) {
  if (!root.empty()) {
    state_.groupList = enumerateGroups(root);
    state_.curDir = root;
  }
  selectGroup(std::string());
}

void Groups::selectGroup(const std::string& name) {
  // The name may be one of the lists' own entries; keep it apart from them.
  const std::string group = name;
  if (group.empty()) {
    state_.subDir.clear();
    display_.setGroupLabelText(defaultLabel_);
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
  if (state_.randomMode != 0) generator_.shuffle(state_.trackList);
  state_.playQueue = state_.trackList;
  search_.advance(false, false);
}

void Groups::chooseGroup(std::size_t position) {
  if (position == 0) {
    selectGroup(std::string());
  } else if (position - 1 < state_.groupList.size()) {
    selectGroup(state_.groupList[position - 1]);
  }
}

void Groups::loadPlaylist(const std::string& path) {
  ::loadPlaylist(path, trackOrder(), [this](std::vector<std::string>& lines) { generator_.shuffle(lines); },
                 state_.trackList);
}

TrackOrder Groups::trackOrder() const {
  TrackOrder order;
  order.randomMode = state_.randomMode;
  order.sortMethod = state_.sortMethod;
  order.sortReverse = state_.sortReverse;
  return order;
}
