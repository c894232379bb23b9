#pragma once
// UTF-16 text turned into 8-bit text, exactly or not at all.
#include <string>

// The text in the code page given. False when the code page cannot hold it
// exactly (a look-alike or "?" could name a different file); into UTF-8 only
// malformed text fails.
bool wideToCodePage(unsigned codePage, const std::wstring& wide, std::string& text);

// The same into the process's code page, for names that come from the shell.
bool toProcessText(const std::wstring& wide, std::string& text);
