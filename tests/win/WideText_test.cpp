// Text converts exactly or not at all; the legacy code page is found also under
// the system-wide UTF-8 option.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "platform/LegacyCodePage_win32.h"
#include "platform/WidePath_win32.h"

TEST(WideText, ConvertsExactlyOrNotAtAll) {
  std::wstring wide;
  std::string bytes;
  EXPECT_TRUE(codePageToWide(932, "\x95\x5C", wide) && wideToCodePage(932, wide, bytes) && bytes == "\x95\x5C");
  EXPECT_FALSE(codePageToWide(932, "a\x95", wide));  // a lead byte without its trail
  EXPECT_FALSE(wideToCodePage(932, L"caf\u00e9", bytes));  // not best-fitted to "cafe"
  EXPECT_EQ(widePath("C:\\a\xC3.wav"), L"");  // under UTF-8, malformed bytes do not become U+FFFD
}

TEST(LegacyCodePage, UnderTheSystemWideUtf8OptionTheLegacyOneIsAskedApart) {
  std::map<unsigned long, unsigned> locale{{LOCALE_IDEFAULTANSICODEPAGE, CP_UTF8}};
  const auto read = [&](unsigned long value) { return locale.count(value) ? locale[value] : 0u; };
  EXPECT_EQ(legacyCodePageFrom(read), static_cast<unsigned>(CP_ACP));
  locale[0x666] = 932;
  EXPECT_EQ(legacyCodePageFrom(read), 932u);
}
