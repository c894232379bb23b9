#pragma once
// The window of a bare cycle program, the soak's baseline: its text names the
// file being played, and a sent pauseMessage toggles the cycle's pause.
#include <windows.h>

constexpr UINT pauseMessage = WM_APP + 1;

template <typename Cycle>
LRESULT CALLBACK cycleWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != pauseMessage) return DefWindowProcA(window, message, wParam, lParam);
  auto* cycle = reinterpret_cast<Cycle*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (cycle) cycle->togglePause();
  return 0;
}

// The window whose pause messages go to the Cycle set as its user data.
template <typename Cycle>
HWND createCycleWindow(const char* className) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = cycleWindowProcedure<Cycle>;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  return CreateWindowExA(WS_EX_TOOLWINDOW, className, "", WS_POPUP | WS_VISIBLE, 0, 0, 280, 34, nullptr, nullptr,
                         windowClass.hInstance, nullptr);
}
