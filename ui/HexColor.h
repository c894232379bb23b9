#pragma once
// The label text colour as the string table gives it: hexadecimal digits naming
// the platform colour value 0x00BBGGRR.
#include <cstdint>
#include <string>

// Leading blanks and tabs skipped, an optional sign, then hexadecimal digits up
// to the first other character, accumulated in 32 bits; no digits give 0.
std::int32_t parseHexColor(const std::string& text);

// parseHexColor clamped to 0 .. 0xFFFFFF.
std::uint32_t labelColorFromText(const std::string& text);
