#include "platform/FolderSearch_win32.h"

#include "platform/FolderSearch.h"
#include "platform/WidePath_win32.h"
#include "platform/WideText_win32.h"

struct FolderSearch::Handle {
  HANDLE find = INVALID_HANDLE_VALUE;
};

namespace {

// Failures of single entries in a row after which the search is taken as
// broken, so that a handle that fails every time cannot hold the scan for ever.
constexpr int mostFailuresInARow = 64;

FindNextFunction findNext = &FindNextFileW;

FileTime toFileTime(const FILETIME& time) {
  return (static_cast<FileTime>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// False for a name the process's code page cannot hold exactly: such an entry
// is passed over rather than listed under a look-alike that names nothing.
bool fill(FolderEntry& entry, const WIN32_FIND_DATAW& data) {
  std::string name;
  if (!toProcessText(data.cFileName, name) || name.empty()) return false;
  entry.attributes = data.dwFileAttributes;
  entry.lastAccessTime = toFileTime(data.ftLastAccessTime);
  entry.lastWriteTime = toFileTime(data.ftLastWriteTime);
  entry.name.swap(name);
  return true;
}

}  // namespace

FindNextFunction replaceFindNext(FindNextFunction next) {
  FindNextFunction previous = findNext;
  findNext = next;
  return previous;
}

FolderSearch::FolderSearch() : handle_(new Handle) {}

FolderSearch::~FolderSearch() { close(); }

// The wide search: the ANSI one fails on some entries under the UTF-8 code
// page (a short name it cannot convert), and the basic information level makes
// no short names at all.
bool FolderSearch::start(const std::string& pattern) {
  close();
  std::wstring widePattern;
  if (!fromProcessText(pattern, widePattern) || widePattern.empty() || widePattern.size() > maxPathLength) {
    return false;
  }
  widePattern = extendedLengthPath(widePattern);
  WIN32_FIND_DATAW data;
  handle_->find = FindFirstFileExW(widePattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
  if (handle_->find == INVALID_HANDLE_VALUE) return false;
  if (fill(entry_, data) || advance()) return true;
  close();
  return false;
}

// Only the end of the folder ends the search; an entry that fails or cannot be
// named is passed over and the next one is read.
bool FolderSearch::advance() {
  if (handle_->find == INVALID_HANDLE_VALUE) return false;
  int failures = 0;
  while (failures < mostFailuresInARow) {
    WIN32_FIND_DATAW data;
    if (!findNext(handle_->find, &data)) {
      if (GetLastError() == ERROR_NO_MORE_FILES) return false;
      ++failures;
      continue;
    }
    failures = 0;
    if (fill(entry_, data)) return true;
  }
  return false;
}

void FolderSearch::close() {
  if (handle_->find != INVALID_HANDLE_VALUE) FindClose(handle_->find);
  handle_->find = INVALID_HANDLE_VALUE;
}

namespace folder_path {

// Counted as Windows counts: in UTF-16 units, whatever the bytes of the
// process's text.
bool absolute(const std::string& path, std::string& result) {
  std::wstring widePath;
  if (!fromProcessText(path, widePath) || widePath.empty()) return false;
  const DWORD needed = GetFullPathNameW(widePath.c_str(), 0, nullptr, nullptr);
  if (needed == 0 || needed > maxPathLength + 1) return false;
  std::wstring buffer(needed, L'\0');
  const DWORD length = GetFullPathNameW(widePath.c_str(), needed, &buffer[0], nullptr);
  if (length == 0 || length >= needed) return false;
  return toProcessText(std::wstring_view(buffer.data(), length), result);
}

void reportInvalidName() { SetLastError(ERROR_INVALID_NAME); }

}  // namespace folder_path
