#pragma once
// The paths of a drop of files or folders onto the window.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

class DroppedFiles {
 public:
  // The dropped paths in the order the drop reports them; the drop is released
  // in every case. Each path is read in UTF-16 and taken whole; an item that
  // cannot be named by a path of this process's code page (an empty name, a
  // name longer than the system's longest path, a character the code page
  // lacks) is left out rather than queued as some other file.
  static std::vector<std::string> take(HDROP drop);

 private:
  static bool readPath(HDROP drop, UINT index, std::string& path);
};
