#include "platform/WideText_win32.h"

#include <windows.h>

#include <climits>

bool wideToCodePage(unsigned codePage, const std::wstring& wide, std::string& text) {
  if (wide.empty() || wide.size() > INT_MAX) return false;
  const int units = static_cast<int>(wide.size());
  const bool utf8 = codePage == CP_UTF8;
  // UTF-8 takes no best-fit flag and reports no default character.
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
  const int size = WideCharToMultiByte(codePage, flags, wide.data(), units, nullptr, 0, nullptr, usedDefaultOut);
  if (size <= 0 || usedDefault) return false;
  std::string converted(static_cast<std::size_t>(size), '\0');
  if (WideCharToMultiByte(codePage, flags, wide.data(), units, &converted[0], size, nullptr, usedDefaultOut) !=
          size ||
      usedDefault) {
    return false;
  }
  text.swap(converted);
  return true;
}

bool toProcessText(const std::wstring& wide, std::string& text) { return wideToCodePage(GetACP(), wide, text); }
