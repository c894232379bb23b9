#pragma once
// Off Windows the program still builds paths with "\\": each single-byte
// backslash becomes "/" before a path reaches the file system, while a 0x5C
// trail byte stays part of its character.
#include <string>

std::string toPosixPath(const std::string& path);
