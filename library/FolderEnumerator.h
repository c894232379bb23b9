#pragma once
// Reads one folder entry by entry: the entry that open makes current, then
// each following one. An entry's path is the folder's absolute path, one "\\"
// and the entry's name.
#include <string>

#include "platform/FolderSearch.h"

class FolderEnumerator {
 public:
  // Ends any enumeration in progress and starts one for pattern, making its
  // first entry current. False for a pattern or absolute path longer than the
  // platform's limit (maxPathLength), a folder that cannot be read or a
  // pattern that matches nothing.
  bool open(const std::string& pattern);
  // Moves to the following entry; false at the end, where no entry is current.
  bool next();
  void close();

  // The current entry's name; "" when no entry is current.
  const std::string& fileName() const;
  std::string filePath() const;
  bool isDirectory() const;
  // The current entry is the folder "." or "..".
  bool isDots() const;
  // Copy the current entry's time into time; false, leaving it alone, when no
  // entry is current.
  bool lastWriteTime(FileTime& time) const;
  bool lastAccessTime(FileTime& time) const;

 private:
  FolderSearch search_;
  // The folder's absolute path, followed by a separator.
  std::string pathPrefix_;
  bool found_ = false;
};
