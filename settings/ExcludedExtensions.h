#pragma once
// The text form of the excluded-extension list: entries joined by ",".
#include <string>
#include <vector>

namespace excluded_extensions {

constexpr const char* defaultText = "exe,def,txt,m3u,dll";

// Appends the entries of text to list: empty pieces between commas or before a
// leading comma are dropped, the piece after the last comma is kept even when
// empty, and nothing is trimmed.
void append(const std::string& text, std::vector<std::string>& list);

// The entries in list order, separated by single commas.
std::string join(const std::vector<std::string>& list);

}  // namespace excluded_extensions
