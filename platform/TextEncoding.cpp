#include "platform/TextEncoding.h"

namespace text_encoding {

// The conversions of the platform files; both leave out unchanged on failure.
bool legacyToUtf8(const std::string& text, std::string& out);
bool utf8ToLegacy(const std::string& text, std::string& out);

bool startsWithUtf8Mark(const std::string& text) { return text.compare(0, utf8MarkSize, utf8Mark) == 0; }

bool hasNonAscii(const std::string& text) {
  for (const char byte : text) {
    if (static_cast<unsigned char>(byte) >= 0x80) return true;
  }
  return false;
}

bool isUtf8(const std::string& text) {
  const std::size_t size = text.size();
  std::size_t pos = 0;
  while (pos < size) {
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    std::size_t length;
    // The first continuation byte's range rules out overlong forms, surrogates
    // and values above U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80) {
      ++pos;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (size - pos < length) return false;
    for (std::size_t i = 1; i < length; ++i) {
      const unsigned char byte = static_cast<unsigned char>(text[pos + i]);
      if (byte < low || byte > high) return false;
      low = 0x80;
      high = 0xBF;
    }
    pos += length;
  }
  return true;
}

bool convert(const std::string& text, ansi::Encoding from, ansi::Encoding to, std::string& out) {
  if (from == to) {
    // UTF-8 is checked here; the legacy code page is taken as it stands, as
    // every earlier version took it.
    if (to == ansi::Encoding::utf8 && !isUtf8(text)) return false;
    out = text;
    return true;
  }
  return from == ansi::Encoding::legacy ? legacyToUtf8(text, out) : utf8ToLegacy(text, out);
}

}  // namespace text_encoding
