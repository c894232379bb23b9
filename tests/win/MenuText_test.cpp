#include "ui/MenuText.h"

#include <gtest/gtest.h>

TEST(MenuTextTest, ShowsNamesWithAmpersandsAsTheyAre) {
  struct Case {
    std::string name;
    std::string text;
  };
  const Case cases[] = {
      {"", ""},
      {"exe,def,txt,m3u,dll", "exe,def,txt,m3u,dll"},
      {"Rock & Roll", "Rock && Roll"},
      {"&&", "&&&&"},
      {"Z:\\\x95\x5c&\x83\x5c", "Z:\\\x95\x5c&&\x83\x5c"},
  };
  for (const Case& c : cases) EXPECT_EQ(MenuText::of(c.name), c.text) << c.name;
}
