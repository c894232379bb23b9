#include "platform/WideText_win32.h"

#include <windows.h>

#include <climits>

namespace {

unsigned actual(unsigned codePage) { return codePage == CP_ACP ? GetACP() : codePage; }

bool multiByteToWide(unsigned codePage, std::string_view text, std::wstring& wide) {
  if (text.size() > INT_MAX) return false;
  const int size = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (units <= 0) return false;
  wide.assign(static_cast<std::size_t>(units), L'\0');
  return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, &wide[0], units) == units;
}

bool wideToMultiByte(unsigned codePage, std::wstring_view wide, std::string& text) {
  if (wide.size() > INT_MAX) return false;
  const int units = static_cast<int>(wide.size());
  const bool utf8 = codePage == CP_UTF8;
  // UTF-8 takes no best-fit flag and reports no default character.
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
  const int size = WideCharToMultiByte(codePage, flags, wide.data(), units, nullptr, 0, nullptr, usedDefaultOut);
  if (size <= 0 || usedDefault) return false;
  text.assign(static_cast<std::size_t>(size), '\0');
  return WideCharToMultiByte(codePage, flags, wide.data(), units, &text[0], size, nullptr, usedDefaultOut) ==
             size &&
         !usedDefault;
}

}  // namespace

// Into UTF-16 every character has one form, so the flag that fails malformed
// and unmapped bytes is check enough; a code page that has two byte forms of
// one character (932 has) still gives that one character.
bool codePageToWide(unsigned codePage, std::string_view text, std::wstring& wide) {
  if (text.empty()) {
    wide.clear();
    return true;
  }
  std::wstring converted;
  if (!multiByteToWide(actual(codePage), text, converted)) return false;
  wide.swap(converted);
  return true;
}

// Out of UTF-16 the way back checks the result: a look-alike that slipped past
// the flags does not convert back to the same text.
bool wideToCodePage(unsigned codePage, std::wstring_view wide, std::string& text) {
  if (wide.empty()) {
    text.clear();
    return true;
  }
  codePage = actual(codePage);
  std::string converted;
  std::wstring back;
  if (!wideToMultiByte(codePage, wide, converted) || !multiByteToWide(codePage, converted, back) || back != wide) {
    return false;
  }
  text.swap(converted);
  return true;
}

bool fromProcessText(std::string_view text, std::wstring& wide) { return codePageToWide(CP_ACP, text, wide); }

bool toProcessText(std::wstring_view wide, std::string& text) { return wideToCodePage(CP_ACP, wide, text); }

std::wstring wideForSorting(std::string_view text) {
  std::wstring wide;
  if (text.empty() || text.size() > INT_MAX) return wide;
  const int size = static_cast<int>(text.size());
  wide.assign(text.size(), L'\0');
  const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], size);
  wide.resize(units > 0 ? static_cast<std::size_t>(units) : 0);
  return wide;
}
