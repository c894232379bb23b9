// Text between code pages and UTF-16 converts exactly or not at all, and the
// legacy code page is found also under the system-wide UTF-8 option.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "platform/LegacyCodePage_win32.h"
#include "platform/WidePath_win32.h"

TEST(WideText, ConvertsExactlyOrNotAtAll) {
  std::wstring wide;
  std::string bytes;
  EXPECT_TRUE(codePageToWide(932, "\x95\x5C\x83\x5C", wide) && wide == L"\u8868\u30bd");
  EXPECT_TRUE(wideToCodePage(932, wide, bytes) && bytes == "\x95\x5C\x83\x5C");
  EXPECT_FALSE(codePageToWide(932, "a\x95", wide));  // a lead byte without its trail
  EXPECT_FALSE(wideToCodePage(932, L"caf\u00e9", bytes));  // not best-fitted to "cafe"
  EXPECT_FALSE(wideToCodePage(CP_UTF8, std::wstring(1, wchar_t(0xD800)), bytes));
  ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
  EXPECT_EQ(widePath("C:\\a\xC3.wav"), L"");  // malformed bytes do not become U+FFFD
}

TEST(LegacyCodePage, UnderTheSystemWideUtf8OptionTheLegacyOneIsAskedApart) {
  std::map<unsigned long, unsigned> locale;
  const auto read = [&](unsigned long value) { return locale.count(value) ? locale[value] : 0u; };
  locale = {{LOCALE_IDEFAULTANSICODEPAGE, 932}};
  EXPECT_EQ(legacyCodePageFrom(read), 932u);
  locale = {{LOCALE_IDEFAULTANSICODEPAGE, CP_UTF8}, {0x666, 932}};
  EXPECT_EQ(legacyCodePageFrom(read), 932u);
  locale = {{LOCALE_IDEFAULTANSICODEPAGE, CP_UTF8}};
  EXPECT_EQ(legacyCodePageFrom(read), static_cast<unsigned>(CP_ACP));
}
