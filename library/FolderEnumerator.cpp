#include "library/FolderEnumerator.h"

#include "platform/AnsiText.h"

namespace {

const std::string noName;

// The folder of an absolute pattern, ready for a name to be appended.
std::string pathPrefixOf(const std::string& absolutePattern) {
  std::size_t cut = ansi::findLastPathSeparator(absolutePattern);
  std::string root = cut == ansi::npos ? absolutePattern : absolutePattern.substr(0, cut);
  if (!ansi::endsWith(root, '\\') && !ansi::endsWith(root, '/')) root += '\\';
  return root;
}

}  // namespace

bool FolderEnumerator::open(const std::string& pattern) {
  close();
  if (!search_.start(pattern)) return false;
  std::string absolutePattern;
  if (!folder_path::absolute(pattern, absolutePattern)) {
    search_.close();
    folder_path::reportInvalidName();
    return false;
  }
  pathPrefix_ = pathPrefixOf(absolutePattern);
  found_ = true;
  return true;
}

bool FolderEnumerator::next() {
  found_ = found_ && search_.advance();
  return found_;
}

void FolderEnumerator::close() {
  search_.close();
  found_ = false;
}

const std::string& FolderEnumerator::fileName() const { return found_ ? search_.entry().name : noName; }

std::string FolderEnumerator::filePath() const {
  std::string path;
  path.reserve(pathPrefix_.size() + fileName().size());
  return path.append(pathPrefix_).append(fileName());
}

bool FolderEnumerator::isDirectory() const {
  return found_ && (search_.entry().attributes & FolderEntry::folderFlag) != 0;
}

bool FolderEnumerator::isDots() const {
  return isDirectory() && (fileName() == "." || fileName() == "..");
}

bool FolderEnumerator::lastWriteTime(FileTime& time) const {
  if (!found_) return false;
  time = search_.entry().lastWriteTime;
  return true;
}

bool FolderEnumerator::lastAccessTime(FileTime& time) const {
  if (!found_) return false;
  time = search_.entry().lastAccessTime;
  return true;
}
