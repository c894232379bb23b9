#pragma once
// A 24-bit picture brought to another size by a box filter: each pixel of the
// result is the mean of the source pixels it covers, each weighted by the
// share of it covered, so a reduced picture keeps its thin lines as softer
// lines instead of dropping them.
#include <windows.h>

namespace BoxFilter {
// A new 24-bit section of width x height from the part of the source at
// (left, 0) of sourceWidth x the source's height; null on bad sizes.
HBITMAP resized(HBITMAP source, int left, int sourceWidth, int width, int height);
}  // namespace BoxFilter
