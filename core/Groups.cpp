#include "core/Groups.h"

#include <algorithm>
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

std::optional<std::string> Groups::menuEntry(std::size_t position) const {
  if (position == 0) return std::string();
  if (position - 1 >= state_.groupList.size()) return std::nullopt;
  return state_.groupList[position - 1];
}

void Groups::chooseGroup(const std::string& name) {
  const GroupList& groups = state_.groupList;
  if (name.empty() || std::find(groups.begin(), groups.end(), name) != groups.end()) selectGroup(name);
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
