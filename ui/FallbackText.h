#pragma once
// One line of text centred in a rectangle and cut at its edges, each run of
// characters in the font of the label that has their glyphs, on the baseline
// of the label's own font.
#include <windows.h>

#include <string>

#include "ui/LabelFont.h"

namespace FallbackText {
// The text as a dialog reads a control's text: "&&" is one "&", a lone "&" marks no key here and is dropped.
std::wstring withoutPrefixes(const std::wstring& text);
void drawCentred(HDC dc, LabelFont& fonts, const std::wstring& text, const RECT& area);
}  // namespace FallbackText
