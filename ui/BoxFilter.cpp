#include "ui/BoxFilter.h"

#include <algorithm>
#include <vector>

#include "ui/PngPicture.h"

namespace {
struct Weight {
  int source;
  double share;
};

// For each pixel of a line of `to` pixels, the source pixels of a line of `from` it covers.
std::vector<std::vector<Weight>> weights(int from, int to) {
  std::vector<std::vector<Weight>> all(static_cast<std::size_t>(to));
  const double step = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    const double start = i * step;
    const double end = start + step;
    for (int s = static_cast<int>(start); s < from && s < end; ++s) {
      const double covered = std::min<double>(end, s + 1) - std::max<double>(start, s);
      if (covered > 0) all[static_cast<std::size_t>(i)].push_back(Weight{s, covered / step});
    }
  }
  return all;
}

// The source's pixels as 24-bit top-down rows of the given stride.
std::vector<BYTE> pixelsOf(HBITMAP source, int width, int height, int stride) {
  std::vector<BYTE> pixels(static_cast<std::size_t>(stride) * height);
  BITMAPINFO info = topDownPicture(width, height);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, source, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height) pixels.clear();
  return pixels;
}
}  // namespace

HBITMAP BoxFilter::resized(HBITMAP source, int left, int sourceWidth, int width, int height) {
  BITMAP size{};
  if (!source || !GetObjectA(source, sizeof size, &size) || width <= 0 || height <= 0 || left < 0 ||
      sourceWidth <= 0 || left + sourceWidth > size.bmWidth) {
    return nullptr;
  }
  const int fullWidth = size.bmWidth;
  const int sourceHeight = size.bmHeight;
  const int sourceStride = (fullWidth * 3 + 3) & ~3;
  const std::vector<BYTE> from = pixelsOf(source, fullWidth, sourceHeight, sourceStride);
  if (from.empty()) return nullptr;

  // Across first, into rows of doubles, then down.
  const auto across = weights(sourceWidth, width);
  const auto down = weights(sourceHeight, height);
  std::vector<double> rows(static_cast<std::size_t>(sourceHeight) * width * 3);
  for (int y = 0; y < sourceHeight; ++y) {
    const BYTE* row = from.data() + static_cast<std::size_t>(y) * sourceStride;
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) {
        double sum = 0;
        for (const Weight& w : across[static_cast<std::size_t>(x)]) sum += row[(left + w.source) * 3 + c] * w.share;
        rows[(static_cast<std::size_t>(y) * width + x) * 3 + c] = sum;
      }
    }
  }
  BYTE* bits = nullptr;
  HBITMAP result = createPicture(width, height, &bits);
  if (!result) return nullptr;
  const int stride = (width * 3 + 3) & ~3;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width * 3; ++x) {
      double sum = 0;
      for (const Weight& w : down[static_cast<std::size_t>(y)]) {
        sum += rows[static_cast<std::size_t>(w.source) * width * 3 + x] * w.share;
      }
      bits[static_cast<std::size_t>(y) * stride + x] = static_cast<BYTE>(std::min(255.0, sum + 0.5));
    }
  }
  GdiFlush();
  return result;
}
