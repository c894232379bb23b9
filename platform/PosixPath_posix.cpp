#include "platform/PosixPath.h"

#include "platform/AnsiText.h"

std::string toPosixPath(const std::string& path) {
  std::string result = path;
  std::size_t pos = 0;
  while (pos < result.size()) {
    if (result[pos] == '\\') result[pos] = '/';
    pos += ansi::characterLength(result.data(), result.size(), pos);
  }
  return result;
}
