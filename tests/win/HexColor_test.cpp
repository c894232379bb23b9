// The label colour text of the string table.
#include "ui/HexColor.h"

#include <gtest/gtest.h>

namespace {

TEST(HexColor, ReadsHexadecimalDigitsAndClampsToTwentyFourBits) {
  struct Case {
    const char* text;
    std::int32_t parsed;
    std::uint32_t colour;
  };
  const Case cases[] = {
      {"FFFFFF", 0xFFFFFF, 0xFFFFFF},
      {"ffffff", 0xFFFFFF, 0xFFFFFF},
      {"FF0000", 0xFF0000, 0xFF0000},
      {"-10", -16, 0},
      {"+1A", 0x1A, 0x1A},
      {" \t1a", 0x1A, 0x1A},
      {"12xyz", 0x12, 0x12},
      {"", 0, 0},
      {"zz", 0, 0},
      {"-", 0, 0},
      {"1000000", 0x1000000, 0xFFFFFF},
      {"FFFFFFFF", -1, 0},
      {"123456789", 0x23456789, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseHexColor(c.text), c.parsed) << '"' << c.text << '"';
    EXPECT_EQ(labelColorFromText(c.text), c.colour) << '"' << c.text << '"';
  }
}

}  // namespace
