#pragma once
// The platform's own search of a folder by pattern: one record per entry, in
// the order the platform delivers them, with the entry's times taken from that
// record, so that reading a folder costs no call per file beyond the search.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// 100-nanosecond intervals since 1 January 1601 UTC, compared as one number.
using FileTime = std::uint64_t;

// The longest pattern or absolute path that a search takes, counted as the
// platform counts: UTF-16 units on Windows, whose extended-length form reaches
// 32,767 with its "\\?\UNC\" prefix; bytes elsewhere.
#ifdef _WIN32
constexpr std::size_t maxPathLength = 32767 - 8;
#else
constexpr std::size_t maxPathLength = 4095;
#endif

struct FolderEntry {
  static constexpr std::uint32_t folderFlag = 0x10;
  std::uint32_t attributes = 0;
  FileTime lastAccessTime = 0;
  FileTime lastWriteTime = 0;
  std::string name;
};

class FolderSearch {
 public:
  FolderSearch();
  ~FolderSearch();
  FolderSearch(const FolderSearch&) = delete;
  FolderSearch& operator=(const FolderSearch&) = delete;

  // Ends any search in progress and starts one for pattern (a folder, a
  // separator and a name pattern such as "*" or "*.*"), filling entry() with
  // the first match. False when the folder cannot be read, nothing matches or
  // the pattern is longer than maxPathLength.
  bool start(const std::string& pattern);
  // Fills entry() with the following match; false at the end.
  bool advance();
  void close();
  const FolderEntry& entry() const { return entry_; }

 private:
  struct Handle;
  std::unique_ptr<Handle> handle_;
  FolderEntry entry_;
};

namespace folder_path {

// The absolute form of path (made absolute against the current folder). False
// when it cannot be formed or is longer than maxPathLength.
bool absolute(const std::string& path, std::string& result);

// Leaves the platform's last error saying that a name was invalid.
void reportInvalidName();

}  // namespace folder_path
