#pragma once
// Sample names as the process holds them: code page 932 bytes in a process of
// that code page (where "ソ" and "表" end in the byte of "\\"), UTF-8 in a
// process whose code page is UTF-8.
#include <string>

std::string processText(const std::string& utf8);
