#include "core/Playback.h"

#include <utility>

#include "core/TrackPath.h"

Playback::Playback(PlayerState& state, MediaGraph& graph, PlayerDisplay& display, GraphNotifyTarget notifyTarget)
    : state_(state), graph_(graph), display_(display), notifyTarget_(notifyTarget) {}

void Playback::openTrack(const std::string& path) {
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

void Playback::startPlayback() {
  if (!state_.trackLoaded) return;
  if (graph_.atEnd()) graph_.rewind();
  graph_.run();
  display_.setPlayButtonFace(PlayButtonFace::Stop);
  state_.playing = true;
}

void Playback::stopPlayback() {
  if (state_.trackLoaded) graph_.stop();
  display_.setPlayButtonFace(PlayButtonFace::Play);
  state_.playing = false;
}
