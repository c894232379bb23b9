#pragma once
// The tool tip of one control: shown while another program is active too,
// over every window, with its text as it stands ("&" is no key prefix). Its
// window is made when the pointer first comes over the control, not at start.
#include <windows.h>

#include <string>

class ControlTip {
 public:
  ControlTip() = default;
  ~ControlTip() { destroy(); }
  ControlTip(const ControlTip&) = delete;
  ControlTip& operator=(const ControlTip&) = delete;

  void attach(HWND control);
  // Empty text: no tip.
  void setText(const std::string& text);
  // Mouse messages of the control, so that the tip knows when to show.
  void relay(UINT message, WPARAM wParam, LPARAM lParam);
  void destroy();

 private:
  void createWindow();
  void registerTool() const;

  HWND control = nullptr;
  HWND tip = nullptr;
  std::string tipText;
};
