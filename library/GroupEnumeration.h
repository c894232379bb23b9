#pragma once
// The groups of a music root: its sub-folders, then its "m3u" and "m3u8" playlist files,
// each in name order; sub-folders whose names begin with "." are left out.
#include <string>
#include <vector>

std::vector<std::string> enumerateGroups(const std::string& root);
