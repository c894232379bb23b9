#include "library/GroupEnumeration.h"

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "ProcessText.h"

namespace {

using Names = std::vector<std::string>;

const std::string so = processText("ソ");   // in code page 932 its trail byte is the byte of "\\"
const std::string hyo = processText("表");

TEST(GroupEnumeration, FoldersComeFirstThenPlaylistsOfBothKindsEachInNameOrder) {
  TestFolder root;
  for (const std::string& name : Names{"Rock", "jazz", ".cache", "old.m3u", so}) root.folder(name);
  for (const std::string& name : Names{"mix.m3u", "b.m3u", "a.mp3", "list.m3u8", "notes.txt", hyo + ".m3u"}) {
    root.file(name);
  }
  root.file("Rock\\inner.m3u");
  const Names expected = {"jazz", "old.m3u", "Rock", so, "b.m3u", "list.m3u8", "mix.m3u", hyo + ".m3u"};
  EXPECT_EQ(enumerateGroups(root.path()), expected);
  EXPECT_EQ(enumerateGroups(root.path() + "\\"), expected);
}

TEST(GroupEnumeration, RootsWithoutGroupsGiveAnEmptyList) {
  TestFolder root;
  root.folder("only files");
  root.file("only files\\a.mp3");
  root.file("only files\\MIX.M3U");
  root.file("only files\\.m3u.txt");
  root.folder("only dots");
  root.folder("only dots\\.git");
  root.file("a.mp3");
  for (const std::string& path : {std::string(), root.join("missing"), root.join("only files"),
                                  root.join("only dots"), root.join("a.mp3")}) {
    EXPECT_EQ(enumerateGroups(path), Names()) << path;
  }
}

TEST(GroupEnumeration, ARootWhoseNameEndsInATrailByteIsReadAsItIs) {
  TestFolder folder;
  const std::string root = folder.folder(so);
  folder.folder(so + "\\" + hyo);
  folder.file(so + "\\" + so + ".m3u");
  const Names expected = {hyo, so + ".m3u"};
  EXPECT_EQ(enumerateGroups(root), expected);
  EXPECT_EQ(enumerateGroups(root + "\\"), expected);
}

}  // namespace
