#pragma once
// The paths of a drop of files or folders onto the window.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

class DroppedFiles {
 public:
  // The dropped paths in the order the drop reports them; the drop is released
  // in every case. Each path is taken whole; an item that cannot be named by an
  // ANSI path of this system (an empty name, a name longer than the system's
  // longest path, a character outside the ANSI code page) is left out rather
  // than queued as some other file.
  static std::vector<std::string> take(HDROP drop);

 private:
  static bool readPath(HDROP drop, UINT index, std::string& path);
  static bool sameAsWideName(HDROP drop, UINT index, const std::string& path);
};
