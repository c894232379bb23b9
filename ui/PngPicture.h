#pragma once
// A PNG picture of the program's resources decoded by the system's imaging
// component (Windows Imaging Component, on every Windows the program runs on)
// into a 24-bit section. COM must be started on the calling thread.
#include <windows.h>

namespace PngPicture {
// Null when the resource is missing or cannot be decoded.
HBITMAP load(HINSTANCE instance, int resourceId);
}  // namespace PngPicture

// The header of a 24-bit top-down picture of the size.
BITMAPINFO topDownPicture(int width, int height);

// A 24-bit top-down section of the size; bits receives its pixels (rows padded to four bytes).
HBITMAP createPicture(int width, int height, BYTE** bits);
