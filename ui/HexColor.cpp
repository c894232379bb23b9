#include "ui/HexColor.h"

namespace {
int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}
}  // namespace

std::int32_t parseHexColor(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // Unsigned arithmetic wraps like the 32-bit register the value is kept in.
  std::uint32_t value = 0;
  for (; at < text.size() && hexDigit(text[at]) >= 0; ++at) {
    value = value * 16u + static_cast<std::uint32_t>(hexDigit(text[at]));
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::uint32_t labelColorFromText(const std::string& text) {
  const std::int32_t value = parseHexColor(text);
  if (value < 0) return 0;
  if (value > 0xFFFFFF) return 0xFFFFFF;
  return static_cast<std::uint32_t>(value);
}
