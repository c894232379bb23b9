#pragma once
// Placing and sizing windows.
#include <windows.h>

// Centres the window over its reference (by default the parent of a child
// window, the owner of any other), kept inside the bounds: the work area for a
// top-level window, the parent's client area for a child. A top-level window
// whose reference is hidden or minimised is centred in the work area.
void centerWindow(HWND window, HWND reference = nullptr);

// Gives the window a client area of width x height without moving it.
void resizeClientArea(HWND window, int width, int height);
