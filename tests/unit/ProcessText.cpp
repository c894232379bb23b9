#include "ProcessText.h"

#include <cstdlib>

#include "platform/TextEncoding.h"

std::string processText(const std::string& utf8) {
  std::string text;
  // Only names that both code pages hold are samples.
  if (!text_encoding::convert(utf8, ansi::Encoding::utf8, ansi::processEncoding(), text)) std::abort();
  return text;
}
