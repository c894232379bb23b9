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

// The ANSI code page that Windows gives the languages whose files are most
// often in a double-byte code page; every other language's is taken as 1252.
unsigned codePageOfLanguage(unsigned short language) {
  switch (PRIMARYLANGID(language)) {
    case LANG_JAPANESE:
      return 932;
    case LANG_KOREAN:
      return 949;
    case LANG_CHINESE:
      switch (SUBLANGID(language)) {
        case SUBLANG_CHINESE_TRADITIONAL:
        case SUBLANG_CHINESE_HONGKONG:
        case SUBLANG_CHINESE_MACAU:
          return 950;
      }
      return 936;
  }
  return 1252;
}

}  // namespace

unsigned legacyCodePageFrom(const std::function<unsigned(unsigned long localeValue)>& readNumber,
                            unsigned short systemLanguage) {
  unsigned codePage = readNumber(LOCALE_IDEFAULTANSICODEPAGE);
  if (codePage == CP_UTF8) codePage = readNumber(utf8LegacyAnsiCodePage);
  // The look-up of the legacy code page is known only to recent systems, and
  // a locale without an ANSI code page of its own reports 0. CP_ACP would be
  // no answer: in this process it is UTF-8.
  return codePage == 0 || codePage == CP_UTF8 ? codePageOfLanguage(systemLanguage) : codePage;
}

unsigned legacyCodePage() {
  static const unsigned codePage = legacyCodePageFrom(&readSystemLocaleNumber, GetSystemDefaultLangID());
  return codePage;
}
