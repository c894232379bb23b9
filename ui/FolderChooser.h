#pragma once
// The shell's folder browser, asked for a new music root.
#include <optional>
#include <string>

class FolderChooser {
 public:
  // Runs the browser modally under the title given, owned by the active window.
  // Nothing when the user cancels, or confirms an item that is no folder of the
  // file system or whose path the process's code page cannot hold.
  static std::optional<std::string> choose(const std::string& title);
};
