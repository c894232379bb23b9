#include "ui/FallbackText.h"

#include <vector>

namespace {
struct Run {
  HFONT font;
  std::size_t start;
  std::size_t length;
  int width;
};

bool isLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

std::vector<Run> runsOf(HDC dc, LabelFont& fonts, const std::wstring& text) {
  std::vector<Run> runs;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // The second half of a pair stays with the first: a glyph is looked up by whole characters only.
    HFONT font = isLowSurrogate(text[i]) && !runs.empty() ? runs.back().font : fonts.fontFor(dc, text[i]);
    if (!runs.empty() && runs.back().font == font) {
      ++runs.back().length;
    } else {
      runs.push_back(Run{font, i, 1, 0});
    }
  }
  for (Run& run : runs) {
    HGDIOBJ previous = SelectObject(dc, run.font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data() + run.start, static_cast<int>(run.length), &size);
    run.width = size.cx;
    SelectObject(dc, previous);
  }
  return runs;
}
}  // namespace

std::wstring FallbackText::withoutPrefixes(const std::wstring& text) {
  std::wstring shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&') {
      if (i + 1 < text.size() && text[i + 1] == L'&') {
        shown += L'&';
        ++i;
      }
      continue;
    }
    shown += text[i];
  }
  return shown;
}

void FallbackText::drawCentred(HDC dc, LabelFont& fonts, const std::wstring& text, const RECT& area) {
  HFONT primary = fonts.primary();
  if (!primary || text.empty()) return;
  const std::vector<Run> runs = runsOf(dc, fonts, text);
  int total = 0;
  for (const Run& run : runs) total += run.width;

  HGDIOBJ previous = SelectObject(dc, primary);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  // Placed as a single centred line is placed by DrawText, so a name in the
  // label's own font lands on the same pixels.
  const int height = area.bottom - area.top;
  int x = (area.left + area.right - total) / 2;
  const int baseline = area.top + height / 2 - metrics.tmHeight / 2 + metrics.tmAscent;

  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
  for (const Run& run : runs) {
    SelectObject(dc, run.font);
    ExtTextOutW(dc, x, baseline, ETO_CLIPPED, &area, text.data() + run.start, static_cast<UINT>(run.length),
                nullptr);
    x += run.width;
  }
  RestoreDC(dc, saved);
  SelectObject(dc, previous);
}
