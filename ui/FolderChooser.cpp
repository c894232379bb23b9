#include "ui/FolderChooser.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/WideText_win32.h"

namespace {

// Longest path the system opens at all, in characters.
constexpr DWORD longestPath = 32767;

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
  // its look-alike, in a buffer of the longest path the system opens, so that
  // a folder deeper than MAX_PATH is named whole or not at all.
  std::wstring widePath(longestPath + 1, L'\0');
  const bool isFolder = SHGetPathFromIDListEx(chosen, &widePath[0], longestPath + 1, GPFIDL_DEFAULT) != FALSE;
  freeWithShellAllocator(chosen);
  if (!isFolder) return std::nullopt;
  widePath.resize(widePath.find(L'\0'));
  std::string path;
  if (widePath.empty() || !toProcessText(widePath, path)) return std::nullopt;
  return path;
}
