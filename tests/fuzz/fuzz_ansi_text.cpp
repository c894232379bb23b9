// Stepping through ANSI text by character on arbitrary bytes: characters tile
// the text, no search lands inside a character, and a path separator, a dot
// or a line end is never swallowed as the trail of a double-byte character.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "library/TrackScanner.h"
#include "platform/AnsiText.h"
#include "platform/PosixPath.h"

namespace {

std::vector<std::size_t> characterStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t pos = 0; pos < text.size();) {
    starts.push_back(pos);
    const std::size_t length = ansi::characterLength(text.data(), text.size(), pos);
    if (length != 1 && length != 2) std::abort();
    if (length == 2 && static_cast<unsigned char>(text[pos + 1]) < 0x40) std::abort();
    pos += length;
  }
  return starts;
}

void checkSearches(const std::string& text, const std::vector<std::size_t>& starts, char ch) {
  // Walking back over the characters, next is the first match at or after each.
  std::size_t next = ansi::npos;
  std::size_t last = ansi::npos;
  for (std::size_t i = starts.size(); i-- > 0;) {
    if (text[starts[i]] == ch) {
      next = starts[i];
      if (last == ansi::npos) last = next;
    }
    if (ansi::findFirst(text, ch, starts[i]) != next) std::abort();
  }
  if (ansi::findFirst(text, ch) != next || ansi::findLast(text, ch) != last) std::abort();
  const bool endsWith = !starts.empty() && starts.back() == text.size() - 1 && text.back() == ch;
  if (ansi::endsWith(text, ch) != endsWith) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::size_t> starts = characterStarts(text);
  for (char ch : {'\\', '/', '.', ',', '=', '\n', '\r'}) checkSearches(text, starts, ch);

  const std::size_t dot = ansi::findLast(text, '.');
  if (fileExtension(text) != (dot == ansi::npos ? std::string() : text.substr(dot + 1))) std::abort();

  const std::size_t backslash = ansi::findLast(text, '\\');
  const std::size_t slash = ansi::findLast(text, '/');
  const std::size_t separator = backslash == ansi::npos ? slash
                                : slash == ansi::npos   ? backslash
                                                        : std::max(backslash, slash);
  if (ansi::findLastPathSeparator(text) != separator) std::abort();

  const std::string posix = toPosixPath(text);
  if (posix.size() != text.size()) std::abort();
  for (std::size_t i = 0, s = 0; i < text.size(); ++i) {
    const bool isStart = s < starts.size() && starts[s] == i;
    if (isStart) ++s;
    const char expected = isStart && text[i] == '\\' ? '/' : text[i];
    if (posix[i] != expected) std::abort();
  }
  return 0;
}
