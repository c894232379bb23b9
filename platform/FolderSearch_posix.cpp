#include "platform/FolderSearch.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/AnsiText.h"
#include "platform/PosixPath.h"

struct FolderSearch::Handle {
  DIR* dir = nullptr;
  std::string namePattern;
  // "*" and "*.*" take every name, dotless ones included, as on Windows.
  bool takesEveryName = false;
};

namespace {

// Seconds from 1 January 1601 to 1 January 1970.
constexpr long long secondsBefore1970 = 11644473600LL;
constexpr long long ticksPerSecond = 10000000LL;

// Times before 1601 cannot be held and become 0; times too late for 64 bits
// become the latest time there is.
FileTime toFileTime(const timespec& time) {
  if (time.tv_sec < -secondsBefore1970) return 0;
  unsigned long long seconds = static_cast<unsigned long long>(time.tv_sec + secondsBefore1970);
  if (seconds > ULLONG_MAX / ticksPerSecond - 1) return ULLONG_MAX;
  return seconds * ticksPerSecond + static_cast<unsigned long long>(time.tv_nsec / 100);
}

std::size_t characterAt(const std::string& text, std::size_t pos) {
  return ansi::characterLength(text.data(), text.size(), pos);
}

// "*" stands for any run of characters and "?" for one whole character.
bool matchesFrom(const std::string& pattern, std::size_t at, const std::string& name, std::size_t from) {
  while (at < pattern.size()) {
    if (pattern[at] == '*') {
      while (at < pattern.size() && pattern[at] == '*') ++at;
      for (std::size_t rest = from;; rest += characterAt(name, rest)) {
        if (matchesFrom(pattern, at, name, rest)) return true;
        if (rest >= name.size()) return false;
      }
    }
    if (from >= name.size()) return false;
    std::size_t patternLength = characterAt(pattern, at);
    std::size_t nameLength = characterAt(name, from);
    bool anyCharacter = pattern[at] == '?' && patternLength == 1;
    if (!anyCharacter && pattern.compare(at, patternLength, name, from, nameLength) != 0) return false;
    at += patternLength;
    from += nameLength;
  }
  return from == name.size();
}


}  // namespace

FolderSearch::FolderSearch() : handle_(new Handle) {}

FolderSearch::~FolderSearch() { close(); }

bool FolderSearch::start(const std::string& pattern) {
  close();
  if (pattern.size() > maxPathLength) return false;
  std::size_t cut = ansi::findLastPathSeparator(pattern);
  std::string folder = cut == ansi::npos ? "." : pattern.substr(0, cut);
  if (folder.empty()) folder = "/";
  handle_->namePattern = cut == ansi::npos ? pattern : pattern.substr(cut + 1);
  handle_->takesEveryName = handle_->namePattern == "*" || handle_->namePattern == "*.*";
  handle_->dir = opendir(toPosixPath(folder).c_str());
  if (!handle_->dir) return false;
  if (advance()) return true;
  close();
  return false;
}

bool FolderSearch::advance() {
  if (!handle_->dir) return false;
  while (dirent* found = readdir(handle_->dir)) {
    entry_.name = found->d_name;
    if (!handle_->takesEveryName && !matchesFrom(handle_->namePattern, 0, entry_.name, 0)) continue;
    struct stat info;
    int folder = dirfd(handle_->dir);
    // A link that leads nowhere is still an entry; one that vanished is not.
    if (fstatat(folder, found->d_name, &info, 0) != 0 &&
        fstatat(folder, found->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
      continue;
    }
    entry_.attributes = S_ISDIR(info.st_mode) ? FolderEntry::folderFlag : 0;
    entry_.lastAccessTime = toFileTime(info.st_atim);
    entry_.lastWriteTime = toFileTime(info.st_mtim);
    return true;
  }
  return false;
}

void FolderSearch::close() {
  if (handle_->dir) closedir(handle_->dir);
  handle_->dir = nullptr;
}

namespace folder_path {

bool absolute(const std::string& path, std::string& result) {
  if (path.empty()) return false;
  if (path[0] == '/' || path[0] == '\\') {
    result = path;
  } else {
    char current[PATH_MAX];
    if (!getcwd(current, sizeof current)) return false;
    result = current;
    if (result.back() != '/') result += '/';
    result += path;
  }
  return result.size() <= maxPathLength;
}

void reportInvalidName() { errno = EINVAL; }

}  // namespace folder_path
