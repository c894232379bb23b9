#pragma once
// A path of the program's 8-bit text as the UTF-16 path that the media engines
// open: converted with the process's ANSI code page.
#include <string>

std::wstring widePath(const std::string& ansiPath);
