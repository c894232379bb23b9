#pragma once
// The groups under the music root, and the TrackList of the group selected:
// scanned from its folder or read from its playlist file, then queued with its
// first playable track loaded, stopped.
#include <cstddef>
#include <optional>
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
  // The name of the group at a position of the group menu, where 0 is the
  // default group's empty name; none beyond the GroupList.
  std::optional<std::string> menuEntry(std::size_t position) const;
  // A group chosen by its name: selected while the music root still has it.
  void chooseGroup(const std::string& name);

 private:
  void loadPlaylist(const std::string& path);
  TrackOrder trackOrder() const;

  PlayerState& state_;
  TrackSearch& search_;
  PlayerDisplay& display_;
  ShuffleGenerator& generator_;
  std::string defaultLabel_;
};
