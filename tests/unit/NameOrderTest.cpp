#include "library/NameOrder.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/AnsiText.h"

namespace {

using Names = std::vector<std::string>;

// Code page 932 bytes of the characters used below.
const std::string hiraganaA = "\x82\xA0";     // あ U+3042
const std::string katakanaA = "\x83\x41";     // ア U+30A2
const std::string kanjiA = "\x88\x9F";        // 亜 U+4E9C
const std::string fullwidthA = "\x82\x60";    // Ａ U+FF21
const std::string fullwidthLa = "\x82\x81";   // ａ U+FF41
const std::string halfwidthA = "\xB1";        // ｱ U+FF71
const std::string alpha = "\x83\xBF";         // α
const std::string capitalAlpha = "\x83\x9F";  // Α
const std::string beta = "\x83\xC0";          // β
const std::string cyrillicA = "\x84\x70";     // а U+0430
const std::string cyrillicBe = "\x84\x41";    // Б U+0411
const std::string so = "\x83\x5C";            // ソ U+30BD, trail byte 0x5C
const std::string hyo = "\x95\x5C";           // 表 U+8868, trail byte 0x5C

TEST(NameOrder, ComparesUpperCasedUtf16AndBreaksTiesByBytes) {
  struct Case {
    Names given;
    Names sorted;
  };
  const Case cases[] = {
      {{}, {}},
      {{"b.mp3", "A.mp3", "a.mp3", "C.mp3"}, {"A.mp3", "a.mp3", "b.mp3", "C.mp3"}},
      // Upper-casing, not lower-casing: "_" and "[" sort after the letters.
      {{"a_", "aB", "[x", "ay"}, {"aB", "ay", "a_", "[x"}},
      {{"ab.mp3", "ab", "a b.mp3", "10.mp3", "9.mp3"}, {"10.mp3", "9.mp3", "a b.mp3", "ab", "ab.mp3"}},
      // UTF-16 order, not byte order: half-width kana come last, full-width
      // letters after the kanji, and ａ equals Ａ but for its bytes.
      {{halfwidthA, fullwidthLa, kanjiA, fullwidthA, katakanaA, hiraganaA},
       {hiraganaA, katakanaA, kanjiA, fullwidthA, fullwidthLa, halfwidthA}},
      {{beta, alpha, capitalAlpha}, {capitalAlpha, alpha, beta}},
      {{cyrillicBe, cyrillicA}, {cyrillicA, cyrillicBe}},
      {{hyo + ".mp3", so + ".mp3", so, "z"}, {"z", so, so + ".mp3", hyo + ".mp3"}},
  };
  for (const Case& c : cases) {
    Names names = c.given;
    sortByName(names);
    EXPECT_EQ(names, c.sorted);
  }
}

TEST(NameOrder, GivesThePositionsOfTheNames) {
  const std::vector<std::string_view> names = {"c", "B", "a", "b"};
  EXPECT_EQ(nameOrder(names), (std::vector<std::size_t>{2, 1, 3, 0}));
}

// Every byte pair of code page 932, one name each, sorted: the platform's
// converter and case table decide the order, so one digest holding in both
// test runs (Linux and Windows) means the two builds order all names alike.
TEST(NameOrder, OrdersEveryCharacterOfTheCodePageAlikeOnEveryPlatform) {
  Names characters;
  for (unsigned first = 0x20; first < 0x100; ++first) {
    if (first == 0x7F || ansi::isLeadByte(static_cast<unsigned char>(first))) continue;
    characters.push_back(std::string(1, static_cast<char>(first)));
  }
  for (unsigned first = 0x81; first < 0x100; ++first) {
    if (!ansi::isLeadByte(static_cast<unsigned char>(first))) continue;
    for (unsigned second = 0x40; second < 0xFD; ++second) {
      if (second == 0x7F) continue;
      characters.push_back(std::string{static_cast<char>(first), static_cast<char>(second)});
    }
  }
  sortByName(characters);
  std::uint64_t digest = 1469598103934665603ULL;
  for (const std::string& character : characters) {
    for (char byte : character + '\n') digest = (digest ^ static_cast<unsigned char>(byte)) * 1099511628211ULL;
  }
  EXPECT_EQ(digest, 3465865345475286188ULL) << characters.size() << " characters";
}

}  // namespace
