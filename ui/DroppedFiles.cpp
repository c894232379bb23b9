#include "ui/DroppedFiles.h"

#include "platform/WideText_win32.h"

namespace {

// Longest path the system opens at all, in characters.
constexpr UINT longestPath = 32767;
constexpr UINT allItems = 0xFFFFFFFF;

}  // namespace

std::vector<std::string> DroppedFiles::take(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, allItems, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    std::string path;
    if (readPath(drop, index, path)) paths.push_back(path);
  }
  DragFinish(drop);
  return paths;
}

// The length is asked of the item itself, in UTF-16 units, then the name is read
// whole and converted exactly.
bool DroppedFiles::readPath(HDROP drop, UINT index, std::string& path) {
  const UINT length = DragQueryFileW(drop, index, nullptr, 0);
  if (length == 0 || length > longestPath) return false;
  std::wstring wide(length + 1, L'\0');
  if (DragQueryFileW(drop, index, &wide[0], length + 1) != length) return false;
  wide.resize(length);
  return toProcessText(wide, path);
}
