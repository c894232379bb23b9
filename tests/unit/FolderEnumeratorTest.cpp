#include "library/FolderEnumerator.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>

#ifdef _WIN32
#include <windows.h>
#endif

#include "TestFolder.h"
#include "ProcessText.h"
#include "platform/FolderSearch.h"

namespace {

const std::string so = processText("ソ");   // in code page 932 its trail byte is the byte of "\\"
const std::string hyo = processText("表");

struct Seen {
  bool directory;
  bool dots;
  std::string path;
  FileTime write;
  FileTime access;
};

std::map<std::string, Seen> enumerate(const std::string& pattern) {
  std::map<std::string, Seen> seen;
  FolderEnumerator entries;
  for (bool more = entries.open(pattern); more; more = entries.next()) {
    Seen entry{entries.isDirectory(), entries.isDots(), entries.filePath(), 0, 0};
    EXPECT_TRUE(entries.lastWriteTime(entry.write));
    EXPECT_TRUE(entries.lastAccessTime(entry.access));
    seen[entries.fileName()] = entry;
  }
  return seen;
}

TEST(FolderEnumerator, ReportsEveryEntryWithItsPathKindAndTimes) {
  TestFolder folder;
  test_files::setTimes(folder.file("a.mp3"), 132000000000000000ULL, 133000000000000001ULL);
  folder.folder("sub");
  folder.file("sub\\deep.mp3");

  const auto seen = enumerate(folder.join("*"));
  ASSERT_EQ(seen.size(), 4u);  // ".", "..", a.mp3, sub; nothing of sub's own
  EXPECT_TRUE(seen.at(".").directory && seen.at(".").dots);
  EXPECT_TRUE(seen.at("..").directory && seen.at("..").dots);
  EXPECT_TRUE(seen.at("sub").directory);
  EXPECT_FALSE(seen.at("sub").dots);
  EXPECT_FALSE(seen.at("a.mp3").directory);
  EXPECT_FALSE(seen.at("a.mp3").dots);
  EXPECT_EQ(seen.at("a.mp3").path, folder.join("a.mp3"));
  EXPECT_EQ(seen.at("sub").path, folder.join("sub"));
  EXPECT_EQ(seen.at("a.mp3").write, 132000000000000000ULL);
  EXPECT_EQ(seen.at("a.mp3").access, 133000000000000001ULL);
}

TEST(FolderEnumerator, NoEntryIsCurrentAfterTheEndOrAClose) {
  TestFolder folder;
  folder.file("only.mp3");
  FolderEnumerator entries;
  EXPECT_EQ(entries.fileName(), "");
  ASSERT_TRUE(entries.open(folder.join("*.mp3")));
  EXPECT_EQ(entries.fileName(), "only.mp3");  // the entry that open makes current
  EXPECT_FALSE(entries.next());
  FileTime untouched = 42;
  EXPECT_EQ(entries.fileName(), "");
  EXPECT_EQ(entries.filePath(), folder.join(""));
  EXPECT_FALSE(entries.isDirectory());
  EXPECT_FALSE(entries.isDots());
  EXPECT_FALSE(entries.lastWriteTime(untouched));
  EXPECT_FALSE(entries.lastAccessTime(untouched));
  EXPECT_EQ(untouched, 42u);
  EXPECT_FALSE(entries.next());

  ASSERT_TRUE(entries.open(folder.join("*")));
  entries.close();
  EXPECT_EQ(entries.fileName(), "");
  EXPECT_FALSE(entries.next());
  // Opening again starts afresh.
  ASSERT_TRUE(entries.open(folder.join("only.*")));
  EXPECT_EQ(entries.fileName(), "only.mp3");
  ASSERT_TRUE(entries.open(folder.join("only.?p3")));
  EXPECT_EQ(entries.fileName(), "only.mp3");

  // The platform's search under it gives nothing before a start or after a close.
  FolderSearch search;
  EXPECT_FALSE(search.advance());
  ASSERT_TRUE(search.start(folder.join("*")));
  search.close();
  EXPECT_FALSE(search.advance());
}

TEST(FolderEnumerator, OpenFailsForMissingFoldersLongPatternsAndNoMatch) {
  TestFolder folder;
  folder.folder("a");
  folder.file("x.mp3");
  // Pad a pattern to an exact length with steps that lead back to the folder.
  auto padded = [&](std::size_t length) {
    std::string pattern = folder.path() + "\\";
    while (length - pattern.size() - 1 >= 5 && (length - pattern.size() - 1) % 2 != 0) pattern += "a\\..\\";
    while (pattern.size() + 1 < length) pattern += ".\\";
    return pattern + "*";
  };
  ASSERT_EQ(padded(300).size(), 300u);
  ASSERT_EQ(padded(maxPathLength + 1).size(), maxPathLength + 1);

  FolderEnumerator entries;
  EXPECT_TRUE(entries.open(padded(300)));  // past the plain form's 259 units
  EXPECT_FALSE(entries.open(padded(maxPathLength + 1)));
  FolderSearch search;  // refused by the search itself, as on Windows
  EXPECT_FALSE(search.start(padded(maxPathLength + 1)));
  EXPECT_FALSE(entries.open(folder.join("missing\\*")));
  EXPECT_FALSE(entries.open(folder.join("*.nothing")));
  EXPECT_FALSE(entries.open(folder.join("x.wav")));  // a name of the same length
  EXPECT_FALSE(entries.open(folder.join("x.mp3\\*")));
  EXPECT_FALSE(entries.open(""));
  EXPECT_EQ(entries.fileName(), "");
}

TEST(FolderEnumerator, ARootPastThePlainFormsLimitListsItsEntries) {
  TestFolder folder;
  // A current folder so deep that a short relative pattern passes 259 units.
  const std::string deep = folder.folder(std::string(230 - folder.path().size(), 'd'));
  test_files::CurrentFolder current(deep);
  ASSERT_TRUE(current.changed());
  const std::string leaf(40, 'e');
  ASSERT_TRUE(test_files::makeFolder(leaf));
  ASSERT_TRUE(test_files::makeFolder(leaf + "\\inner"));
  const auto seen = enumerate(leaf + "\\*");
  EXPECT_EQ(seen.size(), 3u);
  const std::string path = seen.count("inner") ? seen.at("inner").path : "";
  EXPECT_GT(path.size(), 270u);
  EXPECT_EQ(path.rfind(leaf + "\\inner"), path.size() - leaf.size() - 6) << path;
  EXPECT_TRUE(test_files::removeFolder(leaf + "\\inner"));
  EXPECT_TRUE(test_files::removeFolder(leaf));
}

TEST(FolderEnumerator, TrailBytesOfFolderNamesAreNotSeparators) {
  TestFolder folder;
  for (const std::string& name : {so, hyo, "x" + so}) {
    const std::string inner = folder.folder(name);
    folder.file(name + "\\" + so + ".mp3");
    const auto seen = enumerate(inner + "\\*");
    ASSERT_EQ(seen.count(so + ".mp3"), 1u) << name;
    EXPECT_EQ(seen.at(so + ".mp3").path, inner + "\\" + so + ".mp3");
  }
}

}  // namespace
