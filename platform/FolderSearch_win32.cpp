#include "platform/FolderSearch.h"

#include <windows.h>

struct FolderSearch::Handle {
  HANDLE find = INVALID_HANDLE_VALUE;
};

namespace {

FileTime toFileTime(const FILETIME& time) {
  return (static_cast<FileTime>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void fill(FolderEntry& entry, const WIN32_FIND_DATAA& data) {
  entry.attributes = data.dwFileAttributes;
  entry.lastAccessTime = toFileTime(data.ftLastAccessTime);
  entry.lastWriteTime = toFileTime(data.ftLastWriteTime);
  entry.name = data.cFileName;
}

}  // namespace

FolderSearch::FolderSearch() : handle_(new Handle) {}

FolderSearch::~FolderSearch() { close(); }

bool FolderSearch::start(const std::string& pattern) {
  close();
  WIN32_FIND_DATAA data;
  handle_->find = FindFirstFileA(pattern.c_str(), &data);
  if (handle_->find == INVALID_HANDLE_VALUE) return false;
  fill(entry_, data);
  return true;
}

bool FolderSearch::advance() {
  if (handle_->find == INVALID_HANDLE_VALUE) return false;
  WIN32_FIND_DATAA data;
  if (!FindNextFileA(handle_->find, &data)) return false;
  fill(entry_, data);
  return true;
}

void FolderSearch::close() {
  if (handle_->find != INVALID_HANDLE_VALUE) FindClose(handle_->find);
  handle_->find = INVALID_HANDLE_VALUE;
}

namespace folder_path {

bool absolute(const std::string& path, std::string& result) {
  char buffer[MAX_PATH];
  DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
  if (length == 0 || length > maxPathBytes) return false;
  result.assign(buffer, length);
  return true;
}

void reportInvalidName() { SetLastError(ERROR_INVALID_NAME); }

}  // namespace folder_path
