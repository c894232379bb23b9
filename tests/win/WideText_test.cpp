// Text between code pages and UTF-16 converts exactly or not at all, and the
// legacy code page is found also under the system-wide UTF-8 option.
#include "platform/WideText_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "platform/LegacyCodePage_win32.h"
#include "platform/WidePath_win32.h"

namespace {

TEST(WideText, ConvertsExactlyOrNotAtAll) {
  struct Case {
    const char* what;
    unsigned codePage;
    std::string bytes;  // empty where only the wide text is tried
    std::wstring wide;  // empty where only the bytes are tried
    bool converts;
  };
  const Case cases[] = {
      {"UTF-8 both ways", CP_UTF8, "caf\xC3\xA9\xE8\xA1\xA8", L"caf\u00e9\u8868", true},
      {"932 both ways", 932, "\x95\x5C\x83\x5C", L"\u8868\u30bd", true},
      {"malformed UTF-8 is not made U+FFFD", CP_UTF8, "a\xC3", L"", false},
      {"a lead byte without its trail", 932, "a\x95", L"", false},
      {"a lone surrogate has no UTF-8", CP_UTF8, "", std::wstring(1, wchar_t(0xD800)), false},
      {"a character 932 lacks is not best-fitted", 932, "", L"caf\u00e9", false},
  };
  for (const Case& c : cases) {
    if (!c.bytes.empty()) {
      std::wstring wide = L"unchanged";
      EXPECT_EQ(codePageToWide(c.codePage, c.bytes, wide), c.converts) << c.what;
      EXPECT_EQ(wide, c.converts ? c.wide : L"unchanged") << c.what;
    }
    if (!c.wide.empty()) {
      std::string bytes = "unchanged";
      EXPECT_EQ(wideToCodePage(c.codePage, c.wide, bytes), c.converts) << c.what;
      EXPECT_EQ(bytes, c.converts ? c.bytes : "unchanged") << c.what;
    }
  }
}

TEST(WideText, APathWithMalformedBytesOpensNothing) {
  ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
  EXPECT_EQ(widePath("C:\\a\xC3.wav"), L"");
  EXPECT_EQ(widePath("C:\\\xE8\xA1\xA8.wav"), L"C:\\\u8868.wav");
}

TEST(LegacyCodePage, UnderTheSystemWideUtf8OptionTheLegacyOneIsAskedApart) {
  constexpr unsigned long ansiCodePage = 0x1004;
  constexpr unsigned long utf8LegacyAnsiCodePage = 0x666;
  struct Case {
    std::map<unsigned long, unsigned> locale;
    unsigned legacy;
  };
  const Case cases[] = {
      {{{ansiCodePage, 932}}, 932},
      {{{ansiCodePage, CP_UTF8}, {utf8LegacyAnsiCodePage, 932}}, 932},
      {{{ansiCodePage, CP_UTF8}}, CP_ACP},
      {{}, CP_ACP},
  };
  for (const Case& c : cases) {
    const unsigned found = legacyCodePageFrom([&](unsigned long value) {
      const auto entry = c.locale.find(value);
      return entry == c.locale.end() ? 0u : entry->second;
    });
    EXPECT_EQ(found, c.legacy);
  }
}

}  // namespace
