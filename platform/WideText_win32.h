#pragma once
// Text between 8-bit code pages and UTF-16, exactly or not at all: the one
// place where the program's text meets the platform's wide names. Malformed
// input, a character the target cannot hold, or a best-fit look-alike fails
// the whole text, since "?", U+FFFD or a look-alike could name a different file.
// Text leaving UTF-16 is checked by converting it back.
#include <string>
#include <string_view>

// Both leave their output unchanged on failure. CP_ACP means the process's
// code page. Empty text converts to empty text.
bool codePageToWide(unsigned codePage, std::string_view text, std::wstring& wide);
bool wideToCodePage(unsigned codePage, std::wstring_view wide, std::string& text);

// The same in the process's code page, that of every name the program holds.
bool fromProcessText(std::string_view text, std::wstring& wide);
bool toProcessText(std::wstring_view wide, std::string& text);

// For sort keys only, which name no file: the process's text as the platform's
// own comparison sees it, a byte sequence the code page cannot map becoming
// its stand-in character. Empty for text too long to convert.
std::wstring wideForSorting(std::string_view text);
