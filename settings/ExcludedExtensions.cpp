#include "settings/ExcludedExtensions.h"

#include "platform/AnsiText.h"

namespace excluded_extensions {

void append(const std::string& text, std::vector<std::string>& list) {
  std::size_t start = 0;
  for (;;) {
    std::size_t comma = ansi::findFirst(text, ',', start);
    if (comma == ansi::npos) {
      list.push_back(text.substr(start));
      return;
    }
    if (comma > start) list.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
}

std::string join(const std::vector<std::string>& list) {
  std::string text;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) text += ',';
    text += list[i];
  }
  return text;
}

}  // namespace excluded_extensions
