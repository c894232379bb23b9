#pragma once
// The fonts a label draws its text in: the dialog's font asked for with the
// Japanese character set, so that the font mapper prefers a face holding the
// kana of the bar's own texts, at the bar's resolution; and, for a character
// that face lacks, the first of a few fonts chosen by script that has it.
#include <windows.h>

#include <array>

class LabelFont {
 public:
  LabelFont() = default;
  ~LabelFont();
  LabelFont(const LabelFont&) = delete;
  LabelFont& operator=(const LabelFont&) = delete;

  // The face and height of the given font, which was made for fontDpi.
  void take(HFONT dialogFont, UINT fontDpi);
  // The same face at another resolution, kept when another font is taken.
  void setDpi(UINT dpi);

  // The font the text is drawn in; null before take.
  HFONT primary();
  // The font that draws the character: the primary one when it has it, or
  // when no fallback has it either.
  HFONT fontFor(HDC dc, wchar_t character);

 private:
  static constexpr std::size_t fallbackCount = 10;
  void release();
  HFONT fallback(std::size_t index);

  LOGFONTW face{};
  bool taken = false;
  UINT baseDpi = 96;
  UINT currentDpi = 96;
  bool dpiChosen = false;
  HFONT primaryFont = nullptr;
  // Made on first use: most names never need one.
  std::array<HFONT, fallbackCount> fallbacks{};
};

// Whether the font selected into the dc has a glyph for the character.
bool fontHasGlyph(HDC dc, wchar_t character);
