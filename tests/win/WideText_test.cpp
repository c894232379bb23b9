// Text converts exactly or not at all; the legacy code page is found also under
// the system-wide UTF-8 option.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

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
  const std::wstring deep = L"\\" + std::wstring(140, L'd') + L"\\" + std::wstring(140, L'e');
  const std::wstring relative = L"r" + deep + L"\\a.wav";
  wchar_t current[MAX_PATH];
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, current);
  ASSERT_TRUE(length > 0 && length < MAX_PATH);
  const std::wstring here(current, length);
  const std::wstring separator = here.back() == L'\\' ? L"" : L"\\";
  const struct { std::wstring path, expected; } cases[] = {
      {L"C:\\Music\\a.wav", L"C:\\Music\\a.wav"},  // short: as it stands
      {L"C:\\Music" + deep + L"\\a.wav", L"\\\\?\\C:\\Music" + deep + L"\\a.wav"},
      {L"C:/Music/x/.." + deep + L"/./a.wav", L"\\\\?\\C:\\Music" + deep + L"\\a.wav"},
      {L"\\\\server\\share" + deep + L"\\a.wav", L"\\\\?\\UNC\\server\\share" + deep + L"\\a.wav"},
      {relative, L"\\\\?\\" + here + separator + relative},
      {L"\\\\?\\C:\\Music" + deep, L"\\\\?\\C:\\Music" + deep},  // already extended
  };
  for (const auto& c : cases) EXPECT_EQ(extendedLengthPath(c.path), c.expected);
}

TEST(LegacyCodePage, UnderTheSystemWideUtf8OptionTheLegacyOneIsAskedApartOrTakenFromTheLanguage) {
  const auto language = [](WORD primary, WORD sub) { return static_cast<unsigned short>(MAKELANGID(primary, sub)); };
  const unsigned short japanese = language(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN);
  const struct { unsigned ansi, legacy; unsigned short language; unsigned expected; } cases[] = {
      {CP_UTF8, 932, language(LANG_ENGLISH, SUBLANG_ENGLISH_US), 932},  // the legacy one, asked apart
      {CP_UTF8, 0, japanese, 932},                                       // refused: from the language
      {CP_UTF8, 0, language(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), 936},
      {CP_UTF8, 0, language(LANG_CHINESE, SUBLANG_CHINESE_SINGAPORE), 936},
      {CP_UTF8, 0, language(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL), 950},
      {CP_UTF8, 0, language(LANG_CHINESE, SUBLANG_CHINESE_HONGKONG), 950},
      {CP_UTF8, 0, language(LANG_CHINESE, SUBLANG_CHINESE_MACAU), 950},
      {CP_UTF8, 0, language(LANG_KOREAN, SUBLANG_KOREAN), 949},
      {CP_UTF8, 0, language(LANG_GERMAN, SUBLANG_GERMAN), 1252},
      {0, 0, language(LANG_HINDI, SUBLANG_HINDI_INDIA), 1252},  // a locale with no ANSI code page
      {1251, 0, language(LANG_RUSSIAN, SUBLANG_RUSSIAN_RUSSIA), 1251},
  };
  for (const auto& c : cases) {
    std::map<unsigned long, unsigned> locale{{LOCALE_IDEFAULTANSICODEPAGE, c.ansi}, {0x666, c.legacy}};
    const auto read = [&](unsigned long value) { return locale.count(value) ? locale[value] : 0u; };
    EXPECT_EQ(legacyCodePageFrom(read, c.language), c.expected) << c.language;
  }
  // A Japanese file ("表示.mp3") reads whole where the look-up is refused.
  const auto refused = [](unsigned long value) { return value == LOCALE_IDEFAULTANSICODEPAGE ? CP_UTF8 : 0u; };
  std::wstring wide;
  EXPECT_TRUE(codePageToWide(legacyCodePageFrom(refused, japanese), "\x95\x5C\x8E\xA6.mp3", wide));
  EXPECT_EQ(wide, L"\u8868\u793A.mp3");
}
