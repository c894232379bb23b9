#include "library/PlaylistReader.h"

#include <algorithm>
#include <utility>

#include "library/TrackScanner.h"
#include "platform/File.h"
#include "platform/TextEncoding.h"

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

std::size_t countLines(const std::string& text, std::size_t start) {
  std::size_t lines = 0;
  for (std::size_t pos = start; pos < text.size(); pos = nextLineStart(text, lineEnd(text, pos))) ++lines;
  return lines;
}

// The lines of the text from start on, without copying the text first.
std::vector<std::string> splitLinesFrom(const std::string& text, std::size_t start) {
  std::vector<std::string> lines;
  lines.reserve(countLines(text, start));
  for (std::size_t pos = start; pos < text.size();) {
    const std::size_t end = lineEnd(text, pos);
    lines.emplace_back(text, pos, end - pos);
    pos = nextLineStart(text, end);
  }
  return lines;
}

ansi::Encoding playlistEncoding(const std::string& bytes, bool isM3u8) {
  if (isM3u8 || text_encoding::startsWithUtf8Mark(bytes)) return ansi::Encoding::utf8;
  if (text_encoding::hasNonAscii(bytes) && text_encoding::isUtf8(bytes)) return ansi::Encoding::utf8;
  return ansi::Encoding::legacy;
}

}  // namespace

bool isPlaylistName(const std::string& name) {
  const std::string extension = fileExtension(name);
  return extension == "m3u" || extension == "m3u8";
}

std::vector<std::string> decodePlaylist(const std::string& bytes, bool isM3u8, ansi::Encoding process) {
  const ansi::Encoding encoding = playlistEncoding(bytes, isM3u8);
  const bool marked = text_encoding::startsWithUtf8Mark(bytes);
  std::vector<std::string> lines = splitLinesFrom(bytes, marked ? text_encoding::utf8MarkSize : 0);
  // Legacy text stays as it is; UTF-8 is checked line by line.
  if (encoding == ansi::Encoding::legacy && process == ansi::Encoding::legacy) return lines;
  std::vector<std::string> converted;
  converted.reserve(lines.size());
  for (const std::string& line : lines) {
    std::string text;
    if (text_encoding::convert(line, encoding, process, text)) converted.push_back(std::move(text));
  }
  return converted;
}

std::vector<std::string> splitPlaylistLines(const std::string& text) { return splitLinesFrom(text, 0); }

bool loadPlaylist(const std::string& path, const TrackOrder& order,
                  const std::function<void(std::vector<std::string>&)>& shuffle,
                  std::vector<std::string>& trackList) {
  std::string text;
  if (!file::readWhole(path, text) || text.empty()) return false;
  std::vector<std::string> lines = decodePlaylist(text, fileExtension(path) == "m3u8", ansi::processEncoding());
  if (lines.empty()) return false;
  trackList = std::move(lines);
  if (order.randomMode == 1) {
    if (shuffle) shuffle(trackList);
  } else if (order.sortReverse) {
    std::reverse(trackList.begin(), trackList.end());
  }
  return true;
}
