#include "core/PlayerOptions.h"

void PlayerOptions::toggleRandom() {
  // Off leaves the TrackList in its shuffled order until it is next rebuilt.
  if (state_.randomMode != 0) {
    state_.randomMode = 0;
    return;
  }
  state_.randomMode = 1;
  generator_.shuffle(state_.trackList);
}
