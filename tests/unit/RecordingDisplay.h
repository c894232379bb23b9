#pragma once
// Keeps what the player last showed, and how often it showed anything.
#include <string>

#include "core/PlayerDisplay.h"

class RecordingDisplay : public PlayerDisplay {
 public:
  void setPlayButtonFace(PlayButtonFace face) override {
    face_ = face;
    ++faceChanges_;
  }
  void setPlayButtonEnabled(bool enabled) override { enabled_ = enabled; }
  void setTrackLabelText(const std::string& text) override { trackLabel_ = text; }
  void setGroupLabelText(const std::string& text) override { groupLabel_ = text; }

  PlayButtonFace face() const { return face_; }
  int faceChanges() const { return faceChanges_; }
  bool enabled() const { return enabled_; }
  const std::string& trackLabel() const { return trackLabel_; }
  const std::string& groupLabel() const { return groupLabel_; }

 private:
  PlayButtonFace face_ = PlayButtonFace::Play;
  int faceChanges_ = 0;
  bool enabled_ = true;
  // The template texts of the two labels, until the player sets them.
  std::string trackLabel_ = "(track template)";
  std::string groupLabel_ = "(group template)";
};
