#pragma once
// Whole-window transparency through SetLayeredWindowAttributes, looked up at
// run time so that a system without it still runs (without the effect).
#include <windows.h>

class LayeredWindow {
 public:
  static constexpr BYTE alpha = 50;

  LayeredWindow() = default;
  ~LayeredWindow();
  LayeredWindow(const LayeredWindow&) = delete;
  LayeredWindow& operator=(const LayeredWindow&) = delete;

  // Loads "user32.dll" and looks the entry point up in it.
  void load();
  bool available() const { return setAttributes != nullptr; }
  // Adds the layered style and alpha, or removes the style; nothing when unavailable.
  void apply(HWND window, bool transparent) const;
  // Frees the module; the entry point is gone afterwards.
  void release();

 private:
  using SetAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  HMODULE user32 = nullptr;
  SetAttributes setAttributes = nullptr;
};
