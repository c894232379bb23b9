#include "platform/AnsiText.h"

namespace ansi {

namespace {

std::size_t utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

std::size_t findFirst(Encoding encoding, const char* text, std::size_t size, char ch, std::size_t from) {
  std::size_t pos = from;
  while (pos < size) {
    if (text[pos] == ch) return pos;
    pos += characterLength(encoding, text, size, pos);
  }
  return npos;
}

}  // namespace

std::size_t characterLength(Encoding encoding, const char* text, std::size_t size, std::size_t pos) {
  const unsigned char byte = static_cast<unsigned char>(text[pos]);
  // No double-byte code page has a lead byte below 0x81, and no UTF-8 lead
  // byte is below 0x80: ASCII needs no look-up.
  if (byte < 0x80) return 1;
  if (encoding == Encoding::utf8) {
    const std::size_t wanted = utf8SequenceLength(byte);
    std::size_t length = 1;
    while (length < wanted && pos + length < size && isContinuationByte(text[pos + length])) ++length;
    return length;
  }
  if (pos + 1 < size && isLeadByte(byte) &&
      static_cast<unsigned char>(text[pos + 1]) >= 0x40) {
    return 2;
  }
  return 1;
}

std::size_t characterLength(const char* text, std::size_t size, std::size_t pos) {
  return characterLength(processEncoding(), text, size, pos);
}

std::size_t findFirst(const char* text, std::size_t size, char ch, std::size_t from) {
  return findFirst(processEncoding(), text, size, ch, from);
}

std::size_t findFirst(Encoding encoding, const std::string& text, char ch) {
  return findFirst(encoding, text.data(), text.size(), ch, 0);
}

std::size_t findFirst(const std::string& text, char ch, std::size_t from) {
  return findFirst(text.data(), text.size(), ch, from);
}

std::size_t findLast(const std::string& text, char ch) {
  std::size_t found = npos;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == ch) found = pos;
    pos += characterLength(text.data(), text.size(), pos);
  }
  return found;
}

std::size_t findLastPathSeparator(const std::string& path) {
  std::size_t found = npos;
  std::size_t pos = 0;
  while (pos < path.size()) {
    if (path[pos] == '\\' || path[pos] == '/') found = pos;
    pos += characterLength(path.data(), path.size(), pos);
  }
  return found;
}

bool endsWith(const std::string& text, char ch) {
  std::size_t last = npos;
  std::size_t pos = 0;
  while (pos < text.size()) {
    last = pos;
    pos += characterLength(text.data(), text.size(), pos);
  }
  return last != npos && text.size() - last == 1 && text[last] == ch;
}

}  // namespace ansi
