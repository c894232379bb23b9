// Reading a folder goes on past an entry that Windows fails to deliver (under
// the UTF-8 code page the ANSI search fails on some long Japanese names), and a
// folder whose path is long in bytes but short in UTF-16 units is read.
#include "platform/FolderSearch_win32.h"

#include <gtest/gtest.h>

#include "ProcessText.h"
#include "TestFolder.h"
#include "library/FolderEnumerator.h"

namespace {

// The advances from failAt to failAt + failCount fail with failure and deliver nothing.
int advances, failAt, failCount;
DWORD failure;

BOOL WINAPI failingFindNext(HANDLE find, WIN32_FIND_DATAW* data) {
  ++advances;
  if (advances < failAt || advances >= failAt + failCount) return FindNextFileW(find, data);
  SetLastError(failure);
  return FALSE;
}

std::vector<std::string> trackPaths(const std::string& folder) {
  std::vector<std::string> paths;
  FolderEnumerator entries;
  if (!entries.open(folder + "\\*")) return paths;
  while (entries.next()) {
    if (!entries.isDirectory()) paths.push_back(entries.fileName());
  }
  return paths;
}

TEST(FolderSearch, OnlyTheEndOfTheFolderEndsTheListing) {
  TestFolder folder;
  const std::vector<std::string> all = {"a", "b", "c", "d"};
  for (const std::string& name : all) folder.file(name);
  // The fourth advance is the one after "b": the search opens on ".", then "..".
  const struct { DWORD error; int count; std::vector<std::string> listed; } cases[] = {
      {ERROR_MORE_DATA, 1, all},
      {ERROR_ACCESS_DENIED, 3, all},
      {ERROR_NO_MORE_FILES, 1, {"a", "b"}},
      {ERROR_INVALID_HANDLE, 1000000, {"a", "b"}},  // a handle that fails for ever
  };
  for (const auto& c : cases) {
    advances = 0, failAt = 4, failCount = c.count, failure = c.error;
    const FindNextFunction real = replaceFindNext(&failingFindNext);
    EXPECT_EQ(trackPaths(folder.path()), c.listed) << c.error;
    replaceFindNext(real);
  }
}

TEST(FolderSearch, ALongPathIsCountedInUtf16Units) {
  TestFolder folder;
  std::string kanji;
  for (int i = 0; i < 100; ++i) kanji += processText("表");
  ASSERT_GT(folder.folder(kanji).size(), maxPathLength) << "the path passes the limit in bytes";
  folder.file(kanji + "\\a.wav");
  EXPECT_EQ(trackPaths(folder.join(kanji)), std::vector<std::string>{"a.wav"});
}

}  // namespace
