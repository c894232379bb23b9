#pragma once
// Separator searches over 8-bit text in the system's ANSI code page, one whole
// character at a time: the trail byte of a double-byte character (0x5C in
// "ソ" or "表") is never taken for a separator.
#include <cstddef>
#include <string>

namespace ansi {

constexpr std::size_t npos = std::string::npos;

// True when the byte starts a double-byte character of the ANSI code page.
bool isLeadByte(unsigned char byte);

// Length in bytes (1 or 2) of the character that starts at pos. A lead byte
// takes the next byte only when that byte can be a trail byte (0x40 and up in
// every double-byte code page), so a stray lead byte never swallows a line end.
std::size_t characterLength(const char* text, std::size_t size, std::size_t pos);

// Position of the first character equal to ch at or after from, or npos.
std::size_t findFirst(const char* text, std::size_t size, char ch, std::size_t from = 0);
std::size_t findFirst(const std::string& text, char ch, std::size_t from = 0);

// Position of the last character equal to ch, or npos.
std::size_t findLast(const std::string& text, char ch);

// Position of the last "\\" or "/", or npos.
std::size_t findLastPathSeparator(const std::string& path);

// True when the last character of text is ch.
bool endsWith(const std::string& text, char ch);

}  // namespace ansi
