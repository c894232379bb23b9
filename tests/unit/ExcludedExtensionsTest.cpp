#include "settings/ExcludedExtensions.h"

#include <gtest/gtest.h>

namespace {

using List = std::vector<std::string>;

List split(const std::string& text) {
  List list;
  excluded_extensions::append(text, list);
  return list;
}

TEST(ExcludedExtensions, SplitsAtCommasKeepingOnlyTheLastEmptyPiece) {
  struct Case {
    std::string text;
    List entries;
  };
  const Case cases[] = {
      {"exe,def,txt,m3u,dll", {"exe", "def", "txt", "m3u", "dll"}},
      {"mp3,,wav", {"mp3", "wav"}},
      {",mp3", {"mp3"}},
      {",,mp3", {"mp3"}},
      {"mp3,", {"mp3", ""}},
      {",", {""}},
      {",,,", {""}},
      {"exe, txt", {"exe", " txt"}},
      {".MP3", {".MP3"}},
      {"\x83\x5C,wav", {"\x83\x5C", "wav"}},
  };
  for (const Case& c : cases) EXPECT_EQ(split(c.text), c.entries) << "text: " << c.text;
}

TEST(ExcludedExtensions, JoinIsTheInverseOfSplitForCanonicalText) {
  EXPECT_EQ(excluded_extensions::join({}), "");
  EXPECT_EQ(excluded_extensions::join({""}), "");
  EXPECT_EQ(excluded_extensions::join({"mp3", ""}), "mp3,");
  for (const std::string text : {"exe,def,txt,m3u,dll", "mp3,", "a, b"}) {
    EXPECT_EQ(excluded_extensions::join(split(text)), text);
  }
  List list = {"exe"};
  excluded_extensions::append("wav", list);
  EXPECT_EQ(list, (List{"exe", "wav"}));
}

}  // namespace
