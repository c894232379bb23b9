#pragma once
// The groups under the music root, and the TrackList of the group selected:
// scanned from its folder or read from its playlist file, then queued with its
// first playable track loaded, stopped.
#include <cstddef>
#include <string>

#include "core/PlayerDisplay.h"
#include "core/PlayerState.h"
#include "core/ShuffleGenerator.h"
#include "core/TrackSearch.h"
#include "library/TrackOrder.h"

class Groups {
 public:
  Groups(PlayerState& state, TrackSearch& search, PlayerDisplay& display, ShuffleGenerator& generator);

  // The group label of the music root itself.
  void setDefaultLabel(const std::string& label) { defaultLabel_ = label; }
  // Lists the groups of a non-empty root and makes it the music root; then
  // selects the default group.
  void buildGroupList(const std::string& root);
  // The empty name is the default group.
  void selectGroup(const std::string& name);
  // Position 0 of the group menu is the default group.
  void chooseGroup(std::size_t position);

 private:
  void loadPlaylist(const std::string& path);
  TrackOrder trackOrder() const;

  PlayerState& state_;
  TrackSearch& search_;
  PlayerDisplay& display_;
  ShuffleGenerator& generator_;
  std::string defaultLabel_;
};
