#include <windows.h>

#include <climits>
#include <string>

#include "platform/LegacyCodePage_win32.h"
#include "platform/WideText_win32.h"

namespace text_encoding {

namespace {

bool toWide(unsigned codePage, const std::string& text, std::wstring& wide) {
  if (text.size() > INT_MAX) return false;
  const int size = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (units <= 0) return false;
  wide.assign(static_cast<std::size_t>(units), L'\0');
  return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, &wide[0], units) == units;
}

bool convertBetween(unsigned from, unsigned to, const std::string& text, std::string& out) {
  if (text.empty()) {
    out.clear();
    return true;
  }
  std::wstring wide;
  return toWide(from, text, wide) && wideToCodePage(to, wide, out);
}

}  // namespace

bool legacyToUtf8(const std::string& text, std::string& out) {
  return convertBetween(legacyCodePage(), CP_UTF8, text, out);
}

bool utf8ToLegacy(const std::string& text, std::string& out) {
  return convertBetween(CP_UTF8, legacyCodePage(), text, out);
}

}  // namespace text_encoding
