#pragma once
// Separator searches over 8-bit text, one whole character at a time: the trail
// byte of a double-byte character (0x5C in "ソ" or "表") is never taken for a
// separator. The process's text is in its ANSI code page, which is UTF-8 where
// the system grants the program's request for it, and otherwise the legacy
// code page of the system's locale.
#include <cstddef>
#include <string>

namespace ansi {

constexpr std::size_t npos = std::string::npos;

enum class Encoding { legacy, utf8 };

// The encoding of the process's own 8-bit text. Off Windows the program is
// taken to run in the legacy code page.
Encoding processEncoding();

// True when the byte starts a double-byte character of the legacy code page
// (code page 932 off Windows).
bool isLeadByte(unsigned char byte);

// Length in bytes of the character that starts at pos, in the process's
// encoding or the one given. Legacy: 1 or 2; a lead byte takes the next byte
// only when that byte can be a trail byte (0x40 and up in every double-byte
// code page), so a stray lead byte never swallows a line end. UTF-8: a lead
// byte takes only the continuation bytes (0x80-0xBF) that follow it, so no
// ASCII byte is ever part of a longer character.
std::size_t characterLength(const char* text, std::size_t size, std::size_t pos);
std::size_t characterLength(Encoding encoding, const char* text, std::size_t size, std::size_t pos);

// Position of the first character equal to ch at or after from, or npos.
std::size_t findFirst(const char* text, std::size_t size, char ch, std::size_t from = 0);
std::size_t findFirst(Encoding encoding, const std::string& text, char ch);
std::size_t findFirst(const std::string& text, char ch, std::size_t from = 0);

// Position of the last character equal to ch, or npos.
std::size_t findLast(const std::string& text, char ch);

// Position of the last "\\" or "/", or npos.
std::size_t findLastPathSeparator(const std::string& path);

// True when the last character of text is ch.
bool endsWith(const std::string& text, char ch);

}  // namespace ansi
