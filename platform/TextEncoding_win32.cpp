#include <windows.h>

#include <string>

#include "platform/LegacyCodePage_win32.h"
#include "platform/WideText_win32.h"

namespace text_encoding {

namespace {

bool convertBetween(unsigned from, unsigned to, const std::string& text, std::string& out) {
  std::wstring wide;
  return codePageToWide(from, text, wide) && wideToCodePage(to, wide, out);
}

}  // namespace

bool legacyToUtf8(const std::string& text, std::string& out) {
  return convertBetween(legacyCodePage(), CP_UTF8, text, out);
}

bool utf8ToLegacy(const std::string& text, std::string& out) {
  return convertBetween(CP_UTF8, legacyCodePage(), text, out);
}

}  // namespace text_encoding
