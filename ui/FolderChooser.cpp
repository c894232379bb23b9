#include "ui/FolderChooser.h"

#include <windows.h>
#include <shlobj.h>

namespace {

// "音楽ファイルのあるフォルダを選択してください" in code page 932, the code page
// of the ANSI calls this window makes.
const char browseTitle[] =
    "\x89\xb9\x8a\x79\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xcc\x82\xa0\x82\xe9\x83\x74\x83\x48\x83\x8b\x83\x5f"
    "\x82\xf0\x91\x49\x91\xf0\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2";

void freeWithShellAllocator(PIDLIST_ABSOLUTE items) {
  IMalloc* allocator = nullptr;
  if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) return;
  allocator->Free(items);
  allocator->Release();
}

}  // namespace

std::optional<std::string> FolderChooser::choose() {
  char displayName[MAX_PATH] = {};
  BROWSEINFOA request = {};
  request.hwndOwner = GetActiveWindow();
  request.pidlRoot = nullptr;
  request.pszDisplayName = displayName;
  request.lpszTitle = browseTitle;
  request.ulFlags = BIF_RETURNONLYFSDIRS;
  request.lpfn = nullptr;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&request);
  if (chosen == nullptr) return std::nullopt;
  char path[MAX_PATH] = {};
  const bool isFolder = SHGetPathFromIDListA(chosen, path) != FALSE;
  freeWithShellAllocator(chosen);
  if (!isFolder || path[0] == '\0') return std::nullopt;
  return std::string(path);
}
