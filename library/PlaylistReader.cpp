#include "library/PlaylistReader.h"

#include <algorithm>

#include "platform/File.h"

namespace {

// The end of the line that starts at pos: the first CR or LF, or the end of
// the text. Neither byte can be the trail byte of a double-byte character, so
// a byte search finds the same line ends as a search by character.
std::size_t lineEnd(const std::string& text, std::size_t pos) {
  while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n') ++pos;
  return pos;
}

// Where the next line starts after the line end at end; CR LF is one line end.
std::size_t nextLineStart(const std::string& text, std::size_t end) {
  if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') return end + 2;
  return end + 1;
}

std::size_t countLines(const std::string& text) {
  std::size_t lines = 0;
  for (std::size_t pos = 0; pos < text.size(); pos = nextLineStart(text, lineEnd(text, pos))) ++lines;
  return lines;
}

}  // namespace

std::vector<std::string> splitPlaylistLines(const std::string& text) {
  std::vector<std::string> lines;
  lines.reserve(countLines(text));
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t end = lineEnd(text, pos);
    lines.emplace_back(text, pos, end - pos);
    pos = nextLineStart(text, end);
  }
  return lines;
}

bool loadPlaylist(const std::string& path, const TrackOrder& order,
                  const std::function<void(std::vector<std::string>&)>& shuffle,
                  std::vector<std::string>& trackList) {
  std::string text;
  if (!file::readWhole(path, text) || text.empty()) return false;
  trackList = splitPlaylistLines(text);
  if (order.randomMode == 1) {
    if (shuffle) shuffle(trackList);
  } else if (order.sortReverse) {
    std::reverse(trackList.begin(), trackList.end());
  }
  return true;
}
