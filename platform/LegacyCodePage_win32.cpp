#include "platform/LegacyCodePage_win32.h"

#include <windows.h>

namespace {

// The legacy ANSI code page of the locale while the system runs with UTF-8 as
// its code page; older headers lack the name.
constexpr LCTYPE utf8LegacyAnsiCodePage = 0x00000666;

unsigned readSystemLocaleNumber(unsigned long localeValue) {
  wchar_t digits[8] = {};
  if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, localeValue, digits, 8) <= 0) return 0;
  unsigned number = 0;
  for (const wchar_t* digit = digits; *digit >= L'0' && *digit <= L'9'; ++digit) {
    number = number * 10 + static_cast<unsigned>(*digit - L'0');
  }
  return number;
}

}  // namespace

unsigned legacyCodePageFrom(const std::function<unsigned(unsigned long localeValue)>& readNumber) {
  unsigned codePage = readNumber(LOCALE_IDEFAULTANSICODEPAGE);
  if (codePage == CP_UTF8) codePage = readNumber(utf8LegacyAnsiCodePage);
  // A locale without an ANSI code page of its own reports 0; so would a UTF-8
  // locale that names no legacy one, whose text then is the process's own.
  return codePage == 0 || codePage == CP_UTF8 ? CP_ACP : codePage;
}

unsigned legacyCodePage() {
  static const unsigned codePage = legacyCodePageFrom(&readSystemLocaleNumber);
  return codePage;
}
