#pragma once
// The option commands. None rebuilds a list: the sort settings take effect at
// the next group selection, and random order on shuffles the TrackList at once.
#include "core/PlayerState.h"
#include "core/ShuffleGenerator.h"

class PlayerOptions {
 public:
  PlayerOptions(PlayerState& state, ShuffleGenerator& generator) : state_(state), generator_(generator) {}

  void toggleRandom();
  void toggleRepeat() { state_.repeatMode = state_.repeatMode == 1 ? 0 : 1; }
  void toggleOnePlay() { state_.onePlay = !state_.onePlay; }
  void orderByName() { state_.sortMethod = 0; }
  void orderByCreated() { state_.sortMethod = 1; }
  void orderByAccessed() { state_.sortMethod = 2; }
  void toggleReverse() { state_.sortReverse = !state_.sortReverse; }
  void toggleTopMost() { state_.topMost = !state_.topMost; }
  void toggleTransparent() { state_.transparent = !state_.transparent; }

 private:
  PlayerState& state_;
  ShuffleGenerator& generator_;
};
