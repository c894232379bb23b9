#include "ui/DroppedFiles.h"

namespace {

// Longest path the system opens at all, in characters.
constexpr UINT longestPath = 32767;
constexpr UINT allItems = 0xFFFFFFFF;

}  // namespace

std::vector<std::string> DroppedFiles::take(HDROP drop) {
  std::vector<std::string> paths;
  const UINT count = DragQueryFileA(drop, allItems, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    std::string path;
    if (readPath(drop, index, path) && sameAsWideName(drop, index, path)) paths.push_back(path);
  }
  DragFinish(drop);
  return paths;
}

bool DroppedFiles::readPath(HDROP drop, UINT index, std::string& path) {
  const UINT length = DragQueryFileA(drop, index, nullptr, 0);
  // A UTF-16 unit takes at most three bytes in any ANSI code page.
  if (length == 0 || length > 3 * longestPath) return false;
  path.assign(length + 1, '\0');
  const UINT copied = DragQueryFileA(drop, index, &path[0], length + 1);
  if (copied != length) return false;
  path.resize(length);
  return true;
}

// The ANSI form of a name the code page cannot hold has "?" or a look-alike in
// its place, which may name a different file; only a name that converts back to
// exactly the dropped one is kept. Under the UTF-8 code page every well-formed
// name does.
bool DroppedFiles::sameAsWideName(HDROP drop, UINT index, const std::string& path) {
  const UINT wideLength = DragQueryFileW(drop, index, nullptr, 0);
  if (wideLength == 0 || wideLength > longestPath) return false;
  std::wstring wide(wideLength + 1, L'\0');
  if (DragQueryFileW(drop, index, &wide[0], wideLength + 1) != wideLength) return false;
  wide.resize(wideLength);
  const int convertedLength =
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()), nullptr, 0);
  if (convertedLength <= 0) return false;
  std::wstring converted(static_cast<std::size_t>(convertedLength), L'\0');
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()), &converted[0],
                      convertedLength);
  return converted == wide;
}
