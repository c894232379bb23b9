#include "library/TrackScanner.h"

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "ProcessText.h"

namespace {

using Paths = std::vector<std::string>;

const std::vector<std::string> defaultExts = {"exe", "def", "txt", "m3u", "dll"};
const std::string so = processText("ソ");   // in code page 932 its trail byte is the byte of "\\"
const std::string hyo = processText("表");

TrackOrder orderOf(std::int32_t randomMode, std::int32_t sortMethod, bool sortReverse) {
  return TrackOrder{randomMode, sortMethod, sortReverse};
}

const TrackOrder byName = orderOf(0, 0, false);

Paths joined(const TestFolder& folder, const std::vector<std::string>& names) {
  Paths paths;
  for (const std::string& name : names) paths.push_back(folder.join(name));
  return paths;
}

TEST(TrackScanner, FileExtensionIsTheTextAfterTheLastDot) {
  const std::pair<std::string, std::string> cases[] = {
      {"a.b.MP3", "MP3"}, {".mp3", "mp3"}, {"README", ""}, {"x.", ""}, {"", ""},
      {so + ".mp3", "mp3"}, {"a." + so, so}, {"a.b" + hyo, "b" + hyo},
  };
  for (const auto& c : cases) EXPECT_EQ(fileExtension(c.first), c.second) << c.first;
}

TEST(TrackScanner, EveryPlainFileIsATrackUnlessItsExtensionIsExcluded) {
  TestFolder folder;
  for (const char* name : {"song.mp3", "README", "list.m3u", "Setup.EXE", "x.", "tovik.def", ".hidden.mp3",
                           "system.wav"}) {
    folder.file(name);
  }
  test_files::setHiddenAndSystem(folder.join("system.wav"));
  folder.folder("sub");
  folder.folder("dir.mp3");
  folder.file("sub\\inner.mp3");

  const Paths expected = joined(folder, {".hidden.mp3", "README", "Setup.EXE", "song.mp3", "system.wav", "x."});
  EXPECT_EQ(scanTracks(folder.path(), defaultExts, byName), expected);
  EXPECT_EQ(scanTracks(folder.path() + "\\", defaultExts, byName), expected);
  // An empty entry excludes the names without an extension, "x." among them.
  EXPECT_EQ(scanTracks(folder.path(), {"mp3", ""}, byName),
            joined(folder, {"list.m3u", "Setup.EXE", "system.wav", "tovik.def"}));
  EXPECT_EQ(scanTracks(folder.path(), {}, byName).size(), 8u);

  // Extensions compare case-sensitively (a folder cannot hold both cases).
  TestFolder upper;
  upper.file("LIST.M3U");
  upper.file("setup.exe");
  EXPECT_EQ(scanTracks(upper.path(), defaultExts, byName), joined(upper, {"LIST.M3U"}));
}

TEST(TrackScanner, FoldersThatCannotBeScannedGiveNoTracks) {
  TestFolder folder;
  folder.folder("Rock");
  folder.folder("Jazz");
  folder.file("Rock\\a.mp3");
  const std::string tooLong = folder.path() + "\\" + std::string(255 - folder.path().size(), 'n');
  for (const std::string& path : {std::string(), folder.path(), folder.join("missing"),
                                  folder.join("Rock\\a.mp3"), tooLong}) {
    for (const TrackOrder& order : {byName, orderOf(0, 1, true), orderOf(1, 0, false)}) {
      EXPECT_EQ(scanTracks(path, defaultExts, order), Paths()) << path;
    }
  }
}

TEST(TrackScanner, NameOrderIsTheSameOnEveryDiskForwardsAndBackwards) {
  TestFolder folder;
  // Written out of order, so that a disk that keeps the order of writing
  // would give another order.
  for (const std::string& name : std::vector<std::string>{"b.mp3", "a_.mp3", "C.mp3", "A.mp3", "aB.mp3", hyo + ".mp3", so + ".mp3"}) {
    folder.file(name);
  }
  const std::vector<std::string> sorted = {"A.mp3", "aB.mp3", "a_.mp3", "b.mp3", "C.mp3", so + ".mp3",
                                           hyo + ".mp3"};
  EXPECT_EQ(scanTracks(folder.path(), defaultExts, byName), joined(folder, sorted));
  const std::vector<std::string> reversed(sorted.rbegin(), sorted.rend());
  EXPECT_EQ(scanTracks(folder.path(), defaultExts, orderOf(0, 0, true)), joined(folder, reversed));
  // Random mode leaves name order for the shuffle, whatever the sort says.
  for (std::int32_t method : {0, 1, 2}) {
    EXPECT_EQ(scanTracks(folder.path(), defaultExts, orderOf(1, method, true)), joined(folder, sorted));
  }
}

TEST(TrackScanner, TimeOrderUsesTheChosenTimeAndKeepsTheRuleForTies) {
  TestFolder folder;
  const std::uint64_t base = 132500000000000000ULL;
  // Write times 3, 1, 2 and access times 1, 3, 2 against name order z1, z2, z3.
  test_files::setTimes(folder.file("z2.mp3"), base + 1, base + 3);
  test_files::setTimes(folder.file("z1.mp3"), base + 3, base + 1);
  test_files::setTimes(folder.file("z3.mp3"), base + 2, base + 2);
  EXPECT_EQ(scanTracks(folder.path(), defaultExts, orderOf(0, 1, false)), joined(folder, {"z2.mp3", "z3.mp3", "z1.mp3"}));
  EXPECT_EQ(scanTracks(folder.path(), defaultExts, orderOf(0, 1, true)), joined(folder, {"z1.mp3", "z3.mp3", "z2.mp3"}));
  EXPECT_EQ(scanTracks(folder.path(), defaultExts, orderOf(0, 2, false)), joined(folder, {"z1.mp3", "z3.mp3", "z2.mp3"}));
  EXPECT_EQ(scanTracks(folder.path(), defaultExts, orderOf(0, 2, true)), joined(folder, {"z2.mp3", "z3.mp3", "z1.mp3"}));

  TestFolder ties;
  for (const char* name : {"c.mp3", "a.mp3", "b.mp3"}) test_files::setTimes(ties.file(name), base, base);
  EXPECT_EQ(scanTracks(ties.path(), defaultExts, orderOf(0, 1, false)), joined(ties, {"b.mp3", "a.mp3", "c.mp3"}));
  EXPECT_EQ(scanTracks(ties.path(), defaultExts, orderOf(0, 2, true)), joined(ties, {"c.mp3", "a.mp3", "b.mp3"}));

  TestFolder pair;
  for (const char* name : {"b.mp3", "a.mp3"}) test_files::setTimes(pair.file(name), base, base);
  EXPECT_EQ(scanTracks(pair.path(), defaultExts, orderOf(0, 1, false)), joined(pair, {"a.mp3", "b.mp3"}));
  EXPECT_EQ(scanTracks(pair.path(), defaultExts, orderOf(0, 1, true)), joined(pair, {"b.mp3", "a.mp3"}));

  // Times that differ only in their high half, and the time of 1601 itself.
  TestFolder halves;
  test_files::setTimes(halves.file("a.mp3"), 0x01D0000000000000ULL, base);
  test_files::setTimes(halves.file("b.mp3"), 0x01CF0000FFFFFFFFULL, base);
  EXPECT_EQ(scanTracks(halves.path(), defaultExts, orderOf(0, 1, false)), joined(halves, {"b.mp3", "a.mp3"}));
}

TEST(TrackScanner, TrackPathsAreTheFolderOneSeparatorAndTheName) {
  TestFolder folder;
  for (const std::string& name : {so, hyo, "x" + so}) {
    folder.folder(name);
    folder.file(name + "\\" + hyo + ".mp3");
    const Paths expected = {folder.join(name + "\\" + hyo + ".mp3")};
    EXPECT_EQ(scanTracks(folder.join(name), defaultExts, byName), expected);
    EXPECT_EQ(scanTracks(folder.join(name) + "\\", defaultExts, byName), expected);
  }
}

TEST(TrackScanner, ARelativeFolderIsTakenFromTheCurrentFolder) {
  TestFolder folder;
  folder.folder("Rock");
  folder.file("Rock\\a.mp3", "rock");
  test_files::CurrentFolder current(folder.path());
  ASSERT_TRUE(current.changed());
  const Paths tracks = scanTracks("Rock", defaultExts, byName);
  ASSERT_EQ(tracks.size(), 1u);
  EXPECT_NE(tracks[0], "Rock\\a.mp3");
  EXPECT_EQ(test_files::read(tracks[0]), "rock");
}

}  // namespace
