#pragma once
// Path texts of tracks and groups, split and joined a whole ANSI character at a
// time.
#include <string>

namespace track_path {

// folder, then "\\" unless folder already ends with that character, then name.
std::string join(const std::string& folder, const std::string& name);

// The text after the last "\\", or the whole path when it holds none.
std::string fileName(const std::string& path);

// A playlist line such as "Live\\01.mp3" names a file below the music root; a
// path that starts at a drive, a share or the file-system root is kept as it
// stands, and so is an empty one.
std::string resolveAgainstRoot(const std::string& path, const std::string& root);

}  // namespace track_path
