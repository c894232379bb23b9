#pragma once
// The main pop-up menu: folder, order, extension, repeat, single-track,
// always-on-top, transparency and About items, showing the state at the moment
// it opens.
#include <windows.h>

#include <string>

#include "core/PlayerState.h"

class MainMenu {
 public:
  // Shows the menu for a WM_CONTEXTMENU request: at its point (screen
  // coordinates), or at the client area's top-left corner when it came from the
  // keyboard (both coordinates -1); nothing when the point lies outside the
  // client area. Returns when the menu closes.
  static void show(HINSTANCE instance, HWND dialog, LPARAM request, const PlayerState& state,
                   const std::string& excludedText);

  // The menu resource with the music root, the excluded-extension text and the
  // check marks of state filled in; its first pop-up is the menu shown. The
  // caller destroys it.
  static HMENU load(HINSTANCE instance, const PlayerState& state, const std::string& excludedText);

  // Where the menu of a request opens; false when it opens nowhere.
  static bool pointFor(HWND dialog, LPARAM request, POINT& point);
};
