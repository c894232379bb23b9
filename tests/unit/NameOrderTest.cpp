#include "library/NameOrder.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/AnsiText.h"
#include "platform/TextEncoding.h"
#include "ProcessText.h"

namespace {

using Names = std::vector<std::string>;

const std::string hiraganaA = processText("あ");
const std::string katakanaA = processText("ア");
const std::string kanjiA = processText("亜");
const std::string fullwidthA = processText("Ａ");
const std::string fullwidthLa = processText("ａ");
const std::string halfwidthA = processText("ｱ");
const std::string alpha = processText("α");
const std::string capitalAlpha = processText("Α");
const std::string beta = processText("β");
const std::string cyrillicA = processText("а");  // Cyrillic
const std::string cyrillicBe = processText("Б");
const std::string so = processText("ソ");  // trail byte 0x5C in code page 932
const std::string hyo = processText("表");

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
// test runs in that code page (Linux and Windows) means the two builds order
// all names alike. A UTF-8 process sorts the UTF-8 forms of the characters
// (those that have one); its digest is that of the Windows run.
TEST(NameOrder, OrdersEveryCharacterOfTheCodePageAlikeOnEveryPlatform) {
  Names legacy;
  for (unsigned first = 0x20; first < 0x100; ++first) {
    if (first == 0x7F || ansi::isLeadByte(static_cast<unsigned char>(first))) continue;
    legacy.push_back(std::string(1, static_cast<char>(first)));
  }
  for (unsigned first = 0x81; first < 0x100; ++first) {
    if (!ansi::isLeadByte(static_cast<unsigned char>(first))) continue;
    for (unsigned second = 0x40; second < 0xFD; ++second) {
      if (second == 0x7F) continue;
      legacy.push_back(std::string{static_cast<char>(first), static_cast<char>(second)});
    }
  }
  Names characters;
  for (const std::string& character : legacy) {
    std::string text;
    if (text_encoding::convert(character, ansi::Encoding::legacy, ansi::processEncoding(), text)) {
      characters.push_back(text);
    }
  }
  sortByName(characters);
  std::uint64_t digest = 1469598103934665603ULL;
  for (const std::string& character : characters) {
    for (char byte : character + '\n') digest = (digest ^ static_cast<unsigned char>(byte)) * 1099511628211ULL;
  }
  const bool utf8 = ansi::processEncoding() == ansi::Encoding::utf8;
  EXPECT_EQ(digest, utf8 ? 4064856284059600252ULL : 3465865345475286188ULL) << characters.size() << " characters";
}

}  // namespace
