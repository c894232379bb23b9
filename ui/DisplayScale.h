#pragma once
// The resolution a window is shown at, and the bar's pixel lengths at it. The
// calls that tell a window's own resolution came with later systems (Windows
// 8.1 and 10); they are looked up at run time, so that the program starts on
// Windows 7, where every window has the screen's resolution.
#include <windows.h>

namespace DisplayScale {
constexpr UINT designDpi = 96;

// A length of the 100 % design at the resolution, halves rounded up: the one
// rounding of every place, size and picture of the bar.
int scaled(int length, UINT dpi);

// The window's resolution: its own on Windows 10, its monitor's on 8.1, the
// screen's before.
UINT ofWindow(HWND window);

// Keeps the dialog manager from moving, resizing and changing the font of the
// dialog's controls when its resolution changes (Windows 10 1703 and later):
// the bar lays them out itself.
void keepOwnLayout(HWND dialog);
}  // namespace DisplayScale
