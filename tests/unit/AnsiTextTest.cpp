#include "platform/AnsiText.h"

#include <gtest/gtest.h>

#include "ProcessText.h"

namespace {

const std::string so = processText("ソ");   // in code page 932 its trail byte is the byte of "\\"
const std::string hyo = processText("表");

TEST(AnsiText, TrailBytesOfDoubleByteCharactersAreNeverSeparators) {
  EXPECT_TRUE(ansi::isLeadByte(0x83));
  EXPECT_TRUE(ansi::isLeadByte(0xE0));
  EXPECT_FALSE(ansi::isLeadByte('\\'));
  EXPECT_FALSE(ansi::isLeadByte(0xA0));  // half-width katakana are single bytes

  EXPECT_FALSE(ansi::endsWith("C:\\" + so, '\\'));
  EXPECT_FALSE(ansi::endsWith(hyo, '\\'));
  EXPECT_TRUE(ansi::endsWith("C:\\" + so + "\\", '\\'));
  EXPECT_FALSE(ansi::endsWith("", '\\'));

  const std::string path = "C:\\" + so + "\\" + hyo + ".mp3";
  const std::size_t second = 3 + so.size();
  EXPECT_EQ(ansi::findLast(path, '\\'), second);
  EXPECT_EQ(ansi::findFirst(path, '\\'), 2u);
  EXPECT_EQ(ansi::findFirst(path, '\\', 3), second);
  EXPECT_EQ(ansi::findFirst(so + hyo, '\\'), ansi::npos);
  EXPECT_EQ(ansi::findLast(so + hyo, '\\'), ansi::npos);
  EXPECT_EQ(ansi::findLast("a.b.MP3", '.'), 3u);
  EXPECT_EQ(ansi::findLast("a", '\0'), ansi::npos);  // the string's terminator is none of its characters
}

TEST(AnsiText, AStrayLeadByteDoesNotSwallowALineEnd) {
  const std::string text = "A=\x83\nB=1\n";
  EXPECT_EQ(ansi::findFirst(text, '\n'), 3u);
  EXPECT_EQ(ansi::characterLength(text.data(), text.size(), 2), 1u);
  // At the very end a lead byte is a character of its own.
  EXPECT_TRUE(ansi::endsWith(std::string("x\x83"), '\x83'));
}

// Text in UTF-8 in this source.
TEST(AnsiText, Utf8StepsOverWholeSequencesAndNeverOverAnAsciiByte) {
  using ansi::Encoding;
  struct Case {
    std::string text;
    std::size_t pos;
    std::size_t length;
  };
  const Case cases[] = {
      {"a", 0, 1},        {"ö", 0, 2},         {"ソ", 0, 3},     {"😀", 0, 4},
      {"\xE3\x82\\", 0, 2},  // a cut sequence stops before the "\\"
      {"\xF0\\", 0, 1},      {"\x83\\", 0, 1},   // a stray continuation byte is one character
      {"\xE3\x82", 0, 2},    {"x\xC3", 1, 1},    // at the end of the text
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ansi::characterLength(Encoding::utf8, c.text.data(), c.text.size(), c.pos), c.length) << c.text;
  }
  // The same bytes: one character of code page 932 ("ソ"), two of UTF-8.
  const std::string soIn932 = "\x83\x5C";
  EXPECT_EQ(ansi::characterLength(Encoding::legacy, soIn932.data(), soIn932.size(), 0), 2u);
  EXPECT_EQ(ansi::findFirst(Encoding::utf8, soIn932, '\\'), 1u);
  EXPECT_EQ(ansi::findFirst(Encoding::legacy, soIn932, '\\'), ansi::npos);
  EXPECT_EQ(ansi::findFirst(Encoding::utf8, "한국=ソ=", '='), 6u);
}

}  // namespace
