#include "platform/LegacyCodePage_win32.h"

#include <windows.h>

namespace {

unsigned lookUpLegacyCodePage() {
  wchar_t digits[8] = {};
  if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, digits, 8) <= 0) return CP_ACP;
  unsigned codePage = 0;
  for (const wchar_t* digit = digits; *digit >= L'0' && *digit <= L'9'; ++digit) {
    codePage = codePage * 10 + static_cast<unsigned>(*digit - L'0');
  }
  // A locale without an ANSI code page of its own reports 0.
  return codePage == 0 ? CP_ACP : codePage;
}

}  // namespace

unsigned legacyCodePage() {
  static const unsigned codePage = lookUpLegacyCodePage();
  return codePage;
}
