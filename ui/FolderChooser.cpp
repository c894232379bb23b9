#include "ui/FolderChooser.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/WideText_win32.h"

namespace {

void freeWithShellAllocator(PIDLIST_ABSOLUTE items) {
  IMalloc* allocator = nullptr;
  if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) return;
  allocator->Free(items);
  allocator->Release();
}

}  // namespace

std::optional<std::string> FolderChooser::choose(const std::string& title) {
  char displayName[MAX_PATH] = {};
  BROWSEINFOA request = {};
  request.hwndOwner = GetActiveWindow();
  request.pidlRoot = nullptr;
  request.pszDisplayName = displayName;
  request.lpszTitle = title.c_str();
  request.ulFlags = BIF_RETURNONLYFSDIRS;
  request.lpfn = nullptr;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&request);
  if (chosen == nullptr) return std::nullopt;
  // The wide path, so that a name the code page cannot hold is not taken as
  // its look-alike, and a UTF-8 path longer than MAX_PATH bytes is not cut.
  wchar_t widePath[MAX_PATH] = {};
  const bool isFolder = SHGetPathFromIDListW(chosen, widePath) != FALSE;
  freeWithShellAllocator(chosen);
  std::string path;
  if (!isFolder || !toProcessText(widePath, path)) return std::nullopt;
  return path;
}
