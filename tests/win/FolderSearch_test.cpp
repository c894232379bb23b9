// Reading a folder goes on past an entry that Windows fails to deliver (under
// the UTF-8 code page the ANSI search fails on some long Japanese names), and a
// folder whose path is long in bytes but short in UTF-16 units is read.
#include "platform/FolderSearch_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProcessText.h"
#include "TestFolder.h"
#include "library/FolderEnumerator.h"
#include "platform/FolderSearch.h"

namespace {

// Advances that fail, counted from the first: at failAt, failCount in a row
// fail with error and deliver nothing.
int advances = 0;
int failAt = 0;
int failCount = 0;
DWORD injectedError = 0;

BOOL WINAPI failingFindNext(HANDLE find, WIN32_FIND_DATAW* data) {
  ++advances;
  if (advances >= failAt && advances < failAt + failCount) {
    SetLastError(injectedError);
    return FALSE;
  }
  return FindNextFileW(find, data);
}

std::vector<std::string> names(const std::string& folder) {
  std::vector<std::string> found;
  FolderSearch search;
  if (!search.start(folder + "\\*")) return found;
  do {
    if (search.entry().name != "." && search.entry().name != "..") found.push_back(search.entry().name);
  } while (search.advance());
  return found;
}

TEST(FolderSearch, OnlyTheEndOfTheFolderEndsTheListing) {
  TestFolder folder;
  const std::vector<std::string> all = {"a.wav", "b.wav", "c.wav", "d.wav"};
  for (const std::string& name : all) folder.file(name);
  struct Case {
    const char* what;
    DWORD error;
    int at;
    int count;
    std::vector<std::string> listed;
  };
  // "." and ".." come first: the fourth advance is the one after "b.wav".
  const Case cases[] = {
      {"an entry that cannot be delivered", ERROR_MORE_DATA, 4, 1, all},
      {"any other failure of one entry", ERROR_ACCESS_DENIED, 4, 3, all},
      {"the end", ERROR_NO_MORE_FILES, 4, 1, {"a.wav", "b.wav"}},
      {"a handle that fails for ever ends", ERROR_INVALID_HANDLE, 4, 1000000, {"a.wav", "b.wav"}},
  };
  ASSERT_EQ(names(folder.path()), all);
  for (const Case& c : cases) {
    advances = 0;
    failAt = c.at;
    failCount = c.count;
    injectedError = c.error;
    const FindNextFunction real = replaceFindNext(&failingFindNext);
    EXPECT_EQ(names(folder.path()), c.listed) << c.what;
    replaceFindNext(real);
  }
}

TEST(FolderSearch, ALongPathIsCountedInUtf16Units) {
  TestFolder folder;
  std::string kanji;
  for (int i = 0; i < 100; ++i) kanji += processText("表");
  const std::string deep = folder.folder(kanji);
  ASSERT_GT(deep.size(), maxPathLength) << "the path must pass the limit in bytes";
  folder.file(kanji + "\\a.wav");
  FolderEnumerator entries;
  ASSERT_TRUE(entries.open(deep + "\\*"));
  std::vector<std::string> paths;
  while (entries.next()) {
    if (!entries.isDirectory()) paths.push_back(entries.filePath());
  }
  EXPECT_EQ(paths, std::vector<std::string>{deep + "\\a.wav"});
}

}  // namespace
