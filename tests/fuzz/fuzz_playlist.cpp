// The playlist splitter on arbitrary bytes: no line holds a line end, and the
// lines with one line end (CR LF, CR or LF) between each two rebuild the text
// exactly. The decoder, in either encoding and for either extension, gives
// lines well-formed in the process's encoding where that is UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "library/PlaylistReader.h"
#include "platform/TextEncoding.h"

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
    if (text[pos] != '\r' && text[pos] != '\n') std::abort();
    pos += text.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
  }
  if (pos != text.size()) std::abort();

  for (const ansi::Encoding process : {ansi::Encoding::legacy, ansi::Encoding::utf8}) {
    for (const bool isM3u8 : {false, true}) {
      for (const std::string& line : decodePlaylist(text, isM3u8, process)) {
        if (process == ansi::Encoding::utf8 && !text_encoding::isUtf8(line)) std::abort();
      }
    }
  }
  return 0;
}
