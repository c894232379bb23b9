#pragma once
// The tool tip of one control: shown while another program is active too,
// over every window, with its text as it stands ("&" is no key prefix).
#include <windows.h>

#include <string>

class ControlTip {
 public:
  ControlTip() = default;
  ~ControlTip() { destroy(); }
  ControlTip(const ControlTip&) = delete;
  ControlTip& operator=(const ControlTip&) = delete;

  void create(HWND control);
  // Empty text: no tip. A text given before create shows once the tip exists.
  void setText(const std::string& text);
  // Mouse messages of the control, so that the tip knows when to show.
  void relay(UINT message, WPARAM wParam, LPARAM lParam) const;
  void destroy();

 private:
  void registerTool() const;

  HWND control = nullptr;
  HWND tip = nullptr;
  std::string tipText;
};
