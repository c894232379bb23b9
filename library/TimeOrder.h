#pragma once
// Time order of a folder's files, newest first: position by position, the last
// of the remaining files with the greatest time changes place with the file at
// that position. The rule is not stable, and the order it gives files of equal
// times is kept exactly (a, b, c of one time come out c, a, b), but it is
// computed in n log n steps instead of the rule's n * n.
#include <cstddef>
#include <vector>

#include "platform/FolderSearch.h"

// The positions of times, newest first.
std::vector<std::size_t> newestFirst(std::vector<FileTime> times);
