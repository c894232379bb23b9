// The playlist splitter on arbitrary bytes: no line holds a line end, and the
// lines with the line ends between them rebuild the text exactly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "library/PlaylistReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = splitPlaylistLines(text);
  if (text.empty() != lines.empty()) std::abort();
  std::size_t pos = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.find_first_of("\r\n") != std::string::npos) std::abort();
    if (text.compare(pos, line.size(), line) != 0) std::abort();
    pos += line.size();
    if (pos == text.size()) {
      if (i + 1 != lines.size()) std::abort();
      break;
    }
    pos += text.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
  }
  if (pos != text.size()) std::abort();
  return 0;
}
