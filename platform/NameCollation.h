#pragma once
// The form in which names are compared for name order: the UTF-16 form of an
// ANSI name with every code unit upper-cased, as the platform's case-blind
// ordinal comparison sees it (the order NTFS keeps its folders in).
#include <string>
#include <string_view>

// Appends the key of name to keys, so that many keys can share one buffer.
void appendCaseBlindKey(std::string_view name, std::u16string& keys);
