#include "platform/AnsiText.h"

#include <gtest/gtest.h>

namespace {

const std::string so = "\x83\x5C";     // "ソ": its trail byte is the byte of "\\"
const std::string hyo = "\x95\x5C";    // "表"

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
  EXPECT_EQ(ansi::findLast(path, '\\'), 5u);
  EXPECT_EQ(ansi::findFirst(path, '\\'), 2u);
  EXPECT_EQ(ansi::findFirst(path, '\\', 3), 5u);
  EXPECT_EQ(ansi::findFirst(so + hyo, '\\'), ansi::npos);
  EXPECT_EQ(ansi::findLast(so + hyo, '\\'), ansi::npos);
  EXPECT_EQ(ansi::findLast("a.b.MP3", '.'), 3u);
}

TEST(AnsiText, AStrayLeadByteDoesNotSwallowALineEnd) {
  const std::string text = "A=\x83\nB=1\n";
  EXPECT_EQ(ansi::findFirst(text, '\n'), 3u);
  EXPECT_EQ(ansi::characterLength(text.data(), text.size(), 2), 1u);
  // At the very end a lead byte is a character of its own.
  EXPECT_TRUE(ansi::endsWith(std::string("x\x83"), '\x83'));
}

}  // namespace
