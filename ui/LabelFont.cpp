#include "ui/LabelFont.h"

namespace {
struct Fallback {
  BYTE charSet;
  const wchar_t* faceName;
};
// By script: the character set makes the mapper choose a face of that script
// where the name is not installed.
constexpr Fallback fallbackFaces[] = {
    {HANGUL_CHARSET, L"Malgun Gothic"},     {GB2312_CHARSET, L"Microsoft YaHei"},
    {CHINESEBIG5_CHARSET, L"Microsoft JhengHei"}, {EASTEUROPE_CHARSET, L"Segoe UI"},
    {RUSSIAN_CHARSET, L"Segoe UI"},         {GREEK_CHARSET, L"Segoe UI"},
    {HEBREW_CHARSET, L"Segoe UI"},          {ARABIC_CHARSET, L"Segoe UI"},
    {THAI_CHARSET, L"Tahoma"},              {DEFAULT_CHARSET, L"Segoe UI Symbol"},
};
static_assert(sizeof fallbackFaces / sizeof fallbackFaces[0] == 10, "one font slot per fallback");
}  // namespace

bool fontHasGlyph(HDC dc, wchar_t character) {
  WORD glyph = 0xFFFF;
  return GetGlyphIndicesW(dc, &character, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) == 1 && glyph != 0xFFFF;
}

LabelFont::~LabelFont() { release(); }

void LabelFont::release() {
  if (primaryFont) DeleteObject(primaryFont);
  primaryFont = nullptr;
  for (HFONT& font : fallbacks) {
    if (font) DeleteObject(font);
    font = nullptr;
  }
}

void LabelFont::take(HFONT dialogFont, UINT fontDpi) {
  LOGFONTW given{};
  if (!dialogFont || !GetObjectW(dialogFont, sizeof given, &given)) return;
  release();
  face = given;
  // The dialog manager asks with the default character set, which lets the
  // mapper take a face without kana where the named one is not installed.
  face.lfCharSet = SHIFTJIS_CHARSET;
  taken = true;
  baseDpi = fontDpi ? fontDpi : 96;
  if (!dpiChosen) currentDpi = baseDpi;
}

void LabelFont::setDpi(UINT dpi) {
  if (!dpi) return;
  dpiChosen = true;
  if (dpi == currentDpi) return;
  release();
  currentDpi = dpi;
}

HFONT LabelFont::primary() {
  if (!taken) return nullptr;
  if (!primaryFont) {
    LOGFONTW scaled = face;
    scaled.lfHeight = MulDiv(face.lfHeight, static_cast<int>(currentDpi), static_cast<int>(baseDpi));
    primaryFont = CreateFontIndirectW(&scaled);
  }
  return primaryFont;
}

HFONT LabelFont::fallback(std::size_t index) {
  if (!fallbacks[index]) {
    LOGFONTW other = face;
    other.lfHeight = MulDiv(face.lfHeight, static_cast<int>(currentDpi), static_cast<int>(baseDpi));
    other.lfCharSet = fallbackFaces[index].charSet;
    lstrcpynW(other.lfFaceName, fallbackFaces[index].faceName, LF_FACESIZE);
    fallbacks[index] = CreateFontIndirectW(&other);
  }
  return fallbacks[index];
}

HFONT LabelFont::fontFor(HDC dc, wchar_t character) {
  HFONT first = primary();
  if (!first) return nullptr;
  HGDIOBJ previous = SelectObject(dc, first);
  HFONT chosen = first;
  if (!fontHasGlyph(dc, character)) {
    for (std::size_t i = 0; i < fallbacks.size(); ++i) {
      HFONT candidate = fallback(i);
      if (!candidate) continue;
      SelectObject(dc, candidate);
      if (fontHasGlyph(dc, character)) {
        chosen = candidate;
        break;
      }
    }
  }
  SelectObject(dc, previous);
  return chosen;
}
