// Text converts exactly or not at all; the legacy code page is found also under
// the system-wide UTF-8 option.
#include <windows.h>

#include <gtest/gtest.h>


#include "platform/LegacyCodePage_win32.h"
#include "platform/WidePath_win32.h"
#include "platform/WideText_win32.h"

TEST(WideText, ConvertsExactlyOrNotAtAll) {
  std::wstring wide;
  std::string bytes;
  EXPECT_TRUE(codePageToWide(932, "\x95\x5C", wide) && wideToCodePage(932, wide, bytes) && bytes == "\x95\x5C");
  EXPECT_FALSE(codePageToWide(932, "a\x95", wide));  // a lead byte without its trail
  EXPECT_FALSE(wideToCodePage(932, L"caf\u00e9", bytes));  // not best-fitted to "cafe"
  EXPECT_EQ(widePath("C:\\a\xC3.wav"), L"");  // under UTF-8, malformed bytes do not become U+FFFD
}

TEST(WidePath, APathPastTheLimitOfThePlainFormTakesTheExtendedOneWhole) {
  const std::wstring deep = L"\\" + std::wstring(140, L'd') + L"\\" + std::wstring(140, L'e') + L"\\a.wav";
  const struct { std::wstring path, expected; } cases[] = {
      {L"C:\\Music\\a.wav", L"C:\\Music\\a.wav"},
      {L"C:/Music/x/.." + deep, L"\\\\?\\C:\\Music" + deep},
      {L"\\\\server\\share" + deep, L"\\\\?\\UNC\\server\\share" + deep},
      {L"\\\\?\\C:" + deep, L"\\\\?\\C:" + deep},
  };
  for (const auto& c : cases) EXPECT_EQ(extendedLengthPath(c.path), c.expected);
}

TEST(LegacyCodePage, UnderTheSystemWideUtf8OptionTheLegacyOneIsAskedApartOrTakenFromTheLanguage) {
  const struct { unsigned ansi, legacy; WORD primary, sub; unsigned expected; } cases[] = {
      {CP_UTF8, 932, LANG_ENGLISH, SUBLANG_ENGLISH_US, 932},  // asked apart
      {CP_UTF8, 0, LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN, 932},  // refused: from the language
      {CP_UTF8, 0, LANG_CHINESE, SUBLANG_CHINESE_SINGAPORE, 936},
      {CP_UTF8, 0, LANG_CHINESE, SUBLANG_CHINESE_MACAU, 950},
      {CP_UTF8, 0, LANG_KOREAN, SUBLANG_KOREAN, 949},
      {0, 0, LANG_HINDI, SUBLANG_HINDI_INDIA, 1252},  // no ANSI code page of its own
  };
  for (const auto& c : cases) {
    const auto read = [&](unsigned long value) { return value == LOCALE_IDEFAULTANSICODEPAGE ? c.ansi : c.legacy; };
    EXPECT_EQ(legacyCodePageFrom(read, MAKELANGID(c.primary, c.sub)), c.expected) << c.primary;
  }
  // With the look-up refused on a Japanese system, a code page 932 name ("表示.mp3") reads whole.
  const auto refused = [](unsigned long value) { return value == LOCALE_IDEFAULTANSICODEPAGE ? CP_UTF8 : 0u; };
  std::wstring wide;
  EXPECT_TRUE(codePageToWide(legacyCodePageFrom(refused, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)),
                             "\x95\x5C\x8E\xA6.mp3", wide));
  EXPECT_EQ(wide, L"\u8868\u793A.mp3");
}
