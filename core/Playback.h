#pragma once
// One track in the graph: loaded, started, stopped and rewound, with the play
// button and the track label following.
#include <string>

#include "audio/MediaGraph.h"
#include "core/PlayerDisplay.h"
#include "core/PlayerState.h"

class Playback {
 public:
  Playback(PlayerState& state, MediaGraph& graph, PlayerDisplay& display, GraphNotifyTarget notifyTarget);

  // A fresh graph for the path; trackLoaded tells whether it loaded.
  void openTrack(const std::string& path);
  // Does nothing while no track is loaded.
  void startPlayback();
  void stopPlayback();
  void rewind() { graph_.rewind(); }
  bool takeCompletion() { return graph_.takeCompletion(); }

 private:
  PlayerState& state_;
  MediaGraph& graph_;
  PlayerDisplay& display_;
  GraphNotifyTarget notifyTarget_;
};
