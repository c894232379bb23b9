#pragma once
// Name order, the same on every disk and platform: names compared by their
// UTF-16 form upper-cased code unit by code unit (the order NTFS keeps), and
// names that differ only in case by their bytes, so that no two names tie.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The positions of names, in name order.
std::vector<std::size_t> nameOrder(const std::vector<std::string_view>& names);

void sortByName(std::vector<std::string>& names);
