#pragma once
// Converting 8-bit text between the legacy code page of the system's locale
// (code page 932 off Windows) and UTF-8, and telling the two apart in a file.
#include <string>

#include "platform/AnsiText.h"

namespace text_encoding {

// The UTF-8 byte-order mark.
constexpr const char utf8Mark[] = "\xEF\xBB\xBF";
constexpr std::size_t utf8MarkSize = 3;

bool startsWithUtf8Mark(const std::string& text);

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// values above U+10FFFF).
bool isUtf8(const std::string& text);
bool hasNonAscii(const std::string& text);

// Converts text from one encoding into the other (or copies it). False, with
// out unchanged, when a character of text is malformed or has no exact
// counterpart in the target encoding: a look-alike could name a different
// file. Legacy text copied as legacy text is not checked.
bool convert(const std::string& text, ansi::Encoding from, ansi::Encoding to, std::string& out);

}  // namespace text_encoding
