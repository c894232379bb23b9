#include "core/TrackPath.h"

#include "platform/AnsiText.h"

namespace track_path {

std::string join(const std::string& folder, const std::string& name) {
  if (ansi::endsWith(folder, '\\')) return folder + name;
  return folder + "\\" + name;
}

std::string fileName(const std::string& path) {
  std::size_t separator = ansi::findLast(path, '\\');
  if (separator == ansi::npos) return path;
  return path.substr(separator + 1);
}

namespace {

bool isRelative(const std::string& path) {
  if (path.empty() || path[0] == '\\' || path[0] == '/') return false;
  return ansi::findFirst(path, ':') == ansi::npos;
}

}  // namespace

std::string resolveAgainstRoot(const std::string& path, const std::string& root) {
  if (root.empty() || !isRelative(path)) return path;
  return join(root, path);
}

}  // namespace track_path
