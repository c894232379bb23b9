// A folder is read past an entry Windows fails to deliver, and a path long in
// bytes but short in UTF-16 units is read.
#include "platform/FolderSearch_win32.h"

#include <gtest/gtest.h>

#include "ProcessText.h"
#include "TestFolder.h"
#include "library/FolderEnumerator.h"

namespace {

int advances, failAt, failCount;
DWORD failure;

BOOL WINAPI failingFindNext(HANDLE find, WIN32_FIND_DATAW* data) {
  if (++advances < failAt || advances >= failAt + failCount) return FindNextFileW(find, data);
  SetLastError(failure);
  return FALSE;
}

std::vector<std::string> fileNames(const std::string& folder) {
  std::vector<std::string> names;
  FolderEnumerator entries;
  for (bool found = entries.open(folder + "\\*"); found && entries.next();) {
    if (!entries.isDirectory()) names.push_back(entries.fileName());
  }
  return names;
}

TEST(FolderSearch, OnlyTheEndOfTheFolderEndsTheListing) {
  TestFolder folder;
  for (const char* name : {"a", "b", "c"}) folder.file(name);
  // Advance 3 would deliver "b" (the search opens on ".", then ".." and "a").
  const struct { DWORD error; int count; std::vector<std::string> listed; } cases[] = {
      {ERROR_MORE_DATA, 2, {"a", "b", "c"}},
      {ERROR_NO_MORE_FILES, 1, {"a"}},
      {ERROR_INVALID_HANDLE, 1000000, {"a"}},  // a handle that fails for ever
  };
  for (const auto& c : cases) {
    advances = 0, failAt = 3, failCount = c.count, failure = c.error;
    const FindNextFunction real = replaceFindNext(&failingFindNext);
    EXPECT_EQ(fileNames(folder.path()), c.listed) << c.error;
    replaceFindNext(real);
  }
}

TEST(FolderSearch, AFolderLeftBeforeItsEndIsFreeToRemoveAfterwards) {
  // The user may delete a folder the player has looked into while it runs.
  TestFolder folder;
  const std::string listed = folder.folder("listed");
  const std::string file = folder.file("listed\\a.wav");
  {
    FolderEnumerator entries;
    ASSERT_TRUE(entries.open(listed + "\\*") && entries.next());
  }
  ASSERT_TRUE(DeleteFileA(file.c_str()));
  EXPECT_TRUE(RemoveDirectoryA(listed.c_str())) << GetLastError();
}

TEST(FolderSearch, ALongPathIsCountedInUtf16Units) {
  TestFolder folder;
  std::string kanji;
  for (int i = 0; i < 100; ++i) kanji += processText("表");
  ASSERT_GT(folder.folder(kanji).size(), 259u);  // the plain form's limit
  folder.file(kanji + "\\a.wav");
  EXPECT_EQ(fileNames(folder.join(kanji)), std::vector<std::string>{"a.wav"});
}

}  // namespace
