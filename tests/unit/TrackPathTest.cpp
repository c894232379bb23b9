#include "core/TrackPath.h"

#include <gtest/gtest.h>

#include "ProcessText.h"

namespace {

// "ソ" and "表" end in the byte of "\\" (0x5C) without being one.
const std::string so = processText("ソ");
const std::string hyo = processText("表");

TEST(TrackPath, FileNameIsTheTextAfterTheLastBackslashCharacter) {
  struct Case {
    std::string path;
    std::string name;
  };
  const Case cases[] = {
      {"C:\\Music\\Jazz\\take5.mp3", "take5.mp3"},
      {"take5.mp3", "take5.mp3"},
      {"C:\\Music\\", ""},
      {"C:\\" + so + "\\" + hyo + ".mp3", hyo + ".mp3"},
      {"C:\\" + so + hyo, so + hyo},
      {so + ".mp3", so + ".mp3"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(track_path::fileName(c.path), c.name) << c.path;
}

TEST(TrackPath, JoinAddsOneBackslashUnlessTheFolderEndsWithOne) {
  EXPECT_EQ(track_path::join("C:\\Music", "Rock"), "C:\\Music\\Rock");
  EXPECT_EQ(track_path::join("D:\\", "Rock"), "D:\\Rock");
  EXPECT_EQ(track_path::join("C:\\" + so, "Rock"), "C:\\" + so + "\\Rock");
}

TEST(TrackPath, RelativePlaylistLinesAreFoundBelowTheRoot) {
  struct Case {
    std::string line;
    std::string root;
    std::string rendered;
  };
  const Case cases[] = {
      {"Live\\01.mp3", "C:\\Music", "C:\\Music\\Live\\01.mp3"},
      {"01.mp3", "D:\\", "D:\\01.mp3"},
      {"..\\Other\\01.mp3", "C:\\Music", "C:\\Music\\..\\Other\\01.mp3"},
      {"#EXTM3U", "C:\\Music", "C:\\Music\\#EXTM3U"},
      {so + "\\01.mp3", "C:\\" + so, "C:\\" + so + "\\" + so + "\\01.mp3"},
      {"C:\\Other\\01.mp3", "C:\\Music", "C:\\Other\\01.mp3"},
      {"C:01.mp3", "C:\\Music", "C:01.mp3"},
      {"\\\\server\\share\\01.mp3", "C:\\Music", "\\\\server\\share\\01.mp3"},
      {"\\Other\\01.mp3", "C:\\Music", "\\Other\\01.mp3"},
      {"/srv/music/01.mp3", "C:\\Music", "/srv/music/01.mp3"},
      {"http://radio/stream", "C:\\Music", "http://radio/stream"},
      {"", "C:\\Music", ""},
      {"Live\\01.mp3", "", "Live\\01.mp3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(track_path::resolveAgainstRoot(c.line, c.root), c.rendered) << c.line << " in " << c.root;
  }
}

}  // namespace
