#pragma once
// The four ways in which the player shows its state on the window.
#include <string>

enum class PlayButtonFace { Play, Stop };

class PlayerDisplay {
 public:
  virtual ~PlayerDisplay() = default;
  // Play face with tip "再生", or stop face with tip "停止"; repainted at once.
  virtual void setPlayButtonFace(PlayButtonFace face) = 0;
  virtual void setPlayButtonEnabled(bool enabled) = 0;
  virtual void setTrackLabelText(const std::string& text) = 0;
  virtual void setGroupLabelText(const std::string& text) = 0;
};
