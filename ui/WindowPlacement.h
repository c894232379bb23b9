#pragma once
// Placing and sizing windows.
#include <windows.h>

// Centres the window over its reference (by default the parent of a child
// window, the owner of any other), kept inside the bounds: the work area for a
// top-level window (that of the monitor the reference is on, or the window
// itself), the parent's client area for a child. A top-level window whose
// reference is hidden or minimised is centred in its monitor's work area.
void centerWindow(HWND window, HWND reference = nullptr);

// Gives the window a client area of width x height without moving it.
void resizeClientArea(HWND window, int width, int height);

// Moves a window that is not wholly inside the work area of its nearest
// monitor into that work area, by the shortest way; a window inside stays.
void keepInsideWorkArea(HWND window);

// Shows the window in its normal size and place, whatever show command the
// process was started with.
void showWhole(HWND window);
